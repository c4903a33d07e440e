#include "files/DataFileReader.h"

#include <algorithm>
#include <limits>
#include <span>
#include <type_traits>
#include <variant>

#include "files/DataFileLayout.h"
#include "files/DataFileValues.h"
#include "files/ErrorLog.h"
#include "files/FileAccess.h"
#include "files/IniFile.h"
#include "model/ImageFields.h"
#include "model/Models.h"
#include "model/SettingsCodec.h"
#include "model/Text.h"
#include "model/UnsentEntries.h"

namespace kelpie {

namespace {

constexpr std::int64_t kInt16First = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t kInt16Last = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t kByteLast = 255;
constexpr std::int64_t kWordLast = 65535;

// The sections a file of the model holds that this file lacks, named once in the load's list:
// their records keep what they held.
class MissingSections
{
public:
    void Note(std::string_view name, std::optional<std::size_t> number = std::nullopt)
    {
        if (number && !m_runs.empty() && m_runs.back().Name == name && m_runs.back().Last &&
            *m_runs.back().Last + 1 == *number) {
            m_runs.back().Last = number;
            return;
        }
        m_runs.push_back({std::string(name), number, number});
    }

    // "sections not in the file: [Common Setup], [CHWX0]..[CHWX9]"; empty when none is missing.
    std::string Text() const
    {
        std::string text;
        for (const Run& run : m_runs) {
            text += text.empty() ? "sections not in the file: " : ", ";
            text += "[" + run.Name + (run.First ? std::to_string(*run.First) : "") + "]";
            if (run.Last != run.First) {
                text += "..[" + run.Name + std::to_string(*run.Last) + "]";
            }
        }
        return text;
    }

private:
    struct Run
    {
        std::string Name;
        std::optional<std::size_t> First;
        std::optional<std::size_t> Last;
    };
    std::vector<Run> m_runs;
};

// What a load collects besides the records: the values not taken and the sections missing.
struct LoadNotes
{
    RejectedValues Rejected;
    MissingSections Missing;
};

// The values of one section name, each converted into its field only when it fits; a value that
// is there but is not taken is noted in the load's list. A key the section lacks leaves its field
// as it was, texts included.
class SectionValues
{
public:
    SectionValues(const SectionTable& table, std::string section, RejectedValues& rejected)
        : m_table(table), m_section(std::move(section)), m_rejected(rejected)
    {}

    std::string Text(std::string_view key) const { return m_table.GetValue(m_section, key); }

    // Notes the key as not taken unless it is missing (or empty).
    void Reject(std::string_view key, const std::string& text) const
    {
        if (!text.empty()) {
            RejectAlways(key, text);
        }
    }

    void RejectAlways(std::string_view key, const std::string& text) const
    {
        m_rejected.push_back("[" + m_section + "] " + std::string(key) + "=" + text);
    }

    template <typename Value>
    std::optional<Value> Take(std::string_view key, std::optional<Value> (*parse)(std::string_view)) const
    {
        const std::string text = Text(key);
        const std::optional<Value> value = parse(text);
        if (!value) {
            Reject(key, text);
        }
        return value;
    }

    void Flag(std::string_view key, bool& field) const
    {
        if (const auto value = Take(key, &ParseFlag)) {
            field = *value;
        }
    }

    std::optional<std::int64_t> Number(std::string_view key, std::int64_t first, std::int64_t last) const
    {
        const std::string text = Text(key);
        const std::optional<std::int64_t> value = ParseInteger(text, first, last);
        if (!value) {
            Reject(key, text);
        }
        return value;
    }

    template <typename Field>
    void Integer(std::string_view key, Field& field, std::int64_t first, std::int64_t last) const
    {
        if (const auto value = Number(key, first, last)) {
            field = static_cast<Field>(*value);
        }
    }

    void String(std::string_view key, std::string& field) const
    {
        if (auto value = m_table.FindValue(m_section, key)) {
            field = std::move(*value);
        }
    }

    // An MMSI: ten digits, or empty for none; anything else is not taken.
    void Mmsi(std::string_view key, std::string& field) const
    {
        std::optional<std::string> value = m_table.FindValue(m_section, key);
        if (!value) {
            return;
        }
        const bool digits = value->find_first_not_of("0123456789") == std::string::npos;
        if (value->empty() || (digits && value->size() == kMmsiDigits)) {
            field = std::move(*value);
        } else {
            RejectAlways(key, *value);
        }
    }

