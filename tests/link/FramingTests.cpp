#include "link/Framing.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

std::string Text(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

TEST(Framing, FramesEndInATwoDigitXorChecksumAndLeaveOutEmptyFields)
{
    EXPECT_EQ(Text(BuildFrame("#CEPRD", "0040", "10", "")), "#CEPRD\t0040\t10\t6F\r\n");
    EXPECT_EQ(Text(BuildFrame("#CEPSR", "00")), "#CEPSR\t00\t74\r\n");
    EXPECT_EQ(Text(BuildFrame("#CEPRD", "", "0040")), Text(BuildFrame("#CEPRD", "0040")));
    EXPECT_EQ(Text(BuildFrame("#CEPWR", "0001", "01", "0C")), "#CEPWR\t0001\t01\t0C\t03\r\n");
}

TEST(Framing, LineChecksumAcceptsEitherLetterCaseAndRefusesShortOrWrongLines)
{
    for (const char* line : {"#CEPSD\t00\t62", "#CEPDT\t0040\t01\t28\t6A", "#CEPDT\t0040\t01\t28\t6a"}) {
        EXPECT_TRUE(CheckLineSum(line)) << line;
    }
    for (const char* line : {"#CEPSD\t00\t63", "#CEPSD\t00\tZZ", "00", ""}) {
        EXPECT_FALSE(CheckLineSum(line)) << line;
    }
}

TEST(Framing, HexDataRoundTripsAndBadDataStoresNothing)
{
    RadioImage image;
    image[0x0100] = 0x00;
    image[0x0101] = 0x0A;
    image[0x0102] = 0xF5;
    EXPECT_EQ(ImageHex(image, 0x0100, 3), "000AF5");

    RadioImage buffer;
    ASSERT_TRUE(HexToBytes("000af5", buffer, 0x2000, 3));
    EXPECT_EQ(ImageHex(buffer, 0x2000, 4), "000AF5FF");
    const RadioImage before = buffer;
    for (const char* data : {"00G1", "0 11", "001"}) {
        EXPECT_FALSE(HexToBytes(data, buffer, 0x0040, 2)) << data;
    }
    EXPECT_EQ(buffer, before);
    EXPECT_THROW(HexToBytes("0000", buffer, 0x3FFF, 2), ImageAddressError);
}

TEST(Framing, HexadecimalFieldsParseOnlyWhenWhollyDigitsAndTabsSplitTheReply)
{
    EXPECT_EQ(ParseHex("3FB0", 4), 0x3FB0u);
    EXPECT_EQ(ParseHex("10", 2), 16u);
    for (const char* field : {"", "10000", "-1", "0x10"}) {
        EXPECT_FALSE(ParseHex(field, 4)) << field;
    }
    EXPECT_EQ(SplitAtTabs("#CEPDT\t0040\t02\tABCD\t1F"),
              (std::vector<std::string>{"#CEPDT", "0040", "02", "ABCD", "1F"}));
}

}  // namespace
}  // namespace kelpie
