#include "app/gui/InstanceGuard.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace kovrel {

QString InstanceGuard::DefaultLockPath() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir().mkpath(runtime)) {
        return QDir(runtime).filePath(QStringLiteral("kovrel.lock"));
    }
    // The temporary folder is shared by all users, so the name says whose lock it is.
#ifdef Q_OS_UNIX
    const QString user = QString::number(::getuid());
#else
    const QString user = qEnvironmentVariable("USERNAME", QStringLiteral("user"));
#endif
    return QDir(QDir::tempPath()).filePath(QStringLiteral("kovrel-%1.lock").arg(user));
}

InstanceGuard::InstanceGuard(QString lockPath) : path_(std::move(lockPath)) {}

InstanceGuard::~InstanceGuard() = default; // QLockFile removes its file when it held the lock

bool InstanceGuard::acquire() {
    if (holdsLock()) {
        return true;
    }
    lock_ = std::make_unique<QLockFile>(path_);
    // A running copy may hold the lock for days: never treat a lock as stale for its age, only
    // when the process that wrote it no longer runs (QLockFile checks that in tryLock).
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        return true;
    }
    lock_.reset();
    return false;
}

bool InstanceGuard::holdsLock() const {
    return lock_ && lock_->isLocked();
}

} // namespace kovrel
