#include "desktop/gui/InstanceGuard.h"

#include "app/SafeFile.h"
#include "desktop/gui/InstanceChannel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kovrel {

namespace {

// Creates `path` for the user alone when it is missing, then checks whoever made it: a folder
// another user made first is refused, however it came to be there.
QString EnsurePrivateFolder(const QString& path, unsigned uid) {
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    return IsPrivateFolder(path, uid) ? path : QString();
}

QString HomeOf(unsigned uid) {
    if (const passwd* entry = ::getpwuid(static_cast<uid_t>(uid)); entry && entry->pw_dir) {
        return QFile::decodeName(entry->pw_dir);
    }
    return {};
}

// The file name of the program a process runs, without the mark of a replaced file; empty
// when the system does not say (the first process, kernel threads, a process it hides).
QString ProgramOf(qint64 pid) {
    QString target = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    target.remove(QStringLiteral(" (deleted)"));
    return QFileInfo(target).fileName();
}

// A lock this program writes is three short lines: process id, program, host. More than this
// is not one, and is not read.
constexpr qint64 kLongestLockFile = 4096;
// A copy that runs answers on its channel at once; this is only for a busy machine.
constexpr int kAnswerMilliseconds = 500;

struct LockInfo {
    qint64 pid = 0;
    QString host;
};

// The process and host a lock file names, from its first bytes.
LockInfo ReadLockInfo(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    QByteArray bytes(kLongestLockFile, '\0');
    qsizetype got = 0;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        while (got < bytes.size()) {
            const ssize_t piece = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (piece < 0 && errno == EINTR) {
                continue;
            }
            if (piece <= 0) {
                break;
            }
            got += piece;
        }
    }
    ::close(fd);
    const QList<QByteArray> lines = bytes.first(got).split('\n');
    LockInfo info;
    if (lines.size() >= 3) {
        bool number = false;
        info.pid = lines[0].toLongLong(&number);
        if (!number) {
            info.pid = 0;
        }
        info.host = QString::fromUtf8(lines[2]);
    }
    return info;
}

// Whether some process holds the system's lock on the file: true or false, or nothing when
// the file system keeps no locks.
std::optional<bool> LockIsHeld(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::optional<bool> held;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        held = false;
    } else if (errno == EWOULDBLOCK) {
        held = true;
    }
    ::close(fd);
    return held;
}

QString SocketBeside(const QString& lockPath) {
    const QFileInfo lock(lockPath);
    return lock.dir().filePath(lock.completeBaseName() + QStringLiteral(".socket"));
}

// What this copy writes into its lock: the same three lines as QLockFile, so that earlier
// versions, which used it, recognise a running copy.
QByteArray OwnLockInfo() {
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
           QCoreApplication::applicationName().toUtf8() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n';
}

} // namespace

bool IsPrivateFolder(const QString& path, unsigned uid) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return false;
    }
    return S_ISDIR(status.st_mode) && status.st_uid == static_cast<uid_t>(uid) &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QString PrivateLockFolder(unsigned uid, const LockPlaces& places) {
    const QString id = QString::number(uid);
    if (const QString runtime = QDir(places.runtimeRoot).filePath(id);
        IsPrivateFolder(runtime, uid)) {
        return runtime;
    }
    if (QString temp = EnsurePrivateFolder(
            QDir(places.tempRoot).filePath(QStringLiteral("kovrel-") + id), uid);
        !temp.isEmpty()) {
        return temp;
    }
    if (!places.home.isEmpty()) {
        const QString cache = QDir(places.home).filePath(QStringLiteral(".cache"));
        QDir().mkpath(cache);
        return EnsurePrivateFolder(QDir(cache).filePath(QStringLiteral("kovrel")), uid);
    }
    return {};
}

