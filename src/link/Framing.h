// Framing.h — the command frames of the radio protocol: fields, checksum, hexadecimal data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/RadioImage.h"

namespace kelpie {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kTab = 0x09;
constexpr std::uint8_t kCr = 0x0D;
constexpr std::uint8_t kLf = 0x0A;
constexpr std::uint8_t kCan = 0x18;
constexpr std::uint8_t kAck = 0x06;
// The probe: "P", answered by "P", then "0".
constexpr std::uint8_t kProbe = 'P';
constexpr std::uint8_t kProbeFollow = '0';

// Command word, TAB, each non-empty field followed by a TAB, two checksum digits, CR LF.
Bytes BuildFrame(std::string_view command, std::string_view f1, std::string_view f2 = {},
                 std::string_view f3 = {});

// XOR of every byte; 0 for no bytes.
std::uint8_t FrameChecksum(std::string_view bytes);

// A received line without its CR LF: its last two characters are the checksum of the rest.
bool CheckLineSum(std::string_view line);

// Zero-padded upper-case hexadecimal of value in the given number of digits ("0040", "10").
std::string HexDigits(unsigned value, int digits);

// The hexadecimal number of a whole text (either letter case); nothing when the text is empty,
// longer than width digits or holds any other character.
std::optional<unsigned> ParseHex(std::string_view text, int width);

// The data field of length image bytes from address: two digits per byte.
std::string ImageHex(const RadioImage& image, int address, int length);

// The reverse of ImageHex into buffer at address. False, and nothing stored, when the text is too
// short or holds a character that is not a hexadecimal digit.
bool HexToBytes(std::string_view text, RadioImage& buffer, int address, int length);

// The text split at every TAB.
std::vector<std::string> SplitAtTabs(std::string_view text);

}  // namespace kelpie
