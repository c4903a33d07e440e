#include "link/Framing.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

std::string Text(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

TEST(Framing, ReadRequestForSixteenBytesAtTheSettingsIsNineteenBytesWithChecksum6F)
{
    const Bytes frame = BuildFrame("#CEPRD", "0040", "10", "");
    EXPECT_EQ(frame.size(), 19u);
    EXPECT_EQ(Text(frame), "#CEPRD\t0040\t10\t6F\r\n");
}

TEST(Framing, StatusRequestCarriesChecksum74)
{
    EXPECT_EQ(Text(BuildFrame("#CEPSR", "00")), "#CEPSR\t00\t74\r\n");
}

TEST(Framing, EmptyFieldsAreLeftOutWithTheirTabs)
{
    EXPECT_EQ(Text(BuildFrame("#CEPRD", "", "0040")), Text(BuildFrame("#CEPRD", "0040")));
}

TEST(Framing, ChecksumBelowSixteenHasALeadingZero)
{
    EXPECT_EQ(Text(BuildFrame("#CEPWR", "0001", "01", "0C")), "#CEPWR\t0001\t01\t0C\t03\r\n");
}

TEST(Framing, LineChecksumAcceptsEitherLetterCaseAndRefusesShortOrWrongLines)
{
    EXPECT_TRUE(CheckLineSum("#CEPSD\t00\t62"));
    const std::string reply = "#CEPDT\t0040\t01\tAB\t";
    const std::string sum = HexDigits(FrameChecksum(reply), 2);
    EXPECT_TRUE(CheckLineSum(reply + sum));
    std::string lower = sum;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(c));
    }
    EXPECT_TRUE(CheckLineSum(reply + lower));
    EXPECT_FALSE(CheckLineSum("#CEPSD\t00\t63"));
    EXPECT_FALSE(CheckLineSum("#CEPSD\t00\tZZ"));
    EXPECT_FALSE(CheckLineSum("00"));
    EXPECT_FALSE(CheckLineSum(""));
}

TEST(Framing, ImageHexAndHexToBytesAreEachOthersReverse)
{
    RadioImage image;
    image[0x0100] = 0x00;
    image[0x0101] = 0x0A;
    image[0x0102] = 0xF5;
    EXPECT_EQ(ImageHex(image, 0x0100, 3), "000AF5");

    RadioImage buffer;
    ASSERT_TRUE(HexToBytes("000af5", buffer, 0x2000, 3));
    EXPECT_EQ(buffer[0x2000], 0x00);
    EXPECT_EQ(buffer[0x2001], 0x0A);
    EXPECT_EQ(buffer[0x2002], 0xF5);
    EXPECT_EQ(buffer[0x2003], 0xFF);
}

TEST(Framing, DataWithANonHexadecimalCharacterOrTooFewDigitsStoresNothing)
{
    RadioImage buffer;
    const RadioImage before = buffer;
    EXPECT_FALSE(HexToBytes("00G1", buffer, 0x0040, 2));
    EXPECT_FALSE(HexToBytes("0 11", buffer, 0x0040, 2));
    EXPECT_FALSE(HexToBytes("001", buffer, 0x0040, 2));
    EXPECT_EQ(buffer, before);
}

TEST(Framing, DataOutsideTheImageIsRefusedByTheImage)
{
    RadioImage buffer;
    EXPECT_THROW(HexToBytes("0000", buffer, 0x3FFF, 2), ImageAddressError);
}

TEST(Framing, HexadecimalFieldsParseOnlyWhenWhollyDigits)
{
    EXPECT_EQ(ParseHex("3FB0", 4), 0x3FB0u);
    EXPECT_EQ(ParseHex("10", 2), 16u);
    EXPECT_FALSE(ParseHex("", 4));
    EXPECT_FALSE(ParseHex("10000", 4));
    EXPECT_FALSE(ParseHex("-1", 4));
    EXPECT_FALSE(ParseHex("0x10", 4));
}

TEST(Framing, TabsSplitTheReplyIntoItsPieces)
{
    const std::vector<std::string> pieces = SplitAtTabs("#CEPDT\t0040\t02\tABCD\t1F");
    EXPECT_EQ(pieces, (std::vector<std::string>{"#CEPDT", "0040", "02", "ABCD", "1F"}));
}

}  // namespace
}  // namespace kelpie
