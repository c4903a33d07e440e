#include "files/DataFileWriter.h"

#include <cstdlib>
#include <type_traits>
#include <variant>

#include "files/DataFileLayout.h"
#include "files/DataFileValues.h"
#include "files/ErrorLog.h"
#include "files/FileAccess.h"
#include "model/ImageFields.h"
#include "model/Models.h"
#include "model/SettingsCodec.h"

namespace kelpie {

namespace {

// Entries of a preset channel list that name a channel; the others are empty places.
constexpr int kLastPresetChannel = kLastChannelIndex;

class DataFileBuilder
{
public:
    void Section(std::string_view name)
    {
        m_text += '[';
        m_text += name;
        m_text += "]\r\n";
    }

    void Line(std::string_view key, std::string_view value)
    {
        m_text += key;
        m_text += '=';
        m_text += value;
        m_text += "\r\n";
    }

    void Flag(std::string_view key, bool value) { Line(key, FlagText(value)); }
    void Integer(std::string_view key, std::int64_t value) { Line(key, std::to_string(value)); }
    void Hashed(std::string_view key, std::string_view text) { Line(key, "#" + std::string(text)); }

    void Record(const ChannelRecord& record, std::span<const ChannelField* const> fields)
    {
        for (const ChannelField* field : fields) {
            const std::string_view key = field->Name;
            std::visit(
                [&](auto member) {
                    const auto& value = record.*member;
                    using Value = std::decay_t<decltype(value)>;
                    if constexpr (std::is_same_v<Value, bool>) {
                        Flag(key, value);
                    } else if constexpr (std::is_same_v<Value, double>) {
                        Line(key, FrequencyText(value));
                    } else if constexpr (std::is_same_v<Value, std::string>) {
                        Line(key, field->File.Hashed ? "#" + value : value);
                    } else {
                        Integer(key, value);
                    }
                },
                field->Member);
        }
    }

