// TextTests.cpp — record bytes against the windows' UTF-8 text.
#include <gtest/gtest.h>

#include "model/Text.h"

namespace kelpie {
namespace {

TEST(Text, Windows1252BytesAndUtf8TextConvertBothWaysAndUnheldCharactersBecomeQuestionMarks)
{
    struct Case
    {
        std::string bytes;
        std::string utf8;
        bool roundTrip;  // false: the UTF-8 side holds what the bytes cannot, only that way is checked
    };
    const Case cases[] = {
        {"DISTRESS 16", "DISTRESS 16", true},
        {"CAF\xE9", "CAF\u00E9", true},
        {"\x80\x8A\x9F", "\u20AC\u0160\u0178", true},  // the letters and signs of 0x80..0x9F
        // The unassigned bytes keep their number.
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D", true},
        {"\xA0\xFF", "\u00A0\u00FF", true},
        {"A?B?", "A\u0100B\U0001F6A2", false},  // beyond Windows-1252, one '?' a character
        // Malformed UTF-8, one '?' a byte: leads without their continuations, a cut three-byte
        // sequence, an overlong '/', a surrogate.
        {"??x????", "\xC3\xC3x\xE2\x82\xC0\xAF", false},
        {"???", "\xED\xA0\x80", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Windows1252FromUtf8(c.utf8), c.bytes) << c.utf8;
        if (c.roundTrip) {
            EXPECT_EQ(Utf8FromWindows1252(c.bytes), c.utf8) << c.bytes;
        }
    }
}

}  // namespace
}  // namespace kelpie
