// Fakes.h — the core's seams as the tests fill them: a FileUi that records its boxes, and settings
// kept in memory by "section/key", never the user's.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "files/FileUi.h"
#include "files/SettingsStore.h"

namespace kelpie {

// A message box: what it says, its title, icon and buttons.
using RecordedMessage = std::tuple<std::string, std::string, MessageIcon, MessageButtons>;

// Every box answered OK, kept in order.
struct RecordingUi : FileUi
{
    void SetBusy(bool) override {}
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override
    {
        Messages.emplace_back(text, title, icon, buttons);
        return MessageAnswer::Ok;
    }
    void Pause(int) override {}

    std::vector<RecordedMessage> Messages;
};

struct MemorySettingsStore : SettingsStore
{
    std::optional<std::string> GetSetting(std::string_view section, std::string_view key) const override
    {
        const auto found = Values.find(Key(section, key));
        return found == Values.end() ? std::nullopt : std::optional(found->second);
    }
    void SaveSetting(std::string_view section, std::string_view key, std::string_view value) override
    {
        Values[Key(section, key)] = value;
    }
    // The value stored under "section/key", or "" when there is none.
    std::string Value(const std::string& sectionKey) const
    {
        return Values.contains(sectionKey) ? Values.at(sectionKey) : std::string();
    }
    static std::string Key(std::string_view section, std::string_view key)
    {
        return std::string(section) + "/" + std::string(key);
    }

    std::map<std::string, std::string> Values;
};

}  // namespace kelpie
