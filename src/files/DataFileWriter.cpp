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
#include "model/ValueTables.h"

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

    void Record(const ChannelRecord& record, std::span<const RecordKey> keys, int modelIndex)
    {
        for (const RecordKey& key : keys) {
            if (!IsCarried(key, modelIndex)) {
                continue;
            }
            std::visit(
                [&](auto field) {
                    const auto& value = record.*field;
                    using Value = std::decay_t<decltype(value)>;
                    if constexpr (std::is_same_v<Value, bool>) {
                        Flag(key.Key, value);
                    } else if constexpr (std::is_same_v<Value, double>) {
                        Line(key.Key, FrequencyText(value));
                    } else if constexpr (std::is_same_v<Value, std::string>) {
                        Line(key.Key, key.HashPrefix ? "#" + value : value);
                    } else {
                        Integer(key.Key, value);
                    }
                },
                key.Field);
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

void WriteUsableGroups(DataFileBuilder& file, const RadioData& data)
{
    file.Section(kUsableSection);
    const std::vector<std::string> names = SplitList(kUsableGroupNames);
    for (int g = 0; g < kGroupCount; ++g) {
        file.Flag(names[g], data.UsableGroups[g].Enable);
    }
    for (int g = 0; g < kGroupCount; ++g) {
        file.Flag(GroupKey("TX TOT", g), data.UsableGroups[g].TxTot);
    }
    for (int g = 0; g < kPresetGroupCount; ++g) {
        // With its sign: "Off" is -1, whose absolute value would name the channel of slot 1.
        file.Integer(GroupKey("Priority CH", g), data.UsableGroups[g].PriorityCh);
        int written = 0;
        for (int j = 0; j < kPresetListLength; ++j) {
            const std::uint16_t channel = PresetEntry(data.RadioImage, g, j);
            if (channel <= kLastPresetChannel) {
                file.Integer(PresetKey(g, ++written), channel);
            }
        }
        file.Integer(BackupKey(g), std::llabs(data.UsableGroups[g].Backup));
    }
    for (int g = 0; g < kGroupCount; ++g) {
        file.Flag(GroupKey("Status Icon", g), data.UsableGroups[g].StatusIcon);
    }
    // The models without channel names keep no status names either.
    if (HasChannelNames(data.ModelIndex)) {
        for (int g = 0; g < kGroupCount; ++g) {
            file.Line(GroupKey("Status name", g), data.UsableGroups[g].StatusName);
        }
    }
}

void WriteCommonSetup(DataFileBuilder& file, const RadioData& data)
{
    file.Section(kCommonSection);
    for (const CommonKey& key : DataFileKeys().Common) {
        if (!IsCarried(key, data.ModelIndex)) {
            continue;
        }
        std::visit(
            [&](auto field) {
                const auto value = data.CommonSetup.*field;
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, bool>) {
                    file.Flag(key.Key, value);
                } else {
                    file.Integer(key.Key, key.WrittenSigned ? value : std::llabs(value));
                }
            },
            key.Field);
    }
}

void WriteAtis(DataFileBuilder& file, const RadioData& data)
{
    file.Section(kAtisSection);
    const AtisCommonSetup& atis = data.AtisCommonSetup;
    for (int g = 0; g < kGroupCount; ++g) {
        file.Flag("Usable ATIS CH Group" + std::to_string(g), atis.UsableAtis[g]);
    }
    file.Hashed("Atis Code", atis.AtisCode);
    // Wherever the radio keeps the killer flags, so that the page's edit reaches the file.
    if (EncodesAtisKillers(data.ModelIndex)) {
        for (int g = 0; g < kGroupCount; ++g) {
            file.Flag("Usable ATIS Kikker CH Group" + std::to_string(g), atis.UsableAtisKiller[g]);
        }
    }
}

void WriteChannelBanks(DataFileBuilder& file, const RadioData& data)
{
    const int model = data.ModelIndex;
    for (const MarineBankSection& bank : kMarineBankSections) {
        const ChannelBank& records = data.*bank.Bank;
        for (std::size_t i = 0; i < records.size(); ++i) {
            file.Section(std::string(bank.Name) + std::to_string(i));
            file.Integer("Position", records[i].Position);
            file.Record(records[i], DataFileKeys().Marine, model);
        }
    }
    for (std::size_t i = 0; i < data.WxChannels.size(); ++i) {
        file.Section(std::string(kWxSection) + std::to_string(i));
        file.Record(data.WxChannels[i], DataFileKeys().Wx, model);
    }
    for (std::size_t i = 0; i < data.ExpChannels.size(); ++i) {
        file.Section(std::string(kExpSection) + std::to_string(i + 1));
        file.Record(data.ExpChannels[i], DataFileKeys().Exp, model);
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

// The DSC settings the eight PRISETCH bytes leave out, and both MMSI directories.
void WriteDsc(DataFileBuilder& file, const RadioData& data)
{
    if (!HasDsc(data.ModelIndex)) {
        return;
    }
    file.Section(kDscSection);
    file.Line(kUserMmsiKey, data.DscBasicSetup.UserMmsi);
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

void WriteCallSigns(DataFileBuilder& file, const RadioData& data)
{
    if (!HasAtisCallSigns(data.ModelIndex)) {
        return;
    }
    file.Section(kCallSignSection);
    for (int n = 1; n <= kAtisCallSignCount; ++n) {
        const AtisCallSign& row = data.AtisCallSigns[static_cast<std::size_t>(n - 1)];
        file.Hashed(GroupKey("MID", n), row.MID);
        file.Hashed(GroupKey("Display", n), row.DISP);
    }
}

}  // namespace

std::string DataFileText(const RadioData& data, const ShellState& shell)
{
    DataFileBuilder file;
    WriteMain(file, data, shell);
    WriteUsableGroups(file, data);
    WriteCommonSetup(file, data);
    WriteAtis(file, data);
    WriteChannelBanks(file, data);
    WritePresetBytes(file, data);
    WriteDsc(file, data);
    WriteCallSigns(file, data);
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
