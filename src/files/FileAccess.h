// FileAccess.h — whole-file reads and writes for the data, hex and default-image files, with the
// error number and description the error log records.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/Text.h"

namespace kelpie {

// A failed file operation: the system's error number and its description.
class FileError : public std::runtime_error
{
public:
    FileError(int number, const std::string& description);
    int Number() const { return m_number; }
    // The error number followed directly by the description, as the error log takes it.
    std::string LogText() const;

private:
    int m_number;
};

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& fileName);

// Writes the bytes to a new file beside fileName and renames it over fileName once every byte is
// on disk, so that a failure leaves an existing file exactly as it was.
void WriteFileAtomically(const std::filesystem::path& fileName, std::string_view bytes);

// The file of that name in folder, its name compared without regard to case; an exact match is
// preferred. Nothing when the folder holds no such file.
std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& folder,
                                                          std::string_view name);

}  // namespace kelpie
