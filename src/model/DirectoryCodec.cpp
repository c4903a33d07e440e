// DirectoryCodec.cpp — packed-decimal numbers and the two MMSI directories.
#include "model/DirectoryCodec.h"

#include <algorithm>

#include "model/ImageFields.h"

namespace kelpie {

namespace {

std::uint8_t DigitNibble(char c)
{
    return c >= '0' && c <= '9' ? static_cast<std::uint8_t>(c - '0') : 0x0F;
}

}  // namespace

std::string MmsiShown(std::string_view stored)
{
    return std::string(stored.size() == 10 ? stored.substr(0, 9) : stored);
}

std::string DecodeDigits(const RadioImage& image, int address)
{
    std::string digits;
    for (int k = 0; k < kDigitBytes; ++k) {
        const std::uint8_t b = image[address + k];
        for (const int nibble : {b >> 4, b & 0x0F}) {
            if (nibble > 9) {
                return digits;
            }
            digits += static_cast<char>('0' + nibble);
        }
    }
    return digits;
}

void EncodeDigits(RadioImage& image, int address, std::string_view text, bool isMmsi)
{
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        image.Fill(address, address + kDigitBytes - 1, 0xFF);
        return;
    }
    std::string padded(text);
    padded.append(2 * kDigitBytes, ' ');
    for (int k = 0; k < kDigitBytes; ++k) {
        const auto at = static_cast<std::size_t>(2 * k);
        std::uint8_t b =
            static_cast<std::uint8_t>(DigitNibble(padded[at]) << 4 | DigitNibble(padded[at + 1]));
        // The MMSI form: nine digits and a closing 0.
        if (isMmsi && k == kDigitBytes - 1) {
            b &= 0xF0;
        }
        image[address + k] = b;
    }
}

void DecodeDirectory(const RadioImage& image, std::span<DirectoryEntry> directory, int start)
{
    for (std::size_t i = 0; i < directory.size(); ++i) {
        const int entry = start + kDirectoryEntrySize * static_cast<int>(i);
        directory[i].Mmsid = DecodeDigits(image, entry);
        directory[i].TagName = ReadText(image, entry + kTagNameOffset, kTagNameLength);
    }
    // The radio uses entries from the first without gaps: the first free entry ends the directory.
    bool ended = false;
    for (DirectoryEntry& entry : directory) {
        ended = ended || entry.Mmsid.empty();
        if (ended) {
            entry = DirectoryEntry{};
        } else {
            entry.Enabled = true;
        }
    }
}

void EncodeDirectory(RadioImage& image, std::span<const DirectoryEntry> directory, int start)
{
    for (std::size_t i = 0; i < directory.size(); ++i) {
        const int entry = start + kDirectoryEntrySize * static_cast<int>(i);
        EncodeDigits(image, entry, directory[i].Mmsid, true);
        WriteText(image, entry + kTagNameOffset, directory[i].TagName, kTagNameLength, false);
    }
}

void ClearDirectory(std::span<DirectoryEntry> directory)
{
    std::ranges::fill(directory, DirectoryEntry{});
}

}  // namespace kelpie
