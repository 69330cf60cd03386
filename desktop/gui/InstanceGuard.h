#pragma once

#include <QString>

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

// True when the lock file at `path` belongs to a running copy of this program of this user on
// this host: a copy holds its lock, or, where the file system has no locks, the file names a
// running copy. Only the file's first bytes are read, whatever its size. Empty, damaged or
// foreign contents, a process that has ended, this very process, a process of another user
// or of another program: false, the lock is stale. A process whose program cannot be read
// (the first process, a kernel thread) counts only when a copy answers on the hand-over
// channel beside the lock.
bool LockNamesLiveCopy(const QString& path);

// What came of trying for the lock.
enum class LockOutcome {
    Held,            // this is the only running copy
    AnotherCopyRuns, // a running copy holds it
    Unavailable,     // no lock can be had at that place (see InstanceGuard::problem)
};

// What the window says when no lock can be had: which file, why, and that work goes on.
QString LockUnavailableMessage(const QString& lockPath, const QString& reason);

// One running copy of the program per user. The lock is the system's own lock on a file in a
// folder only this user can write: it ends with the process that holds it, however that ends,
// so a crashed run never keeps the next one out and a running copy is never taken for a
// stale one, however old its lock.
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

    // Tries for the lock; once held, it is held until destruction.
    LockOutcome take();
    // True when this is the only running copy.
    bool acquire() { return take() == LockOutcome::Held; }
    bool holdsLock() const { return fd_ >= 0; }
    const QString& lockPath() const { return path_; }
    // Why the last take() found no lock to be had, in the system's words; empty otherwise.
    const QString& problem() const { return problem_; }
    // The local socket of the running copy, beside the lock.
    QString socketPath() const;

  private:
    LockOutcome unavailable(int error);

    QString path_;
    int fd_ = -1;
    QString problem_;
};

} // namespace kovrel
