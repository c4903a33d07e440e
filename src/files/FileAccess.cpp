#include "files/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

namespace kelpie {

namespace fs = std::filesystem;

namespace {

constexpr int kLinkLimit = 40;      // symbolic links followed at most, as the system does
constexpr int kNameAttempts = 100;  // fresh names tried for a temporary or a new file

[[noreturn]] void ThrowNumber(int number)
{
    throw FileError(number, std::strerror(number));
}

[[noreturn]] void ThrowErrno()
{
    ThrowNumber(errno != 0 ? errno : EIO);
}

// An open file descriptor, closed when it goes out of scope unless Close() already did.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int Get() const { return m_fd; }
    void Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0) {
            ThrowErrno();
        }
    }

private:
    int m_fd;
};

void WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno();
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

void Sync(int fd)
{
    if (::fsync(fd) != 0) {
        ThrowErrno();
    }
}

[[noreturn]] void ThrowTooLarge()
{
    throw FileError(EFBIG, "larger than any file Kelpie reads (" + std::to_string(kReadableFileLimit) +
                               " bytes at most)");
}

// The file a name stands for once every symbolic link on the way is followed; a link that points
// nowhere yet names the file a save creates.
fs::path FollowLinks(const fs::path& fileName)
{
    fs::path path = fileName;
    for (int i = 0; i < kLinkLimit; ++i) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            return path;
        }
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            throw FileError(error.value(), error.message());
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    ThrowNumber(ELOOP);
}

fs::path FolderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Where a save goes and what is there now.
struct SaveTarget
{
    fs::path Path;
    bool Exists = false;
    struct stat Status = {};
};

// A file with other hard links is rewritten in place, so that every link sees the save.
bool RewritesInPlace(const SaveTarget& target)
{
    return target.Exists && target.Status.st_nlink > 1;
}

SaveTarget ExamineSaveTarget(const fs::path& fileName)
{
    SaveTarget target;
    target.Path = FollowLinks(fileName);
    if (::stat(target.Path.c_str(), &target.Status) == 0) {
        target.Exists = true;
        if (!S_ISREG(target.Status.st_mode)) {
            throw FileError(EINVAL, "not a file: " + target.Path.string());
        }
        if (::access(target.Path.c_str(), W_OK) != 0) {
            ThrowErrno();
        }
        // The system lets an administrator write anything; a file nobody may write was protected
        // on purpose.
        if ((target.Status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            throw FileError(EACCES, "the file is read-only");
        }
    } else if (errno != ENOENT) {
        ThrowErrno();
    }
    // The temporary file that replaces the target is made in its folder.
    if (!RewritesInPlace(target) && ::access(FolderOf(target.Path).c_str(), W_OK | X_OK) != 0) {
        ThrowErrno();
    }
    return target;
}

std::string RandomDigits()
{
    static std::random_device random;
    return std::to_string(random() % 1000000);
}

// The bytes go to a short-named temporary beside the target, which then takes the target's place.
void ReplaceByRename(const SaveTarget& target, std::string_view bytes)
{
    const fs::path folder = FolderOf(target.Path);
    const mode_t mode = target.Exists ? target.Status.st_mode & 07777 : 0666;
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < kNameAttempts; ++attempt) {
        temporary = folder / (".kelpie-" + RandomDigits() + ".tmp");
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) {
            ThrowErrno();
        }
    }
    if (fd < 0) {
        ThrowNumber(EEXIST);
    }
    Descriptor file(fd);
    try {
        if (target.Exists) {
            // The owner can be kept only by an administrator; the permissions always.
            if (target.Status.st_uid != ::geteuid() || target.Status.st_gid != ::getegid()) {
                [[maybe_unused]] const int kept = ::fchown(fd, target.Status.st_uid, target.Status.st_gid);
            }
            if (::fchmod(fd, mode) != 0) {
                ThrowErrno();
            }
        }
        WriteAll(fd, bytes);
        Sync(fd);
        file.Close();
        if (::rename(temporary.c_str(), target.Path.c_str()) != 0) {
            ThrowErrno();
        }
    } catch (const FileError&) {
        ::unlink(temporary.c_str());
        throw;
    }
}

