#include "app/SafeFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace kovrel {

namespace {

Fault CouldNotRead(const std::string& path) {
    return Fault{"The file \"" + path + "\" could not be read."};
}

Fault CouldNotWrite(const std::string& path) {
    return Fault{"The file \"" + path + "\" could not be written."};
}

// A file descriptor closed when it goes out of scope.
class FileHandle {
  public:
    explicit FileHandle(int fd = -1) : fd_(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { reset(); }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes now; false when the close reported an error (a write that failed late).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }
    void reset(int fd = -1) {
        close();
        fd_ = fd;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where a save of `path` must write: the path itself, or the file its chain of links ends at,
// whether or not that file exists yet. Nothing when the links go round in circles.
std::optional<std::string> SaveTarget(const std::string& path) {
    std::string target = path;
    // The same bound on links followed as the kernel's own.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat status {};
        if (::lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return target;
        }
        std::string link(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 256) + 1,
                         '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0 || static_cast<std::size_t>(length) >= link.size()) {
            return std::nullopt;
        }
        link.resize(static_cast<std::size_t>(length));
        target = link.starts_with('/') ? link : FolderOf(target) + "/" + link;
    }
    return std::nullopt;
}

// FNV-1a, 32 bits: a short fixed-length stand-in for a file name.
std::uint32_t NameHash(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kRandomLength = 6;

bool IsLeftoverOf(std::string_view entry, std::string_view prefix) {
    if (entry.size() != prefix.size() + kRandomLength + kTemporarySuffix.size() ||
        !entry.starts_with(prefix) || !entry.ends_with(kTemporarySuffix)) {
        return false;
    }
    for (const char c : entry.substr(prefix.size(), kRandomLength)) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))) {
            return false;
        }
    }
    return true;
}

// Temporary files an interrupted save of the same target left behind.
void RemoveLeftovers(const std::string& folder, std::string_view prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsLeftoverOf(entry->d_name, prefix)) {
            continue;
        }
        struct stat status {};
        if (::fstatat(::dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode)) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// A new file beside the target under a name no file holds yet, created with `mode` (less the
// umask, as any new file).
std::optional<std::string> CreateTemporary(const std::string& folder, std::string_view prefix,
                                           mode_t mode, FileHandle& file) {
    constexpr std::string_view kAlphabet = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(prefix);
        for (std::size_t i = 0; i < kRandomLength; ++i) {
            name += kAlphabet[pick(random)];
        }
        name += kTemporarySuffix;
        const std::string path = folder + "/" + name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            file.reset(fd);
            return path;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    errno = EEXIST;
    return std::nullopt;
}

// The folder's entry for the renamed file reaches the disk too. Some file systems refuse to
// sync a folder; the data itself is safe by then.
void SyncFolder(const std::string& folder) {
    FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir) {
        ::fsync(dir.get());
    }
}

// The old file's owner, group and permission bits on the new one. Only root may give a file
// away, and only a member may give it a group: what cannot be set stays the process's own.
void CopyOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    // After the owner: a change of owner clears the set-user-ID bits.
    ::fchmod(fd, old.st_mode & 07777);
}

// The target is written where it stands: for a file whose folder may not be written.
Result<> RewriteInPlace(const std::string& path, int fd, std::string_view bytes) {
    if (::ftruncate(fd, 0) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        return CouldNotWrite(path);
    }
    return Success();
}

} // namespace

Result<std::string> ReadLeadingLines(const std::string& path, int lineCount,
                                     std::size_t longestLine, std::string_view kind) {
    // Not blocking on open: a named pipe without a writer would wait for ever.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    // Only a plain file is a reading: a folder or a device would read as no lines at all, or
    // never end.
    if (!file || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return CouldNotRead(path);
    }
    std::string bytes;
    std::size_t lineStart = 0;
    int lines = 0;
    const auto tooLong = [&] {
        return Fault{"The file \"" + path + "\" is not " + std::string(kind) + ": line " +
                     std::to_string(lines + 1) + " is longer than " + std::to_string(longestLine) +
                     " characters."};
    };
    char buffer[65536];
    while (lines < lineCount) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return CouldNotRead(path);
        }
        if (got == 0) {
            break;
        }
        const std::size_t scanFrom = bytes.size();
        bytes.append(buffer, static_cast<std::size_t>(got));
        for (std::size_t at = scanFrom; at < bytes.size() && lines < lineCount; ++at) {
            if (bytes[at] != '\n') {
                continue;
            }
            std::size_t length = at - lineStart;
            if (length > 0 && bytes[at - 1] == '\r') {
                --length;
            }
            if (length > longestLine) {
                break;
            }
            ++lines;
            lineStart = at + 1;
            if (lines == lineCount) {
                bytes.resize(lineStart);
            }
        }
        // A line still open may yet end in CR LF: one byte more than the longest line is fine.
        if (lines < lineCount && bytes.size() - lineStart > longestLine + 1) {
            return tooLong();
        }
    }
    if (lines < lineCount && bytes.size() - lineStart > longestLine) {
        return tooLong();
    }
    return bytes;
}

std::string TemporaryNamePrefix(std::string_view fileName) {
    char hash[9] = {};
    std::snprintf(hash, sizeof hash, "%08x", static_cast<unsigned>(NameHash(fileName)));
    return std::string(".kvr-") + hash + "-";
}

Result<> WriteFileSafely(const std::string& path, std::string_view bytes) {
    const std::optional<std::string> target = SaveTarget(path);
    if (!target || target->empty() || target->ends_with('/')) {
        return CouldNotWrite(path);
    }
    const std::string folder = FolderOf(*target);

    struct stat old {};
    FileHandle existing;
    const bool targetExists = ::stat(target->c_str(), &old) == 0;
    if (targetExists) {
        if (!S_ISREG(old.st_mode)) {
            return CouldNotWrite(path);
        }
        // Replacing by rename would bypass a file's own write protection: honour it the way
        // writing in place would. The handle also serves when the folder is write-protected.
        existing.reset(::open(target->c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        if (!existing) {
            return CouldNotWrite(path);
        }
    } else if (errno != ENOENT) {
        return CouldNotWrite(path);
    }

    const std::string prefix = TemporaryNamePrefix(NameOf(*target));
    RemoveLeftovers(folder, prefix);
    FileHandle temporary;
    const mode_t mode = targetExists ? (old.st_mode & 0777) : 0666;
    const std::optional<std::string> temporaryPath =
        CreateTemporary(folder, prefix, mode, temporary);
    if (!temporaryPath) {
        if (targetExists && (errno == EACCES || errno == EPERM)) {
            return RewriteInPlace(path, existing.get(), bytes);
        }
        return CouldNotWrite(path);
    }
    existing.reset();
    const auto giveUp = [&] {
        temporary.reset();
        ::unlink(temporaryPath->c_str());
        return CouldNotWrite(path);
    };
    if (!WriteAll(temporary.get(), bytes)) {
        return giveUp();
    }
    if (targetExists) {
        CopyOwnerAndMode(temporary.get(), old);
    }
    // The data is on the disk before the name points at it, so a crash leaves the old file or
    // the new one, never an empty one.
    if (::fsync(temporary.get()) != 0 || !temporary.close()) {
        return giveUp();
    }
    if (::rename(temporaryPath->c_str(), target->c_str()) != 0) {
        return giveUp();
    }
    SyncFolder(folder);
    return Success();
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return false;
    }
    // A file nobody may write is marked read-only, and is refused even to root, who could.
    return (status.st_mode & 0222) == 0 ||
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

} // namespace kovrel
