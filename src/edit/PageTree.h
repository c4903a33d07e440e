// PageTree.h — the page tree of the editor: which nodes a radio's data gives, their keys and
// captions, and which page a node shows.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/Banks.h"
#include "model/RadioData.h"

namespace kelpie {

// One node of the tree; a root has an empty parent key. Nodes come in the order they are added.
struct PageNode
{
    std::string Key;
    std::string Text;
    std::string ParentKey;

    bool operator==(const PageNode&) const = default;
};

// A number as a number-to-text conversion with a leading sign place writes it: " 5", "-5".
std::string SignedNumberText(int n);
// The key of a numbered node: the kind code directly followed by the number with its sign place
// ("PU 0", "E 40", "SM 1").
std::string NumberedKey(std::string_view kind, int n);
// The number of a numbered key, read from its third character on; 0 when there is none.
int KeyNumber(std::string_view key);

// The tree of the radio's data. Beside the channel banks it offers the DSC page for models with
// DSC settings, the ATIS page for models with an ATIS setup, and the directories with a node per
// entry for models that keep them.
std::vector<PageNode> BuildPageNodes(const RadioData& data);

// Models whose ATIS setup is edited (and listed); the MV230 has none.
bool HasAtisSetup(int modelIndex);

// Group caption: the text from the first "(" on is cut off; with a status name and the status icon
// off, "(" + status name + ")" is appended (USA(SHIP)).
std::string GroupCaption(std::string_view caption, const UsableGroup& group);
// Channel and directory-entry caption: the text from the first "[" on is cut off and "[Enable]"
// appended when the entry is enabled.
std::string EnableCaption(std::string_view caption, bool enabled);

// The tree key of each channel group's node: "PU", "PI", "PC", "ExpChannel".
std::string GroupNodeKey(int group);
// A channel group's name: "USA", "INTL", "CANADA", or the model's name of the extra bank ("LMR").
std::string GroupName(const RadioData& data, int group);
// The tree key of a channel's page: its group's kind and plan slot ("PU 32"), or "E" and the extra
// bank's channel number from 1 ("E 7") for record index 0..39.
std::string ChannelPageKey(int group, int index);
// The tree key of directory entry n's page ("SM 3").
std::string EntryPageKey(DirectoryKind kind, int n);
// The tree key of a directory's node: "SM", "SG".
std::string DirectoryNodeKey(DirectoryKind kind);
// The caption of a directory's node and of its entry n before the enable mark.
std::string DirectoryNodeText(DirectoryKind kind);
std::string DirectoryEntryText(DirectoryKind kind, int n);

// The pages a node can show.
enum class Page {
    General,
    Grey,
    Usable,
    Common,
    Dsc,
    Atis,
    ChannelList,
    Channel,
    Weather,
    DirectoryList,
    DirectoryEntry,
    Banks  // the channel banks with their enabled channels
};

// A page and what it shows: the channel group (kGroupUsa … kGroupBankE) of a channel list or
// channel page, the directory of a directory list or entry page, and the list index of the channel
// (0-based) or the entry number (1-based).
struct PageChoice
{
    Page page = Page::General;
    int group = kGroupUsa;
    DirectoryKind directory = DirectoryKind::Individual;
    int index = 0;

    bool operator==(const PageChoice&) const = default;
};

// The page of a node given its key and its parent's key (empty for a root). Nothing when the node
// shows nothing new (an unknown child of "General") or names a record that does not exist.
std::optional<PageChoice> ChoosePage(std::string_view key, std::string_view parentKey);

// The grid jump: the key of the node that the current row of a list grid leads to, built from the
// key of the tree's current node, the row (1-based) and the row's CH cell. Empty when the grid
// leads nowhere.
std::string GridJumpKey(std::string_view currentKey, int row, std::string_view chCell);

}  // namespace kelpie
