// TempFolder.h — a fresh folder under the system's temporary folder, removed with its contents.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace kelpie {

struct TempFolder
{
    std::filesystem::path Path =
        std::filesystem::temp_directory_path() / ("kelpie-test-" + std::to_string(std::random_device()()));

    TempFolder() { std::filesystem::create_directories(Path); }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return Path / name; }
};

}  // namespace kelpie
