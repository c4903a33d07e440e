// Banks.h — the lists the pages show and edit: a channel group's bank and an MMSI directory.
#pragma once

#include <span>

#include "model/RadioData.h"

namespace kelpie {

// The directories of DSC stations: the individual directory ("SM", 40 entries of a station name
// and a 9-digit MMSI) and the group directory ("SG", 10 entries of a group name and a group MMSI
// typed as 8 digits).
enum class DirectoryKind : int {
    Individual = 0,
    Group = 1
};

// The channel list of a group (kGroupUsa … kGroupBankE); a group outside 0..3 throws
// std::out_of_range.
ChannelBank& BankOf(RadioData& data, int group);
const ChannelBank& BankOf(const RadioData& data, int group);

std::span<DirectoryEntry> DirectoryOf(RadioData& data, DirectoryKind kind);
std::span<const DirectoryEntry> DirectoryOf(const RadioData& data, DirectoryKind kind);

}  // namespace kelpie
