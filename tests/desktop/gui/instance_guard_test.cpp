// One running copy per user: the lock is held, refused to a second copy, and a lock that does
// not name a live copy (crashed, damaged, another host's, another program's) is taken over; the
// lock's folder is the user's alone; files go from a second start to the running copy.
#include "desktop/gui/InstanceChannel.h"
#include "desktop/gui/InstanceGuard.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace kovrel {
namespace {

class InstanceGuardTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString lockPath() const { return folder.filePath("kovrel.lock"); }

    // Leaves a lock file with exactly these bytes, as a damaged or foreign file would.
    void writeLockBytes(const QByteArray& bytes) const {
        QFile file(lockPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

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
    InstanceGuard running(lockPath());
    ASSERT_TRUE(running.acquire());
    QFile file(lockPath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    InstanceGuard guard(lockPath());
    EXPECT_EQ(guard.take(), LockOutcome::AnotherCopyRuns);
}

TEST_F(InstanceGuardTest, NoLockToBeHadLetsTheUserWorkAndNoLeftoverLocksThemOut) {
    // Where no lock can be made, nothing is known to run: the start is told why and where.
    QFile plain(folder.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(folder.path()).mkdir("kovrel.lock"));
    const std::pair<QString, QString> places[] = {
        {lockPath(), "Is a directory."}, // the system's texts for EISDIR, ENOENT, ENOTDIR
        {folder.filePath("missing/kovrel.lock"), "No such file or directory."},
        {folder.filePath("plain/kovrel.lock"), "Not a directory."},
    };
    for (const auto& [path, reason] : places) {
        InstanceGuard guard(path);
        EXPECT_EQ(guard.take(), LockOutcome::Unavailable) << path.toStdString();
        EXPECT_EQ(guard.problem(), reason);
        EXPECT_FALSE(guard.holdsLock());
        const QString message = LockUnavailableMessage(path, guard.problem());
        EXPECT_TRUE(message.contains('"' + path + "\" could not be made. " + reason))
            << message.toStdString();
    }
    ASSERT_TRUE(QDir(folder.path()).rmdir("kovrel.lock"));

    // A lock naming the first process, whose program the system may not even tell root, or a
    // kernel thread, is a leftover: no copy of ours holds it.
    for (const qint64 pid : {1, 2}) {
        writeLockOf(pid);
        EXPECT_FALSE(LockNamesLiveCopy(lockPath())) << pid;
        InstanceGuard guard(lockPath());
        EXPECT_TRUE(guard.acquire()) << pid;
    }

    // A 200 MB lock file is not read: its first bytes say it is none of ours.
    {
        QFile huge(lockPath());
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(qint64(200) << 20));
    }
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    EXPECT_FALSE(LockNamesLiveCopy(lockPath()));
    InstanceGuard guard(lockPath());
    EXPECT_TRUE(guard.acquire());
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 50L * 1024) << "growth of the peak, in KiB";
    EXPECT_LT(QFileInfo(lockPath()).size(), 4096) << "taken over with this copy's three lines";
}

TEST_F(InstanceGuardTest, DamagedOrForeignLockIsTakenOver) {
    QByteArray ours;
    {
        QLockFile probe(folder.filePath("probe.lock"));
        ASSERT_TRUE(probe.tryLock(0));
        QFile file(folder.filePath("probe.lock"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ours = file.readAll();
    }
    // The lines after the process id: program, host, and what else this Qt version writes.
    QList<QByteArray> lines = ours.split('\n');
    ASSERT_GE(lines.size(), 3);
    lines[0] = QByteArray::number(QCoreApplication::applicationPid());
    lines[2] = "another-host-" + QSysInfo::machineHostName().toUtf8();
    const QByteArray otherHost = lines.join('\n');

    // A live process of another program under a reused process id.
    QProcess sleeper;
    sleeper.start("sleep", {"30"});
    ASSERT_TRUE(sleeper.waitForStarted());
    QByteArray reused = ours;
    reused.replace(0, ours.indexOf('\n'), QByteArray::number(sleeper.processId()));

    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", ""},
        {"garbage", "\x01\x02 not a lock \xff\n\n"},
        {"no process id", "\nkovrel\n" + QSysInfo::machineHostName().toUtf8() + "\n"},
        {"negative process id", "-4\nkovrel\n"},
        {"another host's copy", otherHost},
        {"another program", reused},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        writeLockBytes(bytes);
        EXPECT_FALSE(LockNamesLiveCopy(lockPath()));
        InstanceGuard guard(lockPath());
        EXPECT_TRUE(guard.acquire());
        EXPECT_TRUE(guard.holdsLock());
    }
    sleeper.kill();
    sleeper.waitForFinished();
}

TEST_F(InstanceGuardTest, LockOfThisVeryCopyNamesALiveOne) {
    InstanceGuard first(lockPath());
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(LockNamesLiveCopy(lockPath()));
    // Whatever the second start thinks of the contents, a held lock cannot be removed.
    InstanceGuard second(lockPath());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(first.holdsLock());
}

// ---------------------------------------------------------------- where the lock lives

class LockFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        places.runtimeRoot = root.filePath("run-user");
        places.tempRoot = root.filePath("tmp");
        places.home = root.filePath("home");
        ASSERT_TRUE(QDir().mkpath(places.runtimeRoot));
        ASSERT_TRUE(QDir().mkpath(places.tempRoot));
        ASSERT_TRUE(QDir().mkpath(places.home));
    }
    static mode_t modeOf(const QString& path) {
        struct stat status {};
        EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &status), 0);
        return status.st_mode & 07777;
    }
    QString tempFolder() const { return places.tempRoot + "/kovrel-" + QString::number(uid); }

    const unsigned uid = ::getuid();
    QTemporaryDir root;
    LockPlaces places;
};

