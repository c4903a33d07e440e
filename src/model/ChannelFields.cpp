// ChannelFields.cpp — the table of channel fields and where their bits are.
#include "model/ChannelFields.h"

#include <algorithm>
#include <type_traits>

#include "model/Converters.h"
#include "model/Models.h"

namespace kelpie {

namespace {

using R = ChannelRecord;

constexpr unsigned kEveryBank = kMarineBank | kWeatherBank | kBankE;
constexpr unsigned kChannelBanks = kMarineBank | kBankE;

// A DCS value stores its code (less 104 when inverted) in a byte whose 0xFF means no code.
constexpr std::int64_t kDcsValueLast = 104 + 254;

// The key's places in the marine, weather and bank E sections, the models whose files carry it
// and the largest integer the reader takes (0: what the bits hold).
constexpr ChannelKey Keyed(int marine, int weather, int bankE, ModelPredicate filed = nullptr,
                           std::int64_t last = 0)
{
    return {marine, weather, bankE, false, filed, last};
}
constexpr ChannelKey Hashed(ChannelKey key)
{
    key.Hashed = true;
    return key;
}
constexpr ChannelKey kNoKey{};

// A field in one or two parts of the entry or record, or in none.
constexpr std::array<RecordPart, 2> kNoParts{};
constexpr std::array<RecordPart, 2> Parts(RecordPart first, RecordPart second = {})
{
    return {first, second};
}

// The record member's value in the words of the listing.
template <auto Member, auto Text>
std::string Shown(const R& ch, int)
{
    return Text(ch.*Member);
}
std::string Slot(const R& ch, int model)
{
    return ChannelLabel(ch.Position, model);
}
std::string Number(int value)
{
    return std::to_string(value);
}

using P = ChannelPlace;

// In the compare's order; the runs of bits no field holds last.
constexpr ChannelField kFields[] = {
    {"Position", &R::Position, P::None, kNoParts, 0, kMarineBank, nullptr, nullptr, false, "channel", &Slot,
     kNoKey},
    {"Enable", &R::Enable, P::EnableBits, kNoParts, 0, kEveryBank, nullptr, nullptr, false, "enabled",
     &Shown<&R::Enable, OnOffText>, Keyed(1, 1, 1)},
    {"CHDisplayL", &R::CHDisplayL, P::Record, Parts(kDisplayLeftPart), 1, kBankE, nullptr, nullptr, false,
     "display left", &Shown<&R::CHDisplayL, BlankDashText>, Keyed(0, 0, 2)},
    {"CHDisplayR", &R::CHDisplayR, P::Record, Parts(kDisplayRightPart), 1, kBankE, nullptr, nullptr, false,
     "display right", &Shown<&R::CHDisplayR, BlankDashText>, Keyed(0, 0, 3)},
    {"Rxfreq", &R::Rxfreq, P::Record, Parts(kRxFreqPart), 1, kBankE, nullptr, nullptr, false, "RX",
     &Shown<&R::Rxfreq, FreqText4>, Keyed(0, 0, 4)},
    {"Txfreq", &R::Txfreq, P::Record, Parts(kTxFreqPart), 1, kBankE, nullptr, nullptr, false, "TX",
     &Shown<&R::Txfreq, FreqText4>, Keyed(0, 0, 5)},
    {"TxEnable", &R::TxEnable, P::Record, Parts(kModePart), 1, kMarineBank, nullptr, nullptr, true, "TX",
     &Shown<&R::TxEnable, OnOffText>, Keyed(6, 0, 0)},
    {"LowPower", &R::LowPower, P::Record, Parts(kModePart), 1, kChannelBanks, nullptr, nullptr, true,
     "low power", &Shown<&R::LowPower, OnOffText>, Keyed(2, 0, 6)},
    {"TXPower", &R::TXPower, P::Record, Parts(kModePart), 1, kChannelBanks, nullptr, nullptr, false,
     "TX power", &Shown<&R::TXPower, Number>, Keyed(3, 0, 7)},
    {"PowUp", &R::PowUp, P::Record, Parts(kPowUpPart), 1, kChannelBanks, nullptr, nullptr, false, "power up",
     &Shown<&R::PowUp, OnOffText>, Keyed(4, 0, 8)},
    {"Duplex", &R::Duplex, P::Record, Parts(kDuplexPart), 1, kMarineBank, nullptr, nullptr, false, "duplex",
     &Shown<&R::Duplex, OnOffText>, Keyed(5, 0, 0)},
    {"DispayA", &R::DispayA, P::None, kNoParts, 0, kMarineBank, nullptr, nullptr, false, "A suffix",
     &Shown<&R::DispayA, OnOffText>, Keyed(7, 0, 0)},
    {"ClockShift", &R::ClockShift, P::Record, Parts(kDuplexPart), 1, kBankE, nullptr, nullptr, false,
     "clock shift", &Shown<&R::ClockShift, OnOffText>, Keyed(0, 0, 10)},
    {"ScanMemory", &R::ScanMemory, P::ScanBits, kNoParts, 0, kEveryBank, nullptr, nullptr, false,
     "scan memory", &Shown<&R::ScanMemory, OnOffText>, Keyed(8, 2, 9)},
    // Every image keeps a scrambler code; the compare shows it where the pages offer it.
    {"Scramble", &R::Scramble, P::Record, Parts(kScramblePart), 1, kMarineBank, nullptr, &HasChannelNames,
     false, "scrambler", &Shown<&R::Scramble, ScrambleText>, Keyed(9, 0, 0)},
    {"Scramble", &R::Scramble, P::Record, Parts(kScramblePart), 1, kBankE, nullptr, &HasLmrBank, false,
     "scrambler", &Shown<&R::Scramble, ScrambleText>, Keyed(0, 0, 11)},
    // Every model's file carries the weather channels' names; the other banks' only where the
    // model has names.
    {"ChTag", &R::ChTag, P::Names, kNoParts, 0, kChannelBanks, &HasChannelNames, &HasChannelNames, false,
     "name", &Shown<&R::ChTag, BlankDashText>, Hashed(Keyed(10, 0, 12, &HasChannelNames))},
    {"ChTag", &R::ChTag, P::Names, kNoParts, 0, kWeatherBank, &HasChannelNames, &HasChannelNames, false,
     "name", &Shown<&R::ChTag, BlankDashText>, Hashed(Keyed(0, 3, 0))},
    {"Narrow", &R::Narrow, P::Record, Parts(kNarrowPart), 1, kBankE, nullptr, &HasLmrBank, false, "narrow",
     &Shown<&R::Narrow, OnOffText>, Keyed(0, 0, 13, &HasLmrBank)},
    {"RxCTCSS", &R::RxCTCSS, P::Record, Parts(kRxCtcssHighPart, kRxCtcssLowPart), 2, kBankE, &HasToneBlock,
     &HasLmrBank, false, "RX CTCSS", &Shown<&R::RxCTCSS, CtcssName>, Keyed(0, 0, 18, &HasLmrBank)},
    {"TxCTCSS", &R::TxCTCSS, P::Record, Parts(kTxCtcssPart), 1, kBankE, &HasToneBlock, &HasLmrBank, false,
     "TX CTCSS", &Shown<&R::TxCTCSS, CtcssName>, Keyed(0, 0, 17, &HasLmrBank)},
    {"RxDCS", &R::RxDCS, P::Record, Parts(kRxDcsCodePart, kRxModePart), 2, kBankE, &HasToneBlock, &HasLmrBank,
     false, "RX DCS", &Shown<&R::RxDCS, DcsName>, Keyed(0, 0, 15, &HasLmrBank, kDcsValueLast)},
    {"TxDCS", &R::TxDCS, P::Record, Parts(kTxDcsCodePart, kTxDcsInvertedPart), 2, kBankE, &HasToneBlock,
     &HasLmrBank, false, "TX DCS", &Shown<&R::TxDCS, DcsName>, Keyed(0, 0, 14, &HasLmrBank, kDcsValueLast)},
    {"RxComp", &R::RxComp, P::Record, Parts(kRxModePart), 1, kBankE, &HasToneBlock, &HasLmrBank, false,
     "compander", &Shown<&R::RxComp, OnOffText>, Keyed(0, 0, 16, &HasLmrBank)},
    // Bits no record member holds; a compare counts them with their channel all the same. The
    // second byte of a marine entry is the radio's: the codec never writes it.
    {"written 0",
     {},
     P::Record,
     Parts(kMarineSpareBit),
     1,
     kMarineBank,
     nullptr,
     nullptr,
     false,
     nullptr,
     nullptr,
     kNoKey},
    {"never written",
     {},
     P::Record,
     Parts(kMarineSecondByte),
     1,
     kMarineBank,
     nullptr,
     nullptr,
     false,
     nullptr,
     nullptr,
     kNoKey},
    {"written 0",
     {},
     P::Record,
     Parts(kToneSparePart),
     1,
     kBankE,
     &HasToneBlock,
     nullptr,
     false,
     nullptr,
     nullptr,
     kNoKey},
};

// The fields of the flags byte that starts a marine entry and a bank E record and hold their member
// as it stands: every row there but the views of other bits. Gathered from the table when
// compiling and kept by the member's type, so that reading and writing them costs what it would
// written out by hand.
constexpr bool InFlagsByte(const ChannelField& f, BankKind kind)
{
    const RecordPart part = f.Parts[0];
    return f.Label != nullptr && f.Place == ChannelPlace::Record && !f.View && (f.Banks & kind) != 0 &&
           f.PartCount == 1 && part.Offset == 0 && !part.InToneBlock;
}

template <typename Value>
struct FlagsMember
{
    Value ChannelRecord::*Member;
    unsigned Shift;  // of the part's lowest bit
    unsigned Mask;   // of its value
};

template <typename Value, BankKind Kind>
constexpr auto FlagsMembers()
{
    constexpr auto held = [](const ChannelField& f) {
        return InFlagsByte(f, Kind) && std::holds_alternative<Value ChannelRecord::*>(f.Member);
    };
    constexpr std::size_t count = static_cast<std::size_t>(std::ranges::count_if(kFields, held));
    std::array<FlagsMember<Value>, count> members{};
    std::size_t i = 0;
    for (const ChannelField& f : kFields) {
        if (held(f)) {
            const RecordPart part = f.Parts[0];
            members[i++] = {std::get<Value ChannelRecord::*>(f.Member),
                            static_cast<unsigned>(part.Top - part.Width + 1), (1u << part.Width) - 1};
        }
    }
    return members;
}

template <BankKind Kind>
struct FlagsByte
{
    static constexpr auto Flags = FlagsMembers<bool, Kind>();
    static constexpr auto Bytes = FlagsMembers<std::uint8_t, Kind>();
    static constexpr auto Numbers = FlagsMembers<std::int16_t, Kind>();

