#include "link/Framing.h"

#include <algorithm>

namespace kelpie {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void Append(Bytes& bytes, std::string_view text)
{
    bytes.insert(bytes.end(), text.begin(), text.end());
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

Bytes BuildFrame(std::string_view command, std::string_view f1, std::string_view f2, std::string_view f3)
{
    Bytes frame;
    Append(frame, command);
    frame.push_back(kTab);
    for (std::string_view field : {f1, f2, f3}) {
        if (!field.empty()) {
            Append(frame, field);
            frame.push_back(kTab);
        }
    }
    const std::string_view sofar(reinterpret_cast<const char*>(frame.data()), frame.size());
    Append(frame, HexDigits(FrameChecksum(sofar), 2));
    frame.push_back(kCr);
    frame.push_back(kLf);
    return frame;
}

std::uint8_t FrameChecksum(std::string_view bytes)
{
    std::uint8_t sum = 0;
    for (char c : bytes) {
        sum ^= static_cast<std::uint8_t>(c);
    }
    return sum;
}

bool CheckLineSum(std::string_view line)
{
    if (line.size() < 3) {
        return false;
    }
    const std::optional<unsigned> sum = ParseHex(line.substr(line.size() - 2), 2);
    return sum && *sum == FrameChecksum(line.substr(0, line.size() - 2));
}

std::string HexDigits(unsigned value, int digits)
{
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kHexDigits[value & 0xF];
        value >>= 4;
    }
    return text;
}

std::optional<unsigned> ParseHex(std::string_view text, int width)
{
    if (text.empty() || text.size() > static_cast<std::size_t>(width)) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (char c : text) {
        const int digit = HexValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value << 4 | static_cast<unsigned>(digit);
    }
    return value;
}

std::string ImageHex(const RadioImage& image, int address, int length)
{
    std::string text;
    for (std::uint8_t byte : image.Bytes(address, length)) {
        text += HexDigits(byte, 2);
    }
    return text;
}

bool HexToBytes(std::string_view text, RadioImage& buffer, int address, int length)
{
    if (text.size() < 2 * static_cast<std::size_t>(length)) {
        return false;
    }
    Bytes decoded;
    for (int i = 0; i < length; ++i) {
        const std::optional<unsigned> byte = ParseHex(text.substr(2 * static_cast<std::size_t>(i), 2), 2);
        if (!byte) {
            return false;
        }
        decoded.push_back(static_cast<std::uint8_t>(*byte));
    }
    std::copy(decoded.begin(), decoded.end(), buffer.Bytes(address, length).begin());
    return true;
}

std::vector<std::string> SplitAtTabs(std::string_view text)
{
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == static_cast<char>(kTab)) {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    return pieces;
}

}  // namespace kelpie
