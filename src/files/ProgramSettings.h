// ProgramSettings.h — what the program keeps in the per-user settings: serial port, model, the
// destination chosen per model, the main window's geometry and layout, the folder the file dialogs
// last used and the recent data files.
#pragma once

#include <string>
#include <vector>

#include "files/SettingsStore.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

constexpr int kDefaultCommPort = 1;
constexpr int kDefaultModelIndex = 5;
constexpr const char* kDefaultDestination = "usa";

// ModelIndex (with ModelName) and CommPort; a value missing, not a number or out of range gives
// the default.
void ReadSettings(const SettingsStore& store, RadioData& data, ShellState& shell);
void StoreCommPort(SettingsStore& store, const ShellState& shell);
void StoreModelIndex(SettingsStore& store, const RadioData& data);
// Whether a model was ever stored: not on the very first start.
bool HasStoredModel(const SettingsStore& store);

// The destination whose default image was last loaded for the model, "usa" when none was.
std::string RememberedDestination(const SettingsStore& store, int modelIndex);
void StoreDestination(SettingsStore& store, int modelIndex, const std::string& destination);

// The main window's position and size in twips, written at exit.
struct WindowGeometry
{
    int Left;
    int Top;
    int Width;
    int Height;
};
void StoreWindowGeometry(SettingsStore& store, const WindowGeometry& geometry);

// The window's layout as the window system saved it (its place and size, the split between the page
// tree and the pages), each as text; empty when none was saved.
struct WindowLayout
{
    std::string Geometry;
    std::string Splitter;
};
WindowLayout StoredWindowLayout(const SettingsStore& store);
void StoreWindowLayout(SettingsStore& store, const WindowLayout& layout);

// The folder of the file last chosen in a file dialog; empty when none was.
std::string LastFileFolder(const SettingsStore& store);
void StoreLastFileFolder(SettingsStore& store, const std::string& folder);

// The data files last opened or saved, newest first, at most kRecentFileCount.
constexpr std::size_t kRecentFileCount = 8;
std::vector<std::string> RecentFiles(const SettingsStore& store);
// The file goes first; an earlier entry of it goes, and so does the oldest beyond the count.
void AddRecentFile(SettingsStore& store, const std::string& file);
void RemoveRecentFile(SettingsStore& store, const std::string& file);
void ClearRecentFiles(SettingsStore& store);

}  // namespace kelpie