TEST_F(LockFolderTest, RuntimeFolderOfTheUserComesFirst) {
    const QString runtime = places.runtimeRoot + "/" + QString::number(uid);
    ASSERT_EQ(::mkdir(QFile::encodeName(runtime).constData(), 0700), 0);
    EXPECT_EQ(PrivateLockFolder(uid, places), runtime);
}

TEST_F(LockFolderTest, WithoutARuntimeFolderAPrivateTemporaryFolderIsMade) {
    EXPECT_EQ(PrivateLockFolder(uid, places), tempFolder());
    EXPECT_EQ(modeOf(tempFolder()), 0700u);
    // The second start finds the same folder.
    EXPECT_EQ(PrivateLockFolder(uid, places), tempFolder());
}

TEST_F(LockFolderTest, FoldersOthersMadeOrMayWriteAreRefused) {
    // A runtime folder anybody may write is no place for the lock.
    const QString runtime = places.runtimeRoot + "/" + QString::number(uid);
    ASSERT_EQ(::mkdir(QFile::encodeName(runtime).constData(), 0700), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(runtime).constData(), 0777), 0);
    EXPECT_FALSE(IsPrivateFolder(runtime, uid));

    // A link planted where the private folder goes, pointing at a folder of the user.
    ASSERT_TRUE(QFile::link(places.home, tempFolder()));
    EXPECT_FALSE(IsPrivateFolder(tempFolder(), uid));
    const QString chosen = PrivateLockFolder(uid, places);
    EXPECT_EQ(chosen, places.home + "/.cache/kovrel") << "falls back to the home's cache";
    EXPECT_EQ(modeOf(chosen), 0700u);
}

TEST_F(LockFolderTest, TemporaryFolderOfAnotherUserIsRefused) {
    if (::getuid() != 0) {
        GTEST_SKIP() << "only the superuser can make a folder that belongs to someone else";
    }
    ASSERT_EQ(::mkdir(QFile::encodeName(tempFolder()).constData(), 0700), 0);
    ASSERT_EQ(::chown(QFile::encodeName(tempFolder()).constData(), 4242, 4242), 0);
    EXPECT_FALSE(IsPrivateFolder(tempFolder(), uid));
    EXPECT_EQ(PrivateLockFolder(uid, places), places.home + "/.cache/kovrel");
}

TEST(DefaultLockPath, IsTheSameWhateverTheEnvironment) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    qputenv("XDG_RUNTIME_DIR", elsewhere.path().toLocal8Bit());
    const QString withRuntime = InstanceGuard::DefaultLockPath();
    qunsetenv("XDG_RUNTIME_DIR");
    const QString without = InstanceGuard::DefaultLockPath();
    qputenv("XDG_RUNTIME_DIR", saved);
    EXPECT_EQ(withRuntime, without);
    EXPECT_FALSE(withRuntime.startsWith(elsewhere.path()));
    EXPECT_TRUE(IsPrivateFolder(QFileInfo(without).absolutePath(), ::getuid()));
    EXPECT_EQ(QFileInfo(without).fileName(), "kovrel.lock");
}

