// DirectoryCodec.h — the MMSI directories and the packed-decimal numbers of MMSIs and ATIS codes.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/RadioData.h"

namespace kelpie {

constexpr int kIndividualDirectoryStart = 0x3200;
constexpr int kGroupDirectoryStart = 0x3500;
// An entry: the MMSI's ten digits in five bytes, then the name.
constexpr int kDirectoryEntrySize = 16;
constexpr int kDigitBytes = 5;
constexpr int kTagNameOffset = 5;
constexpr int kTagNameLength = 11;

// A directory as the listing names it.
struct DirectoryLayout
{
    const char* Member;  // the records, as the code names them
    const char* Title;
    int Start;
    int Count;
};
constexpr DirectoryLayout kIndividualDirectoryLayout{"IndividualDirectory", "Individual Directory",
                                                     kIndividualDirectoryStart, kIndividualDirectorySize};
constexpr DirectoryLayout kGroupDirectoryLayout{"GroupDirectory", "Group Directory", kGroupDirectoryStart,
                                                kGroupDirectorySize};

// Ten nibbles in five bytes, high nibble first; the first nibble that is no digit ends the number.
std::string DecodeDigits(const RadioImage& image, int address);
// An empty text writes five 0xFF; the MMSI form forces the last nibble to 0.
void EncodeDigits(RadioImage& image, int address, std::string_view text, bool isMmsi);
// An MMSI as the user typed it and reads it: the stored ten-digit form without its last digit,
// which the MMSI form adds as 0. A shorter text is shown as it is.
std::string MmsiShown(std::string_view stored);

// Sixteen bytes an entry. Decoding makes the directory contiguous: every entry after the first
// one without an MMSI is free.
void DecodeDirectory(const RadioImage& image, std::span<DirectoryEntry> directory, int start);
void EncodeDirectory(RadioImage& image, std::span<const DirectoryEntry> directory, int start);
void ClearDirectory(std::span<DirectoryEntry> directory);

}  // namespace kelpie
