#include "files/DataFileLayout.h"

#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

constexpr std::int64_t kByteLast = 255;
// A combined channel index is stored as a 16-bit word; a negative one means no channel.
constexpr std::int64_t kChannelIndexFirst = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kChannelIndexLast = 65535;

// The largest value each field of the image holds: transmit modes 0..3 fill two bits, a
// scrambler code three, a CTCSS tone six; a DCS value stores its code (less 104 when inverted) in
// a byte whose 0xFF means no code; the squelch level fills a nibble, the weather alert and the
// resume time two bits, the magnetic variation one; the offset time is an index 0..kOffsetLast.
constexpr std::int64_t kTransmitModeLast = 3;
constexpr std::int64_t kScrambleLast = 7;
constexpr std::int64_t kCtcssFieldLast = 63;
constexpr std::int64_t kDcsValueLast = 104 + 254;
constexpr std::int64_t kSqlLast = 15;
constexpr std::int64_t kTwoBitsLast = 3;

using R = ChannelRecord;
constexpr RecordKey kTxPowerKey{"TXPower", &R::TXPower, false, 0, kTransmitModeLast};

constexpr std::int64_t kInt16First = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t kInt16Last = std::numeric_limits<std::int16_t>::max();

// Every model's image keeps a scrambler code per channel; the names only where the model has them.
constexpr RecordKey kScrambleKey{"Scramble", &R::Scramble, false, 0, kScrambleLast};
constexpr RecordKey kNameKey{"ChTag", &R::ChTag, true, kInt16First, kInt16Last, &HasChannelNames};

constexpr RecordKey kMarineKeys[] = {
    {"Enable", &R::Enable},
    {"LowPower", &R::LowPower},
    kTxPowerKey,
    {"PowUp", &R::PowUp},
    {"Duplex", &R::Duplex},
    {"TxEnable", &R::TxEnable},
    {"DispayA", &R::DispayA},
    {"ScanMemory", &R::ScanMemory},
    kScrambleKey,
    kNameKey,
};
constexpr RecordKey kWxKeys[] = {
    {"Enable", &R::Enable},
    {"ScanMemory", &R::ScanMemory},
    {"ChTag", &R::ChTag, true},
};
constexpr RecordKey kExpKeys[] = {
    {"Enable", &R::Enable},
    {"CHDisplayL", &R::CHDisplayL},
    {"CHDisplayR", &R::CHDisplayR},
    {"Rxfreq", &R::Rxfreq},
    {"Txfreq", &R::Txfreq},
    {"LowPower", &R::LowPower},
    kTxPowerKey,
    {"PowUp", &R::PowUp},
    {"ScanMemory", &R::ScanMemory},
    {"ClockShift", &R::ClockShift},
    kScrambleKey,
    kNameKey,
    // Tones, compander and width: only the LMR banks.
    {"Narrow", &R::Narrow, false, kInt16First, kInt16Last, &HasLmrBank},
    {"TxDCS", &R::TxDCS, false, 0, kDcsValueLast, &HasLmrBank},
    {"RxDCS", &R::RxDCS, false, 0, kDcsValueLast, &HasLmrBank},
    {"RxComp", &R::RxComp, false, kInt16First, kInt16Last, &HasLmrBank},
    {"TxCTCSS", &R::TxCTCSS, false, 0, kCtcssFieldLast, &HasLmrBank},
    {"RxCTCSS", &R::RxCTCSS, false, 0, kCtcssFieldLast, &HasLmrBank},
};

using C = CommonSetup;

constexpr CommonKey kCommonKeys[] = {
    {"TX Po Display", &C::TxPoDisplay, false, 0, kByteLast},
    {"Last TX Power", &C::LastTxPower, false, 0, kByteLast},
    {"Last CH Group", &C::LastChGroup, false, 0, kByteLast},
    {"SQL", &C::Sql, false, 0, kSqlLast},
    {"Last Display CH", &C::LastDisplayCh, false, kChannelIndexFirst, kChannelIndexLast},
    {"Marine_LMR CH", &C::MarineLmrCh, false, kChannelIndexFirst, kChannelIndexLast},
    {"SCAN", &C::Scan},
    {"Resume Time", &C::ResumeTime, true, 0, kTwoBitsLast},
    {"PTT SCAN Clear", &C::PttScanClear},
    {"Dual Watch", &C::DualWatch},
    {"Offset Time", &C::OffsetTime, true, 0, kOffsetLast},
    {"Magnetic Variation", &C::MagneticVariation, false, 0, 1},
    {"Weater", &C::Weater, false, 0, kTwoBitsLast},
    {"Rotary Beep", &C::RotaryBeep, false, kInt16First, kInt16Last, &EncodesRotaryBeep},
};

template <auto Directory>
std::span<DirectoryEntry> EntriesOf(RadioData& data)
{
    return data.*Directory;
}
template <auto Directory>
std::span<const DirectoryEntry> ConstEntriesOf(const RadioData& data)
{
    return data.*Directory;
}

}  // namespace

std::string GroupKey(std::string_view name, int group)
{
    return std::string(name) + " " + std::to_string(group);
}

std::string PresetKey(int group, int n)
{
    return "Priority CH " + std::to_string(group) + "-Cmb " + std::to_string(n);
}

std::string BackupKey(int group)
{
    return "Priority CH " + std::to_string(group) + "Backup";
}

const SectionKeys& DataFileKeys()
{
    static constexpr SectionKeys keys{kMarineKeys, kWxKeys, kExpKeys, kCommonKeys};
    return keys;
}

const std::array<DirectorySection, 2>& DirectorySections()
{
    static constexpr std::array<DirectorySection, 2> sections{{
        {kIndividualDirectorySection, &EntriesOf<&RadioData::IndividualDirectory>,
         &ConstEntriesOf<&RadioData::IndividualDirectory>},
        {kGroupDirectorySection, &EntriesOf<&RadioData::GroupDirectory>,
         &ConstEntriesOf<&RadioData::GroupDirectory>},
    }};
    return sections;
}

}  // namespace kelpie
