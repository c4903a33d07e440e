// FreshImage.cpp — building the fresh image of a model.
#include "model/FreshImage.h"

#include <charconv>
#include <string>

#include "model/ChannelFields.h"
#include "model/ImageLayout.h"
#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

struct FreshBytes
{
    int first;
    int last;
    std::uint8_t value;
};

// The defaults every model's fresh image carries.
constexpr FreshBytes kCommonDefaults[] = {
    {0x0042, 0x0045, 0x00}, {0x0046, 0x0046, 0x01}, {0x0047, 0x0049, 0x00}, {0x004A, 0x004A, 0xFF},
    {0x004B, 0x004B, 0x00}, {0x004C, 0x004C, 0x30}, {0x0050, 0x0050, 0x00}, {0x0051, 0x0051, 0x1E},
    {0x0052, 0x0052, 0x00}, {0x0053, 0x0053, 0x1E}, {0x0054, 0x0054, 0x00}, {0x0055, 0x0055, 0x20},
    {0x0056, 0x0056, 0x00}, {0x0057, 0x0057, 0x20}, {0x0058, 0x0058, 0x00}, {0x0059, 0x0059, 0x20},
    {0x005A, 0x005A, 0xF2}, {0x005B, 0x005B, 0xCE}, {0x005C, 0x005C, 0x00}, {0x005D, 0x005D, 0xBF},
    {0x005E, 0x005E, 0x00}, {0x00A1, 0x00A1, 0x60}, {0x00A2, 0x00A2, 0x10}, {0x00A3, 0x00A3, 0x10},
    {0x00A4, 0x00A4, 0xAC}, {0x00A5, 0x00A5, 0xFE}, {0x00A6, 0x00A6, 0xFF}, {0x00AA, 0x00AF, 0x07},
    {0x00B0, 0x00B1, 0xBC}, {0x00B2, 0x00B7, 0x07}, {0x00B8, 0x00BD, 0x00}, {0x01C2, 0x01C6, 0x00},
    {0x01D2, 0x01D6, 0x00}, {0x01F0, 0x01F4, 0xFF}, {0x01F9, 0x01FF, 0xFF},
};

// Three fixed texts the radio expects in a fresh image; the program never reads them back.
struct FixedText
{
    int address;
    std::array<char, 5> characters;
    int length;
};

constexpr FixedText kFixedTexts[] = {
    {0x0200, {'K', 'E', 'L', 'P', 'I'}, 5},
    {0x0210, {'V', 'H', 'F', 'M'}, 4},
    {0x0220, {'2', '0', '0', '0'}, 4},
};

struct LevelTable
{
    int address;
    std::string_view text;
};

constexpr std::string_view kSquelchCurve = "00,93,AE,C0,C8,D2,DB,E1,E4,EA,ED,F0,F6,F9,FC,FF";
constexpr LevelTable kLevelTables[] = {
    {0x0230, "00,00,10,20,30,40,50,60,70,80,90,A0,B0,C0,D0,FF"},
    {0x0240, kSquelchCurve},
    {0x0250, kSquelchCurve},
    {0x0260, kSquelchCurve},
    {0x0270, "00,08,1C,30,43,57,6B,7B,8C,9C,AA,BC,CB,D8,E0,FF"},
    {0x02F0, "44,50,5C,65,6E,77,80,89,92,9B,A4,AA,B3,B6,BB,C1"},
};

// The default four-digit access code "0000", packed decimal, high nibble first.
constexpr std::array<std::uint8_t, 2> kDefaultAccessCode{0x00, 0x00};

}  // namespace

void FillImage(RadioData& data, bool isFullSize)
{
    data.RadioImage.Fill(0, kImageSize - 1, 0xFF);
    data.ImageLastAddress = isFullSize ? 0x3FFF : 0x1FFF;
}

std::optional<std::array<std::uint8_t, 16>> ParseLevelTable(std::string_view text)
{
    std::array<std::uint8_t, 16> table{};
    std::size_t count = 0;
    for (;;) {
        const auto comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        unsigned value = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value, 16);
        if (error != std::errc{} || end != item.data() + item.size() || item.size() != 2 || count == 16) {
            return std::nullopt;
        }
        table[count++] = static_cast<std::uint8_t>(value);
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    if (count != 16) {
        return std::nullopt;
    }
    return table;
}

void WriteLevelTable(RadioImage& image, int address, std::string_view text)
{
    if (const auto table = ParseLevelTable(text)) {
        for (std::size_t i = 0; i < table->size(); ++i) {
            image[address + static_cast<int>(i)] = (*table)[i];
        }
    }
}

void SetModelCodeWords(RadioData& data)
{
    const ModelInfo& model = ModelOf(data.ModelIndex);
    data.RadioImage.SetWord(kModelCodeAddress, model.Code);
    data.RadioImage.SetWord(model.LastAddress - 1, model.Code);
}

void WriteFreshImage(RadioData& data)
{
    const ModelInfo& model = ModelOf(data.ModelIndex);
    RadioImage& image = data.RadioImage;

    FillImage(data, model.ImageSize == kImageSize);
    for (const FreshBytes& bytes : kCommonDefaults) {
        image.Fill(bytes.first, bytes.last, bytes.value);
    }
    image[kPermissionCountByte] = 0x00;  // no User MMSI setting used yet
    for (const FixedText& text : kFixedTexts) {
        for (int i = 0; i < text.length; ++i) {
            image[text.address + i] = static_cast<std::uint8_t>(text.characters[static_cast<std::size_t>(i)]);
        }
    }
    for (const LevelTable& table : kLevelTables) {
        WriteLevelTable(image, table.address, table.text);
    }
    image.Fill(kExpLayout.Entries, kExpLayout.Entries + kBankERecordSize * kExpLayout.Count - 1, 0x00);

    SetModelCodeWords(data);
    if (const int byte004D = FeaturesOf(data.ModelIndex).freshByte004D; byte004D >= 0) {
        image[0x004D] = static_cast<std::uint8_t>(byte004D);
    }
    if (HasAccessCode(data.ModelIndex)) {
        image[kOptionByte] &= static_cast<std::uint8_t>(~(1u << kAccessCodeOnOffBit));
        image[kAccessCodeAddress] = kDefaultAccessCode[0];
        image[kAccessCodeAddress + 1] = kDefaultAccessCode[1];
    }
}

}  // namespace kelpie
