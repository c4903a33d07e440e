// QtSettingsStore.h — the per-user settings store on QSettings: application "Kelpie", one group
// per section (~/.config/Kelpie/Kelpie.conf on Linux, the registry on Windows).
#pragma once

#include <QSettings>

#include "files/SettingsStore.h"

namespace kelpie {

class QtSettingsStore : public SettingsStore
{
public:
    QtSettingsStore();

    std::optional<std::string> GetSetting(std::string_view section, std::string_view key) const override;
    void SaveSetting(std::string_view section, std::string_view key, std::string_view value) override;

    // Where the values are kept: a file path, or a registry path on Windows.
    QString Location() const { return m_settings.fileName(); }

private:
    mutable QSettings m_settings;
};

}  // namespace kelpie
