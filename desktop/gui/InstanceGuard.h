#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace kovrel {

// Where the lock of one user can live. The folders are derived from the user id alone, never
// from the environment, so that two starts of the same user always find the same lock.
struct LockPlaces {
    QString runtimeRoot = QStringLiteral("/run/user"); // the session's runtime folders
    QString tempRoot = QStringLiteral("/tmp");         // for a private folder of our own
    QString home;                                      // the user's home, from the user database
};

// The first private folder of `uid` among the places: `runtimeRoot`/UID when it is a folder
// of that user that nobody else may write; else `tempRoot`/kovrel-UID, created for the user
// alone and checked to be theirs (another user could have created it first); else a folder
// under the home's cache. Empty when none can be had.
QString PrivateLockFolder(unsigned uid, const LockPlaces& places);

// True when `path` itself (not a link) is a folder owned by `uid` that no other user may write.
bool IsPrivateFolder(const QString& path, unsigned uid);

// True when the lock file at `path` names a running copy of this program of this user on this
// host. Empty, damaged or foreign contents, a process that has ended, a process of another
// user or of another program: false, the lock is stale.
bool LockNamesLiveCopy(const QString& path);

// One running copy of the program per user. The lock is a file in a folder only this user can
// write; a lock that does not name a live copy (left by a crash, damaged, copied from another
// host) is taken over.
class InstanceGuard {
  public:
    // The lock file of this user. A private folder named by KOVREL_LOCK_FOLDER replaces the
    // usual places: a test that starts the real program gives it a lock of its own, so that a
    // Kovrel the same user runs beside it neither blocks it nor is disturbed by it.
    static QString DefaultLockPath();

    explicit InstanceGuard(QString lockPath = DefaultLockPath());
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // True when this is the only running copy; the lock is then held until destruction.
    bool acquire();
    bool holdsLock() const;
    const QString& lockPath() const { return path_; }
    // The local socket of the running copy, beside the lock.
    QString socketPath() const;

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace kovrel
