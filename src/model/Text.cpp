// Text.cpp — ASCII letter case, and Windows-1252 against UTF-8.
#include "model/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kelpie {

namespace {

char UpperChar(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The characters of bytes 0x80..0x9F; every other byte is the character of its own number.
constexpr std::array<char32_t, 32> kHighControls = {
    U'\u20AC', U'\u0081', U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', U'\u008D', U'\u017D', U'\u008F',
    U'\u0090', U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', U'\u009D', U'\u017E', U'\u0178'};

constexpr char kUnheld = '?';

char32_t CharacterOf(std::uint8_t byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80u] : char32_t{byte};
}

char ByteOf(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    const auto* found = std::ranges::find(kHighControls, character);
    return found == kHighControls.end() ? kUnheld : static_cast<char>(0x80 + (found - kHighControls.begin()));
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character of the well-formed UTF-8 sequence at the start of `text` and its length in bytes;
// length 0 when the sequence is malformed (a stray continuation byte, a short or overlong
// sequence, a surrogate, beyond U+10FFFF).
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text)
{
    const auto lead = static_cast<std::uint8_t>(text[0]);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1Fu, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0Fu, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07u, least = 0x10000;
    } else {
        return {0, 0};
    }
    if (text.size() < length)
        return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<std::uint8_t>(text[i]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        c = (c << 6) | (next & 0x3Fu);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {0, 0};
    return {c, length};
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

std::string Utf8FromWindows1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes)
        AppendUtf8(out, CharacterOf(static_cast<std::uint8_t>(byte)));
    return out;
}

std::string Windows1252FromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto [character, length] = DecodeUtf8(utf8);
        out += length == 0 ? kUnheld : ByteOf(character);
        utf8.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return out;
}

}  // namespace kelpie
