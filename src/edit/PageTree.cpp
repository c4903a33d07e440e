// PageTree.cpp — nodes, keys, captions and the page of each node.
#include "edit/PageTree.h"

#include <array>
#include <cstdlib>

#include "model/Converters.h"
#include "model/Models.h"
#include "model/Text.h"
#include "model/ValueTables.h"

namespace kelpie {
namespace {

constexpr std::string_view kEnableMark = "[Enable]";

// Kind codes of the fixed-plan groups' channel keys, in group order.
constexpr std::array<std::string_view, 3> kMarineKinds = {"PU", "PI", "PC"};
constexpr std::array<std::string_view, 3> kMarineNames = {"USA", "INTL", "CANADA"};

int DirectorySize(DirectoryKind kind)
{
    return kind == DirectoryKind::Individual ? kIndividualDirectorySize : kGroupDirectorySize;
}

std::optional<DirectoryKind> DirectoryOfKey(std::string_view upperKey)
{
    if (upperKey == "SM")
        return DirectoryKind::Individual;
    if (upperKey == "SG")
        return DirectoryKind::Group;
    return std::nullopt;
}

std::optional<int> MarineGroupOfKey(std::string_view upperKey)
{
    for (int group = 0; group < static_cast<int>(kMarineKinds.size()); ++group) {
        if (upperKey == kMarineKinds[static_cast<std::size_t>(group)])
            return group;
    }
    return std::nullopt;
}

}  // namespace

std::string SignedNumberText(int n)
{
    return (n < 0 ? "-" : " ") + std::to_string(std::abs(n));
}

std::string NumberedKey(std::string_view kind, int n)
{
    return std::string(kind) + SignedNumberText(n);
}

int KeyNumber(std::string_view key)
{
    if (key.size() <= 2)
        return 0;
    const std::string rest(key.substr(2));
    return std::atoi(rest.c_str());
}

bool HasAtisSetup(int modelIndex)
{
    return std::string_view(ModelOf(modelIndex).Model) != "MV230";
}

std::string GroupNodeKey(int group)
{
    return group == kGroupBankE ? "ExpChannel"
                                : std::string(kMarineKinds.at(static_cast<std::size_t>(group)));
}

std::string GroupName(const RadioData& data, int group)
{
    return group == kGroupBankE ? BankEName(data.ModelIndex)
                                : std::string(kMarineNames.at(static_cast<std::size_t>(group)));
}

std::string ChannelPageKey(int group, int index)
{
    return group == kGroupBankE ? NumberedKey("E", index + 1) : NumberedKey(GroupNodeKey(group), index);
}

std::string EntryPageKey(DirectoryKind kind, int n)
{
    return NumberedKey(DirectoryNodeKey(kind), n);
}

std::string DirectoryNodeKey(DirectoryKind kind)
{
    return kind == DirectoryKind::Individual ? "SM" : "SG";
}

std::string DirectoryNodeText(DirectoryKind kind)
{
    return kind == DirectoryKind::Individual ? "Memory ID" : "Group ID";
}

std::string DirectoryEntryText(DirectoryKind kind, int n)
{
    return (kind == DirectoryKind::Individual ? "Station " : "Group ") + std::to_string(n);
}

std::vector<PageNode> BuildPageNodes(const RadioData& data)
{
    const int model = data.ModelIndex;
    std::vector<PageNode> nodes;
    nodes.push_back({"General", "General", ""});
    nodes.push_back({"Usable", "Available CH Group Setup", "General"});
    nodes.push_back({"Common", "Common Setup", "General"});
    if (HasDsc(model))
        nodes.push_back({"DSC", "DSC Setup", "General"});
    if (HasAtisSetup(model))
        nodes.push_back({"ATIS", "ATIS Setup", "General"});

    nodes.push_back({"Program", "Programmable Channel", ""});
    for (int group = kGroupUsa; group <= kGroupCanada; ++group) {
        if (!data.UsableGroups[static_cast<std::size_t>(group)].Enable)
            continue;
        const std::string kind = GroupNodeKey(group);
        nodes.push_back({kind, std::string(kMarineNames[static_cast<std::size_t>(group)]), "Program"});
        const ChannelBank& bank = BankOf(data, group);
        for (int n = 0; n < static_cast<int>(bank.size()); ++n) {
            const std::string text = "CH" + ChannelPlan().at(static_cast<std::size_t>(n)).Label;
            nodes.push_back({ChannelPageKey(group, n),
                             EnableCaption(text, bank[static_cast<std::size_t>(n)].Enable), kind});
        }
    }
    nodes.push_back({"PW", "Weather", "Program"});

    if (data.UsableGroups[kGroupBankE].Enable) {
        const std::string bankName = BankEName(model);
        nodes.push_back({"ExpChannel", bankName + " Channel", ""});
        for (int n = 1; n <= static_cast<int>(data.ExpChannels.size()); ++n) {
            nodes.push_back({ChannelPageKey(kGroupBankE, n - 1),
                             EnableCaption(bankName + std::to_string(n),
                                           data.ExpChannels[static_cast<std::size_t>(n - 1)].Enable),
                             "ExpChannel"});
        }
    }

    if (HasDsc(model)) {
        nodes.push_back({"DSCSETTING", "DSC Setting", ""});
        for (const DirectoryKind kind : {DirectoryKind::Individual, DirectoryKind::Group}) {
            const std::string key = DirectoryNodeKey(kind);
            nodes.push_back({key, DirectoryNodeText(kind), "DSCSETTING"});
            const std::span<const DirectoryEntry> entries = DirectoryOf(data, kind);
            for (int n = 1; n <= static_cast<int>(entries.size()); ++n) {
                nodes.push_back({EntryPageKey(kind, n),
                                 EnableCaption(DirectoryEntryText(kind, n),
                                               entries[static_cast<std::size_t>(n - 1)].Enabled),
                                 key});
            }
        }
    }
    return nodes;
}

std::string GroupCaption(std::string_view caption, const UsableGroup& group)
{
    std::string text(caption.substr(0, caption.find('(')));
    if (!group.StatusName.empty() && !group.StatusIcon)
        text += "(" + group.StatusName + ")";
    return text;
}

std::string EnableCaption(std::string_view caption, bool enabled)
{
    std::string text(caption.substr(0, caption.find('[')));
    if (enabled)
        text += kEnableMark;
    return text;
}

std::optional<PageChoice> ChoosePage(std::string_view key, std::string_view parentKey)
{
    const std::string upperKey = ToUpper(key);
    if (parentKey.empty()) {
        if (upperKey == "PROGRAM")
            return PageChoice{Page::Banks};
        if (upperKey == "DSCSETTING")
            return PageChoice{Page::Grey};
        if (upperKey == "EXPCHANNEL")
            return PageChoice{Page::ChannelList, kGroupBankE};
        return PageChoice{Page::General};
    }

    const std::string upperParent = ToUpper(parentKey);
    if (upperParent == "GENERAL") {
        if (upperKey == "USABLE")
            return PageChoice{Page::Usable};
        if (upperKey == "COMMON")
            return PageChoice{Page::Common};
        if (upperKey == "DSC")
            return PageChoice{Page::Dsc};
        if (upperKey == "ATIS")
            return PageChoice{Page::Atis};
        return std::nullopt;
    }
    if (upperParent == "PROGRAM") {
        if (upperKey == "PW")
            return PageChoice{Page::Weather};
        if (const std::optional<int> group = MarineGroupOfKey(upperKey))
            return PageChoice{Page::ChannelList, *group};
        return std::nullopt;
    }
    if (const std::optional<int> group = MarineGroupOfKey(upperParent)) {
        const int index = KeyNumber(key);
        if (index < 0 || index >= kMarineChannelCount)
            return std::nullopt;
        return PageChoice{Page::Channel, *group, DirectoryKind::Individual, index};
    }
    if (upperParent == "EXPCHANNEL") {
        const int n = KeyNumber(key);
        if (n < 1 || n > kExpChannelCount)
            return std::nullopt;
        return PageChoice{Page::Channel, kGroupBankE, DirectoryKind::Individual, n - 1};
    }
    if (upperParent == "DSCSETTING") {
        if (const std::optional<DirectoryKind> kind = DirectoryOfKey(upperKey))
            return PageChoice{Page::DirectoryList, kGroupUsa, *kind};
        return std::nullopt;
    }
    if (const std::optional<DirectoryKind> kind = DirectoryOfKey(upperParent)) {
        const int n = KeyNumber(key);
        if (n < 1 || n > DirectorySize(*kind))
            return std::nullopt;
        return PageChoice{Page::DirectoryEntry, kGroupUsa, *kind, n};
    }
    return PageChoice{Page::General};
}

std::string GridJumpKey(std::string_view currentKey, int row, std::string_view chCell)
{
    if (row < 1)
        return {};
    const std::string_view kind = currentKey.substr(0, 2);
    if (MarineGroupOfKey(kind)) {
        const auto& plan = ChannelPlan();
        for (std::size_t slot = 0; slot < plan.size(); ++slot) {
            if (plan[slot].Label == chCell)
                return NumberedKey(kind, static_cast<int>(slot));
        }
        return {};
    }
    if (currentKey.starts_with('E'))
        return NumberedKey("E", row);
    if (DirectoryOfKey(kind))
        return NumberedKey(kind, row);
    return {};
}

}  // namespace kelpie
