#include "files/DataFileValues.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "files/IniFile.h"

namespace kelpie {

namespace {

// The image's three packed-decimal bytes hold 100.0001 to 199.9999 MHz in steps of 100 Hz; all
// zeros is no frequency.
constexpr double kFrequencyBase = 100.0;
constexpr double kFrequencySteps = 10000.0;  // per MHz
constexpr double kFrequencyStepLast = 999999.0;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The longest decimal number at the start of text: sign, digits, point, digits, exponent. The
// number of characters it takes; 0 when there is none.
std::size_t DecimalLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

// from_chars takes no "+" sign.
double DecimalValue(std::string_view number)
{
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative) {
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = HUGE_VAL;
    }
    return negative ? -value : value;
}

}  // namespace

std::string FlagText(bool value)
{
    return value ? "1" : "0";
}

std::string FrequencyText(double mhz)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, mhz, std::chars_format::general, 15);
    return std::string(text, result.ptr);
}

std::string RawByteText(std::uint8_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "&H%02X", value);
    return text;
}

std::optional<double> ParseNumber(std::string_view text)
{
    const std::string_view number = TrimBlanks(text);
    if (number.empty() || DecimalLength(number) != number.size()) {
        return std::nullopt;
    }
    const double value = DecimalValue(number);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> ParseFlag(std::string_view text)
{
    const std::optional<double> value = ParseNumber(text);
    if (!value) {
        return std::nullopt;
    }
    return *value != 0.0;
}

std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t first, std::int64_t last)
{
    const std::optional<double> value = ParseNumber(text);
    if (!value) {
        return std::nullopt;
    }
    const double whole = std::nearbyint(*value);
    if (whole < static_cast<double>(first) || whole > static_cast<double>(last)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(whole);
}

std::optional<double> ParseFrequency(std::string_view text)
{
    const std::optional<double> value = ParseNumber(text);
    if (!value || *value == 0.0) {
        return value;
    }
    const double steps = std::nearbyint((*value - kFrequencyBase) * kFrequencySteps);
    if (steps < 1.0 || steps > kFrequencyStepLast) {
        return std::nullopt;
    }
    return value;
}

double LeadingNumber(std::string_view text)
{
    std::string compact;
    for (const char c : text) {
        if (c != ' ') {
            compact += c;
        }
    }
    if (compact.size() >= 2 && compact[0] == '&' && (compact[1] == 'H' || compact[1] == 'h')) {
        std::uint64_t value = 0;
        const auto result = std::from_chars(compact.data() + 2, compact.data() + compact.size(), value, 16);
        return result.ec == std::errc::result_out_of_range ? HUGE_VAL : static_cast<double>(value);
    }
    const std::size_t length = DecimalLength(compact);
    if (length == 0) {
        return 0.0;
    }
    return DecimalValue(std::string_view(compact).substr(0, length));
}

}  // namespace kelpie
