// The hex file's check byte in a compare: a data file and the hex file saved from it are equal; a
// verify that finds only that byte says what it is.
#include <gtest/gtest.h>

#include "files/ImageFile.h"
#include "report/Compare.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

using Differences = std::vector<Difference>;

TEST(CheckByte, ADataFileEqualsTheHexFileSavedFromIt)
{
    RadioData data = ResetData(0);
    data.RadioImage[kHeaderChecksumAddress] = 0x00;
    RadioData hex = data;  // as the hex file saved from it holds it: with its check byte set
    SetHeaderChecksum(hex.RadioImage);
    ASSERT_NE(hex.RadioImage[kHeaderChecksumAddress], 0x00);
    EXPECT_EQ(CompareData(data, hex), Differences{});
}

TEST(CheckByte, VerifyNamesTheCheckByteOnlyWhenNothingElseDiffers)
{
    RadioData data = ResetData(5);
    data.RadioImage[kHeaderChecksumAddress] = 0x00;
    RadioData radio = data;
    radio.RadioImage[kHeaderChecksumAddress] = 0x3A;
    ImageBits every{};
    every.fill(0xFF);
    EXPECT_EQ(CompareBits(data, radio, every),
              (Differences{{"", "Image 0x005F (the hex file's check byte, not programming): 00 → 3A"}}));

    radio.RadioImage[0x3F00] = static_cast<std::uint8_t>(data.RadioImage[0x3F00] ^ 0x01);
    const Differences both = CompareBits(data, radio, every);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both.back(), (Difference{"", "Image 0x005F: 00 → 3A"}));
}

}  // namespace
}  // namespace kelpie