    void Record(ChannelRecord& record, std::span<const ChannelField* const> fields) const
    {
        for (const ChannelField* field : fields) {
            const std::string_view key = field->Name;
            std::visit(
                [&](auto member) {
                    auto& value = record.*member;
                    using Value = std::decay_t<decltype(value)>;
                    if constexpr (std::is_same_v<Value, bool>) {
                        Flag(key, value);
                    } else if constexpr (std::is_same_v<Value, double>) {
                        if (const auto mhz = Take(key, &ParseFrequency)) {
                            value = *mhz;
                        }
                    } else if constexpr (std::is_same_v<Value, std::string>) {
                        String(key, value);
                    } else {
                        Integer(key, value, 0, FiledLast(*field));
                    }
                },
                field->Member);
        }
    }

private:
    const SectionTable& m_table;
    std::string m_section;
    RejectedValues& m_rejected;
};

std::string Numbered(std::string_view name, std::size_t number)
{
    return std::string(name) + std::to_string(number);
}

// The section's values when the file holds it; otherwise it is noted as missing.
std::optional<SectionValues> Section(const SectionTable& table, LoadNotes& notes, std::string_view name,
                                     std::optional<std::size_t> number = std::nullopt)
{
    const std::string section = number ? Numbered(name, *number) : std::string(name);
    if (!table.HasSection(section)) {
        notes.Missing.Note(name, number);
        return std::nullopt;
    }
    return SectionValues(table, section, notes.Rejected);
}

void WritePresetEntry(RadioImage& image, int group, int entry, std::optional<std::int64_t> channel)
{
    const int address = PresetEntryAddress(group, entry);
    const std::uint16_t word = channel ? static_cast<std::uint16_t>(*channel) : 0xFFFF;
    image[address] = static_cast<std::uint8_t>(word & 0xFF);
    image[address + 1] = static_cast<std::uint8_t>(word >> 8);
}

// A SEL text other than "0" or "1" takes the option's default.
std::string SelText(std::string text, const char* fallback)
{
    return text == "0" || text == "1" ? text : fallback;
}

// A status name is stored right-aligned in four characters, as its box commits it; the file's
// trimmed value loses the leading blanks.
std::string StatusNameText(std::string name)
{
    constexpr std::size_t kWidth = 4;
    if (!name.empty() && name.size() < kWidth) {
        name.insert(0, kWidth - name.size(), ' ');
    }
    return name;
}

// The numbers n of the sections named name + n, in ascending order: a gap in the numbering does
// not hide the sections after it.
std::vector<std::size_t> SectionNumbers(const SectionTable& table, std::string_view name)
{
    constexpr std::size_t kLongestNumber = 9;
    const std::string upper = ToUpper(name);
    std::vector<std::size_t> numbers;
    for (const IniSection& section : table.Sections()) {
        const std::string_view digits =
            std::string_view(section.Name)
                .substr(section.Name.starts_with(upper) ? upper.size() : section.Name.size());
        if (digits.empty() || digits.size() > kLongestNumber ||
            digits.find_first_not_of("0123456789") != std::string_view::npos ||
            (digits.size() > 1 && digits.front() == '0')) {
            continue;
        }
        numbers.push_back(std::stoul(std::string(digits)));
    }
    std::ranges::sort(numbers);
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

// The entries of the group's preset list after its priority channel; an entry the file lacks, or
// that names no channel, becomes an empty place.
void ReadPresetList(const SectionValues& values, RadioData& data, const SettingsField& priority)
{
    for (int j = 0; j < kPresetListLength; ++j) {
        const std::string key = PresetKey(priority, j + 1);
        const std::string text = values.Text(key);
        const std::optional<std::int64_t> channel = ParseInteger(text, 0, kWordLast);
        if (!channel) {
            values.Reject(key, text);
        }
        WritePresetEntry(data.RadioImage, priority.Index, j, channel);
    }
}

void ReadCallSigns(const SectionValues& values, RadioData& data, const SettingsField& callSigns)
{
    for (int n = 1; n <= kAtisCallSignCount; ++n) {
        AtisCallSign& row = data.AtisCallSigns[static_cast<std::size_t>(n - 1)];
        const std::vector<std::string> keys = CallSignKeys(callSigns, n);
        values.String(keys[0], row.MID);
        values.String(keys[1], row.DISP);
    }
}

void ReadNumber(const SectionValues& values, RadioData& data, const SettingsField& f)
{
    if (const auto number = values.Number(f.Key, f.First, f.Last)) {
        f.Set(data, f.Index, *number);
    }
}

void ReadSetting(const SectionValues& values, RadioData& data, const SettingsField& f)
{
    switch (f.Form) {
        case FileForm::Flag:
            if (const auto flag = values.Take(f.Key, &ParseFlag)) {
                f.Set(data, f.Index, *flag ? 1 : 0);
            }
            break;
        case FileForm::Absolute:
        case FileForm::Signed:
            ReadNumber(values, data, f);
            break;
        case FileForm::PriorityChannel:
            ReadNumber(values, data, f);
            ReadPresetList(values, data, f);
            break;
        case FileForm::StatusName: {
            std::string& name = data.UsableGroups[static_cast<std::size_t>(f.Index)].StatusName;
            values.String(f.Key, name);
            name = StatusNameText(name);
            break;
        }
        case FileForm::AtisCode:
            values.String(f.Key, data.AtisCommonSetup.AtisCode);
            break;
        case FileForm::UserMmsi:
            values.Mmsi(f.Key, data.DscBasicSetup.UserMmsi);
            break;
        case FileForm::CallSigns:
            ReadCallSigns(values, data, f);
            break;
    }
}

// The section readers, in the order the load runs them. A section the file lacks leaves its
// records as they were.

// A settings section, with every key the model's files carry in it.
void ReadSettings(RadioData& data, const SectionTable& table, LoadNotes& notes, std::string_view section)
{
    const std::vector<const SettingsField*> fields = FiledFields(section, data.ModelIndex);
    if (fields.empty()) {
        return;
    }
    if (const auto values = Section(table, notes, section)) {
        for (const SettingsField* f : fields) {
            ReadSetting(*values, data, *f);
        }
    }
}

// Every section of a bank is read, also after a gap in the numbering. A section whose position is
// not a whole number naming a slot of its bank is skipped whole and named.
void ReadMarineBanks(RadioData& data, const SectionTable& table, LoadNotes& notes)
{
    const std::vector<const ChannelField*> fields = FiledChannelFields(kMarineBank, data.ModelIndex);
    for (const MarineBankSection& bank : kMarineBankSections) {
        ChannelBank& records = data.*bank.Bank;
        const std::vector<std::size_t> numbers = SectionNumbers(table, bank.Name);
        for (std::size_t n = 0; n < records.size(); ++n) {
            if (!std::ranges::binary_search(numbers, n)) {
                notes.Missing.Note(bank.Name, n);
            }
        }
        for (const std::size_t n : numbers) {
            const SectionValues values(table, Numbered(bank.Name, n), notes.Rejected);
            const std::string position = values.Text("Position");
            const std::optional<std::int64_t> p =
                ParseInteger(position, 0, static_cast<std::int64_t>(records.size()) - 1);
            if (!p) {
                values.RejectAlways("Position", position);
                continue;
            }
            ChannelRecord& record = records[static_cast<std::size_t>(*p)];
            record.Position = static_cast<std::int16_t>(*p);
            values.Record(record, fields);
            // A channel whose slot has no duplex frequency never becomes duplex.
            record.Duplex = record.Duplex && record.DuplexAllowed;
        }
    }
}

void ReadWxBank(RadioData& data, const SectionTable& table, LoadNotes& notes)
{
    const std::vector<const ChannelField*> fields = FiledChannelFields(kWeatherBank, data.ModelIndex);
    for (std::size_t i = 0; i < data.WxChannels.size(); ++i) {
        if (const auto values = Section(table, notes, kWxSection, i)) {
            values->Record(data.WxChannels[i], fields);
        }
    }
}

// Entries are read whatever their neighbours hold, so an entry after a free one is kept as the
// file has it. The directories are expected only in the files of the models with DSC.
void ReadDirectories(RadioData& data, const SectionTable& table, LoadNotes& notes)
{
    const bool expected = HasDsc(data.ModelIndex);
    for (const DirectorySection& directory : DirectorySections()) {
        const auto entries = directory.Entries(data);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string section = Numbered(directory.Name, i + 1);
            if (!table.HasSection(section)) {
                if (expected) {
                    notes.Missing.Note(directory.Name, i + 1);
                }
                continue;
            }
            const SectionValues values(table, section, notes.Rejected);
            values.Flag("Enable", entries[i].Enabled);
            values.String("TagName", entries[i].TagName);
            values.Mmsi("Mmsid", entries[i].Mmsid);
        }
    }
}

void ReadExpBank(RadioData& data, const SectionTable& table, LoadNotes& notes)
{
    const std::vector<const ChannelField*> fields = FiledChannelFields(kBankE, data.ModelIndex);
    for (std::size_t i = 0; i < data.ExpChannels.size(); ++i) {
        if (const auto values = Section(table, notes, kExpSection, i + 1)) {
            values->Record(data.ExpChannels[i], fields);
        }
    }
}

void ReadPresetBytes(RadioData& data, const SectionTable& table, LoadNotes& notes)
{
    const auto values = Section(table, notes, kPresetSection);
    if (!values) {
        return;
    }
    bool taken = false;
    for (int k = 0; k < kPresetRawCount; ++k) {
        const std::string key = "A" + std::to_string(k);
        const std::optional<std::string> text = table.FindValue(kPresetSection, key);
        if (!text) {
            continue;
        }
        const double value = LeadingNumber(*text);
        if (value >= 0 && value <= kByteLast) {
            data.RadioImage[kPresetRawStart + k] = static_cast<std::uint8_t>(value);
            taken = true;
        } else {
            values->Reject(key, *text);
        }
    }
    // On the models with DSC the bytes are the DSC settings: the records take them, or the next
    // encode would put the old settings back. The User MMSI is kept elsewhere in the image.
    if (taken && HasDsc(data.ModelIndex)) {
        const std::string userMmsi = data.DscBasicSetup.UserMmsi;
        DecodeDscBasic(data);
        DecodeDscAdvanced(data);
        DecodeDscDisplay(data);
        data.DscBasicSetup.UserMmsi = userMmsi;
    }
}

// A UTF-8 byte-order mark that an editor put before the first section.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return text;
}

std::optional<std::int64_t> ModelType(std::string_view text)
{
    return ParseInteger(ReadIniValue(text, kMainSection, "MODELTYPE"), kInt16First, kInt16Last);
}

}  // namespace

