// Format.cpp — picture-pattern number formatting.
#include "model/Format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kelpie {

namespace {

bool IsPlaceholder(char c)
{
    return c == '0' || c == '#';
}

// The decimal digits of |value| rounded to `decimals` places: integer digits without leading
// zeros (empty for zero) and exactly `decimals` fraction digits. The value is first taken to 15
// significant digits, as a double holds them, so 156.0125 rounds to 156.013 and not down.
void RoundedDigits(double value, int decimals, std::string& integer, std::string& fraction)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    // text is "d.dddddddddddddde[+-]xx"
    std::string digits;
    const char* p = text;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            digits += *p;
        }
    }
    const int exponent = std::atoi(p + 1);
    // digits[0] has place value 10^exponent. Lay them out with `point` digits before the point.
    int point = exponent + 1;
    if (point <= 0) {
        digits.insert(0, static_cast<std::size_t>(1 - point), '0');
        point = 1;
    }
    const int wanted = point + decimals;
    if (static_cast<int>(digits.size()) < wanted + 1) {
        digits.append(static_cast<std::size_t>(wanted + 1 - static_cast<int>(digits.size())), '0');
    }
    const bool roundUp = digits[static_cast<std::size_t>(wanted)] >= '5';
    digits.resize(static_cast<std::size_t>(wanted));
    if (roundUp) {
        int i = wanted - 1;
        for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) {
            digits[static_cast<std::size_t>(i)] = '0';
        }
        if (i >= 0) {
            ++digits[static_cast<std::size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++point;
        }
    }
    integer = digits.substr(0, static_cast<std::size_t>(point));
    fraction = digits.substr(static_cast<std::size_t>(point));
    const auto firstSignificant = integer.find_first_not_of('0');
    integer.erase(0, firstSignificant == std::string::npos ? integer.size() : firstSignificant);
}

}  // namespace

std::string Format(double value, std::string_view pattern)
{
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    const auto pointAt = pattern.find('.');
    const std::string_view integerPattern = pattern.substr(0, pointAt);
    const std::string_view fractionPattern =
        pointAt == std::string_view::npos ? std::string_view{} : pattern.substr(pointAt + 1);

    int decimals = 0;
    for (char c : fractionPattern) {
        decimals += IsPlaceholder(c) ? 1 : 0;
    }
    std::string integer;
    std::string fraction;
    RoundedDigits(value, decimals, integer, fraction);

    // Integer part: placeholders take the digits from the right; digits left over when the
    // placeholders run out go in front of the leftmost placeholder.
    std::string integerText;
    int remaining = static_cast<int>(integer.size());
    std::size_t leftmost = integerPattern.find_first_of("0#");
    for (std::size_t i = integerPattern.size(); i-- > 0;) {
        const char c = integerPattern[i];
        if (!IsPlaceholder(c)) {
            integerText.insert(integerText.begin(), c);
            continue;
        }
        if (remaining > 0) {
            integerText.insert(integerText.begin(), integer[static_cast<std::size_t>(--remaining)]);
        } else if (c == '0') {
            integerText.insert(integerText.begin(), '0');
        }
        if (i == leftmost && remaining > 0) {
            integerText.insert(0, integer.substr(0, static_cast<std::size_t>(remaining)));
            remaining = 0;
        }
    }
    if (leftmost == std::string_view::npos) {
        integerText = integer + integerText;
    }

    // Fraction part: "#" places drop trailing zeros.
    std::string fractionText;
    std::size_t digit = 0;
    for (char c : fractionPattern) {
        fractionText += IsPlaceholder(c) ? fraction[digit++] : c;
    }
    for (std::size_t i = fractionPattern.size(); i-- > 0;) {
        if (fractionPattern[i] != '#' || fractionText[i] != '0') {
            break;
        }
        fractionText.erase(i, 1);
    }

    std::string text = integerText;
    if (pointAt != std::string_view::npos) {
        text += '.';
        text += fractionText;
    }
    const bool isZero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !isZero) {
        text.insert(text.begin(), '-');
    }
    return text;
}

}  // namespace kelpie
