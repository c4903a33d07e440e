#include "model/PreWriteCheck.h"

#include <gtest/gtest.h>

#include "support/ResetData.h"

#include "model/ImagePasses.h"

namespace kelpie {
namespace {

void SetPreset(RadioImage& image, int group, int slot, int channel)
{
    image[0x0060 + 20 * group + 2 * slot] = static_cast<std::uint8_t>(channel & 0xFF);
    image[0x0061 + 20 * group + 2 * slot] = static_cast<std::uint8_t>(channel >> 8);
}

int Preset(const RadioImage& image, int group, int slot)
{
    return image[0x0060 + 20 * group + 2 * slot] | image[0x0061 + 20 * group + 2 * slot] << 8;
}

TEST(PreWriteCheck, PresetChannelsMustBeEnabledInAUsableGroup)
{
    RadioData data = ResetData(5);
    RadioImage& image = data.RadioImage;
    SetPreset(image, 0, 0, 5);
    image[0x0100] &= ~0x04;  // channel slot 5 disabled
    SetPreset(image, 0, 1, 3);
    image[0x0100] |= 0x10;        // slot 3 enabled
    SetPreset(image, 1, 0, 281);  // WX02, enabled
    SetPreset(image, 2, 0, 240);  // bank E channel 1, disabled
    SetPreset(image, 2, 1, 290);  // no channel
    PreWriteCheck(data);
    EXPECT_EQ((std::vector{Preset(image, 0, 0), Preset(image, 0, 1), Preset(image, 1, 0), Preset(image, 2, 0),
                           Preset(image, 2, 1)}),
              (std::vector{0xFFFF, 3, 281, 0xFFFF, 0xFFFF}));

    SetPreset(image, 0, 0, 5);
    image[0x0100] |= 0x04;
    image[0x005D] &= ~0x08;  // USA not usable
    PreWriteCheck(data);
    EXPECT_EQ(Preset(image, 0, 0), 0xFFFF);
}

TEST(PreWriteCheck, CurrentGroupMovesToTheNextUsableAndTheChannelToItsFirstEnabled)
{
    RadioData data = ResetData(5);
    RadioImage& image = data.RadioImage;
    image[0x0046] = 2;  // Canada, not usable
    image[0x005D] &= ~0x02;
    image[0x005D] &= ~0x08;               // nor USA: International is next after them
    data.CommonSetup.LastDisplayCh = 33;  // 16A: not in the International plan
    PreWriteCheck(data);
    EXPECT_EQ(image[0x0046], 1);
    EXPECT_EQ(image.Word(0x0050), 2);  // channel 01, International's first
    EXPECT_EQ(image.Word(0x0052), 2);

    data.CommonSetup.LastDisplayCh = 32;
    PreWriteCheck(data);
    EXPECT_EQ(image.Word(0x0050), 32);  // valid: kept
}

TEST(PreWriteCheck, AGroupWithoutChannelsFallsBackToBankE)
{
    RadioData data = ResetData(5);
    for (ChannelRecord& ch : data.UsaChannels) {
        ch.Enable = false;
    }
    data.ExpChannels[2].Enable = true;
    EncodeImage(data);
    data.RadioImage[0x0046] = 0;
    data.CommonSetup.LastDisplayCh = 32;
    PreWriteCheck(data);
    EXPECT_EQ(data.RadioImage.Word(0x0050), 242);  // bank E channel 3
}

TEST(PreWriteCheck, WeatherModeTakesTheFirstEnabledWeatherChannel)
{
    RadioData data = ResetData(5);
    RadioImage& image = data.RadioImage;
    data.WxChannels[0].Enable = false;
    EncodeImage(data);
    image[0x0047] = 1;
    image[0x0048] = 0;  // WX01, now disabled
    PreWriteCheck(data);
    EXPECT_EQ(image[0x0048], 1);  // WX02, counted from 0 as the radio counts
    EXPECT_EQ(image.Word(0x0050), 1);

    image[0x0048] = 12;  // outside the weather channels: left alone
    PreWriteCheck(data);
    EXPECT_EQ(image[0x0048], 12);
}

TEST(PreWriteCheck, PriorityWordsRewrittenExceptOnTheDscModels)
{
    for (int model : {5, 0}) {
        RadioData data = ResetData(model);
        data.UsableGroups[0].PriorityCh = 16;
        PreWriteCheck(data);
        EXPECT_EQ(data.RadioImage.Word(0x0054), model == 5 ? 16 : 32);
    }
}

}  // namespace
}  // namespace kelpie
