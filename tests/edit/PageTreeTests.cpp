// PageTreeTests.cpp — the nodes a radio's data gives, their keys and captions, the page of a node
// and the grid jump.
#include <gtest/gtest.h>

#include <algorithm>

#include "edit/PageTree.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

RadioData DataWithGroups(int model, bool usa, bool intl, bool canada, bool bankE)
{
    RadioData data = ResetData(model);
    const bool usable[kGroupCount] = {usa, intl, canada, bankE};
    for (int g = 0; g < kGroupCount; ++g)
        data.UsableGroups[static_cast<std::size_t>(g)].Enable = usable[g];
    return data;
}

const PageNode* Find(const std::vector<PageNode>& nodes, const std::string& key)
{
    const auto it = std::find_if(nodes.begin(), nodes.end(), [&](const PageNode& n) { return n.Key == key; });
    return it == nodes.end() ? nullptr : &*it;
}

std::vector<std::string> KeysWithParent(const std::vector<PageNode>& nodes, const std::string& parent)
{
    std::vector<std::string> keys;
    for (const PageNode& node : nodes) {
        if (node.ParentKey == parent)
            keys.push_back(node.Key);
    }
    return keys;
}

TEST(PageTree, Mv230WithoutInternationalKeepsTheOtherBanksInOrder)
{
    RadioData data = DataWithGroups(5, true, false, true, true);
    data.ExpChannels[0].Enable = true;
    const std::vector<PageNode> nodes = BuildPageNodes(data);

    EXPECT_EQ(KeysWithParent(nodes, "General"), (std::vector<std::string>{"Usable", "Common"}));
    EXPECT_EQ(KeysWithParent(nodes, "Program"), (std::vector<std::string>{"PU", "PC", "PW"}));
    EXPECT_EQ(Find(nodes, "PI 0"), nullptr);
    EXPECT_EQ(Find(nodes, "ExpChannel")->Text, "LMR Channel");
    EXPECT_EQ(Find(nodes, "E 1")->Text, "LMR1[Enable]");
    EXPECT_EQ(Find(nodes, "E 2")->Text, "LMR2");
    EXPECT_EQ(Find(nodes, "PC 33")->Text, "CH16A");
    EXPECT_EQ(nodes.size(), 3u + 2 + 2 * 241 + 1 + 40);

    data.UsableGroups[kGroupBankE].Enable = false;
    EXPECT_EQ(KeysWithParent(BuildPageNodes(data), ""), (std::vector<std::string>{"General", "Program"}));
}

TEST(PageTree, DscModelsOfferTheDscPageAndBothDirectoriesEntryByEntry)
{
    for (const int model : {0, 3}) {
        RadioData data = DataWithGroups(model, true, false, false, false);
        data.IndividualDirectory[0].Enabled = true;
        const std::vector<PageNode> nodes = BuildPageNodes(data);
        EXPECT_EQ(KeysWithParent(nodes, "General"),
                  (std::vector<std::string>{"Usable", "Common", "DSC", "ATIS"}));
        EXPECT_EQ(KeysWithParent(nodes, "").back(), "DSCSETTING");
        EXPECT_EQ(KeysWithParent(nodes, "DSCSETTING"), (std::vector<std::string>{"SM", "SG"}));
        EXPECT_EQ(KeysWithParent(nodes, "SM").size(), 40u);
        EXPECT_EQ(KeysWithParent(nodes, "SG").back(), "SG 10");
        EXPECT_EQ(Find(nodes, "SM 1")->Text, "Station 1[Enable]");
        EXPECT_EQ(Find(nodes, "SM 2")->Text, "Station 2");
        EXPECT_EQ(Find(nodes, "SG 3")->Text, "Group 3");
    }
    for (const int model : {1, 2, 4, 5, 6})
        EXPECT_EQ(Find(BuildPageNodes(ResetData(model)), "DSCSETTING"), nullptr) << model;
}

