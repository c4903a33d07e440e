// SettingsCodec.cpp — the settings bit fields of the image and their records.
#include "model/SettingsCodec.h"

#include <algorithm>
#include <cstdlib>

#include "model/DirectoryCodec.h"
#include "model/ImageFields.h"
#include "model/ImageLayout.h"
#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

constexpr int kMarineGroups = 3;  // groups with a priority channel, a backup byte, DSC and presets

// Usable groups.
constexpr BitField GroupUsable(int g)
{
    return {0x005D, 3 - g, 1};
}
constexpr BitField GroupTxTot(int g)
{
    return {0x005E, 3 - g, 1};
}
constexpr BitField GroupStatusIcon(int g)
{
    return {0x005E, 7 - g, 1};
}
constexpr int PriorityChAddress(int g)
{
    return 0x0054 + 2 * g;
}
constexpr int BackupAddress(int g)
{
    return 0x01F1 + g;
}

// Common setup.
constexpr int kTxPoDisplayByte = 0x0044;
constexpr int kLastTxPowerByte = 0x0045;
constexpr BitField kSql{0x004A, 7, 4};
constexpr BitField kMagneticVariation{0x004C, 6, 1};
constexpr BitField kOffsetTime{0x004C, 4, 5};
constexpr BitField kRotaryBeep{0x005A, 0, 1};
constexpr BitField kScan{0x005B, 7, 1};
constexpr BitField kPttScanClear{0x005B, 3, 1};
constexpr BitField kResumeTime{0x005B, 2, 2};
constexpr BitField kDualWatch{0x005D, 7, 1};
constexpr BitField kWeater{0x005D, 5, 2};

// DSC.
constexpr BitField UsableDscBit(int g)
{
    return {0x00A0, 7 - g, 1};
}
constexpr int kUserMmsiAddress = 0x01F0;
constexpr int kPosRequestBits[4] = {2, 3, 7, 5};  // Distress Cancel Call, Standby Mode, POS Request, POS Send
constexpr int kPosRequestTxBit2 = 6;
constexpr int kPosRequestTxBit3 = 4;
constexpr int kPosRequestByte = 0x00A4;
constexpr int kBeepOutByte = 0x00A5;
constexpr int kAllShipsCallByte = 0x00A1;
constexpr int kGroupCallByte = 0x00A2;
constexpr int kIndividualCallByte = 0x00A3;
constexpr BitField kIndividualAckMenu{0x00A6, 7, 1};
constexpr BitField kIndividualAckMessageMenu{0x00A6, 6, 1};
constexpr BitField kPosRequestAckMenu{0x00A6, 1, 1};

// ATIS.
constexpr BitField UsableAtisBit(int g)
{
    return {0x01F9, 7 - g, 1};
}
constexpr BitField UsableAtisKillerBit(int g)
{
    return {0x01F9, 3 - g, 1};
}
constexpr int kAtisCodeAddress = 0x01FB;
constexpr int kCallSignTable = 0x3100;
constexpr int kCallSignEntrySize = 8;
constexpr int kCallSignLength = 3;

constexpr int kBeepOutElements[8] = {0, 1, 3, 2, 6, 4, 5, 7};

std::uint8_t ByteValue(std::int32_t value, const char* field)
{
    if (value < 0 || value > 0xFF) {
        throw EncodeOverflowError(std::string(field) + " " + std::to_string(value) + " does not fit a byte");
    }
    return static_cast<std::uint8_t>(value);
}

void WriteWord(RadioImage& image, int address, std::int32_t value)
{
    const auto bytes = EncodeWord(value);
    image[address] = bytes[0];
    image[address + 1] = bytes[1];
}

