// ChannelFields.cpp — the table of channel fields and where their bits are.
#include "model/ChannelFields.h"

#include "model/Converters.h"
#include "model/Models.h"

namespace kelpie {

namespace {

using R = ChannelRecord;

constexpr unsigned kEveryBank = kMarineBank | kWeatherBank | kBankE;
constexpr unsigned kChannelBanks = kMarineBank | kBankE;

// A field in one or two parts of the entry or record.
constexpr std::array<RecordPart, 2> Parts(RecordPart first, RecordPart second = {})
{
    return {first, second};
}

template <auto Member>
std::string OnOff(const R& ch, int)
{
    return OnOffText(ch.*Member);
}
template <auto Member>
std::string BlankDash(const R& ch, int)
{
    return BlankDashText(ch.*Member);
}
template <auto Member>
std::string Frequency(const R& ch, int)
{
    return FreqText4(ch.*Member);
}
std::string Slot(const R& ch, int model)
{
    return ChannelLabel(ch.Position, model);
}
std::string Mode(const R& ch, int)
{
    return std::to_string(ch.TXPower);
}
std::string Scrambler(const R& ch, int)
{
    return ScrambleText(ch.Scramble);
}
template <auto Member>
std::string Ctcss(const R& ch, int)
{
    return CtcssName(ch.*Member);
}
template <auto Member>
std::string Dcs(const R& ch, int)
{
    return DcsName(ch.*Member);
}

using P = ChannelPlace;

// In the compare's order; the runs of bits no field holds last.
constexpr ChannelField kFields[] = {
    {"Position", &R::Position, P::None, {}, 0, kMarineBank, nullptr, nullptr, false, "channel", &Slot},
    {"Enable",
     &R::Enable,
     P::EnableBits,
     {},
     0,
     kEveryBank,
     nullptr,
     nullptr,
     false,
     "enabled",
     &OnOff<&R::Enable>},
    {"CHDisplayL", &R::CHDisplayL, P::Record, Parts(kDisplayLeftPart), 1, kBankE, nullptr, nullptr, false,
     "display left", &BlankDash<&R::CHDisplayL>},
    {"CHDisplayR", &R::CHDisplayR, P::Record, Parts(kDisplayRightPart), 1, kBankE, nullptr, nullptr, false,
     "display right", &BlankDash<&R::CHDisplayR>},
    {"Rxfreq", &R::Rxfreq, P::Record, Parts(kRxFreqPart), 1, kBankE, nullptr, nullptr, false, "RX",
     &Frequency<&R::Rxfreq>},
    {"Txfreq", &R::Txfreq, P::Record, Parts(kTxFreqPart), 1, kBankE, nullptr, nullptr, false, "TX",
     &Frequency<&R::Txfreq>},
    {"TxEnable", &R::TxEnable, P::Record, Parts(kModePart), 1, kMarineBank, nullptr, nullptr, true, "TX",
     &OnOff<&R::TxEnable>},
    {"LowPower", &R::LowPower, P::Record, Parts(kModePart), 1, kChannelBanks, nullptr, nullptr, true,
     "low power", &OnOff<&R::LowPower>},
    {"TXPower", &R::TXPower, P::Record, Parts(kModePart), 1, kChannelBanks, nullptr, nullptr, false,
     "TX power", &Mode},
    {"PowUp", &R::PowUp, P::Record, Parts(kPowUpPart), 1, kChannelBanks, nullptr, nullptr, false, "power up",
     &OnOff<&R::PowUp>},
    {"Duplex", &R::Duplex, P::Record, Parts(kDuplexPart), 1, kMarineBank, nullptr, nullptr, false, "duplex",
     &OnOff<&R::Duplex>},
    {"DispayA",
     &R::DispayA,
     P::None,
     {},
     0,
     kMarineBank,
     nullptr,
     nullptr,
     false,
     "A suffix",
     &OnOff<&R::DispayA>},
    {"ClockShift", &R::ClockShift, P::Record, Parts(kDuplexPart), 1, kBankE, nullptr, nullptr, false,
     "clock shift", &OnOff<&R::ClockShift>},
    {"ScanMemory",
     &R::ScanMemory,
     P::ScanBits,
     {},
     0,
     kEveryBank,
     nullptr,
     nullptr,
     false,
     "scan memory",
     &OnOff<&R::ScanMemory>},
    // Every image keeps a scrambler code; the compare shows it where the pages offer it.
    {"Scramble", &R::Scramble, P::Record, Parts(kScramblePart), 1, kMarineBank, nullptr, &HasChannelNames,
     false, "scrambler", &Scrambler},
    {"Scramble", &R::Scramble, P::Record, Parts(kScramblePart), 1, kBankE, nullptr, &HasLmrBank, false,
     "scrambler", &Scrambler},
    {"ChTag",
     &R::ChTag,
     P::Names,
     {},
     0,
     kEveryBank,
     &HasChannelNames,
     &HasChannelNames,
     false,
     "name",
     &BlankDash<&R::ChTag>},
    {"Narrow", &R::Narrow, P::Record, Parts(kNarrowPart), 1, kBankE, nullptr, &HasLmrBank, false, "narrow",
     &OnOff<&R::Narrow>},
    {"RxCTCSS", &R::RxCTCSS, P::Record, Parts(kRxCtcssHighPart, kRxCtcssLowPart), 2, kBankE, &HasToneBlock,
     &HasLmrBank, false, "RX CTCSS", &Ctcss<&R::RxCTCSS>},
    {"TxCTCSS", &R::TxCTCSS, P::Record, Parts(kTxCtcssPart), 1, kBankE, &HasToneBlock, &HasLmrBank, false,
     "TX CTCSS", &Ctcss<&R::TxCTCSS>},
    {"RxDCS", &R::RxDCS, P::Record, Parts(kRxDcsCodePart, kRxModePart), 2, kBankE, &HasToneBlock, &HasLmrBank,
     false, "RX DCS", &Dcs<&R::RxDCS>},
    {"TxDCS", &R::TxDCS, P::Record, Parts(kTxDcsCodePart, kTxDcsInvertedPart), 2, kBankE, &HasToneBlock,
     &HasLmrBank, false, "TX DCS", &Dcs<&R::TxDCS>},
    {"RxComp", &R::RxComp, P::Record, Parts(kRxModePart), 1, kBankE, &HasToneBlock, &HasLmrBank, false,
     "compander", &OnOff<&R::RxComp>},
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
