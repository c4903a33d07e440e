#include "files/DataFileLayout.h"

#include <algorithm>

#include "model/ValueTables.h"

namespace kelpie {

namespace {

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

// The field's place among the keys of a section of a bank of the given kind; 0: not there.
int FilePlace(const ChannelField& field, BankKind kind)
{
    switch (kind) {
        case kMarineBank:
            return field.File.Marine;
        case kWeatherBank:
            return field.File.Weather;
        case kBankE:
            return field.File.BankE;
    }
    return 0;
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

bool IsFiled(const ChannelField& field, BankKind kind, int modelIndex)
{
    return FilePlace(field, kind) != 0 && IsOn(field.File.Filed, modelIndex);
}

std::vector<const ChannelField*> FiledChannelFields(BankKind kind, int modelIndex)
{
    std::vector<const ChannelField*> fields;
    for (const ChannelField& f : ChannelFields()) {
        if (IsFiled(f, kind, modelIndex)) {
            fields.push_back(&f);
        }
    }
    std::ranges::sort(fields, {}, [kind](const ChannelField* f) { return FilePlace(*f, kind); });
    return fields;
}

std::int64_t FiledLast(const ChannelField& field)
{
    if (field.File.Last != 0) {
        return field.File.Last;
    }
    int bits = 0;
    for (int p = 0; p < field.PartCount; ++p) {
        bits += field.Parts[static_cast<std::size_t>(p)].Width;
    }
    return (std::int64_t{1} << bits) - 1;
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
