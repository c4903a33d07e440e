#include "files/ProgramSettings.h"

#include <algorithm>
#include <charconv>

#include "files/IniFile.h"
#include "model/Models.h"

namespace kelpie {

namespace {

constexpr int kLastCommPort = 4;

// A plain decimal number in first..last, else the fallback.
int StoredNumber(const SettingsStore& store, std::string_view section, std::string_view key, int first,
                 int last, int fallback)
{
    const std::optional<std::string> text = store.GetSetting(section, key);
    if (!text) {
        return fallback;
    }
    const std::string_view digits = TrimBlanks(*text);
    int value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() || value < first ||
        value > last) {
        return fallback;
    }
    return value;
}

std::string DestinationKey(int modelIndex)
{
    return "IniFileName_" + std::to_string(modelIndex);
}

// The store has no removal: an entry beyond the list is kept empty.
void StoreRecentFiles(SettingsStore& store, const std::vector<std::string>& files)
{
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        store.SaveSetting("RecentFiles", "File" + std::to_string(i + 1), i < files.size() ? files[i] : "");
    }
}

}  // namespace

void ReadSettings(const SettingsStore& store, RadioData& data, ShellState& shell)
{
    data.ModelIndex = static_cast<std::int16_t>(
        StoredNumber(store, "ModelPath", "ModelNum", 0, kModelCount - 1, kDefaultModelIndex));
    shell.ModelName = ModelNameOf(data.ModelIndex);
    shell.CommPort = StoredNumber(store, "ComPath", "ComNum", 1, kLastCommPort, kDefaultCommPort);
}

void StoreCommPort(SettingsStore& store, const ShellState& shell)
{
    store.SaveSetting("ComPath", "ComNum", std::to_string(shell.CommPort));
}

void StoreModelIndex(SettingsStore& store, const RadioData& data)
{
    store.SaveSetting("ModelPath", "ModelNum", std::to_string(data.ModelIndex));
}

bool HasStoredModel(const SettingsStore& store)
{
    return store.GetSetting("ModelPath", "ModelNum").has_value();
}

std::string RememberedDestination(const SettingsStore& store, int modelIndex)
{
    return store.GetSetting("IniFilePath", DestinationKey(modelIndex)).value_or(kDefaultDestination);
}

void StoreDestination(SettingsStore& store, int modelIndex, const std::string& destination)
{
    store.SaveSetting("IniFilePath", DestinationKey(modelIndex), destination);
}

void StoreWindowGeometry(SettingsStore& store, const WindowGeometry& geometry)
{
    store.SaveSetting("Settings", "MainLeft", std::to_string(geometry.Left));
    store.SaveSetting("Settings", "MainTop", std::to_string(geometry.Top));
    store.SaveSetting("Settings", "MainWidth", std::to_string(geometry.Width));
    store.SaveSetting("Settings", "MainHeight", std::to_string(geometry.Height));
}

WindowLayout StoredWindowLayout(const SettingsStore& store)
{
    return {store.GetSetting("Settings", "MainGeometry").value_or(""),
            store.GetSetting("Settings", "MainSplitter").value_or("")};
}

void StoreWindowLayout(SettingsStore& store, const WindowLayout& layout)
{
    store.SaveSetting("Settings", "MainGeometry", layout.Geometry);
    store.SaveSetting("Settings", "MainSplitter", layout.Splitter);
}

std::string LastFileFolder(const SettingsStore& store)
{
    return store.GetSetting("Settings", "LastFolder").value_or("");
}

void StoreLastFileFolder(SettingsStore& store, const std::string& folder)
{
    store.SaveSetting("Settings", "LastFolder", folder);
}

std::vector<std::string> RecentFiles(const SettingsStore& store)
{
    std::vector<std::string> files;
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        std::string file = store.GetSetting("RecentFiles", "File" + std::to_string(i + 1)).value_or("");
        if (!file.empty() && std::find(files.begin(), files.end(), file) == files.end()) {
            files.push_back(std::move(file));
        }
    }
    return files;
}

void AddRecentFile(SettingsStore& store, const std::string& file)
{
    std::vector<std::string> files = RecentFiles(store);
    std::erase(files, file);
    files.insert(files.begin(), file);
    files.resize(std::min(files.size(), kRecentFileCount));
    StoreRecentFiles(store, files);
}

void RemoveRecentFile(SettingsStore& store, const std::string& file)
{
    std::vector<std::string> files = RecentFiles(store);
    std::erase(files, file);
    StoreRecentFiles(store, files);
}

void ClearRecentFiles(SettingsStore& store)
{
    StoreRecentFiles(store, {});
}

}  // namespace kelpie
