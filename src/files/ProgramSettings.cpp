#include "files/ProgramSettings.h"

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

}  // namespace kelpie
