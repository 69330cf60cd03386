#include "desktop/gui/InstanceGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kovrel {

namespace {

#ifdef Q_OS_UNIX
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

// The file name of the program a process runs, without the mark of a replaced file.
QString ProgramOf(qint64 pid) {
    QString target = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    target.remove(QStringLiteral(" (deleted)"));
    return QFileInfo(target).fileName();
}
#endif

} // namespace

bool IsPrivateFolder(const QString& path, unsigned uid) {
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return false;
    }
    return S_ISDIR(status.st_mode) && status.st_uid == static_cast<uid_t>(uid) &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
#else
    Q_UNUSED(uid);
    return QFileInfo(path).isDir();
#endif
}

QString PrivateLockFolder(unsigned uid, const LockPlaces& places) {
#ifdef Q_OS_UNIX
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
#else
    Q_UNUSED(uid);
    Q_UNUSED(places);
    return {};
#endif
}

bool LockNamesLiveCopy(const QString& path) {
    qint64 pid = 0;
    QString host;
    QString program;
    if (!QLockFile(path).getLockInfo(&pid, &host, &program) || pid <= 0) {
        return false;
    }
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        return false;
    }
#ifdef Q_OS_UNIX
    if (::kill(static_cast<pid_t>(pid), 0) != 0) {
        // Gone, or a process of another user that we may not signal.
        return false;
    }
    struct stat status {};
    const QByteArray proc = QFile::encodeName(QStringLiteral("/proc/%1").arg(pid));
    if (::stat(proc.constData(), &status) == 0) {
        if (status.st_uid != ::getuid()) {
            return false;
        }
        // A process id reused by another program after a crash.
        const QString running = ProgramOf(pid);
        const QString ours = ProgramOf(QCoreApplication::applicationPid());
        return running.isEmpty() || ours.isEmpty() || running == ours;
    }
    return true;
#else
    Q_UNUSED(program);
    return true;
#endif
}

QString InstanceGuard::DefaultLockPath() {
#ifdef Q_OS_UNIX
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
#endif
    // No private folder at all: the user's own data folder, wherever the system keeps it.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    return QDir(data).filePath(QStringLiteral("kovrel.lock"));
}

InstanceGuard::InstanceGuard(QString lockPath) : path_(std::move(lockPath)) {}

InstanceGuard::~InstanceGuard() = default; // QLockFile removes its file when it held the lock

bool InstanceGuard::acquire() {
    if (holdsLock()) {
        return true;
    }
    lock_ = std::make_unique<QLockFile>(path_);
    // A running copy may hold the lock for days: never treat a lock as stale for its age, only
    // for what it names.
    lock_->setStaleLockTime(0);
    // QLockFile itself takes over the lock of an ended process, but keeps one it cannot read or
    // that names another host. One more try after removing such a lock; removing fails while a
    // live holder keeps its file locked.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (lock_->tryLock(0)) {
            return true;
        }
        if (lock_->error() != QLockFile::LockFailedError || LockNamesLiveCopy(path_) ||
            !lock_->removeStaleLockFile()) {
            break;
        }
    }
    lock_.reset();
    return false;
}

bool InstanceGuard::holdsLock() const {
    return lock_ && lock_->isLocked();
}

QString InstanceGuard::socketPath() const {
    const QFileInfo lock(path_);
    return lock.dir().filePath(lock.completeBaseName() + QStringLiteral(".socket"));
}

} // namespace kovrel
