// PreWriteCheck.cpp — the radio's current channel and its preset lists must name channels that
// exist, or the radio starts on a channel it cannot show.
#include "model/PreWriteCheck.h"

#include "model/ChannelFields.h"
#include "model/ImageFields.h"
#include "model/ImageLayout.h"
#include "model/Models.h"
#include "model/SettingsCodec.h"
#include "model/SettingsFields.h"

namespace kelpie {

namespace {

constexpr int kMarineGroups = 3;

bool MapBit(const RadioImage& image, int map, int n)
{
    return GetBit(image[map + n / 8], 7 - n % 8);
}

bool GroupUsable(const RadioImage& image, int group)
{
    return GetBit(image[kUsableGroupsByte], 3 - group);
}

bool ValidFor(const RadioImage& image, int group, long channel)
{
    if (channel >= 0 && channel < kFirstExpChannelIndex) {
        return GroupUsable(image, group) &&
               MapBit(image, GroupLayout(group).EnableBits, static_cast<int>(channel));
    }
    if (channel >= kFirstExpChannelIndex && channel < kFirstWxChannelIndex) {
        return GroupUsable(image, kGroupBankE) &&
               MapBit(image, kExpLayout.EnableBits, static_cast<int>(channel - kFirstExpChannelIndex));
    }
    if (channel >= kFirstWxChannelIndex && channel <= kLastChannelIndex) {
        return MapBit(image, kWxLayout.EnableBits, static_cast<int>(channel - kFirstWxChannelIndex));
    }
    return false;
}

// The index of the first enabled record, or -1.
int FirstEnabled(const ChannelBank& bank)
{
    for (std::size_t k = 0; k < bank.size(); ++k) {
        if (bank[k].Enable) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

void WriteWordBE(RadioImage& image, int address, long value)
{
    image.SetWord(address, static_cast<std::uint16_t>(value));
}

void FixGroupChannel(RadioData& data)
{
    RadioImage& image = data.RadioImage;
    int group = image[kCurrentGroupByte];
    if (group < kMarineGroups && !GroupUsable(image, group)) {
        for (int step = 1; step < kMarineGroups; ++step) {
            const int next = (group + step) % kMarineGroups;
            if (GroupUsable(image, next)) {
                group = next;
                image[kCurrentGroupByte] = static_cast<std::uint8_t>(group);
                break;
            }
        }
    }
    if (group >= kMarineGroups) {
        return;
    }
    long channel = data.CommonSetup.LastDisplayCh;
    if (!ValidFor(image, group, channel)) {
        const ChannelBank& bank = data.*GroupLayout(group).Records;
        if (const int k = FirstEnabled(bank); k >= 0) {
            channel = bank[static_cast<std::size_t>(k)].Position;
        } else if (const int e = FirstEnabled(data.ExpChannels); e >= 0) {
            // Bank E records carry no plan position: their channel number is 240 + k.
            channel = kFirstExpChannelIndex + e;
        } else {
            return;
        }
    }
    WriteWordBE(image, kLastDisplayChWord, channel);
    WriteWordBE(image, kMarineLmrChWord, channel);
}

void FixWeatherChannel(RadioData& data)
{
    RadioImage& image = data.RadioImage;
    int wx = image[kCurrentWxByte];
    const bool inRange = wx < kWxChannelCount;
    if (inRange && !MapBit(image, kWxLayout.EnableBits, wx)) {
        // The weather byte counts channels from 0, as the records do.
        wx = FirstEnabled(data.WxChannels);
        if (wx < 0) {
            return;
        }
    }
    image[kCurrentWxByte] = static_cast<std::uint8_t>(wx);
    WriteWordBE(image, kLastDisplayChWord, wx);
}

void ClearInvalidPresets(RadioImage& image)
{
    for (int g = 0; g < kMarineGroups; ++g) {
        for (int n = 0; n < kPresetsPerGroup; ++n) {
            const int address = kPresetLists + 2 * (kPresetsPerGroup * g + n);
            const int channel = image[address] | image[address + 1] << 8;
            if (!ValidFor(image, g, channel)) {
                image[address] = 0xFF;
                image[address + 1] = 0xFF;
            }
        }
    }
}

}  // namespace

void PreWriteCheck(RadioData& data)
{
    switch (data.RadioImage[kCurrentModeByte]) {
        case 0:
            FixGroupChannel(data);
            break;
        case 1:
            FixWeatherChannel(data);
            break;
        default:
            break;
    }
    ClearInvalidPresets(data.RadioImage);
    if (RewritesPriorityBeforeWrite(data.ModelIndex)) {
        for (const SettingsField& field : SettingsFieldsOf(SettingsRecord::UsableGroups)) {
            if (std::string_view(field.Member) == "UsableGroups[g].PriorityCh") {
                EncodeField(data, field);
            }
        }
    }
    if (RewritesCallSignsBeforeWrite(data.ModelIndex)) {
        EncodeAtisCallSigns(data);
    }
}

}  // namespace kelpie
