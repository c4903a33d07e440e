// DataFileLayout.h — the sections and keys of the data file, named once for its writer and its
// reader.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/ChannelFields.h"
#include "model/ImageLayout.h"
#include "model/RadioData.h"
#include "model/SettingsFields.h"

namespace kelpie {

constexpr std::string_view kMainSection = "MAIN";
constexpr std::string_view kWxSection = "CHWX";
constexpr std::string_view kExpSection = "CHEXP";
constexpr std::string_view kIndividualDirectorySection = "CHMMSID";
constexpr std::string_view kGroupDirectorySection = "CHGRPID";
constexpr std::string_view kPresetSection = "PRISETCH";

constexpr std::string_view kFileType = "JMB";
constexpr std::string_view kFileVersion = "2.00";

// Preset channel lists: ten little-endian words per group 0..2 from 0x0060.
constexpr int kPresetListLength = 10;
constexpr int kPresetRawStart = 0x00A0;  // the eight PRISETCH bytes
constexpr int kPresetRawCount = 8;

constexpr int PresetEntryAddress(int group, int entry)
{
    return kPresetLists + 20 * group + 2 * entry;
}

// The settings rows whose keys the model's files carry in section, in the order the file lists
// them. A section with none (the User MMSI's and the call signs' on the models without them) is
// neither written nor expected.
std::vector<const SettingsField*> FiledFields(std::string_view section, int modelIndex);
// "Priority CH 0-Cmb 1": the n-th written entry (from 1) of the preset list after its group's
// priority channel row.
std::string PresetKey(const SettingsField& priority, int n);
// "MID 1", "Display 1": the keys of call-sign row n (from 1), the row's key names with n filled in.
std::vector<std::string> CallSignKeys(const SettingsField& callSigns, int n);

// An MMSI as the records hold it: ten digits (nine and a closing digit), or empty for none.
constexpr std::size_t kMmsiDigits = 10;

// The marine banks in file order.
struct MarineBankSection
{
    std::string_view Name;  // followed by the record index from 0: CHUSA0
    ChannelBank RadioData::*Bank;
};
constexpr std::array<MarineBankSection, 3> kMarineBankSections{{
    {"CHUSA", &RadioData::UsaChannels},
    {"CHINT", &RadioData::IntlChannels},
    {"CHCAN", &RadioData::CanadaChannels},
}};

// Whether the model's files carry the field in the sections of a bank of the given kind.
bool IsFiled(const ChannelField& field, BankKind kind, int modelIndex);
// The fields the sections of a bank of the given kind carry in the model's files, in file order
// (after a marine section's "Position").
std::vector<const ChannelField*> FiledChannelFields(BankKind kind, int modelIndex);
// The largest integer the reader takes for the field; the smallest is 0.
std::int64_t FiledLast(const ChannelField& field);

// The two MMSI directories' sections, numbered from 1 ([CHMMSID1]); the models with DSC write them.
struct DirectorySection
{
    std::string_view Name;
    std::span<DirectoryEntry> (*Entries)(RadioData& data);
    std::span<const DirectoryEntry> (*ConstEntries)(const RadioData& data);
};
const std::array<DirectorySection, 2>& DirectorySections();

}  // namespace kelpie
