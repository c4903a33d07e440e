// SettingsStore.h — the per-user settings store of application "Kelpie": text values by section
// and key.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelpie {

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // Nothing when the key has never been saved.
    virtual std::optional<std::string> GetSetting(std::string_view section, std::string_view key) const = 0;
    virtual void SaveSetting(std::string_view section, std::string_view key, std::string_view value) = 0;
};

}  // namespace kelpie
