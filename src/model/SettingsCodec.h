// SettingsCodec.h — the radio-wide settings in the image: usable groups, common setup, DSC and
// ATIS.
#pragma once

#include <array>
#include <cstdint>

#include "model/RadioData.h"

namespace kelpie {

void DecodeUsableGroups(RadioData& data);
void DecodeCommonSetup(RadioData& data);
void DecodeDscBasic(RadioData& data);
void DecodeDscAdvanced(RadioData& data);
void DecodeDscDisplay(RadioData& data);
void DecodeAtisCommon(RadioData& data);
void DecodeAtisCallSigns(RadioData& data);

// Each encoder writes only its own bits of a shared byte. A value that does not fit its field
// throws EncodeOverflowError.
void EncodeUsableGroups(RadioData& data);
void EncodeCommonSetup(RadioData& data);
void EncodeDscBasic(RadioData& data);
void EncodeDscAdvanced(RadioData& data);
void EncodeDscDisplay(RadioData& data);
void EncodeAtisCommon(RadioData& data);
void EncodeAtisCallSigns(RadioData& data);

// A combined channel index as two big-endian bytes; a negative value is 0xFF 0xFF.
std::array<std::uint8_t, 2> EncodeWord(std::int32_t value);

// Offset Time index 0..24 and the five bits the image keeps it in.
std::uint8_t OffsetToByte(int index);
int ByteToOffset(std::uint8_t byte);

// The BeepOut element shown at label position 0..7.
int BeepOutElement(int position);

}  // namespace kelpie
