#include "model/DirectoryCodec.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

void Store(RadioImage& image, int address, std::initializer_list<std::uint8_t> bytes)
{
    for (std::uint8_t b : bytes) {
        image[address++] = b;
    }
}

TEST(DirectoryCodec, DigitsStopAtTheFirstNibbleThatIsNoDigit)
{
    RadioImage image;
    Store(image, 0x3200, {0x12, 0x34, 0x56, 0x78, 0x90});
    EXPECT_EQ(DecodeDigits(image, 0x3200), "1234567890");
    Store(image, 0x3200, {0x12, 0x3F, 0x56, 0x78, 0x90});
    EXPECT_EQ(DecodeDigits(image, 0x3200), "123");
    Store(image, 0x3200, {0xFF});
    EXPECT_EQ(DecodeDigits(image, 0x3200), "");
}

TEST(DirectoryCodec, TenDigitAndMmsiForms)
{
    RadioImage image;
    EncodeDigits(image, 0x3200, "211123456", false);
    EXPECT_EQ(image[0x3204], 0x6F);
    EncodeDigits(image, 0x3200, "211123456", true);
    EXPECT_EQ(image[0x3204], 0x60);
    EXPECT_EQ(DecodeDigits(image, 0x3200), "2111234560");  // the text the editor stores
    EncodeDigits(image, 0x3200, "211A23456", false);
    EXPECT_EQ(image[0x3201], 0x1F);
    EXPECT_EQ(DecodeDigits(image, 0x3200), "211");
    EncodeDigits(image, 0x3200, "   ", true);
    for (int a = 0x3200; a < 0x3205; ++a) {
        EXPECT_EQ(image[a], 0xFF);
    }
}

TEST(DirectoryCodec, DecodedDirectoryEndsAtTheFirstFreeEntry)
{
    RadioImage image;
    std::array<DirectoryEntry, kIndividualDirectorySize> directory{};
    directory[0] = {true, "HARBOUR", "2111234560"};
    directory[1] = {true, "PILOT BOAT12", "2112345670"};
    directory[4] = {true, "LOST", "2113456780"};
    EncodeDirectory(image, directory, kIndividualDirectoryStart);
    EXPECT_EQ(image[0x3210 + 5 + 10], '1');  // eleven characters of the name kept
    for (int a = 0x3220; a < 0x3230; ++a) {  // a free entry is 0xFF throughout
        EXPECT_EQ(image[a], 0xFF);
    }

    std::array<DirectoryEntry, kIndividualDirectorySize> back{};
    back[6] = {true, "STALE", "1"};
    DecodeDirectory(image, back, kIndividualDirectoryStart);
    EXPECT_EQ(back[0], (DirectoryEntry{true, "HARBOUR", "2111234560"}));
    EXPECT_EQ(back[1].TagName, "PILOT BOAT1");
    for (std::size_t i = 2; i < back.size(); ++i) {
        EXPECT_EQ(back[i], DirectoryEntry{}) << i;
    }
}

}  // namespace
}  // namespace kelpie