    std::string Take() { return std::move(m_text); }

private:
    std::string m_text;
};

void WriteMain(DataFileBuilder& file, const RadioData& data, const ShellState& shell)
{
    file.Section(kMainSection);
    file.Hashed("MODEL", shell.ModelName);
    file.Hashed("TYPE", kFileType);
    file.Hashed("VERSION", kFileVersion);
    file.Integer("MODELTYPE", data.ModelIndex);
    file.Flag("SEL1", GetBit(data.RadioImage[kOptionByte], kScramblerOptionBit));
    file.Flag("SEL2", GetBit(data.RadioImage[kOptionByte], kSel2Bit));
}

std::uint16_t PresetEntry(const RadioImage& image, int group, int entry)
{
    const int address = PresetEntryAddress(group, entry);
    return static_cast<std::uint16_t>(image[address] | image[address + 1] << 8);
}

// The entries of the group's preset list that name a channel, numbered from 1 without gaps.
void WritePresetList(DataFileBuilder& file, const RadioData& data, const SettingsField& priority)
{
    int written = 0;
    for (int j = 0; j < kPresetListLength; ++j) {
        const std::uint16_t channel = PresetEntry(data.RadioImage, priority.Index, j);
        if (channel <= kLastPresetChannel) {
            file.Integer(PresetKey(priority, ++written), channel);
        }
    }
}

void WriteCallSigns(DataFileBuilder& file, const RadioData& data, const SettingsField& callSigns)
{
    for (int n = 1; n <= kAtisCallSignCount; ++n) {
        const AtisCallSign& row = data.AtisCallSigns[static_cast<std::size_t>(n - 1)];
        const std::vector<std::string> keys = CallSignKeys(callSigns, n);
        file.Hashed(keys[0], row.MID);
        file.Hashed(keys[1], row.DISP);
    }
}

void WriteSetting(DataFileBuilder& file, const RadioData& data, const SettingsField& f)
{
    const std::int64_t value = f.Get != nullptr ? f.Get(data, f.Index) : 0;
    switch (f.Form) {
        case FileForm::Flag:
            file.Flag(f.Key, value != 0);
            break;
        case FileForm::Absolute:
            file.Integer(f.Key, std::llabs(value));
            break;
        case FileForm::Signed:
            file.Integer(f.Key, value);
            break;
        case FileForm::PriorityChannel:
            file.Integer(f.Key, value);
            WritePresetList(file, data, f);
            break;
        case FileForm::StatusName:
            file.Line(f.Key, data.UsableGroups[static_cast<std::size_t>(f.Index)].StatusName);
            break;
        case FileForm::AtisCode:
            file.Hashed(f.Key, data.AtisCommonSetup.AtisCode);
            break;
        case FileForm::UserMmsi:
            file.Line(f.Key, data.DscBasicSetup.UserMmsi);
            break;
        case FileForm::CallSigns:
            WriteCallSigns(file, data, f);
            break;
    }
}

// A settings section with every key the model's files carry; none, no section.
void WriteSettings(DataFileBuilder& file, const RadioData& data, std::string_view section)
{
    const std::vector<const SettingsField*> fields = FiledFields(section, data.ModelIndex);
    if (fields.empty()) {
        return;
    }
    file.Section(section);
    for (const SettingsField* f : fields) {
        WriteSetting(file, data, *f);
    }
}

void WriteChannelBanks(DataFileBuilder& file, const RadioData& data)
{
    const int model = data.ModelIndex;
    const std::vector<const ChannelField*> marine = FiledChannelFields(kMarineBank, model);
    for (const MarineBankSection& bank : kMarineBankSections) {
        const ChannelBank& records = data.*bank.Bank;
        for (std::size_t i = 0; i < records.size(); ++i) {
            file.Section(std::string(bank.Name) + std::to_string(i));
            file.Integer("Position", records[i].Position);
            file.Record(records[i], marine);
        }
    }
    const std::vector<const ChannelField*> wx = FiledChannelFields(kWeatherBank, model);
    for (std::size_t i = 0; i < data.WxChannels.size(); ++i) {
        file.Section(std::string(kWxSection) + std::to_string(i));
        file.Record(data.WxChannels[i], wx);
    }
    const std::vector<const ChannelField*> exp = FiledChannelFields(kBankE, model);
    for (std::size_t i = 0; i < data.ExpChannels.size(); ++i) {
        file.Section(std::string(kExpSection) + std::to_string(i + 1));
        file.Record(data.ExpChannels[i], exp);
    }
}

// On the models with DSC these bytes hold the DSC settings: they are written as the records now
// stand, not as the image last held them, so that an edit on the DSC page reaches the file.
void WritePresetBytes(DataFileBuilder& file, const RadioData& data)
{
    RadioData encoded = data;
    if (HasDsc(data.ModelIndex)) {
        EncodeDscBasic(encoded);
        EncodeDscAdvanced(encoded);
        EncodeDscDisplay(encoded);
    }
    file.Section(kPresetSection);
    for (int k = 0; k < kPresetRawCount; ++k) {
        file.Line("A" + std::to_string(k), RawByteText(encoded.RadioImage[kPresetRawStart + k]));
    }
}

// Both MMSI directories, after the User MMSI.
void WriteDirectories(DataFileBuilder& file, const RadioData& data)
{
    if (!HasDsc(data.ModelIndex)) {
        return;
    }
    for (const DirectorySection& directory : DirectorySections()) {
        const auto entries = directory.ConstEntries(data);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            file.Section(std::string(directory.Name) + std::to_string(i + 1));
            file.Flag("Enable", entries[i].Enabled);
            file.Hashed("TagName", entries[i].TagName);
            file.Line("Mmsid", entries[i].Mmsid);
        }
    }
}

}  // namespace

std::string DataFileText(const RadioData& data, const ShellState& shell)
{
    DataFileBuilder file;
    WriteMain(file, data, shell);
    WriteSettings(file, data, kUsableSection);
    WriteSettings(file, data, kCommonSection);
    WriteSettings(file, data, kAtisSection);
    WriteChannelBanks(file, data);
    WritePresetBytes(file, data);
    // The DSC settings the eight PRISETCH bytes leave out.
    WriteSettings(file, data, kDscSection);
    WriteDirectories(file, data);
    WriteSettings(file, data, kCallSignSection);
    return file.Take();
}

void SaveFileAs(const RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& fileName)
{
    shell.ErrorFlag = false;
    ui.SetBusy(true);
    shell.BusyFlag = true;
    std::string reason;
    try {
        WriteFileAtomically(fileName, DataFileText(data, shell));
        ui.Pause(500);
    } catch (const FileError& error) {
        shell.ErrorFlag = true;
        reason = error.what();
        LogError(shell, "frmMain.SaveFileAs", error.LogText());
    }
    shell.BusyFlag = false;
    ui.SetBusy(false);
    if (shell.ErrorFlag) {
        ui.ShowMessage(MessageWithReason("FileSave Error!!", reason), shell.ProgramTitle,
                       MessageIcon::Exclamation, MessageButtons::Ok);
        shell.CancelFlag = true;
    }
}

}  // namespace kelpie
