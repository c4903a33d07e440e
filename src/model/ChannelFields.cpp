// ChannelFields.cpp — the table of channel fields and where their bits are.
#include "model/ChannelFields.h"

#include "model/Converters.h"
#include "model/Models.h"

namespace kelpie {

namespace {

using R = ChannelRecord;

constexpr unsigned kEveryBank = kMarineBank | kWeatherBank | kBankE;
constexpr unsigned kChannelBanks = kMarineBank | kBankE;

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
    {"Position", &R::Position, P::None, kNoParts, 0, kMarineBank, nullptr, nullptr, false, "channel", &Slot},
    {"Enable", &R::Enable, P::EnableBits, kNoParts, 0, kEveryBank, nullptr, nullptr, false, "enabled",
     &Shown<&R::Enable, OnOffText>},
    {"CHDisplayL", &R::CHDisplayL, P::Record, Parts(kDisplayLeftPart), 1, kBankE, nullptr, nullptr, false,
     "display left", &Shown<&R::CHDisplayL, BlankDashText>},
    {"CHDisplayR", &R::CHDisplayR, P::Record, Parts(kDisplayRightPart), 1, kBankE, nullptr, nullptr, false,
     "display right", &Shown<&R::CHDisplayR, BlankDashText>},
    {"Rxfreq", &R::Rxfreq, P::Record, Parts(kRxFreqPart), 1, kBankE, nullptr, nullptr, false, "RX",
     &Shown<&R::Rxfreq, FreqText4>},
    {"Txfreq", &R::Txfreq, P::Record, Parts(kTxFreqPart), 1, kBankE, nullptr, nullptr, false, "TX",
     &Shown<&R::Txfreq, FreqText4>},
    {"TxEnable", &R::TxEnable, P::Record, Parts(kModePart), 1, kMarineBank, nullptr, nullptr, true, "TX",
     &Shown<&R::TxEnable, OnOffText>},
    {"LowPower", &R::LowPower, P::Record, Parts(kModePart), 1, kChannelBanks, nullptr, nullptr, true,
     "low power", &Shown<&R::LowPower, OnOffText>},
    {"TXPower", &R::TXPower, P::Record, Parts(kModePart), 1, kChannelBanks, nullptr, nullptr, false,
     "TX power", &Shown<&R::TXPower, Number>},
    {"PowUp", &R::PowUp, P::Record, Parts(kPowUpPart), 1, kChannelBanks, nullptr, nullptr, false, "power up",
     &Shown<&R::PowUp, OnOffText>},
    {"Duplex", &R::Duplex, P::Record, Parts(kDuplexPart), 1, kMarineBank, nullptr, nullptr, false, "duplex",
     &Shown<&R::Duplex, OnOffText>},
    {"DispayA", &R::DispayA, P::None, kNoParts, 0, kMarineBank, nullptr, nullptr, false, "A suffix",
     &Shown<&R::DispayA, OnOffText>},
    {"ClockShift", &R::ClockShift, P::Record, Parts(kDuplexPart), 1, kBankE, nullptr, nullptr, false,
     "clock shift", &Shown<&R::ClockShift, OnOffText>},
    {"ScanMemory", &R::ScanMemory, P::ScanBits, kNoParts, 0, kEveryBank, nullptr, nullptr, false,
     "scan memory", &Shown<&R::ScanMemory, OnOffText>},
    // Every image keeps a scrambler code; the compare shows it where the pages offer it.
    {"Scramble", &R::Scramble, P::Record, Parts(kScramblePart), 1, kMarineBank, nullptr, &HasChannelNames,
     false, "scrambler", &Shown<&R::Scramble, ScrambleText>},
    {"Scramble", &R::Scramble, P::Record, Parts(kScramblePart), 1, kBankE, nullptr, &HasLmrBank, false,
     "scrambler", &Shown<&R::Scramble, ScrambleText>},
    {"ChTag", &R::ChTag, P::Names, kNoParts, 0, kEveryBank, &HasChannelNames, &HasChannelNames, false, "name",
     &Shown<&R::ChTag, BlankDashText>},
    {"Narrow", &R::Narrow, P::Record, Parts(kNarrowPart), 1, kBankE, nullptr, &HasLmrBank, false, "narrow",
     &Shown<&R::Narrow, OnOffText>},
    {"RxCTCSS", &R::RxCTCSS, P::Record, Parts(kRxCtcssHighPart, kRxCtcssLowPart), 2, kBankE, &HasToneBlock,
     &HasLmrBank, false, "RX CTCSS", &Shown<&R::RxCTCSS, CtcssName>},
    {"TxCTCSS", &R::TxCTCSS, P::Record, Parts(kTxCtcssPart), 1, kBankE, &HasToneBlock, &HasLmrBank, false,
     "TX CTCSS", &Shown<&R::TxCTCSS, CtcssName>},
    {"RxDCS", &R::RxDCS, P::Record, Parts(kRxDcsCodePart, kRxModePart), 2, kBankE, &HasToneBlock, &HasLmrBank,
     false, "RX DCS", &Shown<&R::RxDCS, DcsName>},
    {"TxDCS", &R::TxDCS, P::Record, Parts(kTxDcsCodePart, kTxDcsInvertedPart), 2, kBankE, &HasToneBlock,
     &HasLmrBank, false, "TX DCS", &Shown<&R::TxDCS, DcsName>},
    {"RxComp", &R::RxComp, P::Record, Parts(kRxModePart), 1, kBankE, &HasToneBlock, &HasLmrBank, false,
     "compander", &Shown<&R::RxComp, OnOffText>},
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
     nullptr},
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
     nullptr},
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
     nullptr},
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
