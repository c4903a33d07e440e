// ImageFields.h — bit fields and texts in the image, shared by every codec.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/RadioImage.h"

namespace kelpie {

// A value that does not fit the image field it is encoded into.
class EncodeOverflowError : public std::range_error
{
public:
    using std::range_error::range_error;
};

// Bit 7 is the most significant bit of a byte.
constexpr bool GetBit(std::uint8_t byte, int bit)
{
    return (byte >> bit & 1) != 0;
}

constexpr std::uint8_t SetBit(std::uint8_t byte, int bit, bool value)
{
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    return static_cast<std::uint8_t>(value ? byte | mask : byte & ~mask);
}

// The unsigned field of `width` bits whose most significant bit is `top`.
constexpr unsigned GetField(std::uint8_t byte, int top, int width)
{
    return (byte >> (top - width + 1)) & ((1u << width) - 1);
}

// Writes the low `width` bits of value into the field; the other bits keep their values.
constexpr std::uint8_t SetField(std::uint8_t byte, int top, int width, unsigned value)
{
    const int shift = top - width + 1;
    const unsigned mask = ((1u << width) - 1) << shift;
    return static_cast<std::uint8_t>((byte & ~mask) | ((value << shift) & mask));
}

// A bit field of one image byte, named once where the layout is described.
struct BitField
{
    int address;
    int top;
    int width;
};

inline unsigned ReadField(const RadioImage& image, BitField f)
{
    return GetField(image[f.address], f.top, f.width);
}

inline bool ReadFlag(const RadioImage& image, BitField f)
{
    return ReadField(image, f) != 0;
}

inline void WriteField(RadioImage& image, BitField f, unsigned value)
{
    image[f.address] = SetField(image[f.address], f.top, f.width, value);
}

// Up to `length` bytes read through the read set; the first byte that is no character ends the
// text; trailing blanks are removed.
std::string ReadText(const RadioImage& image, int address, int length);

// `length` bytes through the name set; with pad the text is first padded with blanks to length,
// without it the places after the text are written 0xFF. Characters beyond length are dropped.
void WriteText(RadioImage& image, int address, std::string_view text, int length, bool pad);

}  // namespace kelpie
