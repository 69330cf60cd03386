// One running copy per user: the lock is held, refused to a second copy, and a lock left by a
// crashed run is taken over.
#include "app/InstanceGuard.h"

#include <QCoreApplication>
#include <QDir>
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
    QString lockPath() const { return folder.filePath(QStringLiteral("kovrel.lock")); }

    // The content a lock file of this program would have, with another process id.
    QByteArray lockContentWithPid(qint64 pid) const {
        const QString probePath = folder.filePath(QStringLiteral("probe.lock"));
        QByteArray content;
        {
            QLockFile probe(probePath);
            EXPECT_TRUE(probe.tryLock(0));
            QFile file(probePath);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            content = file.readAll();
        }
        const qsizetype firstLineEnd = content.indexOf('\n');
        return QByteArray::number(pid) + content.mid(firstLineEnd);
    }

    void writeLock(const QByteArray& content) const {
        QFile file(lockPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir folder;
};

TEST_F(InstanceGuardTest, SecondCopyIsRefusedWhileTheFirstRuns) {
    InstanceGuard first(lockPath());
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.holdsLock());
    EXPECT_TRUE(QFile::exists(lockPath()));
    {
        InstanceGuard second(lockPath());
        EXPECT_FALSE(second.acquire());
        EXPECT_FALSE(second.holdsLock());
    }
    EXPECT_TRUE(first.holdsLock()) << "a refused copy leaves the running one alone";
}

TEST_F(InstanceGuardTest, LockIsReleasedWhenTheCopyEnds) {
    {
        InstanceGuard first(lockPath());
        ASSERT_TRUE(first.acquire());
    }
    EXPECT_FALSE(QFile::exists(lockPath()));
    InstanceGuard next(lockPath());
    EXPECT_TRUE(next.acquire());
}

TEST_F(InstanceGuardTest, LockOfACrashedRunDoesNotBlockTheNextStart) {
    // A process that has ended: its id is free, as after a crash.
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    ASSERT_TRUE(ended.waitForFinished());
    writeLock(lockContentWithPid(deadPid));

    InstanceGuard guard(lockPath());
    EXPECT_TRUE(guard.acquire());
}

TEST_F(InstanceGuardTest, OldLockOfARunningCopyStillBlocks) {
    // The running copy is this very process; an hour-old lock is not stale while it runs.
    writeLock(lockContentWithPid(QCoreApplication::applicationPid()));
    QFile file(lockPath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    file.close();
    InstanceGuard guard(lockPath());
    EXPECT_FALSE(guard.acquire());
}

TEST_F(InstanceGuardTest, LockLivesInTheUsersRuntimeFolder) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    ASSERT_TRUE(QFile::setPermissions(
        folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
    const QString path = InstanceGuard::DefaultLockPath();
    qputenv("XDG_RUNTIME_DIR", saved);
    EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(QFileInfo(path).fileName(), QStringLiteral("kovrel.lock"));
}

} // namespace
} // namespace kovrel
