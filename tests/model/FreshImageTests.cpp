#include "model/FreshImage.h"

#include <gtest/gtest.h>

#include "model/Models.h"

namespace kelpie {
namespace {

RadioData FreshBytes(int model)
{
    RadioData data(model);
    WriteFreshImage(data);
    return data;
}

// What each radio reports of itself (its model code, the name it goes by, its memory size), and
// its fresh image, which carries the code at 0x0040 and in its last word.
TEST(FreshImage, SizeLastAddressAndModelCodeOfEveryModel)
{
    const std::uint16_t codes[] = {0x1D4C, 0x00F0, 0x00D2, 0x1770, 0x00DC, 0x00E6, 0x00E7};
    const char* names[] = {"MV240", "MV240", "MV210", "MV240", "MV220", "MV230", "MV230E"};
    const char* radios[] = {"MF7500S", "MV240", "MV210", "MB6000", "MV220", "MV230", "MV230E"};
    for (int m = 0; m < kModelCount; ++m) {
        SCOPED_TRACE(m);
        const RadioData data = FreshBytes(m);
        const int last = m == 1 ? 0x1FFF : 0x3FFF;
        EXPECT_EQ(ModelNameOf(m), names[m]);
        EXPECT_EQ(RadioNameOf(m), radios[m]);
        EXPECT_EQ(ExpectedImageFileLength(m), last + 1);
        EXPECT_EQ(data.ImageLastAddress, last);
        EXPECT_EQ(data.RadioImage.Word(0x0040), codes[m]);
        EXPECT_EQ(data.RadioImage.Word(last - 1), codes[m]);
        EXPECT_EQ(data.RadioImage[0x004D], m == 0 || m == 3 ? 0x0F : 0xFF);
        EXPECT_EQ(data.RadioImage[0x00A8], m >= 4 ? 0xFB : 0xFF);
        EXPECT_EQ(data.RadioImage[0x00AE], m >= 4 ? 0x00 : 0x07);
        EXPECT_EQ(data.RadioImage[0x00AF], m >= 4 ? 0x00 : 0x07);
        EXPECT_EQ(data.RadioImage.Word(0x3FFE),
                  m == 1 ? 0xFFFF : codes[m]);  // the MV240's upper half stays erased
    }
    EXPECT_THROW(ModelOf(7), std::out_of_range);
    EXPECT_THROW(FeaturesOf(-1), std::out_of_range);
    EXPECT_FALSE(IsValidModelIndex(7));
}

TEST(FreshImage, CommonDefaultsLevelTablesAndClearedBankE)
{
    const RadioData data = FreshBytes(5);
    const RadioImage& image = data.RadioImage;
    const std::pair<int, int> expected[] = {
        {0x0042, 0x00}, {0x0045, 0x00}, {0x0046, 0x01}, {0x0049, 0x00}, {0x004A, 0xFF}, {0x004C, 0x30},
        {0x0051, 0x1E}, {0x0053, 0x1E}, {0x0055, 0x20}, {0x0059, 0x20}, {0x005A, 0xF2}, {0x005B, 0xCE},
        {0x005D, 0xBF}, {0x005E, 0x00}, {0x005F, 0xFF}, {0x00A0, 0xFF}, {0x00A4, 0xAC}, {0x00A5, 0xFE},
        {0x00AA, 0x07}, {0x00B1, 0xBC}, {0x00B7, 0x07}, {0x00BD, 0x00}, {0x01C6, 0x00}, {0x01D2, 0x00},
        {0x01F4, 0xFF}, {0x01F5, 0x00}, {0x01FF, 0xFF}, {0x0100, 0xFF}, {0x0C00, 0xFF}, {0x3200, 0xFF},
        {0x0231, 0x00}, {0x0232, 0x10}, {0x023F, 0xFF}, {0x0241, 0x93}, {0x0261, 0x93}, {0x027D, 0xD8},
        {0x02F0, 0x44}, {0x02FF, 0xC1}, {0x0280, 0xFF}, {0x0900, 0x00}, {0x0B7F, 0x00}, {0x0B80, 0xFF},
        {0x0056, 0x00}, {0x0057, 0x20}, {0x00A1, 0x60}, {0x00A2, 0x10}, {0x00A3, 0x10}, {0x00A6, 0xFF},
        {0x01F9, 0xFF}, {0x01FB, 0xFF},
    };
    for (auto [address, value] : expected) {
        EXPECT_EQ(image[address], value) << std::hex << address;
    }
    for (int address : {0x0200, 0x0204, 0x0210, 0x0213, 0x0220, 0x0223}) {
        EXPECT_NE(image[address], 0xFF) << std::hex << address;
    }
}

TEST(FreshImage, LevelTableNeedsExactlySixteenValues)
{
    EXPECT_TRUE(ParseLevelTable("00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF"));
    RadioImage image;
    WriteLevelTable(image, 0x0230, "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC");
    WriteLevelTable(image, 0x0230, "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF,00");
    WriteLevelTable(image, 0x0230, "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,XY");
    EXPECT_EQ(image, RadioImage{});
}

TEST(RadioImage, AccessOutsideTheImageIsAnError)
{
    RadioImage image;
    EXPECT_THROW(image[-1], ImageAddressError);
    EXPECT_THROW(image[kImageSize], ImageAddressError);
    EXPECT_THROW(image.Word(kImageSize - 1), ImageAddressError);
    EXPECT_THROW(image.Bytes(kImageSize - 8, 9), ImageAddressError);
    EXPECT_NO_THROW(image.Bytes(kImageSize - 8, 8));
    image.SetWord(0x3FFE, 0x1D4C);
    EXPECT_EQ(image[0x3FFE], 0x1D);
    EXPECT_EQ(image[0x3FFF], 0x4C);
}

}  // namespace
}  // namespace kelpie
