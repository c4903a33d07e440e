// ChannelFields.h — the channel banks and the fields of a channel described once: where each bank
// keeps its enable and scan bits, its names and its entries, where each field lives in them, the
// banks and models that keep it, the compare's words for it and its key in the data file. The
// channel codec, the data file, the compare, the memory map and the pre-write check read this
// description.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "model/ImageFields.h"
#include "model/RadioData.h"
#include "model/SettingsFields.h"

namespace kelpie {

// The three record layouts, as bits of a set: the marine banks share one.
enum BankKind : unsigned {
    kMarineBank = 1,
    kWeatherBank = 2,
    kBankE = 4
};

// Where a bank lives in the image. The bit runs hold one bit a channel, the first channel in bit 7
// of the first byte; names are kNameLength bytes a channel; entries (marine) or records (bank E)
// EntrySize bytes a channel.
struct BankLayout
{
    const char* Member;  // the bank's records, as the code names them
    const char* Name;    // the listing's name of the bank; bank E is named after the model
    BankKind Kind;
    ChannelBank RadioData::*Records;
    int EnableBits;
    int ScanBits;
    int Names;
    int Entries;  // 0: the bank has none
    int EntrySize;
    int Count;  // channels
};

constexpr int kNameLength = 12;
constexpr int kMarineEntrySize = 2;
constexpr int kBankERecordSize = 16;
constexpr int kToneBlockSize = 4;

constexpr BankLayout kUsaLayout{
    "UsaChannels", "USA",  kMarineBank, &RadioData::UsaChannels, 0x0100,
    0x0120,        0x0C00, 0x0300,      kMarineEntrySize,        kMarineChannelCount};
constexpr BankLayout kIntlLayout{
    "IntlChannels", "INTL", kMarineBank, &RadioData::IntlChannels, 0x0140,
    0x0160,         0x1740, 0x0500,      kMarineEntrySize,         kMarineChannelCount};
constexpr BankLayout kCanadaLayout{
    "CanadaChannels", "Canada", kMarineBank, &RadioData::CanadaChannels, 0x0180,
    0x01A0,           0x2280,   0x0700,      kMarineEntrySize,           kMarineChannelCount};
constexpr BankLayout kWxLayout{
    "WxChannels", "WX", kWeatherBank, &RadioData::WxChannels, 0x01C0, 0x01D0, 0x2DC0, 0, 0, kWxChannelCount};
constexpr BankLayout kExpLayout{"ExpChannels", nullptr, kBankE, &RadioData::ExpChannels, 0x01C2,
                                0x01D2,        0x2E40,  0x0900, kBankERecordSize,        kExpChannelCount};

// Every bank in the codec's order.
constexpr std::array<const BankLayout*, 5> kBankLayouts{&kUsaLayout, &kIntlLayout, &kCanadaLayout, &kWxLayout,
                                                        &kExpLayout};

// The layout of channel group g (0..3: USA, INTL, Canada, bank E).
const BankLayout& GroupLayout(int group);

// Bytes of one bit a channel.
constexpr int BitBytes(const BankLayout& layout)
{
    return (layout.Count + 7) / 8;
}

// A run of bits of a channel's entry or record: Width bits of the byte at Offset, the most
// significant at Top, or Length whole bytes from Offset. Offsets in the tone block count from its
// start, which the model places in the record.
struct RecordPart
{
    int Offset;
    int Top = 7;
    int Width = 8;
    int Length = 1;
    bool InToneBlock = false;
};

// The flags byte that starts a marine entry and a bank E record.
constexpr RecordPart kModePart{0, 7, 2};    // transmit mode
constexpr RecordPart kDuplexPart{0, 5, 1};  // marine: Duplex; bank E: ClockShift
constexpr RecordPart kPowUpPart{0, 4, 1};
constexpr RecordPart kScramblePart{0, 3, 3};
constexpr RecordPart kNarrowPart{0, 0, 1};      // bank E
constexpr RecordPart kMarineSpareBit{0, 0, 1};  // written 0
constexpr RecordPart kMarineSecondByte{1};      // the radio's: never written
// The rest of a bank E record.
constexpr RecordPart kDisplayLeftPart{1, 7, 8, 2};
constexpr RecordPart kDisplayRightPart{3, 7, 8, 2};
constexpr RecordPart kRxFreqPart{5, 7, 8, 3};
constexpr RecordPart kTxFreqPart{8, 7, 8, 3};
// The tone block.
constexpr RecordPart kTxDcsInvertedPart{0, 7, 1, 1, true};
constexpr RecordPart kToneSparePart{0, 6, 1, 1, true};    // written 0
constexpr RecordPart kRxModePart{0, 5, 2, 1, true};       // normal or inverted RxDCS, or the compander
constexpr RecordPart kRxCtcssHighPart{0, 3, 4, 1, true};  // RxCTCSS bits 5–2
constexpr RecordPart kRxCtcssLowPart{1, 7, 2, 1, true};   // RxCTCSS bits 1–0
constexpr RecordPart kTxCtcssPart{1, 5, 6, 1, true};
constexpr RecordPart kRxDcsCodePart{2, 7, 8, 1, true};
constexpr RecordPart kTxDcsCodePart{3, 7, 8, 1, true};

constexpr unsigned GetPart(std::uint8_t byte, RecordPart part)
{
    return GetField(byte, part.Top, part.Width);
}
constexpr std::uint8_t SetPart(std::uint8_t byte, RecordPart part, unsigned value)
{
    return SetField(byte, part.Top, part.Width, value);
}
// The bits of each of the part's bytes that it covers.
constexpr std::uint8_t PartMask(RecordPart part)
{
    return SetField(0, part.Top, part.Width, 0xFF);
}

// Where a channel field lives.
enum class ChannelPlace {
    EnableBits,  // the bank's bit runs
    ScanBits,
    Names,   // the bank's names
    Record,  // the parts of the channel's entry or record
    None     // not in the image: the record alone keeps it
};

// A member of ChannelRecord.
using ChannelMember =
    std::variant<bool ChannelRecord::*, std::uint8_t ChannelRecord::*, std::int16_t ChannelRecord::*,
                 double ChannelRecord::*, std::string ChannelRecord::*>;

// Where a field stands in the data file's channel sections, which list their keys in an order of
// their own for each kind of bank.
struct ChannelKey
{
    // The key's place among the marine, weather and bank E sections' keys, from 1; 0: not there.
    // A marine section's "Position", which picks the record, comes before them all.
    int Marine = 0;
    int Weather = 0;
    int BankE = 0;
    bool Hashed = false;             // written with "#" in front
    ModelPredicate Filed = nullptr;  // the models whose files carry it (nullptr: every model)
    // The largest integer the reader takes; 0: the largest the field's bits hold.
    std::int64_t Last = 0;
};

// One field of a channel, or a run of record bits that no field holds (Label empty).
struct ChannelField
{
    const char* Name;  // the record member (and its data-file key); or what the bits are
    ChannelMember Member;
    ChannelPlace Place;
    std::array<RecordPart, 2> Parts;
    int PartCount;
    unsigned Banks;  // BankKind set
    // The models whose image keeps it (nullptr: every model).
    ModelPredicate Stored;
    // The models whose compare shows it (nullptr: every model).
    ModelPredicate Compared;
    // True when the member follows from another field's bits: TX and low power from the mode.
    bool View;
    // The compare's and listing's word, and the text of the record's value.
    const char* Label;
    std::string (*Text)(const ChannelRecord& record, int modelIndex);
    ChannelKey File;
};

// Every row, in the compare's order.
std::span<const ChannelField> ChannelFields();

// The members of the flags byte that starts a marine entry (kMarineBank) or a bank E record (kBankE)
// that hold their bits as they stand, read or written as the rows describe them; the codec adds
// the transmit mode's views and rules and the duplex rule.
void DecodeFlagsByte(std::uint8_t byte, ChannelRecord& record, BankKind kind);
std::uint8_t EncodeFlagsByte(const ChannelRecord& record, BankKind kind);

// Whether the model's image keeps the field for a bank of the given kind.
bool IsStored(const ChannelField& field, BankKind kind, int modelIndex);

// The image address of a part of channel k's entry or record on the model.
int PartAddress(const BankLayout& layout, RecordPart part, int channel, int modelIndex);

// Calls mark(address, bits) for every image bit of the field that channel k of the bank keeps on
// the model.
template <typename Mark>
void ForEachFieldBit(const ChannelField& field, const BankLayout& layout, int channel, int modelIndex,
                     Mark mark)
{
    if (!IsStored(field, layout.Kind, modelIndex)) {
        return;
    }
    switch (field.Place) {
        case ChannelPlace::EnableBits:
        case ChannelPlace::ScanBits: {
            const int run = field.Place == ChannelPlace::EnableBits ? layout.EnableBits : layout.ScanBits;
            mark(run + channel / 8, static_cast<std::uint8_t>(0x80 >> channel % 8));
            break;
        }
        case ChannelPlace::Names:
            for (int i = 0; i < kNameLength; ++i) {
                mark(layout.Names + kNameLength * channel + i, std::uint8_t{0xFF});
            }
            break;
        case ChannelPlace::Record:
            for (int p = 0; p < field.PartCount; ++p) {
                const RecordPart part = field.Parts[static_cast<std::size_t>(p)];
                const int address = PartAddress(layout, part, channel, modelIndex);
                for (int i = 0; i < part.Length; ++i) {
                    mark(address + i, PartMask(part));
                }
            }
            break;
        case ChannelPlace::None:
            break;
    }
}

// Marks in bits, one byte per image address, the bits of every channel field the model keeps.
void AddChannelBits(std::span<std::uint8_t, kImageSize> bits, int modelIndex);

}  // namespace kelpie