TEST(DefaultLockPath, TakesAGivenFolderOnlyWhenItIsPrivate) {
    QTemporaryDir given;
    ASSERT_TRUE(given.isValid());
    const QString usual = InstanceGuard::DefaultLockPath();
    qputenv("KOVREL_LOCK_FOLDER", given.path().toLocal8Bit());
    ASSERT_TRUE(QFile::setPermissions(given.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(InstanceGuard::DefaultLockPath(), given.path() + "/kovrel.lock");
    // A folder others may write could hold a lock planted by someone else.
    ASSERT_TRUE(QFile::setPermissions(given.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ExeOwner | QFile::WriteOther));
    EXPECT_EQ(InstanceGuard::DefaultLockPath(), usual);
    qunsetenv("KOVREL_LOCK_FOLDER");
}

// ---------------------------------------------------------------- handing files over

class InstanceChannelTest : public InstanceGuardTest {
  protected:
    QString socketPath() const { return InstanceGuard(lockPath()).socketPath(); }

    // Sends from another thread, as a second start would from its own process, while this
    // thread's event loop lets the running copy answer.
    static bool SendAndServe(const QString& path, const QStringList& files, int timeoutMs = 1500) {
        auto sent = std::async(std::launch::async,
                               [&] { return InstanceChannel::Send(path, files, timeoutMs); });
        while (sent.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        return sent.get();
    }

    // A socket file as a crashed run leaves it: bound once, nobody listening.
    void leaveStaleSocket() const {
        const QByteArray native = QFile::encodeName(socketPath());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(native.size(), static_cast<qsizetype>(sizeof(address.sun_path)));
        std::copy(native.begin(), native.end(), address.sun_path);
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);
        ASSERT_TRUE(QFileInfo::exists(socketPath()));
    }
};

TEST_F(InstanceChannelTest, SocketStandsBesideTheLock) {
    EXPECT_EQ(socketPath(), folder.filePath("kovrel.socket"));
}

TEST_F(InstanceChannelTest, FilesOfASecondStartReachTheRunningCopy) {
    InstanceChannel running(socketPath());
    ASSERT_TRUE(running.listen());
    QSignalSpy arrived(&running, &InstanceChannel::filesReceived);
    // Names as the filesystem allows them: blanks, a line break, letters beyond ASCII.
    const QStringList files = {"/home/ann/ann.kvr", "/tmp/two words\nand a line.kvr",
                               QString::fromUtf8("/tmp/Zoë.kvr")};
    EXPECT_TRUE(SendAndServe(socketPath(), files));
    EXPECT_EQ(arrived.count(), 1);
    EXPECT_EQ(running.takeReceived(), files);
    EXPECT_TRUE(running.takeReceived().isEmpty()) << "each file is taken once";
}

TEST_F(InstanceChannelTest, NobodyListeningFailsQuickly) {
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(InstanceChannel::Send(socketPath(), {"/tmp/a.kvr"}, 1500));
    leaveStaleSocket();
    EXPECT_FALSE(InstanceChannel::Send(socketPath(), {"/tmp/a.kvr"}, 1500));
    EXPECT_LT(clock.elapsed(), 1000) << "a missing or dead socket is not waited for";
}

TEST_F(InstanceChannelTest, StaleSocketOfACrashedRunIsReplaced) {
    leaveStaleSocket();
    InstanceChannel running(socketPath());
    ASSERT_TRUE(running.listen());
    EXPECT_TRUE(SendAndServe(socketPath(), {"/tmp/a.kvr"}));
    EXPECT_EQ(running.takeReceived(), QStringList{"/tmp/a.kvr"});
}

TEST_F(InstanceChannelTest, LivePeerIsNeverStolenFrom) {
    InstanceChannel first(socketPath());
    ASSERT_TRUE(first.listen());
    InstanceChannel second(socketPath());
    EXPECT_FALSE(second.listen());
    EXPECT_TRUE(SendAndServe(socketPath(), {"/tmp/a.kvr"}));
    EXPECT_EQ(first.takeReceived(), QStringList{"/tmp/a.kvr"});
    EXPECT_TRUE(second.takeReceived().isEmpty());
}

TEST_F(InstanceChannelTest, StrayBytesAreNotTakenForFiles) {
    InstanceChannel running(socketPath());
    ASSERT_TRUE(running.listen());
    auto stray = std::async(std::launch::async, [path = socketPath()] {
        QLocalSocket socket;
        socket.connectToServer(path);
        if (!socket.waitForConnected(1000)) {
            return false;
        }
        socket.write(QByteArray(64, 'x'));
        socket.waitForBytesWritten(1000);
        socket.waitForDisconnected(1000);
        return true;
    });
    while (stray.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(stray.get());
    EXPECT_TRUE(running.takeReceived().isEmpty());
    // And the channel still works.
    EXPECT_TRUE(SendAndServe(socketPath(), {"/tmp/b.kvr"}));
    EXPECT_EQ(running.takeReceived(), QStringList{"/tmp/b.kvr"});
}

TEST_F(InstanceChannelTest, MessagesBeyondTheBoundsOrThatDoNotParseAreDropped) {
    InstanceChannel running(socketPath());
    ASSERT_TRUE(running.listen());
    // The bytes go as they are, from another thread; what comes back is the receipt, if any.
    const auto exchange = [path = socketPath()](const QByteArray& bytes) {
        auto reply = std::async(std::launch::async, [&] {
            QLocalSocket socket;
            socket.connectToServer(path);
            if (!socket.waitForConnected(1000)) {
                return QByteArray("no connection");
            }
            socket.write(bytes);
            socket.waitForBytesWritten(1000);
            socket.waitForReadyRead(2000);
            return socket.readAll();
        });
        while (reply.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
            QCoreApplication::processEvents();
        }
        return reply.get();
    };
    const auto number = [](quint32 value) {
        QByteArray bytes(4, '\0');
        qToBigEndian(value, bytes.data());
        return bytes;
    };
    const QByteArray mark = number(0x4B565232);
    const auto message = [&](const QByteArray& body) {
        return mark + number(quint32(body.size())) + body;
    };
    const auto name = [&](const QByteArray& utf8) { return number(quint32(utf8.size())) + utf8; };
    QByteArray tooMany;
    for (int i = 0; i < 1001; ++i) {
        tooMany += name("/tmp/a.kvr");
    }
    const std::pair<const char*, QByteArray> dropped[] = {
        {"8 bytes announcing 4 GiB", mark + number(0xFFFFFFFF)},
        {"the earlier mark and a count of 2^31 - 1", number(0x4B565231) + number(0x7FFFFFFF)},
        {"a body over 1 MiB", mark + number((1 << 20) + 1)},
        {"a name longer than it is", message(number(1000) + "/tmp/a.kvr")},
        {"a name longer than a path", message(name(QByteArray(4097, 'a')))},
        {"an empty name", message(number(0))},
        {"a cut length", message(name("/tmp/a.kvr") + QByteArray(2, '\0'))},
        {"no UTF-8", message(name("/tmp/\xFF.kvr"))},
        {"a NUL", message(name(QByteArray("/tmp/a\0.kvr", 11)))},
        {"1001 names", message(tooMany)},
    };
    for (const auto& [what, bytes] : dropped) {
        EXPECT_EQ(exchange(bytes), QByteArray()) << what << ": cut off without a receipt";
        EXPECT_TRUE(running.takeReceived().isEmpty()) << what;
    }
    EXPECT_EQ(exchange(message(name("/tmp/b.kvr"))), QByteArray("k"));
    EXPECT_EQ(running.takeReceived(), QStringList{"/tmp/b.kvr"});

    // Whatever one start hands over goes, in as many messages as the bounds need.
    QStringList many;
    for (int i = 0; i < 2500; ++i) {
        many << QStringLiteral("/tmp/%1/%2.kvr").arg(QString(400, 'x')).arg(i);
    }
    EXPECT_TRUE(SendAndServe(socketPath(), many, 5000));
    EXPECT_EQ(running.takeReceived(), many);
}

} // namespace
} // namespace kovrel
