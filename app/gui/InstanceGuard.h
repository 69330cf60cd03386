#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace kovrel {

// One running copy of the program per user. The lock is a file in the user's runtime folder;
// a lock left behind by a run that crashed is recognised (its process is gone) and taken over.
class InstanceGuard {
  public:
    // The lock file of this user: in the runtime folder, else in the temporary folder under a
    // name that carries the user.
    static QString DefaultLockPath();

    explicit InstanceGuard(QString lockPath = DefaultLockPath());
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    // True when this is the only running copy; the lock is then held until destruction.
    bool acquire();
    bool holdsLock() const;
    const QString& lockPath() const { return path_; }

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace kovrel
