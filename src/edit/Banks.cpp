#include "edit/Banks.h"

#include <array>

namespace kelpie {

namespace {

constexpr std::array<ChannelBank RadioData::*, kGroupCount> kBanks{
    &RadioData::UsaChannels, &RadioData::IntlChannels, &RadioData::CanadaChannels, &RadioData::ExpChannels};

}  // namespace

ChannelBank& BankOf(RadioData& data, int group)
{
    return data.*kBanks.at(static_cast<std::size_t>(group));
}

const ChannelBank& BankOf(const RadioData& data, int group)
{
    return data.*kBanks.at(static_cast<std::size_t>(group));
}

std::span<DirectoryEntry> DirectoryOf(RadioData& data, DirectoryKind kind)
{
    return kind == DirectoryKind::Individual ? std::span<DirectoryEntry>(data.IndividualDirectory)
                                             : std::span<DirectoryEntry>(data.GroupDirectory);
}

std::span<const DirectoryEntry> DirectoryOf(const RadioData& data, DirectoryKind kind)
{
    return kind == DirectoryKind::Individual ? std::span<const DirectoryEntry>(data.IndividualDirectory)
                                             : std::span<const DirectoryEntry>(data.GroupDirectory);
}

}  // namespace kelpie
