// RadioImage.h — the byte-for-byte copy of the radio's programming memory.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace kelpie {

constexpr int kImageSize = 16384;

// An address outside the image. Raised by every access, it ends the operation that computed it.
class ImageAddressError : public std::out_of_range
{
public:
    explicit ImageAddressError(int address);
    int Address() const { return m_address; }

private:
    int m_address;
};

// 16384 bytes, addresses 0x0000–0x3FFF; every access is checked against those bounds. Models with
// an 8 KiB memory use the lower half and leave the upper half untouched.
class RadioImage
{
public:
    RadioImage() { m_bytes.fill(0xFF); }

    std::uint8_t& operator[](int address) { return m_bytes[Checked(address)]; }
    std::uint8_t operator[](int address) const { return m_bytes[Checked(address)]; }

    // Big-endian 16-bit number at address, address + 1.
    std::uint16_t Word(int address) const;
    void SetWord(int address, std::uint16_t value);

    // Sets first..last (inclusive) to value.
    void Fill(int first, int last, std::uint8_t value);

    // count bytes from first, checked as a whole.
    std::span<const std::uint8_t> Bytes(int first, int count) const;
    std::span<std::uint8_t> Bytes(int first, int count);

    bool operator==(const RadioImage&) const = default;

private:
    static std::size_t Checked(int address);

    std::array<std::uint8_t, kImageSize> m_bytes;
};

}  // namespace kelpie
