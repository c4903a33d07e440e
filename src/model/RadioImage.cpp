// RadioImage.cpp — bounds-checked access to the radio image.
#include "model/RadioImage.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace kelpie {

namespace {

std::string AddressText(int address)
{
    char text[80];
    std::snprintf(text, sizeof text, "image address %d (0x%X) outside 0x0000-0x3FFF", address,
                  static_cast<unsigned>(address));
    return text;
}

}  // namespace

ImageAddressError::ImageAddressError(int address)
    : std::out_of_range(AddressText(address)), m_address(address)
{}

std::size_t RadioImage::Checked(int address)
{
    if (address < 0 || address >= kImageSize) {
        throw ImageAddressError(address);
    }
    return static_cast<std::size_t>(address);
}

std::uint16_t RadioImage::Word(int address) const
{
    return static_cast<std::uint16_t>((*this)[address] << 8 | (*this)[address + 1]);
}

void RadioImage::SetWord(int address, std::uint16_t value)
{
    (*this)[address] = static_cast<std::uint8_t>(value >> 8);
    (*this)[address + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

void RadioImage::Fill(int first, int last, std::uint8_t value)
{
    if (last < first) {
        return;
    }
    std::ranges::fill(Bytes(first, last - first + 1), value);
}

std::span<const std::uint8_t> RadioImage::Bytes(int first, int count) const
{
    if (count < 0) {
        throw ImageAddressError(first);
    }
    if (count > 0) {
        Checked(first);
        Checked(first + count - 1);
    }
    return {m_bytes.data() + (count > 0 ? first : 0), static_cast<std::size_t>(count)};
}

std::span<std::uint8_t> RadioImage::Bytes(int first, int count)
{
    const auto bytes = std::as_const(*this).Bytes(first, count);
    return {m_bytes.data() + (bytes.data() - m_bytes.data()), bytes.size()};
}

}  // namespace kelpie