std::optional<int> DataFileModel(const std::filesystem::path& fileName)
{
    try {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(fileName);
        const std::optional<std::int64_t> model = ModelType(WithoutByteOrderMark(
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
        if (model && IsValidModelIndex(static_cast<int>(*model))) {
            return static_cast<int>(*model);
        }
    } catch (const FileError&) {
        // A file that cannot be read is reported by the open that follows.
    }
    return std::nullopt;
}

RejectedValues ReadDataFile(RadioData& data, ShellState& shell, FileUi& ui, std::string_view text)
{
    text = WithoutByteOrderMark(text);
    const std::optional<std::int64_t> model = ModelType(text);
    if (!model || *model != data.ModelIndex) {
        ui.ShowMessage("different model!!", shell.ProgramTitle, MessageIcon::Critical, MessageButtons::Ok);
        shell.ErrorFlag = true;
        return {};
    }
    const std::string sel1 = SelText(ReadIniValue(text, kMainSection, "SEL1"), "1");
    const std::string sel2 = SelText(ReadIniValue(text, kMainSection, "SEL2"), "0");

    const SectionTable table = FileReadIni(text);
    LoadNotes notes;
    ReadSettings(data, table, notes, kUsableSection);
    ReadSettings(data, table, notes, kCommonSection);
    ReadSettings(data, table, notes, kAtisSection);
    ReadMarineBanks(data, table, notes);
    ReadWxBank(data, table, notes);
    ReadDirectories(data, table, notes);
    ReadExpBank(data, table, notes);
    ReadPresetBytes(data, table, notes);
    ReadSettings(data, table, notes, kDscSection);
    ReadSettings(data, table, notes, kCallSignSection);
    KeepEntriesAsLoaded(data);

    // An option the file does not name keeps its bit.
    std::uint8_t& options = data.RadioImage[kOptionByte];
    if (table.FindValue(kMainSection, "SEL2")) {
        options = SetBit(options, kSel2Bit, sel2 == "1");
    }
    if (table.FindValue(kMainSection, "SEL1")) {
        options = SetBit(options, kScramblerOptionBit, sel1 == "1");
    }
    if (const std::string missing = notes.Missing.Text(); !missing.empty()) {
        notes.Rejected.insert(notes.Rejected.begin(), missing);
    }
    return notes.Rejected;
}

RejectedValues FileRead2(RadioData& data, ShellState& shell, FileUi& ui,
                         const std::filesystem::path& fileName)
{
    shell.ErrorFlag = false;
    ui.SetBusy(true);
    shell.BusyFlag = true;
    std::optional<FileError> failure;
    RejectedValues rejected;
    try {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(fileName);
        rejected = ReadDataFile(data, shell, ui,
                                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const FileError& error) {
        failure = error;
        LogError(shell, "frmMain.FileRead2", error.LogText());
    }
    ui.Pause(500);
    shell.BusyFlag = false;
    ui.SetBusy(false);
    if (failure) {
        shell.ErrorFlag = true;
        ui.ShowMessage(MessageWithReason("FileRead Error!!", failure->what()), shell.ProgramTitle,
                       MessageIcon::Exclamation, MessageButtons::Ok);
        shell.CancelFlag = true;
    }
    return rejected;
}

}  // namespace kelpie
