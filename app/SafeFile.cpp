#include "app/SafeFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace kovrel {

namespace {

Fault CouldNotRead(const std::string& path) {
    return Fault{"The file \"" + path + "\" could not be read."};
}

// A save refused before anything was written, for a reason the system has no code for.
constexpr std::string_view kNotAPlainFile = "It is not a plain file.";

Fault Because(int error) {
    return Fault{SystemReason(error)};
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
    void reset(int fd = -1) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }

  private:
    int fd_;
};

// Writes all of `bytes` at `offset`; false with errno set when the system refuses part of it.
bool WriteAllAt(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

// Waits for the file's exclusive lock. A file system without locks still saves: the lock
// only keeps saves of one file from stepping on each other.
void LockExclusively(int fd) {
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
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
// An empty temporary file younger than this may belong to a save that has just created it
// and is about to lock it; a minute is far more than that takes.
constexpr time_t kJustCreatedSeconds = 60;

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

// Temporary files an interrupted save of the same target left behind. A running save holds
// the lock of its temporary file from before its first byte until its rename, and the system
// lets go of it when the save's process ends, however it ends: a file whose lock can be had
// belongs to no running save. Two windows, or the window and the tool, may save one file at
// the same moment.
void RemoveLeftovers(const std::string& folder, std::string_view prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsLeftoverOf(entry->d_name, prefix)) {
            continue;
        }
        const FileHandle file(
            ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat locked {};
        if (!file || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0 ||
            ::fstat(file.get(), &locked) != 0 || !S_ISREG(locked.st_mode)) {
            continue;
        }
        if (locked.st_size == 0 && ::time(nullptr) - locked.st_mtime < kJustCreatedSeconds) {
            continue;
        }
        // Only the file that was locked: the name might have come to name another meanwhile.
        struct stat named {};
        if (::fstatat(::dirfd(dir), entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == locked.st_dev && named.st_ino == locked.st_ino) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// A new file beside the target under a name no file holds yet, created with `mode` (less the
// umask, as any new file) and locked for this save (see RemoveLeftovers).
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
            LockExclusively(fd);
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

// The old file's owner, group and permission bits on the new one; false when the owner or
// the group cannot be kept (only root may give a file away, and only a member may give it a
// group), since replacing the file would then hand it to this process's user.
bool KeepOwnerAndMode(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        return false;
    }
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        return false;
    }
    // After the owner: a change of owner clears the set-user-ID bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Saved beside the target and renamed over it: true. False when that cannot be done without
// changing what the old file was (its owner, its group), or the folder may not be written or
// not renamed in (a sticky folder): the file is then to be written in place.
Result<bool> ReplaceFile(const std::string& target, std::string_view bytes,
                         const struct stat* old) {
    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryNamePrefix(NameOf(target));
    RemoveLeftovers(folder, prefix);
    FileHandle temporary;
    const mode_t mode = old != nullptr ? (old->st_mode & 0777) : 0666;
    const std::optional<std::string> temporaryPath =
        CreateTemporary(folder, prefix, mode, temporary);
    if (!temporaryPath) {
        if (old != nullptr && (errno == EACCES || errno == EPERM)) {
            return false;
        }
        return Because(errno);
    }
    const auto removeTemporary = [&] {
        // Removed while still locked, so no other save's cleanup races for it.
        ::unlink(temporaryPath->c_str());
        temporary.reset();
    };
    const auto giveUp = [&](int error) -> Result<bool> {
        removeTemporary();
        return Because(error);
    };
    if (old != nullptr && !KeepOwnerAndMode(temporary.get(), *old)) {
        removeTemporary();
        return false;
    }
    if (!WriteAllAt(temporary.get(), bytes, 0)) {
        return giveUp(errno);
    }
    // The data is on the disk before the name points at it, so a crash leaves the old file or
    // the new one, never an empty one.
    if (::fsync(temporary.get()) != 0) {
        return giveUp(errno);
    }
    if (::rename(temporaryPath->c_str(), target.c_str()) != 0) {
        const int error = errno;
        if (old != nullptr && (error == EACCES || error == EPERM)) {
            removeTemporary();
            return false;
        }
        return giveUp(error);
    }
    temporary.reset();
    SyncFolder(folder);
    return true;
}

// The target written where it stands, for when it may not be replaced. The old reading is
// never emptied first: the bytes beyond its length go on its end (after its 17 lines, where
// opening never looks), then the rest goes over the old bytes in one write, and only then is
// the length cut. A save that dies or fails on the way leaves the old reading or the new one.
Result<> RewriteInPlace(int fd, std::string_view bytes) {
    // Saves of the same file in place, from two windows or the window and the tool, take
    // turns, so the file is one whole reading.
    LockExclusively(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return Because(errno);
    }
    const auto oldLength = static_cast<std::size_t>(status.st_size);
    if (bytes.size() > oldLength) {
        if (!WriteAllAt(fd, bytes.substr(oldLength), static_cast<off_t>(oldLength))) {
            const int error = errno;
            [[maybe_unused]] const int cut = ::ftruncate(fd, status.st_size);
            return Because(error);
        }
    }
    if (!WriteAllAt(fd, bytes.substr(0, oldLength), 0)) {
        return Because(errno);
    }
    if (bytes.size() < oldLength && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
        return Because(errno);
    }
    if (::fsync(fd) != 0) {
        return Because(errno);
    }
    return Success();
}

} // namespace

std::string SystemReason(int error) {
    // The category's message is strerror's text, without strerror's shared buffer.
    return std::generic_category().message(error) + ".";
}

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
    if (!target) {
        return Because(ELOOP);
    }
    if (target->empty() || target->ends_with('/')) {
        return Because(EISDIR);
    }
    struct stat old {};
    if (::stat(target->c_str(), &old) != 0) {
        if (errno != ENOENT) {
            return Because(errno);
        }
        const Result<bool> created = ReplaceFile(*target, bytes, nullptr);
        if (!created) {
            return created.fault();
        }
        return Success();
    }
    if (!S_ISREG(old.st_mode)) {
        return Fault{std::string(kNotAPlainFile)};
    }
    // A file nobody may write is refused even to root, who could: as the save dialog does.
    if ((old.st_mode & 0222) == 0) {
        return Because(EACCES);
    }
    // Opening it for writing honours its write protection, which a rename would bypass; the
    // handle also serves for writing in place.
    FileHandle existing(::open(target->c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (!existing) {
        return Because(errno);
    }
    if (::fstat(existing.get(), &old) != 0) {
        return Because(errno);
    }
    if (!S_ISREG(old.st_mode)) {
        return Fault{std::string(kNotAPlainFile)};
    }
    // A file with other names keeps them all: a new file would leave them on the old one.
    if (old.st_nlink <= 1) {
        const Result<bool> replaced = ReplaceFile(*target, bytes, &old);
        if (!replaced) {
            return replaced.fault();
        }
        if (*replaced) {
            return Success();
        }
    }
    return RewriteInPlace(existing.get(), bytes);
}

std::optional<std::string> ReadOnlyReason(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    // A file nobody may write is marked read-only, and is refused even to root, who could.
    if ((status.st_mode & 0222) == 0) {
        return SystemReason(EACCES);
    }
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        return SystemReason(errno);
    }
    return std::nullopt;
}

bool IsReadOnlyFile(const std::string& path) {
    return ReadOnlyReason(path).has_value();
}

} // namespace kovrel
