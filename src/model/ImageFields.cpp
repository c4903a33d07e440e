// ImageFields.cpp — texts stored one byte per character.
#include "model/ImageFields.h"

#include "model/ValueTables.h"

namespace kelpie {

std::string ReadText(const RadioImage& image, int address, int length)
{
    std::string text;
    for (int i = 0; i < length; ++i) {
        const auto c = ReadCharacter(image[address + i]);
        if (!c) {
            break;
        }
        text += *c;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void WriteText(RadioImage& image, int address, std::string_view text, int length, bool pad)
{
    for (int i = 0; i < length; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (at < text.size()) {
            image[address + i] = NameByte(text[at]);
        } else {
            image[address + i] = pad ? NameByte(' ') : 0xFF;
        }
    }
}

}  // namespace kelpie
