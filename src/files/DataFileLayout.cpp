#include "files/DataFileLayout.h"

#include <algorithm>

#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

// The largest value each field of the image holds: transmit modes 0..3 fill two bits, a
// scrambler code three, a CTCSS tone six; a DCS value stores its code (less 104 when inverted) in
// a byte whose 0xFF means no code.
constexpr std::int64_t kTransmitModeLast = 3;
constexpr std::int64_t kScrambleLast = 7;
constexpr std::int64_t kCtcssFieldLast = 63;
constexpr std::int64_t kDcsValueLast = 104 + 254;

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

std::vector<const SettingsField*> FiledFields(std::string_view section, int modelIndex)
{
    std::vector<const SettingsField*> fields;
    for (const SettingsField& f : SettingsFields()) {
        if (f.Section == section && !f.Key.empty() && IsOn(f.Filed, modelIndex)) {
            fields.push_back(&f);
        }
    }
    std::ranges::stable_sort(fields, {}, &SettingsField::FilePlace);
    return fields;
}

std::string PresetKey(const SettingsField& priority, int n)
{
    return priority.Key + "-Cmb " + std::to_string(n);
}

std::vector<std::string> CallSignKeys(const SettingsField& callSigns, int n)
{
    std::vector<std::string> keys = SplitList(callSigns.Key);
    for (std::string& key : keys) {
        key.pop_back();  // the "n"
        key += std::to_string(n);
    }
    return keys;
}

const SectionKeys& DataFileKeys()
{
    static constexpr SectionKeys keys{kMarineKeys, kWxKeys, kExpKeys};
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
