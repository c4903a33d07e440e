// DataFileValues.h — the value forms of the data file: how flags, numbers, frequencies and raw
// bytes are written, and how the readers turn text back into values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelpie {

std::string FlagText(bool value);  // "1" / "0"
// MHz to 15 significant digits, no trailing zeros, "." as decimal point: 156.05, 157.
std::string FrequencyText(double mhz);
std::string RawByteText(std::uint8_t value);  // "&H0F"

// A decimal number, blanks around it allowed; nothing when the text is empty or not a number.
std::optional<double> ParseNumber(std::string_view text);
// "0" false, any other number true.
std::optional<bool> ParseFlag(std::string_view text);
// A number rounded to the nearest whole number (halves to even) that lies in first..last.
std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t first, std::int64_t last);
// A frequency the image can hold: 0 (none), or above 100 MHz up to 199.9999 MHz.
std::optional<double> ParseFrequency(std::string_view text);

// The value of the number the text begins with, blanks skipped; "&H" introduces hexadecimal
// digits. A text that begins with no number gives 0; a number too large for a double gives an
// infinite value, which no range takes.
double LeadingNumber(std::string_view text);

}  // namespace kelpie
