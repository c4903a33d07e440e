// Text.h — letter case as the radio and the file names know it: ASCII letters only.
#pragma once

#include <string>
#include <string_view>

namespace kelpie {

std::string ToUpper(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace kelpie
