#include "files/DataFileReader.h"

#include <cmath>
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
#include "model/UnsentEntries.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

constexpr std::int64_t kInt16First = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t kInt16Last = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t kInt32First = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kByteLast = 255;
constexpr std::int64_t kWordLast = 65535;

// The values of one section name, each converted into its field only when it fits; a value that
// is there but is not taken is noted in the load's list.
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
            m_rejected.push_back("[" + m_section + "] " + std::string(key) + "=" + text);
        }
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

    template <typename Field>
    void Integer(std::string_view key, Field& field, std::int64_t first, std::int64_t last) const
    {
        const std::string text = Text(key);
        if (const auto value = ParseInteger(text, first, last)) {
            field = static_cast<Field>(*value);
        } else {
            Reject(key, text);
        }
    }

    void Record(ChannelRecord& record, std::span<const RecordKey> keys) const
    {
        for (const RecordKey& key : keys) {
            std::visit(
                [&](auto field) {
                    auto& value = record.*field;
                    using Value = std::decay_t<decltype(value)>;
                    if constexpr (std::is_same_v<Value, bool>) {
                        Flag(key.Key, value);
                    } else if constexpr (std::is_same_v<Value, double>) {
                        if (const auto mhz = Take(key.Key, &ParseFrequency)) {
                            value = *mhz;
                        }
                    } else if constexpr (std::is_same_v<Value, std::string>) {
                        value = Text(key.Key);
                    } else {
                        Integer(key.Key, value, key.First, key.Last);
                    }
                },
                key.Field);
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

void ReadDirectory(std::span<DirectoryEntry> directory, const SectionTable& table, std::string_view name,
                   RejectedValues& rejected)
{
    for (std::size_t i = 0; i < directory.size(); ++i) {
        const std::string section = Numbered(name, i + 1);
        if (!table.HasSection(section)) {
            continue;
        }
        const SectionValues values(table, section, rejected);
        values.Flag("Enable", directory[i].Enabled);
        directory[i].TagName = values.Text("TagName");
        directory[i].Mmsid = values.Text("Mmsid");
    }
}

// The section readers, in the order the load runs them.

void ReadUsableGroups(RadioData& data, const SectionTable& table, RejectedValues& rejected)
{
    const SectionValues values(table, std::string(kUsableSection), rejected);
    const std::vector<std::string> names = SplitList(kUsableGroupNames);
    for (int g = 0; g < kGroupCount; ++g) {
        values.Flag(names[g], data.UsableGroups[g].Enable);
        values.Flag(GroupKey("TX TOT", g), data.UsableGroups[g].TxTot);
    }
    for (int g = 0; g < kPresetGroupCount; ++g) {
        UsableGroup& group = data.UsableGroups[g];
        values.Integer(GroupKey("Priority CH", g), group.PriorityCh, kInt32First, kWordLast);
        for (int j = 0; j < kPresetListLength; ++j) {
            const std::string key = PresetKey(g, j + 1);
            const std::string text = values.Text(key);
            const std::optional<std::int64_t> channel = ParseInteger(text, 0, kWordLast);
            if (!channel) {
                values.Reject(key, text);
            }
            WritePresetEntry(data.RadioImage, g, j, channel);
        }
        values.Integer(BackupKey(g), group.Backup, 0, kByteLast);
    }
    for (int g = 0; g < kGroupCount; ++g) {
        values.Flag(GroupKey("Status Icon", g), data.UsableGroups[g].StatusIcon);
    }
    if (HasChannelNames(data.ModelIndex)) {
        for (int g = 0; g < kGroupCount; ++g) {
            data.UsableGroups[g].StatusName = values.Text(GroupKey("Status name", g));
        }
    }
}

void ReadCommonSetup(RadioData& data, const SectionTable& table, RejectedValues& rejected)
{
    const SectionValues values(table, std::string(kCommonSection), rejected);
    for (const CommonKey& key : DataFileKeys().Common) {
        std::visit(
            [&](auto field) {
                auto& value = data.CommonSetup.*field;
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, bool>) {
                    values.Flag(key.Key, value);
                } else {
                    values.Integer(key.Key, value, key.First, key.Last);
                }
            },
            key.Field);
    }
}

void ReadAtisSetup(RadioData& data, const SectionTable& table, RejectedValues& rejected)
{
    const SectionValues values(table, std::string(kAtisSection), rejected);
    AtisCommonSetup& atis = data.AtisCommonSetup;
    for (int g = 0; g < kGroupCount; ++g) {
        values.Flag("Usable ATIS CH Group" + std::to_string(g), atis.UsableAtis[g]);
    }
    atis.AtisCode = values.Text("Atis Code");
    if (EncodesAtisKillers(data.ModelIndex)) {
        for (int g = 0; g < kGroupCount; ++g) {
            values.Flag("Usable ATIS Kikker CH Group" + std::to_string(g), atis.UsableAtisKiller[g]);
        }
    }
}

// A section whose position is not a slot of its bank (out of range, or not a finite number) is
// skipped whole.
void ReadMarineBanks(RadioData& data, const SectionTable& table, RejectedValues& rejected)
{
    const bool names = HasChannelNames(data.ModelIndex);
    for (const MarineBankSection& bank : kMarineBankSections) {
        ChannelBank& records = data.*bank.Bank;
        for (std::size_t n = 0;; ++n) {
            const SectionValues values(table, Numbered(bank.Name, n), rejected);
            const std::string position = values.Text("Position");
            if (position.empty()) {
                break;
            }
            const double p = std::nearbyint(LeadingNumber(position));
            if (!(p >= 0 && p < static_cast<double>(records.size()))) {
                values.Reject("Position", position);
                continue;
            }
            ChannelRecord& record = records[static_cast<std::size_t>(p)];
            record.Position = static_cast<std::int16_t>(p);
            values.Record(record, DataFileKeys().Marine);
            // A channel whose slot has no duplex frequency never becomes duplex.
            record.Duplex = record.Duplex && record.DuplexAllowed;
            if (names) {
                values.Record(record, DataFileKeys().MarineNames);
            }
        }
    }
}

void ReadWxBank(RadioData& data, const SectionTable& table, RejectedValues& rejected)
{
    for (std::size_t i = 0; i < data.WxChannels.size(); ++i) {
        SectionValues(table, Numbered(kWxSection, i), rejected).Record(data.WxChannels[i], DataFileKeys().Wx);
    }
}

// A directory entry whose section the file lacks keeps its contents.
void ReadDirectories(RadioData& data, const SectionTable& table, RejectedValues& rejected)
{
    ReadDirectory(data.IndividualDirectory, table, kIndividualDirectorySection, rejected);
    ReadDirectory(data.GroupDirectory, table, kGroupDirectorySection, rejected);
}

void ReadExpBank(RadioData& data, const SectionTable& table, RejectedValues& rejected)
{
    for (std::size_t i = 0; i < data.ExpChannels.size(); ++i) {
        const SectionValues values(table, Numbered(kExpSection, i + 1), rejected);
        values.Record(data.ExpChannels[i], DataFileKeys().Exp);
        if (HasLmrBank(data.ModelIndex)) {
            values.Record(data.ExpChannels[i], DataFileKeys().ExpLmr);
        }
    }
}

void ReadPresetBytes(RadioData& data, const SectionTable& table, RejectedValues& rejected)
{
    const SectionValues values(table, std::string(kPresetSection), rejected);
    bool taken = false;
    for (int k = 0; k < kPresetRawCount; ++k) {
        const std::string key = "A" + std::to_string(k);
        const std::string text = values.Text(key);
        const double value = LeadingNumber(text);
        if (value >= 0 && value <= kByteLast) {
            data.RadioImage[kPresetRawStart + k] = static_cast<std::uint8_t>(value);
            taken = true;
        } else {
            values.Reject(key, text);
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

}  // namespace

RejectedValues ReadDataFile(RadioData& data, ShellState& shell, FileUi& ui, std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    const std::optional<std::int64_t> model =
        ParseInteger(ReadIniValue(text, kMainSection, "MODELTYPE"), kInt16First, kInt16Last);
    if (!model || *model != data.ModelIndex) {
        ui.ShowMessage("different model!!", shell.ProgramTitle, MessageIcon::Critical, MessageButtons::Ok);
        shell.ErrorFlag = true;
        return {};
    }
    const std::string sel1 = SelText(ReadIniValue(text, kMainSection, "SEL1"), "1");
    const std::string sel2 = SelText(ReadIniValue(text, kMainSection, "SEL2"), "0");

    const SectionTable table = FileReadIni(text);
    RejectedValues rejected;
    ReadUsableGroups(data, table, rejected);
    ReadCommonSetup(data, table, rejected);
    ReadAtisSetup(data, table, rejected);
    ReadMarineBanks(data, table, rejected);
    ReadWxBank(data, table, rejected);
    ReadDirectories(data, table, rejected);
    ReadExpBank(data, table, rejected);
    ReadPresetBytes(data, table, rejected);
    KeepEntriesAsLoaded(data);

    std::uint8_t& options = data.RadioImage[kOptionByte];
    options = SetBit(options, kSel2Bit, sel2 == "1");
    options = SetBit(options, kScramblerOptionBit, sel1 == "1");
    return rejected;
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
