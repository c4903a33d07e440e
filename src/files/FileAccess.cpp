#include "files/FileAccess.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <system_error>

namespace kelpie {

namespace {

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void ThrowErrno()
{
    const int number = errno != 0 ? errno : EIO;
    throw FileError(number, std::strerror(number));
}

[[noreturn]] void ThrowErrorCode(const std::error_code& error)
{
    throw FileError(error.value(), error.message());
}

}  // namespace

FileError::FileError(int number, const std::string& description)
    : std::runtime_error(description), m_number(number)
{}

std::string FileError::LogText() const
{
    return std::to_string(m_number) + what();
}

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& fileName)
{
    errno = 0;
    FilePointer file(std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        ThrowErrno();
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[8192];
    std::size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    if (std::ferror(file.get())) {
        ThrowErrno();
    }
    return bytes;
}

void WriteFileAtomically(const std::filesystem::path& fileName, std::string_view bytes)
{
    std::random_device random;
    std::filesystem::path temporary = fileName;
    temporary += "." + std::to_string(random() % 1000000) + ".tmp";
    errno = 0;
    // "x": never reuse a file that happens to carry the temporary name.
    FilePointer file(std::fopen(temporary.c_str(), "wbx"));
    if (!file) {
        ThrowErrno();
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0;
    const int writeErrno = errno;
    const bool closed = std::fclose(file.release()) == 0;
    std::error_code ignored;
    if (!written || !closed) {
        std::filesystem::remove(temporary, ignored);
        errno = writeErrno;
        ThrowErrno();
    }
    std::error_code error;
    std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::filesystem::remove(temporary, ignored);
        ThrowErrorCode(error);
    }
}

std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& folder,
                                                          std::string_view name)
{
    std::error_code error;
    if (std::filesystem::is_regular_file(folder / name, error)) {
        return folder / name;
    }
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (EqualsIgnoringCase(it->path().filename().string(), name) && it->is_regular_file(error)) {
            return it->path();
        }
    }
    return std::nullopt;
}

}  // namespace kelpie
