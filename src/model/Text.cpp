// Text.cpp — ASCII letter case.
#include "model/Text.h"

#include <algorithm>

namespace kelpie {

namespace {

char UpperChar(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string ToUpper(std::string_view text)
{
    std::string upper(text);
    std::ranges::transform(upper, upper.begin(), UpperChar);
    return upper;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return UpperChar(x) == UpperChar(y); });
}

}  // namespace kelpie