void WriteFlag(RadioImage& image, BitField f, bool value)
{
    WriteField(image, f, value ? 1 : 0);
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// A call-category byte: bit 7 − c the call, bit 3 − c its TX flag.
void DecodeCallByte(const RadioImage& image, int address, std::array<bool, 4>& call, std::array<bool, 4>& tx)
{
    for (int c = 0; c < 4; ++c) {
        call[static_cast<std::size_t>(c)] = GetBit(image[address], 7 - c);
        tx[static_cast<std::size_t>(c)] = GetBit(image[address], 3 - c);
    }
}

void EncodeCallByte(RadioImage& image, int address, const std::array<bool, 4>& call,
                    const std::array<bool, 4>& tx)
{
    for (int c = 0; c < 4; ++c) {
        image[address] = SetBit(image[address], 7 - c, call[static_cast<std::size_t>(c)]);
        image[address] = SetBit(image[address], 3 - c, tx[static_cast<std::size_t>(c)]);
    }
}

// Three call-sign bytes; a byte that is no character is skipped, not an end.
std::string ReadCallSign(const RadioImage& image, int address)
{
    std::string text;
    for (int i = 0; i < kCallSignLength; ++i) {
        if (const auto c = ReadCharacter(image[address + i])) {
            text += *c;
        }
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// Right-aligned in three bytes; the padding blanks are outside the call-sign set and become 0xFF.
void WriteCallSign(RadioImage& image, int address, std::string_view text)
{
    std::string aligned(text);
    if (aligned.size() > kCallSignLength) {
        aligned.erase(0, aligned.size() - kCallSignLength);
    }
    aligned.insert(0, kCallSignLength - aligned.size(), ' ');
    for (int i = 0; i < kCallSignLength; ++i) {
        image[address + i] = CallSignByte(aligned[static_cast<std::size_t>(i)]);
    }
}

}  // namespace

std::array<std::uint8_t, 2> EncodeWord(std::int32_t value)
{
    if (value < 0) {
        return {0xFF, 0xFF};
    }
    if (value > 0xFFFF) {
        throw EncodeOverflowError("channel number " + std::to_string(value) + " does not fit 16 bits");
    }
    return {static_cast<std::uint8_t>(value / 256), static_cast<std::uint8_t>(value % 256)};
}

std::uint8_t OffsetToByte(int index)
{
    index = std::clamp(index, 0, kOffsetLast);
    return static_cast<std::uint8_t>((index >= 12 ? 0x10 : 0x00) | std::abs(index - 12));
}

int ByteToOffset(std::uint8_t byte)
{
    const int v = byte & 0x1F;
    if (v == 0x1F || v == 0) {
        return 12;
    }
    int n = std::min(v & 0x0F, 12);
    if ((v & 0x10) == 0) {
        n = -n;
    }
    return n + 12;
}

int BeepOutElement(int position)
{
    return kBeepOutElements[std::clamp(position, 0, 7)];
}

void DecodeUsableGroups(RadioData& data)
{
    const RadioImage& image = data.RadioImage;
    for (int g = 0; g < kGroupCount; ++g) {
        UsableGroup& group = data.UsableGroups[static_cast<std::size_t>(g)];
        group.Enable = ReadFlag(image, GroupUsable(g));
        group.TxTot = ReadFlag(image, GroupTxTot(g));
        group.StatusIcon = ReadFlag(image, GroupStatusIcon(g));
        if (g < kMarineGroups) {
            group.PriorityCh = image.Word(PriorityChAddress(g));
            group.Backup = image[BackupAddress(g)];
        }
    }
}

void EncodeUsableGroups(RadioData& data)
{
    RadioImage& image = data.RadioImage;
    for (int g = 0; g < kGroupCount; ++g) {
        const UsableGroup& group = data.UsableGroups[static_cast<std::size_t>(g)];
        WriteFlag(image, GroupUsable(g), group.Enable);
        WriteFlag(image, GroupTxTot(g), group.TxTot);
        WriteFlag(image, GroupStatusIcon(g), group.StatusIcon);
        if (g < kMarineGroups) {
            WriteWord(image, PriorityChAddress(g), group.PriorityCh);
            image[BackupAddress(g)] = ByteValue(group.Backup, "Backup");
        }
    }
}

void DecodeCommonSetup(RadioData& data)
{
    const RadioImage& image = data.RadioImage;
    CommonSetup& common = data.CommonSetup;
    common.TxPoDisplay = image[kTxPoDisplayByte];
    common.LastTxPower = image[kLastTxPowerByte];
    common.Sql = static_cast<std::int16_t>(ReadField(image, kSql));
    common.LastChGroup = image[kCurrentGroupByte];
    common.LastDisplayCh = image.Word(kLastDisplayChWord);
    common.MarineLmrCh = image.Word(kMarineLmrChWord);
    common.Scan = ReadFlag(image, kScan);
    common.ResumeTime = static_cast<std::int16_t>(ReadField(image, kResumeTime));
    common.PttScanClear = ReadFlag(image, kPttScanClear);
    common.DualWatch = ReadFlag(image, kDualWatch);
    common.Weater = static_cast<std::int16_t>(ReadField(image, kWeater));
    if (HasOffsetTime(data.ModelIndex)) {
        common.OffsetTime = static_cast<std::int16_t>(ByteToOffset(image[kOffsetTime.address]));
        common.MagneticVariation = static_cast<std::int16_t>(ReadField(image, kMagneticVariation));
    }
    if (DecodesRotaryBeep(data.ModelIndex)) {
        common.RotaryBeep = ReadFlag(image, kRotaryBeep);
    }
}

void EncodeCommonSetup(RadioData& data)
{
    RadioImage& image = data.RadioImage;
    const CommonSetup& common = data.CommonSetup;
    image[kTxPoDisplayByte] = ByteValue(common.TxPoDisplay, "TX Po Display");
    image[kLastTxPowerByte] = ByteValue(common.LastTxPower, "Last TX Power");
    image[kCurrentGroupByte] = ByteValue(common.LastChGroup, "Last CH Group");
    WriteField(image, kSql, static_cast<unsigned>(common.Sql));
    WriteWord(image, kLastDisplayChWord, common.LastDisplayCh);
    WriteWord(image, kMarineLmrChWord, common.MarineLmrCh);
    WriteFlag(image, kScan, common.Scan);
    WriteField(image, kResumeTime, static_cast<unsigned>(common.ResumeTime));
    WriteFlag(image, kPttScanClear, common.PttScanClear);
    WriteFlag(image, kDualWatch, common.DualWatch);
    WriteField(image, kWeater, static_cast<unsigned>(common.Weater));
    if (HasOffsetTime(data.ModelIndex)) {
        WriteField(image, kOffsetTime, OffsetToByte(common.OffsetTime));
        WriteFlag(image, kMagneticVariation, common.MagneticVariation == 1);
    }
    if (EncodesRotaryBeep(data.ModelIndex)) {
        WriteFlag(image, kRotaryBeep, common.RotaryBeep);
    }
}

void DecodeDscBasic(RadioData& data)
{
    const RadioImage& image = data.RadioImage;
    DscBasicSetup& dsc = data.DscBasicSetup;
    for (int g = 0; g < kMarineGroups; ++g) {
        dsc.UsableDsc[static_cast<std::size_t>(g)] = ReadFlag(image, UsableDscBit(g));
    }
    dsc.UserMmsi = DecodeDigits(image, kUserMmsiAddress);
    const std::uint8_t pos = image[kPosRequestByte];
    for (std::size_t i = 0; i < 4; ++i) {
        dsc.PosRequest[i] = GetBit(pos, kPosRequestBits[i]);
    }
    dsc.PosRequestTX[2] = GetBit(pos, kPosRequestTxBit2);
    dsc.PosRequestTX[3] = GetBit(pos, kPosRequestTxBit3);
    for (std::size_t i = 0; i < 8; ++i) {
        dsc.BeepOut[i] = GetBit(image[kBeepOutByte], 7 - static_cast<int>(i));
    }
}

void EncodeDscBasic(RadioData& data)
{
    RadioImage& image = data.RadioImage;
    const DscBasicSetup& dsc = data.DscBasicSetup;
    for (int g = 0; g < kMarineGroups; ++g) {
        WriteFlag(image, UsableDscBit(g), dsc.UsableDsc[static_cast<std::size_t>(g)]);
    }
    EncodeDigits(image, kUserMmsiAddress, dsc.UserMmsi, true);
    std::uint8_t pos = image[kPosRequestByte];
    for (std::size_t i = 0; i < 4; ++i) {
        pos = SetBit(pos, kPosRequestBits[i], dsc.PosRequest[i]);
    }
    pos = SetBit(pos, kPosRequestTxBit2, dsc.PosRequestTX[2]);
    pos = SetBit(pos, kPosRequestTxBit3, dsc.PosRequestTX[3]);
    image[kPosRequestByte] = pos;
    for (std::size_t i = 0; i < 8; ++i) {
        image[kBeepOutByte] = SetBit(image[kBeepOutByte], 7 - static_cast<int>(i), dsc.BeepOut[i]);
    }
}

void DecodeDscAdvanced(RadioData& data)
{
    DscAdvancedSetup& dsc = data.DscAdvancedSetup;
    DecodeCallByte(data.RadioImage, kAllShipsCallByte, dsc.AllShipsCall, dsc.AllShipsCallTX);
    DecodeCallByte(data.RadioImage, kGroupCallByte, dsc.GroupCall, dsc.GroupCallTX);
    DecodeCallByte(data.RadioImage, kIndividualCallByte, dsc.IndividualCall, dsc.IndividualCallTX);
}

void EncodeDscAdvanced(RadioData& data)
{
    const DscAdvancedSetup& dsc = data.DscAdvancedSetup;
    EncodeCallByte(data.RadioImage, kAllShipsCallByte, dsc.AllShipsCall, dsc.AllShipsCallTX);
    EncodeCallByte(data.RadioImage, kGroupCallByte, dsc.GroupCall, dsc.GroupCallTX);
    EncodeCallByte(data.RadioImage, kIndividualCallByte, dsc.IndividualCall, dsc.IndividualCallTX);
}

void DecodeDscDisplay(RadioData& data)
{
    DscDisplaySetup& dsc = data.DscDisplaySetup;
    dsc.IndividualAckMenu = ReadFlag(data.RadioImage, kIndividualAckMenu);
    dsc.IndividualAckMessageMenu = ReadFlag(data.RadioImage, kIndividualAckMessageMenu);
    dsc.PosRequestAckMenu = ReadFlag(data.RadioImage, kPosRequestAckMenu);
}

void EncodeDscDisplay(RadioData& data)
{
    const DscDisplaySetup& dsc = data.DscDisplaySetup;
    WriteFlag(data.RadioImage, kIndividualAckMenu, dsc.IndividualAckMenu);
    WriteFlag(data.RadioImage, kIndividualAckMessageMenu, dsc.IndividualAckMessageMenu);
    WriteFlag(data.RadioImage, kPosRequestAckMenu, dsc.PosRequestAckMenu);
}

void DecodeAtisCommon(RadioData& data)
{
    AtisCommonSetup& atis = data.AtisCommonSetup;
    for (int g = 0; g < kGroupCount; ++g) {
        atis.UsableAtis[static_cast<std::size_t>(g)] = ReadFlag(data.RadioImage, UsableAtisBit(g));
    }
    atis.AtisCode = DecodeDigits(data.RadioImage, kAtisCodeAddress);
    if (DecodesAtisKillers(data.ModelIndex)) {
        for (int g = 0; g < kGroupCount; ++g) {
            atis.UsableAtisKiller[static_cast<std::size_t>(g)] =
                ReadFlag(data.RadioImage, UsableAtisKillerBit(g));
        }
    }
}

void EncodeAtisCommon(RadioData& data)
{
    RadioImage& image = data.RadioImage;
    const AtisCommonSetup& atis = data.AtisCommonSetup;
    // Without an ATIS code no group may send one.
    const bool hasCode = !IsBlank(atis.AtisCode);
    for (int g = 0; g < kGroupCount; ++g) {
        WriteFlag(image, UsableAtisBit(g), hasCode && atis.UsableAtis[static_cast<std::size_t>(g)]);
    }
    EncodeDigits(image, kAtisCodeAddress, atis.AtisCode, false);
    if (EncodesAtisKillers(data.ModelIndex)) {
        for (int g = 0; g < kGroupCount; ++g) {
            WriteFlag(image, UsableAtisKillerBit(g), atis.UsableAtisKiller[static_cast<std::size_t>(g)]);
        }
    }
}

void DecodeAtisCallSigns(RadioData& data)
{
    for (int i = 0; i < kAtisCallSignCount; ++i) {
        AtisCallSign& entry = data.AtisCallSigns[static_cast<std::size_t>(i)];
        const int address = kCallSignTable + kCallSignEntrySize * i;
        entry.MID = ReadCallSign(data.RadioImage, address);
        entry.DISP = ReadCallSign(data.RadioImage, address + kCallSignLength);
    }
}

void EncodeAtisCallSigns(RadioData& data)
{
    for (int i = 0; i < kAtisCallSignCount; ++i) {
        const AtisCallSign& entry = data.AtisCallSigns[static_cast<std::size_t>(i)];
        const int address = kCallSignTable + kCallSignEntrySize * i;
        WriteCallSign(data.RadioImage, address, entry.MID);
        WriteCallSign(data.RadioImage, address + kCallSignLength, entry.DISP);
    }
}

}  // namespace kelpie
