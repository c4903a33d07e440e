#include "model/ImagePasses.h"

#include <gtest/gtest.h>

#include "support/ResetData.h"

#include <algorithm>
#include <random>

#include "model/ChannelFields.h"
#include "model/ImageFields.h"
#include "model/Models.h"
#include "model/SettingsFields.h"

namespace kelpie {
namespace {

// The bits of every byte that some codec reads and writes for the model: the settings to the bit,
// the bytes of every channel field whole (the channel codec writes whole bytes), the directories.
std::array<std::uint8_t, kImageSize> OwnedBits(int model)
{
    std::array<std::uint8_t, kImageSize> mask{};
    AddSettingsBits(mask, model);
    for (const BankLayout* layout : kBankLayouts) {
        for (int k = 0; k < layout->Count; ++k) {
            for (const ChannelField& f : ChannelFields()) {
                ForEachFieldBit(f, *layout, k, model, [&](int address, std::uint8_t) {
                    mask[static_cast<std::size_t>(address)] = 0xFF;
                });
            }
        }
    }
    if (HasDsc(model)) {
        std::fill(mask.begin() + 0x3200, mask.begin() + 0x3480, 0xFF);
        std::fill(mask.begin() + 0x3500, mask.begin() + 0x35A0, 0xFF);
    }
    return mask;
}

// Fields a decode fills from the image that a reset sets otherwise.
ChannelBank WithoutDecodedMode(ChannelBank bank)
{
    for (ChannelRecord& ch : bank) {
        ch.TXPower = 0;
        ch.ScramblerOption = false;
    }
    return bank;
}

TEST(ImagePasses, ResetThenDecodeGivesTheSameRecordsAndReencodesTheSameImage)
{
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        const RadioData reset = ResetData(model);
        EXPECT_TRUE(std::ranges::all_of(reset.WxChannels, [](const ChannelRecord& ch) { return ch.Enable; }));
        RadioData data = reset;
        DecodeImage(data);
        EXPECT_EQ(data.UsaChannels[30].TXPower, 0);  // receive only
        EXPECT_EQ(data.UsaChannels[26].TXPower, 1);  // low power
        EXPECT_EQ(data.UsaChannels[32].TXPower, 3);
        RadioData expected = reset;
        // Without an ATIS code the encode cleared the usable bits the fresh image had.
        expected.AtisCommonSetup.UsableAtis = {};
        RadioData decoded = data;
        for (ChannelBank RadioData::*bank :
             {&RadioData::UsaChannels, &RadioData::IntlChannels, &RadioData::CanadaChannels}) {
            expected.*bank = WithoutDecodedMode(expected.*bank);
            decoded.*bank = WithoutDecodedMode(decoded.*bank);
        }
        EXPECT_TRUE(decoded == expected);

        EncodeImage(data);
        EXPECT_EQ(data.RadioImage, reset.RadioImage);
    }
}

TEST(ImagePasses, DecodeEncodeTouchesOnlyCodecBitsAndIsStable)
{
    std::mt19937 random(20261206);
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        RadioData data = ResetData(model);
        for (int a = 0; a < kImageSize; ++a) {
            data.RadioImage[a] = static_cast<std::uint8_t>(random());
        }
        const RadioImage original = data.RadioImage;
        DecodeImage(data);
        EncodeImage(data);
        const auto owned = OwnedBits(model);
        for (int a = 0; a < kImageSize; ++a) {
            const auto changed = static_cast<std::uint8_t>(original[a] ^ data.RadioImage[a]);
            ASSERT_EQ(changed & ~owned[static_cast<std::size_t>(a)], 0) << "address 0x" << std::hex << a;
        }
        // A second pass settles what the first one normalised (a compander channel's inverted
        // code, a call-sign character outside the call-sign set); from then on nothing moves.
        DecodeImage(data);
        EncodeImage(data);
        const RadioImage settledImage = data.RadioImage;
        DecodeImage(data);
        const RadioData settled = data;
        EncodeImage(data);
        EXPECT_EQ(data.RadioImage, settledImage);
        DecodeImage(data);
        EXPECT_TRUE(data == settled);
    }
}

TEST(ImagePasses, GroupsWithoutEnabledChannelsAreClearedOnlyOnTheDscModels)
{
    // The MF7500S's reset clearing its empty bank E group shows in its listing.
    EXPECT_TRUE(ResetData(5).UsableGroups[3].Enable);

    RadioData data = ResetData(3);
    for (ChannelRecord& ch : data.IntlChannels) {
        ch.Enable = false;
    }
    data.ExpChannels[4].Enable = true;
    data.UsableGroups[3].Enable = false;
    EncodeImage(data);
    EXPECT_EQ(data.RadioImage[0x005D] & 0x0F, 0x0A);  // INTL cleared; bank E not switched on
}

TEST(ImagePasses, AValueThatDoesNotFitLeavesTheImageAsItWas)
{
    RadioData data = ResetData(5);
    data.UsaChannels[32].ChTag = "CHANGED";
    data.ExpChannels[39].Rxfreq = 250.0;  // encoded last
    const RadioImage before = data.RadioImage;
    EXPECT_THROW(EncodeImage(data), EncodeOverflowError);
    EXPECT_EQ(data.RadioImage, before);
}

TEST(ImagePasses, ResetForgetsEverythingOfThePreviousModel)
{
    RadioData data = ResetData(5);
    data.ExpChannels[0].TxCTCSS = 12;
    data.CommonSetup.OffsetTime = 3;
    data.IndividualDirectory[0] = {true, "X", "1"};
    data.ModelIndex = 0;
    ResetEditModel(data);
    EXPECT_EQ(data.ExpChannels[0].TxCTCSS, 0);
    EXPECT_EQ(data.CommonSetup.OffsetTime, 12);
    EXPECT_EQ(data.IndividualDirectory[0], DirectoryEntry{});
    EXPECT_EQ(data.ImageLastAddress, 0x3FFF);
    EXPECT_EQ(data.RadioImage.Word(0x0040), 0x1D4C);
}

}  // namespace
}  // namespace kelpie
