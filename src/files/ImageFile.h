// ImageFile.h — files that hold the raw image (hex image files, default images): the model check
// and the header checksum byte.
#pragma once

#include <cstdint>
#include <span>

#include "model/ImageLayout.h"
#include "model/RadioImage.h"

namespace kelpie {

constexpr int kHeaderChecksumAddress = 0x005F;

// Where the model check reads its second model-code word. For the 16 KiB images of models 0 and
// 3 this is 0x1FFE, not their last word: stored files rely on it, so the check keeps it.
int ModelCheckTailAddress(int modelIndex);

// The file belongs to the model: the big-endian words at 0x0040 and at the tail address equal
// each other and the model code. A file too short to hold both words fails.
bool PassesModelCheck(std::span<const std::uint8_t> bytes, int modelIndex);

// Byte 0x005F := the low 8 bits of the sum of bytes 0x0042..0x005E.
void SetHeaderChecksum(RadioImage& image);

}  // namespace kelpie
