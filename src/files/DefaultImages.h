// DefaultImages.h — the default-image files supplied with the program, one per model and
// destination, and the Destination menu built from them.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileUi.h"
#include "files/SettingsStore.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

constexpr int kDestinationEntryCount = 11;  // entries of the Destination menu
constexpr int kDestinationListLimit = 10;   // destination names listed at most

// The model code as four upper-case hexadecimal digits: "00E6".
std::string ModelCodeDigits(int modelIndex);
// Destination + "_" + code digits + ".ini": USA_00E6.ini.
std::string DefaultImageFileName(std::string_view destination, int modelIndex);

// Where default images are looked for: the program folder, then ../share/kelpie beside it.
std::vector<std::filesystem::path> DefaultImageFolders(const std::filesystem::path& programFolder);

// The names of the files in folder matching "*_<code digits>.ini" for the model, without regard
// to case, in the order the file system gives them.
std::vector<std::string> ListDefaultImageFiles(const std::filesystem::path& folder, int modelIndex);

// Reads one default-image file into the image when its length is the model's image size and it
// passes the model check, then decodes it. No message is shown; a file error is logged.
bool LoadDefaultImage(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& fileName);

struct DestinationEntry
{
    std::string Caption;
    bool Visible = false;
    bool Checked = false;
};

// The Destination menu as its window shows it; Folder is where its files were found.
struct DestinationMenu
{
    bool Enabled = false;
    std::array<DestinationEntry, kDestinationEntryCount> Entries{};
    std::filesystem::path Folder;
};

// Rebuilds the menu from the default images of the current model and loads the remembered
// destination's image. True when an image was loaded (the editor is then refreshed). Without any
// file for the model the menu stays disabled and nothing is loaded.
bool BuildDestinationList(DestinationMenu& menu, RadioData& data, ShellState& shell,
                          const SettingsStore& store, FileUi& ui, const std::filesystem::path& programFolder);

// Loads the default image of menu entry `entry` and remembers the destination; a failure shows
// "IniFileRead Error!!" and gives the check mark back to the entry that had it. True on success.
bool LoadDestination(DestinationMenu& menu, int entry, RadioData& data, ShellState& shell,
                     SettingsStore& store, FileUi& ui);

}  // namespace kelpie
