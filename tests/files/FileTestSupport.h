// FileTestSupport.h — what the file tests share: a temporary folder, a recording FileUi, an
// in-memory settings store and file helpers.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "files/FileUi.h"
#include "files/SettingsStore.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempFolder
{
public:
    TempFolder()
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() / ("kelpie-files-" + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

struct ShownMessage
{
    std::string Text;
    std::string Title;
    MessageIcon Icon;
    MessageButtons Buttons;

    bool operator==(const ShownMessage&) const = default;
};

inline void PrintTo(const ShownMessage& m, std::ostream* out)
{
    *out << '"' << m.Text << "\" \"" << m.Title << "\" icon " << static_cast<int>(m.Icon) << " buttons "
         << static_cast<int>(m.Buttons);
}

// A box with an OK button, titled with the program title unless another is given.
inline std::vector<ShownMessage> OkBox(std::string text, MessageIcon icon,
                                       std::string title = ShellState().ProgramTitle)
{
    return {{std::move(text), std::move(title), icon, MessageButtons::Ok}};
}

class RecordingUi : public FileUi
{
public:
    void SetBusy(bool busy) override { BusyCalls.push_back(busy); }
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override
    {
        Messages.push_back({std::string(text), std::string(title), icon, buttons});
        return MessageAnswer::Ok;
    }
    void Pause(int milliseconds) override { Pauses.push_back(milliseconds); }

    std::vector<bool> BusyCalls;
    std::vector<ShownMessage> Messages;
    std::vector<int> Pauses;
};

class MemorySettingsStore : public SettingsStore
{
public:
    std::optional<std::string> GetSetting(std::string_view section, std::string_view key) const override
    {
        const auto found = Values.find({std::string(section), std::string(key)});
        if (found == Values.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    void SaveSetting(std::string_view section, std::string_view key, std::string_view value) override
    {
        Values[{std::string(section), std::string(key)}] = std::string(value);
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

// Every record and the image alike.
inline bool SameData(const RadioData& a, const RadioData& b)
{
    return a.RadioImage == b.RadioImage && a.ModelIndex == b.ModelIndex && a.UsaChannels == b.UsaChannels &&
           a.IntlChannels == b.IntlChannels && a.CanadaChannels == b.CanadaChannels &&
           a.WxChannels == b.WxChannels && a.ExpChannels == b.ExpChannels &&
           a.UsableGroups == b.UsableGroups && a.CommonSetup == b.CommonSetup &&
           a.DscBasicSetup == b.DscBasicSetup && a.DscAdvancedSetup == b.DscAdvancedSetup &&
           a.DscDisplaySetup == b.DscDisplaySetup && a.AtisCommonSetup == b.AtisCommonSetup &&
           a.AtisCallSigns == b.AtisCallSigns && a.IndividualDirectory == b.IndividualDirectory &&
           a.GroupDirectory == b.GroupDirectory;
}

// The lines of the first section of that name, without their line ends.
std::vector<std::string> SectionLines(const std::string& fileText, const std::string& section);

// Runs body where folder cannot be written: as an unprivileged user in a child process when the
// tests run as root (who may write anywhere), else with the folder made read-only. The child's
// exit code is body's result.
bool RunWithoutWriteAccess(const std::filesystem::path& folder, const std::function<bool()>& body);

}  // namespace kelpie
