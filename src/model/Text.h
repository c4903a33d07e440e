// Text.h — text as the radio and its files hold it: ASCII letter case, and the Windows-1252 bytes
// of the records and data files against the UTF-8 text of the windows and the command line.
#pragma once

#include <string>
#include <string_view>

namespace kelpie {

std::string ToUpper(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Record text (Windows-1252 bytes, one byte a character) as UTF-8. The five bytes Windows-1252
// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same
// number, so that every byte comes back unchanged from Windows1252FromUtf8.
std::string Utf8FromWindows1252(std::string_view bytes);
// UTF-8 text as record bytes. A character Windows-1252 cannot hold becomes one '?', and so does
// each byte of a malformed UTF-8 sequence.
std::string Windows1252FromUtf8(std::string_view utf8);

}  // namespace kelpie