    static void Decode(std::uint8_t b, ChannelRecord& ch)
    {
        DecodeMembers(Flags, b, ch);
        DecodeMembers(Bytes, b, ch);
        DecodeMembers(Numbers, b, ch);
    }
    static std::uint8_t Encode(const ChannelRecord& ch)
    {
        return EncodeMembers(Numbers, EncodeMembers(Bytes, EncodeMembers(Flags, 0, ch), ch), ch);
    }

private:
    template <typename Members>
    static void DecodeMembers(const Members& members, std::uint8_t b, ChannelRecord& ch)
    {
        for (const auto& m : members) {
            ch.*m.Member =
                static_cast<std::remove_reference_t<decltype(ch.*m.Member)>>(b >> m.Shift & m.Mask);
        }
    }
    template <typename Members>
    static std::uint8_t EncodeMembers(const Members& members, std::uint8_t b, const ChannelRecord& ch)
    {
        for (const auto& m : members) {
            const unsigned value = static_cast<unsigned>(ch.*m.Member) & m.Mask;
            b = static_cast<std::uint8_t>((b & ~(m.Mask << m.Shift)) | value << m.Shift);
        }
        return b;
    }
};

}  // namespace

const BankLayout& GroupLayout(int group)
{
    static constexpr std::array<const BankLayout*, kGroupCount> kGroups{&kUsaLayout, &kIntlLayout,
                                                                        &kCanadaLayout, &kExpLayout};
    return *kGroups.at(static_cast<std::size_t>(group));
}

std::span<const ChannelField> ChannelFields()
{
    return kFields;
}

void DecodeFlagsByte(std::uint8_t byte, ChannelRecord& record, BankKind kind)
{
    if (kind == kMarineBank) {
        FlagsByte<kMarineBank>::Decode(byte, record);
    } else {
        FlagsByte<kBankE>::Decode(byte, record);
    }
}

std::uint8_t EncodeFlagsByte(const ChannelRecord& record, BankKind kind)
{
    return kind == kMarineBank ? FlagsByte<kMarineBank>::Encode(record) : FlagsByte<kBankE>::Encode(record);
}

bool IsStored(const ChannelField& field, BankKind kind, int modelIndex)
{
    return (field.Banks & kind) != 0 && field.Place != ChannelPlace::None && IsOn(field.Stored, modelIndex);
}

int PartAddress(const BankLayout& layout, RecordPart part, int channel, int modelIndex)
{
    const int record = layout.Entries + layout.EntrySize * channel;
    return record + part.Offset + (part.InToneBlock ? ToneBlockOffset(modelIndex) : 0);
}

void AddChannelBits(std::span<std::uint8_t, kImageSize> bits, int modelIndex)
{
    const auto mark = [&](int address, std::uint8_t mask) {
        bits[static_cast<std::size_t>(address)] |= mask;
    };
    for (const BankLayout* layout : kBankLayouts) {
        for (const ChannelField& field : ChannelFields()) {
            for (int k = 0; k < layout->Count; ++k) {
                ForEachFieldBit(field, *layout, k, modelIndex, mark);
            }
        }
    }
}

}  // namespace kelpie
