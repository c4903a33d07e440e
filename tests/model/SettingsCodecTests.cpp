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

TEST(SettingsCodec, WordsAndOverflow)
{
    EXPECT_EQ(EncodeWord(-1), (std::array<std::uint8_t, 2>{0xFF, 0xFF}));
    EXPECT_EQ(EncodeWord(289), (std::array<std::uint8_t, 2>{0x01, 0x21}));
    EXPECT_THROW(EncodeWord(65536), EncodeOverflowError);

    RadioData data = FreshSettings(5);
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

// The priority channels' backups share their bytes with the User MMSI, written after them.
TEST(SettingsCodec, TheBackupsShareTheirBytesWithTheUserMmsi)
{
    RadioData data = FreshSettings(0);
    data.UsableGroups[0].Backup = 0x77;
    data.DscBasicSetup.UserMmsi = "2111234560";
    EncodeUsableGroups(data);
    EncodeDscBasic(data);
    EXPECT_EQ(data.RadioImage[0x01F1], 0x11);  // the MMSI's second byte
    EXPECT_EQ(data.RadioImage[0x01F4], 0x60);
    DecodeUsableGroups(data);
    EXPECT_EQ(data.UsableGroups[1].Backup, 0x23);
    EXPECT_EQ(BeepOutElement(2), 3);
    EXPECT_EQ(BeepOutElement(4), 6);
    EXPECT_EQ(BeepOutElement(6), 5);
}

}  // namespace
}  // namespace kelpie
