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

// The most any file the program reads may hold: far more than the largest data file of any
// model, far less than would strain the machine.
constexpr std::uintmax_t kReadableFileLimit = 4 * 1024 * 1024;

// The whole content of a regular file. A folder, a device, a pipe or a file larger than
// kReadableFileLimit is refused before anything is read from it.
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& fileName);

// Refuses, with the reason, a name a save could not write: an existing file the user may not
// write or that is read-only, something that is not a file, or a folder that does not exist or
// cannot take a new file. Symbolic links are followed to the file they name.
void CheckWritable(const std::filesystem::path& fileName);

// Saves the bytes under fileName so that a failure leaves an existing file exactly as it was.
// The bytes go to a short-named file beside the target, which then replaces it keeping its
// permissions; a symbolic link keeps pointing at the file it names, which receives the save. A
// file with other hard links is written in place once its space is reserved, so that every link
// sees the save. A target CheckWritable refuses is refused with the same reason.
void WriteFileAtomically(const std::filesystem::path& fileName, std::string_view bytes);

// Writes the bytes to a new file stem + extension in folder, or stem-2 + extension and so on
// when that name is taken: an existing file is never replaced, not even by another program
// saving at the same moment. The name used.
std::filesystem::path WriteNewFile(const std::filesystem::path& folder, std::string_view stem,
                                   std::string_view extension, std::string_view bytes);

// The file's size and modification time as one text that changes when another program writes the
// file; empty when there is no such file.
std::string FileStamp(const std::filesystem::path& fileName);

// A message box text naming the failure's reason on a second line: "FileSave Error!!\r\n...".
std::string MessageWithReason(std::string_view message, std::string_view reason);

// The file of that name in folder, its name compared without regard to case; an exact match is
// preferred. Nothing when the folder holds no such file.
std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& folder,
                                                          std::string_view name);

}  // namespace kelpie
