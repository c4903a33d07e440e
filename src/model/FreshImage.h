// FreshImage.h — the image a reset starts from.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/RadioData.h"

namespace kelpie {

// Every byte 0xFF; ImageLastAddress 0x3FFF for a full-size image, else 0x1FFF.
void FillImage(RadioData& data, bool isFullSize);

// A level table given as 16 comma-separated two-digit hexadecimal bytes; any other text gives
// nothing.
std::optional<std::array<std::uint8_t, 16>> ParseLevelTable(std::string_view text);
// Writes the parsed table at address; a text that is not a level table writes nothing.
void WriteLevelTable(RadioImage& image, int address, std::string_view text);

// The model code at 0x0040 and in the image's last word, where the image files' model check
// finds it. The radio link never writes these bytes to a radio, so a read puts them in the PC's
// image too: the radios of models 0–3 keep their code at 0x0000 and need not hold it there.
void SetModelCodeWords(RadioData& data);

// The bytes of the fresh image of data.ModelIndex: filled, the common defaults, the fixed texts and
// level tables, cleared bank E records, the model's own bytes. BuildFreshImage (the reset's step)
// follows this with the settings decode.
void WriteFreshImage(RadioData& data);

}  // namespace kelpie
