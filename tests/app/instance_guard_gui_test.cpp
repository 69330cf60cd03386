// One running copy per user: the lock is held, refused to a second copy, and a lock left by a
// crashed run is taken over.
#include "app/gui/InstanceGuard.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kovrel {
namespace {

class InstanceGuardTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString lockPath() const { return folder.filePath("kovrel.lock"); }

    // Leaves a lock file as a copy of this program with process id `pid` would, `age` seconds old.
    void writeLockOf(qint64 pid, int age = 0) const {
        const QString probePath = folder.filePath("probe.lock");
        QByteArray content;
        {
            QLockFile probe(probePath);
            ASSERT_TRUE(probe.tryLock(0));
            QFile file(probePath);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            content = file.readAll();
        }
        QFile file(lockPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(pid) + content.mid(content.indexOf('\n')));
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                                     QFileDevice::FileModificationTime));
    }

    QTemporaryDir folder;
};

TEST_F(InstanceGuardTest, SecondCopyIsRefusedWhileTheFirstRunsAndStartsAfterIt) {
    {
        InstanceGuard first(lockPath());
        ASSERT_TRUE(first.acquire());
        EXPECT_TRUE(QFile::exists(lockPath()));
        {
            InstanceGuard second(lockPath());
            EXPECT_FALSE(second.acquire());
            EXPECT_FALSE(second.holdsLock());
        }
        EXPECT_TRUE(first.holdsLock()) << "a refused copy leaves the running one alone";
    }
    EXPECT_FALSE(QFile::exists(lockPath())) << "released when the copy ends";
    InstanceGuard next(lockPath());
    EXPECT_TRUE(next.acquire());
}

TEST_F(InstanceGuardTest, LockOfACrashedRunDoesNotBlockTheNextStart) {
    // A process that has ended: its id is free, as after a crash.
    QProcess ended;
    ended.start("true", {});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    writeLockOf(deadPid);
    InstanceGuard guard(lockPath());
    EXPECT_TRUE(guard.acquire());
}

TEST_F(InstanceGuardTest, OldLockOfARunningCopyStillBlocks) {
    // The running copy is this very process; an hour-old lock is not stale while it runs.
    writeLockOf(QCoreApplication::applicationPid(), 3600);
    InstanceGuard guard(lockPath());
    EXPECT_FALSE(guard.acquire());
}

TEST_F(InstanceGuardTest, LockLivesInTheUsersRuntimeFolder) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    ASSERT_TRUE(QFile::setPermissions(
        folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
    const QFileInfo lock(InstanceGuard::DefaultLockPath());
    qputenv("XDG_RUNTIME_DIR", saved);
    EXPECT_EQ(lock.absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(lock.fileName(), "kovrel.lock");
}

} // namespace
} // namespace kovrel