TEST(PageTree, GroupAndEnableCaptions)
{
    // caption, status name, status icon, caption shown
    const std::tuple<const char*, const char*, bool, const char*> groups[] = {
        {"USA", "SHIP", false, "USA(SHIP)"},
        {"USA(OLD)", "SHIP", false, "USA(SHIP)"},
        {"INTL(OLD)", "", false, "INTL"},
        {"CANADA", "SHIP", true, "CANADA"}};
    for (const auto& [caption, statusName, statusIcon, shown] : groups) {
        UsableGroup group;
        group.StatusName = statusName;
        group.StatusIcon = statusIcon;
        EXPECT_EQ(GroupCaption(caption, group), shown) << caption;
    }
    EXPECT_EQ(EnableCaption("CH16", true), "CH16[Enable]");
    EXPECT_EQ(EnableCaption("CH16[Enable]", true), "CH16[Enable]");
    EXPECT_EQ(EnableCaption("Station 4[Enable]", false), "Station 4");
}

// A node's number is read from the key's third character on.
TEST(PageTree, EachNodeKeyChoosesItsPage)
{
    using P = PageChoice;
    const DirectoryKind ind = DirectoryKind::Individual;
    const std::tuple<const char*, const char*, std::optional<PageChoice>> rows[] = {
        {"General", "", P{Page::General}},
        {"Program", "", P{Page::Banks}},
        {"DSCSETTING", "", P{Page::Grey}},
        {"ExpChannel", "", P{Page::ChannelList, kGroupBankE}},
        {"Other", "", P{Page::General}},
        {"Usable", "General", P{Page::Usable}},
        {"Common", "General", P{Page::Common}},
        {"DSC", "General", P{Page::Dsc}},
        {"ATIS", "General", P{Page::Atis}},
        {"Other", "General", std::nullopt},
        {"PU", "Program", P{Page::ChannelList, kGroupUsa}},
        {"PI", "Program", P{Page::ChannelList, kGroupIntl}},
        {"PC", "Program", P{Page::ChannelList, kGroupCanada}},
        {"PW", "Program", P{Page::Weather}},
        {"PU 0", "PU", P{Page::Channel, kGroupUsa, ind, 0}},
        {"PC 239", "PC", P{Page::Channel, kGroupCanada, ind, 239}},
        {"PI 240", "PI", std::nullopt},
        {"E 1", "ExpChannel", P{Page::Channel, kGroupBankE, ind, 0}},
        {"E 40", "ExpChannel", P{Page::Channel, kGroupBankE, ind, 39}},
        {"E 41", "ExpChannel", std::nullopt},
        {"E", "ExpChannel", std::nullopt},
        {"SM", "DSCSETTING", P{Page::DirectoryList, kGroupUsa, ind}},
        {"SG", "DSCSETTING", P{Page::DirectoryList, kGroupUsa, DirectoryKind::Group}},
        {"SM 40", "SM", P{Page::DirectoryEntry, kGroupUsa, ind, 40}},
        {"SG 10", "SG", P{Page::DirectoryEntry, kGroupUsa, DirectoryKind::Group, 10}},
        {"SG 11", "SG", std::nullopt},
        {"X 1", "Elsewhere", P{Page::General}},
    };
    for (const auto& [key, parent, page] : rows)
        EXPECT_EQ(ChoosePage(key, parent), page) << key << " under " << parent;
}

TEST(PageTree, GridJumpBuildsTheKeyOfTheRowsOwnNode)
{
    // the list shown, the row, the text of its CH cell, the key jumped to
    const std::tuple<const char*, int, const char*, const char*> rows[] = {
        {"PU", 33, "16", "PU 32"},     {"PI", 34, "16A", "PI 33"},
        {"PC", 1, "00", "PC 0"},       {"PU", 3, "120", ""},
        {"ExpChannel", 5, "5", "E 5"}, {"SM", 3, "3", "SM 3"},
        {"SG", 10, "10", "SG 10"},     {"PW", 1, "", ""},
        {"General", 1, "", ""},        {"ExpChannel", 0, "", ""},
    };
    for (const auto& [current, row, chCell, key] : rows)
        EXPECT_EQ(GridJumpKey(current, row, chCell), key) << current << " row " << row;
}

}  // namespace
}  // namespace kelpie