bool LockNamesLiveCopy(const QString& path) {
    if (const std::optional<bool> held = LockIsHeld(path)) {
        return *held;
    }
    // No locks on this file system: the file's words are all there is.
    const LockInfo info = ReadLockInfo(path);
    if (info.pid <= 0 || info.pid == QCoreApplication::applicationPid()) {
        return false;
    }
    if (!info.host.isEmpty() && info.host != QSysInfo::machineHostName()) {
        return false;
    }
    if (::kill(static_cast<pid_t>(info.pid), 0) != 0) {
        // Gone, or a process of another user that we may not signal.
        return false;
    }
    struct stat status {};
    const QByteArray proc = QFile::encodeName(QStringLiteral("/proc/%1").arg(info.pid));
    if (::stat(proc.constData(), &status) == 0 && status.st_uid != ::getuid()) {
        return false;
    }
    // A process id reused by another program after a crash.
    const QString running = ProgramOf(info.pid);
    const QString ours = ProgramOf(QCoreApplication::applicationPid());
    if (!running.isEmpty() && !ours.isEmpty()) {
        return running == ours;
    }
    // A program the system does not name: a copy that runs answers on its channel.
    return InstanceChannel::Answers(SocketBeside(path), kAnswerMilliseconds);
}

QString LockUnavailableMessage(const QString& lockPath, const QString& reason) {
    return QStringLiteral("The lock file \"%1\" could not be made. %2 Kovrel starts all the same, "
                          "but cannot tell whether another copy of it is running.")
        .arg(lockPath, reason);
}

QString InstanceGuard::DefaultLockPath() {
    const unsigned uid = ::getuid();
    // Only a folder nobody else may write: a lock another user could replace is no lock.
    if (const QString given = qEnvironmentVariable("KOVREL_LOCK_FOLDER");
        !given.isEmpty() && IsPrivateFolder(given, uid)) {
        return QDir(given).filePath(QStringLiteral("kovrel.lock"));
    }
    LockPlaces places;
    places.home = HomeOf(uid);
    if (const QString folder = PrivateLockFolder(uid, places); !folder.isEmpty()) {
        return QDir(folder).filePath(QStringLiteral("kovrel.lock"));
    }
    // No private folder at all: the user's own data folder, wherever the system keeps it.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    return QDir(data).filePath(QStringLiteral("kovrel.lock"));
}

InstanceGuard::InstanceGuard(QString lockPath) : path_(std::move(lockPath)) {}

InstanceGuard::~InstanceGuard() {
    if (fd_ >= 0) {
        // Removed while still locked: a start that opened it meanwhile sees the name gone.
        ::unlink(QFile::encodeName(path_).constData());
        ::close(fd_);
    }
}

LockOutcome InstanceGuard::unavailable(int error) {
    problem_ = QString::fromStdString(SystemReason(error));
    return LockOutcome::Unavailable;
}

LockOutcome InstanceGuard::take() {
    if (fd_ >= 0) {
        return LockOutcome::Held;
    }
    problem_.clear();
    const QByteArray native = QFile::encodeName(path_);
    // A copy that ends between our open and our lock removes the name we opened: then again.
    for (int attempt = 0; attempt < 8; ++attempt) {
        int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                        0600);
        if (fd < 0) {
            const int error = errno;
            // A lock that stands where nothing may be written (a file system mounted read-only
            // after it was made) can still be locked: reading is enough for that.
            if (error == EROFS || error == EACCES) {
                fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            }
            if (fd < 0) {
                return unavailable(error);
            }
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0) {
            const int error = errno;
            ::close(fd);
            return unavailable(error);
        }
        if (!S_ISREG(opened.st_mode)) {
            ::close(fd);
            problem_ = QStringLiteral("It is not a plain file.");
            return LockOutcome::Unavailable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EWOULDBLOCK) {
                ::close(fd);
                return LockOutcome::AnotherCopyRuns;
            }
            if (error == EINTR) {
                ::close(fd);
                continue;
            }
            // A file system without locks: the file's contents decide.
            if (LockNamesLiveCopy(path_)) {
                ::close(fd);
                return LockOutcome::AnotherCopyRuns;
            }
        }
        struct stat named {};
        if (::stat(native.constData(), &named) != 0 || named.st_dev != opened.st_dev ||
            named.st_ino != opened.st_ino) {
            ::close(fd);
            continue;
        }
        // What the lock names is only for people and earlier versions: the lock itself is
        // held, even when a full disk takes none of it.
        const QByteArray info = OwnLockInfo();
        if (::ftruncate(fd, 0) == 0) {
            [[maybe_unused]] const ssize_t written = ::pwrite(fd, info.constData(), info.size(), 0);
        }
        fd_ = fd;
        return LockOutcome::Held;
    }
    return unavailable(EAGAIN);
}

QString InstanceGuard::socketPath() const {
    return SocketBeside(path_);
}

} // namespace kovrel
