// FileTestSupport.h — what the file tests share: a temporary folder, a recording FileUi, an
// in-memory settings store and file helpers.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "files/FileUi.h"
#include "files/SettingsStore.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

// A fresh folder under the system's temporary folder, removed with its contents.
struct TempFolder
{
    std::filesystem::path Path =
        std::filesystem::temp_directory_path() / ("kelpie-files-" + std::to_string(std::random_device()()));

    TempFolder() { std::filesystem::create_directories(Path); }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return Path / name; }
};

// A message box: what it says, its title, icon and buttons.
using ShownMessage = std::tuple<std::string, std::string, MessageIcon, MessageButtons>;

// A box with an OK button, titled with the program title unless another is given.
inline std::vector<ShownMessage> OkBox(std::string text, MessageIcon icon,
                                       std::string title = ShellState().ProgramTitle)
{
    return {{std::move(text), std::move(title), icon, MessageButtons::Ok}};
}

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

    std::vector<ShownMessage> Messages;
};

struct MemorySettingsStore : SettingsStore
{
    std::optional<std::string> GetSetting(std::string_view section, std::string_view key) const override
    {
        const auto found = Values.find({std::string(section), std::string(key)});
        return found == Values.end() ? std::nullopt : std::optional(found->second);
    }
    void SaveSetting(std::string_view section, std::string_view key, std::string_view value) override
    {
        Values[{std::string(section), std::string(key)}] = value;
    }

    std::map<std::pair<std::string, std::string>, std::string> Values;
};

inline std::string ReadFileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileText(const std::filesystem::path& path, std::string_view text)
{
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace kelpie
