// Format.h — numbers formatted with the picture patterns the program uses.
#pragma once

#include <string>
#include <string_view>

namespace kelpie {

// "0" a digit always shown, "#" a digit shown only when significant, "." the decimal point, any
// other character copied. The value is rounded, half away from zero, to the decimals the pattern
// shows. A negative value gets a leading "-". Format(5, "00") is "05", Format(156.05, "000.000")
// "156.050", Format(-5, "#0.00") "-5.00".
std::string Format(double value, std::string_view pattern);

}  // namespace kelpie
