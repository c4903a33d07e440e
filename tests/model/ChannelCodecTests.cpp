#include "model/ChannelCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "model/ImageFields.h"
#include "model/ImagePasses.h"

namespace kelpie {
namespace {

// The image's bytes from first on, for a compare that names every byte.
std::vector<int> BytesAt(const RadioImage& image, int first, int count)
{
    const auto bytes = image.Bytes(first, count);
    return {bytes.begin(), bytes.end()};
}

// TX and low power are views of the transmit mode; a duplex pair is written only where the plan has one.
TEST(ChannelCodec, MarineTransmitModeFollowsTxEnableStoredModeAndLowPower)
{
    RadioImage image;
    ChannelBank bank(2);
    image[0x0300] = 0x40;  // mode 1
    image[0x0302] = 0x3F;  // mode 0, every other bit set
    DecodeMarineEntries(image, bank, 0x0300, 2);
    EXPECT_TRUE(bank[0].TxEnable && bank[0].LowPower);
    EXPECT_FALSE(bank[1].TxEnable || bank[1].LowPower);
    bank[1].DuplexAllowed = false;
    EncodeMarineEntries(image, bank, 0x0300, 2);
    EXPECT_EQ(image[0x0302], 0x1E);  // bit 0 is written 0

    // TX enable, stored mode, low power: the mode written
    const std::tuple<bool, std::uint8_t, bool, int> cases[] = {
        {true, 0, false, 3}, {true, 0, true, 1}, {true, 2, true, 2}, {true, 2, false, 2}, {false, 3, true, 0},
    };
    for (const auto& [txEnable, txPower, lowPower, mode] : cases) {
        bank[0].TxEnable = txEnable;
        bank[0].TXPower = txPower;
        bank[0].LowPower = lowPower;
        EncodeMarineEntries(image, bank, 0x0300, 1);
        EXPECT_EQ(image[0x0300] >> 6, mode);
    }
}

TEST(ChannelCodec, FrequenciesArePackedDecimalOfTheMegahertzAboveOneHundred)
{
    RadioImage image;
    for (const auto& [mhz, bytes] : {std::pair{156.05, std::vector{0x56, 0x05, 0x00}},
                                     {174.9875, {0x74, 0x98, 0x75}},
                                     {0.0, {0, 0, 0}},
                                     {100.0, {0, 0, 0}},
                                     {-5.0, {0, 0, 0}}}) {
        EncodeFreq(image, 0x0905, mhz);
        EXPECT_EQ(BytesAt(image, 0x0905, 3), bytes) << mhz;
        EXPECT_EQ(DecodeFreq(image, 0x0905), bytes[0] == 0 ? 0.0 : mhz) << mhz;
    }
    // A byte run of nines is the top of the range; 0x00 and 0xFF runs are none; a hexadecimal digit
    // ends the number (56.0).
    for (const auto& [bytes, mhz] : {std::pair{std::array<std::uint8_t, 3>{0x99, 0x99, 0x99}, 199.9999},
                                     {{0xFF, 0xFF, 0xFF}, 0.0},
                                     {{0x56, 0x0F, 0xFF}, 156.0}}) {
        std::ranges::copy(bytes, image.Bytes(0x0905, 3).begin());
        EXPECT_EQ(DecodeFreq(image, 0x0905), mhz);
    }
    EXPECT_THROW(EncodeFreq(image, 0x0905, 200.0), EncodeOverflowError);
}

TEST(ChannelCodec, TonesWithInversionAndCompander)
{
    RadioImage image;
    ChannelRecord ch;
    ch.RxDCS = 110;  // "036" inverted
    ch.TxDCS = 105;
    ch.RxCTCSS = 50;
    ch.TxCTCSS = 13;
    EncodeTones(image, ch, 0x090B);
    EXPECT_EQ(BytesAt(image, 0x090B, 4), (std::vector{0x80 | 0x10 | (50 >> 2), (50 & 3) << 6 | 13, 6, 1}));
    ChannelRecord back;
    DecodeTones(image, back, 0x090B);
    EXPECT_EQ(back, ch);

    ch.RxComp = true;
    EncodeTones(image, ch, 0x090B);
    EXPECT_EQ(image[0x090B] & 0x30, 0x20);
    EXPECT_EQ(image[0x090D], 6);
    DecodeTones(image, back, 0x090B);
    EXPECT_EQ(back.RxDCS, 6);  // the compander takes the place of the inversion
    EXPECT_TRUE(back.RxComp);

    std::fill_n(&image[0x090B], 4, 0xFF);  // erased: no tone, no code
    DecodeTones(image, back, 0x090B);
    EXPECT_EQ(back, ChannelRecord{});
}

TEST(ChannelCodec, NamesAreTwelveUpperCaseCharactersAndReadBackWithoutTrailingBlanks)
{
    RadioImage image;
    ChannelBank bank(3);
    bank[0].ChTag = "COMMERCIAL123";
    bank[1].ChTag = "ship-ship";
    bank[2].ChTag = "VTS  ";
    EncodeNames(image, bank, 0x0C00, 3);
    EXPECT_EQ(bank[1].ChTag, "SHIP-SHIP");
    EXPECT_EQ(image[0x0C00 + 11], '2');
    EXPECT_EQ(image[0x0C00 + 12], 'S');
    EXPECT_EQ(image[0x0C00 + 12 + 9], 0xFF);
    EXPECT_EQ(image[0x0C00 + 24 + 3], ' ');
    EXPECT_EQ(image[0x0C00 + 24 + 5], 0xFF);

    ChannelBank back(3);
    DecodeNames(image, back, 0x0C00, 3);
    EXPECT_EQ(back[0].ChTag + "|" + back[1].ChTag + "|" + back[2].ChTag, "COMMERCIAL12|SHIP-SHIP|VTS");

    bank[0].ChTag = "CH#16";  // '#' is outside the name set: stored 0xFF, which ends the name
    EncodeNames(image, bank, 0x0C00, 1);
    EXPECT_EQ(image[0x0C00 + 2], 0xFF);
    DecodeNames(image, back, 0x0C00, 1);
    EXPECT_EQ(back[0].ChTag, "CH");
}

TEST(ChannelCodec, BitBlocksWriteWholeBytesAndOneMoreWhenTheBankRunsOut)
{
    RadioImage image;
    ChannelBank wx(10);
    wx[0].Enable = wx[7].Enable = wx[8].Enable = wx[9].Enable = true;
    EncodeBits(image, wx, 0x01C0, 2, &ChannelRecord::Enable);
    EXPECT_EQ(BytesAt(image, 0x01C0, 3), (std::vector{0x81, 0xC0, 0xFF}));

    ChannelBank sixteen(16);
    for (ChannelRecord& ch : sixteen) {
        ch.Enable = true;
    }
    EncodeBits(image, sixteen, 0x0100, 30, &ChannelRecord::Enable);
    // The bank ended at a byte boundary: one more byte.
    EXPECT_EQ(BytesAt(image, 0x0101, 3), (std::vector{0xFF, 0x00, 0xFF}));

    ChannelBank back(10);
    DecodeBits(image, back, 0x01C0, 2, &ChannelRecord::Enable);
    EXPECT_TRUE(back[0].Enable && back[9].Enable);
    EXPECT_FALSE(back[1].Enable);
}

}  // namespace
}  // namespace kelpie