// The space is reserved first: a full disk is found before a byte of the old content is
// overwritten.
void RewriteInPlace(const SaveTarget& target, std::string_view bytes)
{
    Descriptor file(::open(target.Path.c_str(), O_WRONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        ThrowErrno();
    }
    if (!bytes.empty()) {
        const int reserved = ::posix_fallocate(file.Get(), 0, static_cast<off_t>(bytes.size()));
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
            ThrowNumber(reserved);
        }
    }
    WriteAll(file.Get(), bytes);
    if (::ftruncate(file.Get(), static_cast<off_t>(bytes.size())) != 0) {
        ThrowErrno();
    }
    Sync(file.Get());
    file.Close();
}

}  // namespace

FileError::FileError(int number, const std::string& description)
    : std::runtime_error(description), m_number(number)
{}

std::string FileError::LogText() const
{
    return std::to_string(m_number) + what();
}

std::vector<std::uint8_t> ReadWholeFile(const fs::path& fileName)
{
    // Not blocking on the open: a pipe would otherwise wait for a writer for ever.
    Descriptor file(::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status = {};
    if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0) {
        ThrowErrno();
    }
    if (!S_ISREG(status.st_mode)) {
        throw FileError(EINVAL, "not a file");
    }
    if (static_cast<std::uintmax_t>(status.st_size) > kReadableFileLimit) {
        ThrowTooLarge();
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[8192];
    for (;;) {
        const ssize_t count = ::read(file.Get(), chunk, sizeof chunk);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno();
        }
        if (count == 0) {
            return bytes;
        }
        bytes.insert(bytes.end(), chunk, chunk + count);
        if (bytes.size() > kReadableFileLimit) {
            ThrowTooLarge();
        }
    }
}

void CheckWritable(const fs::path& fileName)
{
    ExamineSaveTarget(fileName);
}

void WriteFileAtomically(const fs::path& fileName, std::string_view bytes)
{
    const SaveTarget target = ExamineSaveTarget(fileName);
    if (RewritesInPlace(target)) {
        RewriteInPlace(target, bytes);
    } else {
        ReplaceByRename(target, bytes);
    }
}

fs::path WriteNewFile(const fs::path& folder, std::string_view stem, std::string_view extension,
                      std::string_view bytes)
{
    for (int n = 1; n <= kNameAttempts; ++n) {
        const std::string suffix = n == 1 ? std::string() : "-" + std::to_string(n);
        const fs::path file = folder / (std::string(stem) + suffix + std::string(extension));
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            ThrowErrno();
        }
        Descriptor descriptor(fd);
        try {
            WriteAll(fd, bytes);
            Sync(fd);
            descriptor.Close();
        } catch (const FileError&) {
            ::unlink(file.c_str());
            throw;
        }
        return file;
    }
    ThrowNumber(EEXIST);
}

std::string FileStamp(const std::filesystem::path& fileName)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(fileName, error);
    if (error) {
        return {};
    }
    const auto time = std::filesystem::last_write_time(fileName, error);
    if (error) {
        return {};
    }
    return std::to_string(size) + "@" + std::to_string(time.time_since_epoch().count());
}

std::string MessageWithReason(std::string_view message, std::string_view reason)
{
    return std::string(message) + "\r\n" + std::string(reason);
}

std::optional<fs::path> FindFileIgnoringCase(const fs::path& folder, std::string_view name)
{
    std::error_code error;
    if (fs::is_regular_file(folder / name, error)) {
        return folder / name;
    }
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (EqualsIgnoringCase(it->path().filename().string(), name) && it->is_regular_file(error)) {
            return it->path();
        }
    }
    return std::nullopt;
}

}  // namespace kelpie
