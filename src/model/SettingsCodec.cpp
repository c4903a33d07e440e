// SettingsCodec.cpp — the settings records read from and written to the image through the
// settings table.
#include "model/SettingsCodec.h"

#include <algorithm>
#include <cstdlib>

#include "model/ImageFields.h"
#include "model/SettingsFields.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

constexpr int kBeepOutElements[8] = {0, 1, 3, 2, 6, 4, 5, 7};

}  // namespace

std::array<std::uint8_t, 2> EncodeWord(std::int32_t value)
{
    if (value < 0) {
        return {0xFF, 0xFF};
    }
    if (value > 0xFFFF) {
        throw EncodeOverflowError("channel number " + std::to_string(value) + " does not fit 16 bits");
    }
    return {static_cast<std::uint8_t>(value / 256), static_cast<std::uint8_t>(value % 256)};
}

std::uint8_t OffsetToByte(int index)
{
    index = std::clamp(index, 0, kOffsetLast);
    return static_cast<std::uint8_t>((index >= 12 ? 0x10 : 0x00) | std::abs(index - 12));
}

int ByteToOffset(std::uint8_t byte)
{
    const int v = byte & 0x1F;
    if (v == 0x1F || v == 0) {
        return 12;
    }
    int n = std::min(v & 0x0F, 12);
    if ((v & 0x10) == 0) {
        n = -n;
    }
    return n + 12;
}

int BeepOutElement(int position)
{
    return kBeepOutElements[std::clamp(position, 0, 7)];
}

void DecodeUsableGroups(RadioData& data)
{
    DecodeFields(data, SettingsRecord::UsableGroups);
}
void EncodeUsableGroups(RadioData& data)
{
    EncodeFields(data, SettingsRecord::UsableGroups);
}
void DecodeCommonSetup(RadioData& data)
{
    DecodeFields(data, SettingsRecord::CommonSetup);
}
void EncodeCommonSetup(RadioData& data)
{
    EncodeFields(data, SettingsRecord::CommonSetup);
}
void DecodeDscBasic(RadioData& data)
{
    DecodeFields(data, SettingsRecord::DscBasic);
}
void EncodeDscBasic(RadioData& data)
{
    EncodeFields(data, SettingsRecord::DscBasic);
}
void DecodeDscAdvanced(RadioData& data)
{
    DecodeFields(data, SettingsRecord::DscAdvanced);
}
void EncodeDscAdvanced(RadioData& data)
{
    EncodeFields(data, SettingsRecord::DscAdvanced);
}
void DecodeDscDisplay(RadioData& data)
{
    DecodeFields(data, SettingsRecord::DscDisplay);
}
void EncodeDscDisplay(RadioData& data)
{
    EncodeFields(data, SettingsRecord::DscDisplay);
}
void DecodeAtisCommon(RadioData& data)
{
    DecodeFields(data, SettingsRecord::AtisCommon);
}
void EncodeAtisCommon(RadioData& data)
{
    EncodeFields(data, SettingsRecord::AtisCommon);
}
void DecodeAtisCallSigns(RadioData& data)
{
    DecodeFields(data, SettingsRecord::AtisCallSigns);
}
void EncodeAtisCallSigns(RadioData& data)
{
    EncodeFields(data, SettingsRecord::AtisCallSigns);
}

}  // namespace kelpie
