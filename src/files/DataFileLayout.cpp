#include "files/DataFileLayout.h"

namespace kelpie {

namespace {

constexpr std::int64_t kByteLast = 255;
// A combined channel index is stored as a 16-bit word; a negative one means no channel.
constexpr std::int64_t kChannelIndexFirst = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kChannelIndexLast = 65535;

// Transmit modes 0..3 fill two bits; a DCS value stores its code (less 104 when inverted) in a byte.
constexpr std::int64_t kTransmitModeLast = 3;
constexpr std::int64_t kDcsValueLast = 104 + 255;

using R = ChannelRecord;
constexpr RecordKey kTxPowerKey{"TXPower", &R::TXPower, false, 0, kTransmitModeLast};

constexpr RecordKey kMarineKeys[] = {
    {"Enable", &R::Enable},   {"LowPower", &R::LowPower},     kTxPowerKey,
    {"PowUp", &R::PowUp},     {"Duplex", &R::Duplex},         {"TxEnable", &R::TxEnable},
    {"DispayA", &R::DispayA}, {"ScanMemory", &R::ScanMemory},
};
constexpr RecordKey kMarineNameKeys[] = {
    {"Scramble", &R::Scramble},
    {"ChTag", &R::ChTag, true},
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
};
constexpr RecordKey kExpLmrKeys[] = {
    {"Scramble", &R::Scramble},
    {"ChTag", &R::ChTag, true},
    {"Narrow", &R::Narrow},
    {"TxDCS", &R::TxDCS, false, 0, kDcsValueLast},
    {"RxDCS", &R::RxDCS, false, 0, kDcsValueLast},
    {"RxComp", &R::RxComp},
    {"TxCTCSS", &R::TxCTCSS},
    {"RxCTCSS", &R::RxCTCSS},
};

using C = CommonSetup;
constexpr std::int64_t kInt16First = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t kInt16Last = std::numeric_limits<std::int16_t>::max();

constexpr CommonKey kCommonKeys[] = {
    {"TX Po Display", &C::TxPoDisplay, false, 0, kByteLast},
    {"Last TX Power", &C::LastTxPower, false, 0, kByteLast},
    {"Last CH Group", &C::LastChGroup, false, 0, kByteLast},
    {"SQL", &C::Sql},
    {"Last Display CH", &C::LastDisplayCh, false, kChannelIndexFirst, kChannelIndexLast},
    {"Marine_LMR CH", &C::MarineLmrCh, false, kChannelIndexFirst, kChannelIndexLast},
    {"SCAN", &C::Scan},
    {"Resume Time", &C::ResumeTime, true, kInt16First, kInt16Last},
    {"PTT SCAN Clear", &C::PttScanClear},
    {"Dual Watch", &C::DualWatch},
    {"Offset Time", &C::OffsetTime, true, kInt16First, kInt16Last},
    {"Magnetic Variation", &C::MagneticVariation},
    {"Weater", &C::Weater},
};

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
    static constexpr SectionKeys keys{kMarineKeys, kMarineNameKeys, kWxKeys,
                                      kExpKeys,    kExpLmrKeys,     kCommonKeys};
    return keys;
}

}  // namespace kelpie
