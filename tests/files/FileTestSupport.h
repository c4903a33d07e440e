// FileTestSupport.h — what the file tests share: a temporary folder, the boxes a box-recording
// FileUi saw, and file helpers.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "model/RadioData.h"
#include "model/ShellState.h"
#include "support/Fakes.h"

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

// A box with an OK button, titled with the program title unless another is given.
inline std::vector<RecordedMessage> OkBox(std::string text, MessageIcon icon,
                                          std::string title = ShellState().ProgramTitle)
{
    return {{std::move(text), std::move(title), icon, MessageButtons::Ok}};
}

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
