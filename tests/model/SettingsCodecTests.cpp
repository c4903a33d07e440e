#include "model/SettingsCodec.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/ImageFields.h"
#include "model/ImagePasses.h"

namespace kelpie {
namespace {

RadioData FreshSettings(int model)
{
    RadioData data(model);
    BuildFreshImage(data);
    return data;
}

TEST(SettingsCodec, FreshImageDecodesToTheDefaults)
{
    const RadioData data = FreshSettings(5);
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(data.UsableGroups[static_cast<std::size_t>(g)].PriorityCh, 32);
    }
    for (const UsableGroup& group : data.UsableGroups) {
        EXPECT_TRUE(group.Enable);
        EXPECT_FALSE(group.TxTot || group.StatusIcon);
    }
    EXPECT_EQ(data.CommonSetup, (CommonSetup{.Sql = 15,
                                             .LastChGroup = 1,
                                             .LastDisplayCh = 30,
                                             .MarineLmrCh = 30,
                                             .Scan = true,
                                             .ResumeTime = 3,
                                             .PttScanClear = true,
                                             .DualWatch = true,
                                             .Weater = 3}));
    EXPECT_EQ(data.AtisCommonSetup,
              (AtisCommonSetup{.UsableAtis = {true, true, true, true}, .AtisCode = ""}));
}

TEST(SettingsCodec, FreshDscSetupOfTheDscModels)
{
    const RadioData data = FreshSettings(0);
    const CommonSetup& common = data.CommonSetup;
    EXPECT_EQ(common.OffsetTime, 12);
    EXPECT_EQ(common.MagneticVariation, 0);
    EXPECT_FALSE(common.RotaryBeep);  // 0xF2: bit 0 clear
    EXPECT_EQ(data.DscBasicSetup.UserMmsi, "");
    EXPECT_EQ(data.DscBasicSetup.UsableDsc, (std::array<bool, 3>{true, true, true}));
    // 0xAC = 1010 1100: POS Request, POS Send, Standby Mode and Distress Cancel Call on
    EXPECT_EQ(data.DscBasicSetup.PosRequest, (std::array<bool, 4>{true, true, true, true}));
    EXPECT_FALSE(data.DscBasicSetup.PosRequestTX[2] || data.DscBasicSetup.PosRequestTX[3]);
    EXPECT_EQ(data.DscBasicSetup.BeepOut,
              (std::array<bool, 8>{true, true, true, true, true, true, true, false}));
    EXPECT_EQ(data.DscAdvancedSetup.AllShipsCall, (std::array<bool, 4>{false, true, true, false}));
    EXPECT_EQ(data.DscAdvancedSetup.GroupCall, (std::array<bool, 4>{false, false, false, true}));
    EXPECT_EQ(data.DscAdvancedSetup.GroupCallTX, (std::array<bool, 4>{}));
    EXPECT_TRUE(data.DscDisplaySetup.IndividualAckMenu && data.DscDisplaySetup.PosRequestAckMenu);
}

TEST(SettingsCodec, OffsetTimeBytesAndIndexes)
{
    for (const auto& [byte, index] : {std::pair{0x30, 12}, {0x05, 7}, {0x1F, 12}, {0x0F, 0}}) {
        EXPECT_EQ(ByteToOffset(static_cast<std::uint8_t>(byte)), index) << byte;
    }
    for (const auto& [index, byte] : {std::pair{12, 0x10}, {0, 0x0C}, {24, 0x1C}, {30, 0x1C}}) {
        EXPECT_EQ(OffsetToByte(index), byte) << index;
    }
    for (int index = 0; index <= 24; ++index) {
        EXPECT_EQ(ByteToOffset(OffsetToByte(index)), index);
    }
}

TEST(SettingsCodec, WordsFieldsAndOverflow)
{
    EXPECT_EQ(EncodeWord(-1), (std::array<std::uint8_t, 2>{0xFF, 0xFF}));
    EXPECT_EQ(EncodeWord(289), (std::array<std::uint8_t, 2>{0x01, 0x21}));
    EXPECT_THROW(EncodeWord(65536), EncodeOverflowError);

    RadioData data = FreshSettings(5);
    data.UsableGroups[1].PriorityCh = -1;
    CommonSetup& common = data.CommonSetup;
    common.Sql = 9;
    common.TxPoDisplay = 2;
    common.LastTxPower = 1;
    common.LastDisplayCh = 289;
    common.MarineLmrCh = 30;
    common.Scan = false;
    common.PttScanClear = true;
    common.ResumeTime = 1;
    const CommonSetup encoded = common;
    EncodeUsableGroups(data);
    EncodeCommonSetup(data);
    EXPECT_EQ(data.RadioImage.Word(0x0056), 0xFFFF);
    EXPECT_EQ(data.RadioImage[0x004A], 0x9F);
    EXPECT_EQ(data.RadioImage.Word(0x0044), 0x0201);  // TX Po Display, then Last TX Power
    // Last Display CH, then Marine_LMR CH
    EXPECT_TRUE(
        std::ranges::equal(data.RadioImage.Bytes(0x0050, 4), std::array<std::uint8_t, 4>{1, 0x21, 0, 30}));
    EXPECT_EQ(data.RadioImage[0x005B] & 0x8E,
              0x0A);  // SCAN bit 7 off, PTT SCAN Clear bit 3 on, resume time 1
    DecodeUsableGroups(data);
    DecodeCommonSetup(data);
    EXPECT_EQ(data.UsableGroups[1].PriorityCh, 65535);
    EXPECT_EQ(data.CommonSetup, encoded);

    data.CommonSetup.LastChGroup = 256;
    EXPECT_THROW(EncodeCommonSetup(data), EncodeOverflowError);
}

TEST(SettingsCodec, CallSignsAreRightAlignedThroughTheCallSignSet)
{
    RadioData data = FreshSettings(0);
    data.AtisCallSigns[0] = {"DL", "ABCD"};
    data.AtisCallSigns[1] = {"A B", ""};
    EncodeAtisCallSigns(data);
    // The last three characters of a longer text; 0x3106 is not part of the entry and stays; the
    // blank inside "A B" is no character of the set.
    EXPECT_TRUE(std::ranges::equal(
        data.RadioImage.Bytes(0x3100, 10),
        std::array<std::uint8_t, 10>{0xFF, 'D', 'L', 'B', 'C', 'D', 0xFF, 0xFF, 'A', 0xFF}));
    DecodeAtisCallSigns(data);
    // A byte that is no character is skipped.
    EXPECT_EQ(data.AtisCallSigns[0], (AtisCallSign{"DL", "BCD"}));
    EXPECT_EQ(data.AtisCallSigns[1], (AtisCallSign{"AB", ""}));
}

TEST(SettingsCodec, KillerBitsAndRotaryBeepReadFromTheRadioGoBackUnchangedOnTheDscModels)
{
    for (int model : {0, 3}) {
        SCOPED_TRACE(model);
        RadioData data = FreshSettings(model);
        data.RadioImage[0x005A] = 0xF3;
        data.RadioImage[0x01F9] = 0xFF;
        data.AtisCommonSetup.AtisCode = "1234567890";
        EncodeAtisCommon(data);
        data.RadioImage[0x01F9] = 0xFF;
        DecodeCommonSetup(data);
        DecodeAtisCommon(data);
        EXPECT_TRUE(data.CommonSetup.RotaryBeep);
        EXPECT_EQ(data.AtisCommonSetup.UsableAtisKiller, (std::array<bool, 4>{true, true, true, true}));
        EncodeCommonSetup(data);
        EncodeAtisCommon(data);
        EXPECT_EQ(data.RadioImage[0x005A], 0xF3);
        EXPECT_EQ(data.RadioImage[0x01F9], 0xFF);
        data.CommonSetup.RotaryBeep = false;
        data.AtisCommonSetup.UsableAtisKiller = {false, true, false, false};
        EncodeCommonSetup(data);
        EncodeAtisCommon(data);
        EXPECT_EQ(data.RadioImage[0x005A], 0xF2);
        EXPECT_EQ(data.RadioImage[0x01F9], 0xF4);
    }
}

TEST(SettingsCodec, AtisCodeEmptyClearsTheUsableBits)
{
    RadioData data = FreshSettings(5);
    data.AtisCommonSetup.UsableAtis = {true, true, true, true};
    data.AtisCommonSetup.AtisCode = "";
    EncodeAtisCommon(data);
    EXPECT_EQ(data.RadioImage[0x01F9] & 0xF0, 0x00);
    EXPECT_TRUE(
        std::ranges::all_of(data.RadioImage.Bytes(0x01FB, 5), [](std::uint8_t b) { return b == 0xFF; }));
    DecodeAtisCommon(data);
    EXPECT_EQ(data.AtisCommonSetup.UsableAtis, (std::array<bool, 4>{}));

    data.AtisCommonSetup.AtisCode = "9211234567";
    data.AtisCommonSetup.UsableAtis = {true, true, false, true};
    EncodeAtisCommon(data);
    EXPECT_EQ(data.RadioImage[0x01F9] & 0xF0, 0xD0);
    EXPECT_EQ(data.RadioImage[0x01FF], 0x67);  // all ten digits kept
}

// Values that tell every bit from its neighbours: a swapped bit, field or nibble shows.
TEST(SettingsCodec, DscBitsKeepTheirPlacesAndTheBackupSharesItsBytesWithTheUserMmsi)
{
    RadioData data = FreshSettings(0);
    data.UsableGroups[0].Backup = 0x77;
    DscBasicSetup& basic = data.DscBasicSetup;
    basic.UserMmsi = "2111234560";
    basic.UsableDsc = {true, false, false};
    basic.PosRequest = {true, false, false, true};
    basic.PosRequestTX = {false, false, true, false};
    basic.BeepOut = {true, false, false, false, false, false, true, true};
    DscAdvancedSetup& advanced = data.DscAdvancedSetup;
    advanced.AllShipsCall = {true, false, false, false};
    advanced.AllShipsCallTX = {false, true, false, false};
    advanced.GroupCall = {false, false, true, false};
    advanced.GroupCallTX = {false, false, false, true};
    advanced.IndividualCall = {false, true, true, false};
    advanced.IndividualCallTX = {true, false, false, false};
    const DscBasicSetup basicEncoded = basic;
    const DscAdvancedSetup advancedEncoded = advanced;
    EncodeUsableGroups(data);
    EncodeDscBasic(data);
    EncodeDscAdvanced(data);
    EXPECT_EQ(data.RadioImage[0x00A0] & 0xE0, 0x80);  // USA, INTL, Canada from bit 7
    // Calls in the high nibble, their TX flags in the low one, Distress first.
    EXPECT_TRUE(std::ranges::equal(data.RadioImage.Bytes(0x00A1, 5),
                                   std::array<std::uint8_t, 5>{0x84, 0x21, 0x68, 0x64, 0x83}));
    DecodeDscBasic(data);
    DecodeDscAdvanced(data);
    EXPECT_EQ(data.DscBasicSetup, basicEncoded);
    EXPECT_EQ(data.DscAdvancedSetup, advancedEncoded);
    EXPECT_EQ(data.RadioImage[0x01F1], 0x11);  // the MMSI's second byte, written last
    EXPECT_EQ(data.RadioImage[0x01F4], 0x60);
    DecodeUsableGroups(data);
    EXPECT_EQ(data.UsableGroups[1].Backup, 0x23);
    EXPECT_EQ(BeepOutElement(2), 3);
    EXPECT_EQ(BeepOutElement(4), 6);
    EXPECT_EQ(BeepOutElement(6), 5);
}

}  // namespace
}  // namespace kelpie
