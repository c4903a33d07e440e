#include "model/ChannelCodec.h"

#include <gtest/gtest.h>

#include "support/ResetData.h"

#include "model/ImageFields.h"
#include "model/ImagePasses.h"

namespace kelpie {
namespace {

TEST(ChannelCodec, MarineFlagsByteDecodesEveryFieldAndReencodesWithoutDisallowedDuplex)
{
    RadioData data = ResetData(5);
    ChannelBank bank(1);
    data.RadioImage[0x0300] = 0x7E;
    data.RadioImage[0x0301] = 0x5A;
    DecodeMarineEntries(data.RadioImage, bank, 0x0300, 1);
    const ChannelRecord& ch = bank[0];
    EXPECT_EQ(ch.TXPower, 1);
    EXPECT_TRUE(ch.TxEnable && ch.LowPower && ch.Duplex && ch.PowUp);
    EXPECT_EQ(ch.Scramble, 7);

    bank[0].DuplexAllowed = false;
    EncodeMarineEntries(data.RadioImage, bank, 0x0300, 1);
    EXPECT_EQ(data.RadioImage[0x0300], 0x5E);
    EXPECT_EQ(data.RadioImage[0x0301], 0x5A);  // the second byte is the radio's
}

TEST(ChannelCodec, MarineTransmitModeFollowsTxEnableStoredModeAndLowPower)
{
    struct Case
    {
        bool txEnable;
        std::uint8_t txPower;
        bool lowPower;
        std::uint8_t mode;
    };
    const Case cases[] = {
        {true, 0, false, 3}, {true, 0, true, 1}, {true, 2, true, 2}, {true, 2, false, 2}, {false, 3, true, 0},
    };
    RadioImage image;
    for (const Case& c : cases) {
        ChannelBank bank(1);
        bank[0].TxEnable = c.txEnable;
        bank[0].TXPower = c.txPower;
        bank[0].LowPower = c.lowPower;
        EncodeMarineEntries(image, bank, 0x0300, 1);
        EXPECT_EQ(image[0x0300] >> 6, c.mode);
    }
}

TEST(ChannelCodec, ErasedBankERecordDecodesAsTransmitModeThreeWithNoFrequencies)
{
    RadioData data = ResetData(5);
    std::fill_n(&data.RadioImage[0x0900], 16, 0xFF);
    data.ExpChannels[0].RxCTCSS = 9;
    data.ExpChannels[0].TxDCS = 9;
    DecodeExpRecords(data, 0x0900, 1);
    const ChannelRecord& ch = data.ExpChannels[0];
    EXPECT_EQ(ch.TXPower, 3);
    EXPECT_TRUE(ch.ClockShift && ch.PowUp && ch.Narrow);
    EXPECT_FALSE(ch.LowPower);
    EXPECT_EQ(ch.Scramble, 7);
    EXPECT_EQ(ch.CHDisplayL, "");
    EXPECT_EQ(ch.CHDisplayR, "");
    EXPECT_EQ(ch.Rxfreq, 0.0);
    EXPECT_EQ(ch.Txfreq, 0.0);
    EXPECT_EQ(ch.RxCTCSS, 0);
    EXPECT_EQ(ch.TxCTCSS, 0);
    EXPECT_EQ(ch.RxDCS, 0);
    EXPECT_EQ(ch.TxDCS, 0);
    EXPECT_FALSE(ch.RxComp);
}

TEST(ChannelCodec, FrequenciesArePackedDecimalOfTheMegahertzAboveOneHundred)
{
    RadioImage image;
    EncodeFreq(image, 0x0905, 156.05);
    EXPECT_EQ(image[0x0905], 0x56);
    EXPECT_EQ(image[0x0906], 0x05);
    EXPECT_EQ(image[0x0907], 0x00);
    EXPECT_EQ(DecodeFreq(image, 0x0905), 156.05);
    EncodeFreq(image, 0x0905, 174.9875);
    EXPECT_EQ(image[0x0905], 0x74);
    EXPECT_EQ(image[0x0906], 0x98);
    EXPECT_EQ(image[0x0907], 0x75);
    EXPECT_EQ(DecodeFreq(image, 0x0905), 174.9875);

    image.Fill(0x0905, 0x0907, 0x99);
    EXPECT_EQ(DecodeFreq(image, 0x0905), 199.9999);
    image.Fill(0x0905, 0x0907, 0x00);
    EXPECT_EQ(DecodeFreq(image, 0x0905), 0.0);
    image.Fill(0x0905, 0x0907, 0xFF);
    EXPECT_EQ(DecodeFreq(image, 0x0905), 0.0);
    image[0x0905] = 0x56;
    image[0x0906] = 0x0F;  // a hexadecimal digit ends the number: 56.0
    EXPECT_EQ(DecodeFreq(image, 0x0905), 156.0);

    for (double none : {0.0, 100.0, -5.0}) {
        EncodeFreq(image, 0x0905, none);
        EXPECT_EQ(image[0x0905] | image[0x0906] | image[0x0907], 0x00);
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
    EXPECT_EQ(image[0x090B], 0x80 | 0x10 | (50 >> 2));
    EXPECT_EQ(image[0x090C], (50 & 3) << 6 | 13);
    EXPECT_EQ(image[0x090D], 6);
    EXPECT_EQ(image[0x090E], 1);
    ChannelRecord back;
    DecodeTones(image, back, 0x090B);
    EXPECT_EQ(back.RxDCS, 110);
    EXPECT_EQ(back.TxDCS, 105);
    EXPECT_EQ(back.RxCTCSS, 50);
    EXPECT_EQ(back.TxCTCSS, 13);
    EXPECT_FALSE(back.RxComp);

    ch.RxComp = true;
    EncodeTones(image, ch, 0x090B);
    EXPECT_EQ(image[0x090B] & 0x30, 0x20);
    EXPECT_EQ(image[0x090D], 6);
    DecodeTones(image, back, 0x090B);
    EXPECT_EQ(back.RxDCS, 6);  // the compander takes the place of the inversion
    EXPECT_TRUE(back.RxComp);
}

TEST(ChannelCodec, ToneBlockPlaceDependsOnTheModel)
{
    for (int model : {2, 5, 0}) {
        SCOPED_TRACE(model);
        RadioData data = ResetData(model);
        ChannelRecord& ch = data.ExpChannels[1];
        ch.Txfreq = 156.8;
        ch.RxCTCSS = 8;  // bits 5–2 of the CTCSS give 0x02 in the tone block's first byte
        ch.TxCTCSS = 13;
        EncodeExpRecords(data, 0x0900, 2);
        const RadioImage& image = data.RadioImage;
        const int r = 0x0910;
        EXPECT_EQ(image[r + 8], 0x56);
        EXPECT_EQ(image[r + 9], 0x80);
        switch (model) {
            case 2:  // the tone block starts on the last frequency byte and wins
                EXPECT_EQ(image[r + 10], 0x02);
                EXPECT_EQ(image[r + 11], 13);
                break;
            case 5:
                EXPECT_EQ(image[r + 10], 0x00);
                EXPECT_EQ(image[r + 11], 0x02);
                EXPECT_EQ(image[r + 12], 13);
                break;
            default:  // no tone block
                EXPECT_EQ(image[r + 10], 0x00);
                EXPECT_EQ(image[r + 11], 0x00);
        }
        DecodeExpRecords(data, 0x0900, 2);
        EXPECT_EQ(ch.Txfreq, model == 2 ? 156.8002 : 156.8);
    }
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
    EXPECT_EQ(back[0].ChTag, "COMMERCIAL12");
    EXPECT_EQ(back[1].ChTag, "SHIP-SHIP");
    EXPECT_EQ(back[2].ChTag, "VTS");

    bank[0].ChTag = "CH#16";  // '#' is outside the name set: stored 0xFF, which ends the name
    EncodeNames(image, bank, 0x0C00, 1);
    DecodeNames(image, back, 0x0C00, 1);
    EXPECT_EQ(back[0].ChTag, "CH");
}

TEST(ChannelCodec, BitBlocksWriteWholeBytesAndOneMoreWhenTheBankRunsOut)
{
    RadioImage image;
    ChannelBank wx(10);
    wx[0].Enable = wx[7].Enable = wx[8].Enable = wx[9].Enable = true;
    EncodeBits(image, wx, 0x01C0, 2, &ChannelRecord::Enable);
    EXPECT_EQ(image[0x01C0], 0x81);
    EXPECT_EQ(image[0x01C1], 0xC0);
    EXPECT_EQ(image[0x01C2], 0xFF);

    ChannelBank sixteen(16);
    for (ChannelRecord& ch : sixteen) {
        ch.Enable = true;
    }
    EncodeBits(image, sixteen, 0x0100, 30, &ChannelRecord::Enable);
    EXPECT_EQ(image[0x0101], 0xFF);
    EXPECT_EQ(image[0x0102], 0x00);  // the bank ended at a byte boundary: one more byte
    EXPECT_EQ(image[0x0103], 0xFF);

    ChannelBank back(10);
    DecodeBits(image, back, 0x01C0, 2, &ChannelRecord::Enable);
    EXPECT_TRUE(back[0].Enable && back[9].Enable);
    EXPECT_FALSE(back[1].Enable);
}

TEST(ChannelCodec, NamesAreSkippedOnTheModelWithoutThem)
{
    RadioData data = ResetData(1);
    data.UsaChannels[32].ChTag = "CHANGED";
    EncodeUsaBank(data);
    EXPECT_EQ(data.RadioImage[0x0C00 + 12 * 32], 0xFF);
    DecodeUsaBank(data);
    EXPECT_EQ(data.UsaChannels[32].ChTag, "CHANGED");
}

}  // namespace
}  // namespace kelpie
