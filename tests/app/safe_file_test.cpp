// Saving and reading readings on a real file system: odd targets, rights, links, long names,
// leftovers of an interrupted save, and files far larger than a reading.
#include "Examples.h"
#include "app/ChartFile.h"
#include "app/SafeFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kovrel::test {
namespace {

using SafeFileTest = TempFolderTest;

// The unprivileged user and group every Debian system has.
constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

// Runs `step` as a user that the rights of files and folders bind: this process, or, under root
// (who may write anywhere), a child that has given up its rights to the user nobody. Returns
// what the step returned.
bool AsOrdinaryUser(const std::function<bool()>& step) {
    if (geteuid() != 0) {
        return step();
    }
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(kNoGroup) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        _exit(step() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The rights of a file or folder, made to apply to AsOrdinaryUser whoever runs the tests.
void GiveToOrdinaryUser(const fs::path& path, fs::perms perms) {
    if (geteuid() == 0) {
        ASSERT_EQ(chown(path.c_str(), kNobody, kNoGroup), 0);
    }
    fs::permissions(path, perms);
}

struct stat StatusOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status;
}

const std::string kAnnBytes = EncodeChartFile(kAnnLines);

TEST_F(SafeFileTest, ReplacedFileKeepsItsPermissionBitsOwnerAndGroup) {
    const std::string path = Path("ann.kvr");
    PutFile(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(path.c_str(), kNobody, kNoGroup), 0); // only root may give a file away
    }
    const struct stat before = StatusOf(path);
    ASSERT_EQ(ErrorOf(WriteChartFile(path, kAnnLines)), "");
    EXPECT_EQ(FileBytes(path), kAnnBytes);
    const struct stat after = StatusOf(path);
    EXPECT_NE(after.st_ino, before.st_ino) << "written beside and renamed, not in place";
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(SafeFileTest, ANewFileGetsTheUsualRightsOfANewFile) {
    const mode_t mask = umask(022);
    ASSERT_EQ(ErrorOf(WriteChartFile(Path("new.kvr"), kAnnLines)), "");
    umask(mask);
    EXPECT_EQ(StatusOf(Path("new.kvr")).st_mode & 07777, 0644u); // 0666 less the umask 022
}

TEST_F(SafeFileTest, WritableFileInAWriteProtectedFolderIsRewrittenInPlace) {
    const std::string path = Path("ann.kvr");
    PutFile(path, std::string(4000, 'x')); // longer than a reading: nothing of it may remain
    GiveToOrdinaryUser(path, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    const ino_t inode = StatusOf(path).st_ino;
    EXPECT_TRUE(AsOrdinaryUser([&] { return WriteChartFile(path, kAnnLines).ok(); }));
    EXPECT_EQ(FileBytes(path), kAnnBytes);
    EXPECT_EQ(StatusOf(path).st_ino, inode);
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(SafeFileTest, WriteProtectedFileIsNotReplacedAndANewFileNeedsAWritableFolder) {
    const std::string path = Path("ann.kvr");
    PutFile(path, "old");
    GiveToOrdinaryUser(path, fs::perms::owner_read | fs::perms::others_read);
    fs::permissions(folder_, fs::perms::all); // the folder would allow a rename
    EXPECT_FALSE(AsOrdinaryUser([&] { return WriteChartFile(path, kAnnLines).ok(); }));
    EXPECT_EQ(FileBytes(path), "old");

    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec |
                                 fs::perms::others_read | fs::perms::others_exec);
    EXPECT_FALSE(AsOrdinaryUser([&] { return WriteChartFile(Path("new.kvr"), kAnnLines).ok(); }));
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(SafeFileTest, DanglingLinkSavesToTheFileItNamesAndALinkToAFileStaysALink) {
    fs::create_directory(Path("real"));
    fs::create_symlink("real/ann.kvr", Path("link.kvr")); // relative, as ln -s makes them
    ASSERT_EQ(ErrorOf(WriteChartFile(Path("link.kvr"), kAnnLines)), "");
    EXPECT_TRUE(fs::is_symlink(Path("link.kvr")));
    EXPECT_EQ(FileBytes(Path("real/ann.kvr")), kAnnBytes);

    // Saved again through a chain of two links: the file at its end is replaced.
    fs::create_symlink(Path("link.kvr"), Path("second.kvr"));
    ASSERT_EQ(ErrorOf(WriteChartFile(Path("second.kvr"), ChartLines{})), "");
    EXPECT_TRUE(fs::is_symlink(Path("second.kvr")));
    EXPECT_TRUE(fs::is_symlink(Path("link.kvr")));
    EXPECT_EQ(FileBytes(Path("real/ann.kvr")), EncodeChartFile(ChartLines{}));
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("real")), fs::directory_iterator{}), 1);

    // Links in a circle lead nowhere.
    fs::create_symlink(Path("b.kvr"), Path("a.kvr"));
    fs::create_symlink(Path("a.kvr"), Path("b.kvr"));
    EXPECT_NE(ErrorOf(WriteChartFile(Path("a.kvr"), kAnnLines)), "");
}

TEST_F(SafeFileTest, EveryNameTheFileSystemTakesCanBeSaved) {
    for (const std::size_t length :
         {235u, 250u, 255u}) { // 255: the longest name ext4 and tmpfs take
        const std::string name = std::string(length - 4, 'a') + ".kvr";
        ASSERT_EQ(ErrorOf(WriteChartFile(Path(name), kAnnLines)), "") << length;
        EXPECT_EQ(FileBytes(Path(name)), kAnnBytes);
        ASSERT_EQ(ErrorOf(WriteChartFile(Path(name), ChartLines{})), "") << "replaced " << length;
    }
    EXPECT_EQ(EntriesInFolder(), 3u);
}

TEST_F(SafeFileTest, LeftoverOfAnInterruptedSaveIsRemovedByTheNextSaveOfThatFile) {
    // What a save killed between writing and renaming leaves beside its target.
    const std::string mine = TemporaryNamePrefix("ann.kvr") + "k3x9qz.tmp";
    const std::string other = TemporaryNamePrefix("bob.kvr") + "k3x9qz.tmp";
    PutFile(Path(mine), "half");
    PutFile(Path(other), "half");
    EXPECT_NE(TemporaryNamePrefix("ann.kvr"), TemporaryNamePrefix("bob.kvr"));
    EXPECT_LE(TemporaryNamePrefix(std::string(255, 'a')).size(), 20u);

    ASSERT_EQ(ErrorOf(WriteChartFile(Path("ann.kvr"), kAnnLines)), "");
    EXPECT_FALSE(fs::exists(Path(mine)));
    EXPECT_TRUE(fs::exists(Path(other))) << "another file's save may still be running";
    EXPECT_EQ(EntriesInFolder(), 2u);
}

// A reading told apart from the others by its name and length.
ChartLines ReadingNamed(const std::string& name) {
    ChartLines lines = kAnnLines;
    lines[0] = name;
    return lines;
}

TEST_F(SafeFileTest, ConcurrentSavesOfOneFileAllSucceedAndLeaveOneWholeReading) {
    // Two windows and the tool: threads of this process and two other processes, 320 saves.
    const std::string path = Path("ann.kvr");
    std::set<ChartLines> written;
    for (int saver = 0; saver < 10; ++saver) {
        written.insert(ReadingNamed("Saver" + std::string(static_cast<std::size_t>(saver) * 7,
                                                          static_cast<char>('a' + saver))));
    }
    const std::vector<ChartLines> readings(written.begin(), written.end());
    constexpr int kSaves = 32;
    const auto saveMany = [&](std::size_t saver) {
        int failed = 0;
        for (int i = 0; i < kSaves; ++i) {
            failed += WriteChartFile(path, readings[saver]).ok() ? 0 : 1;
        }
        return failed;
    };
    std::vector<pid_t> children;
    for (std::size_t saver = 8; saver < 10; ++saver) {
        const pid_t child = fork();
        if (child == 0) {
            _exit(saveMany(saver) == 0 ? 0 : 1);
        }
        children.push_back(child);
    }
    std::vector<int> failures(8, 0);
    std::vector<std::thread> threads;
    for (std::size_t saver = 0; saver < 8; ++saver) {
        threads.emplace_back([&, saver] { failures[saver] = saveMany(saver); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save of another process";
    }
    EXPECT_EQ(failures, std::vector<int>(8, 0)) << "failed saves per thread";
    const Result<ChartLines> opened = ReadChartFile(path);
    ASSERT_TRUE(opened.ok()) << ErrorOf(opened);
    EXPECT_TRUE(written.contains(*opened)) << (*opened)[0];
    EXPECT_EQ(FileBytes(path), EncodeChartFile(*opened)) << "one whole reading, nothing after it";
    EXPECT_EQ(EntriesInFolder(), 1u) << "no temporary file left";
}

// Runs `step` in a child process as AsOrdinaryUser would and returns its process id, for a
// test that stops it from outside.
pid_t StartAsOrdinaryUser(const std::function<void()>& step) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(kNoGroup) != 0 || setuid(kNobody) != 0)) {
            _exit(2);
        }
        step();
        _exit(0);
    }
    return child;
}

TEST_F(SafeFileTest, SaveInPlaceThatFailsOrIsKilledLeavesTheOldReadingOrTheNew) {
    // A file the ordinary user may write, in a folder they may not: written in place.
    const std::string path = Path("ann.kvr");
    const ChartLines shorter = ReadingNamed("Ann");
    const ChartLines longer = ReadingNamed(std::string(3000, 'N'));
    PutFile(path, EncodeChartFile(shorter));
    GiveToOrdinaryUser(path, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec |
                                 fs::perms::others_read | fs::perms::others_exec);

    // The system refuses the bytes beyond 1,000: a file may not grow that long.
    EXPECT_TRUE(AsOrdinaryUser([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return false;
        }
        const Result<> saved = WriteChartFile(path, longer);
        return !saved.ok() && saved.fault().message.ends_with(" File too large.");
    }));
    EXPECT_TRUE(FileBytes(path) == EncodeChartFile(shorter)) << "the old reading, untouched";

    // Killed at any moment of saving the shorter and the longer reading in turn.
    std::mt19937 random(20240518); // any seed: the moments only need to be spread
    std::uniform_int_distribution<int> moment(0, 3000);
    for (int kill = 0; kill < 150; ++kill) {
        const pid_t saver = StartAsOrdinaryUser([&] {
            for (int i = 0;; ++i) {
                static_cast<void>(WriteChartFile(path, i % 2 == 0 ? longer : shorter));
            }
        });
        ASSERT_GT(saver, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(saver, SIGKILL);
        waitpid(saver, nullptr, 0);
        const Result<ChartLines> opened = ReadChartFile(path);
        ASSERT_TRUE(opened.ok()) << ErrorOf(opened);
        ASSERT_TRUE(*opened == shorter || *opened == longer)
            << "after kill " << kill << ": \"" << (*opened)[0].substr(0, 20) << "\" ...";
    }
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(SafeFileTest, SavesThatMayNotReplaceTheFileWriteItInPlaceAndFailuresSayWhy) {
    // A file with a second name keeps both, and its one inode.
    const std::string path = Path("ann.kvr");
    PutFile(path, "old");
    fs::create_hard_link(path, Path("also.kvr"));
    const ino_t inode = StatusOf(path).st_ino;
    ASSERT_EQ(ErrorOf(WriteChartFile(path, kAnnLines)), "");
    EXPECT_EQ(StatusOf(path).st_ino, inode);
    EXPECT_EQ(FileBytes(Path("also.kvr")), kAnnBytes);

    // Marked read-only: refused to everybody, root included, as the save dialog refuses it.
    PutFile(Path("marked.kvr"), "kept");
    fs::permissions(Path("marked.kvr"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(ErrorOf(WriteChartFile(Path("marked.kvr"), kAnnLines)),
              "The reading could not be saved to \"" + Path("marked.kvr") +
                  "\". Permission denied.");
    EXPECT_EQ(FileBytes(Path("marked.kvr")), "kept");

    // Every failure ends with the system's reason (strerror's texts).
    PutFile(Path("plain"), "x");
    fs::create_directory(Path("folder.kvr"));
    const std::pair<std::string, std::string> failures[] = {
        {Path("missing/ann.kvr"), " No such file or directory."},
        {Path("plain/ann.kvr"), " Not a directory."},
        {Path("folder.kvr"), " It is not a plain file."},
    };
    for (const auto& [target, reason] : failures) {
        EXPECT_EQ(ErrorOf(WriteChartFile(target, kAnnLines)),
                  "The reading could not be saved to \"" + target + "\"." + reason);
    }

    if (geteuid() != 0) {
        GTEST_SKIP() << "files of another user in a shared folder need the superuser";
    }
    // Root's files in folders everybody may write, the second one sticky (as /tmp): saved by
    // the ordinary user, each stays root's, where a new file would have been the user's (or,
    // in the sticky folder, could not have been renamed over it).
    for (const fs::perms sticky : {fs::perms::none, fs::perms::sticky_bit}) {
        const fs::path shared = folder_ / (sticky == fs::perms::none ? "shared" : "sticky");
        fs::create_directory(shared);
        fs::permissions(shared, fs::perms::all | sticky);
        const std::string theirs = (shared / "theirs.kvr").string();
        PutFile(theirs, "old");
        fs::permissions(theirs, fs::perms::owner_read | fs::perms::owner_write |
                                    fs::perms::group_read | fs::perms::group_write |
                                    fs::perms::others_read | fs::perms::others_write);
        const ino_t before = StatusOf(theirs).st_ino;
        EXPECT_TRUE(AsOrdinaryUser([&] { return WriteChartFile(theirs, kAnnLines).ok(); }));
        EXPECT_EQ(FileBytes(theirs), kAnnBytes);
        EXPECT_EQ(StatusOf(theirs).st_uid, 0u);
        EXPECT_EQ(StatusOf(theirs).st_ino, before);
        EXPECT_EQ(std::distance(fs::directory_iterator(shared), fs::directory_iterator{}), 1);
    }
}

TEST_F(SafeFileTest, ReadOnlyFilesAreToldApart) {
    PutFile(Path("free.kvr"), kAnnBytes);
    PutFile(Path("marked.kvr"), kAnnBytes);
    fs::permissions(Path("marked.kvr"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(IsReadOnlyFile(Path("free.kvr")));
    EXPECT_FALSE(IsReadOnlyFile(Path("missing.kvr"))) << "a new file is no read-only file";
    EXPECT_TRUE(IsReadOnlyFile(Path("marked.kvr"))) << "marked read-only, even for root";

    // Someone else's file that only its owner may write.
    PutFile(Path("theirs.kvr"), kAnnBytes);
    fs::permissions(Path("theirs.kvr"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    if (geteuid() == 0) {
        EXPECT_TRUE(AsOrdinaryUser([&] { return IsReadOnlyFile(Path("theirs.kvr")); }));
        GiveToOrdinaryUser(Path("free.kvr"), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_TRUE(AsOrdinaryUser([&] { return !IsReadOnlyFile(Path("free.kvr")); }));
    }
}

TEST_F(SafeFileTest, ReadingStopsAfterTheSeventeenthLine) {
    // Lines after the reading, however many, are not even read.
    std::string bytes = kAnnBytes;
    for (int i = 0; i < 300; ++i) {
        bytes += std::string(30000, 'x') + "\r\n";
    }
    PutFile(Path("long.kvr"), bytes);
    const Result<std::string> read =
        ReadLeadingLines(Path("long.kvr"), kChartLineCount, kLongestChartLine, "a saved reading");
    ASSERT_TRUE(read.ok()) << ErrorOf(read);
    EXPECT_EQ(*read, kAnnBytes);
    EXPECT_EQ(ReadChartFile(Path("long.kvr")).value(), kAnnLines);
}

TEST_F(SafeFileTest, LineLongerThanATextBoxHoldsMakesTheFileNoSavedReading) {
    const std::string path = Path("huge.kvr");
    // 32767 characters fill a box: still a reading, with a CR LF or a lone LF after them.
    for (const char* end : {"\r\n", "\n"}) {
        PutFile(path, std::string(32767, 'x') + end + ScrambleText("3"));
        const Result<ChartLines> full = ReadChartFile(path);
        ASSERT_TRUE(full.ok()) << ErrorOf(full);
        EXPECT_EQ((*full)[0].size(), 32767u); // 'x' unscrambles to '#'
        EXPECT_EQ((*full)[1], "3");
    }
    const std::string message = "The file \"" + path +
                                "\" is not a saved reading: line 2 is longer than 32767 "
                                "characters.";
    PutFile(path, ScrambleText("Ann") + "\r\n" + std::string(32768, 'x') + "\r\n");
    EXPECT_EQ(ErrorOf(ReadChartFile(path)), message);
    PutFile(path, ScrambleText("Ann") + "\r\n" + std::string(32768, 'x')); // no end at all
    EXPECT_EQ(ErrorOf(ReadChartFile(path)), message);
    EXPECT_EQ(ErrorOf(ApplyChartFile(path, AnnEntry())), message);
}

TEST_F(SafeFileTest, GigabyteFileIsRefusedWithoutReadingItAll) {
    // One sparse gigabyte of zero bytes: a single line without an end.
    const std::string path = Path("sparse.kvr");
    {
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(ftruncate(fd, off_t{1} << 30), 0);
        close(fd);
    }
    EXPECT_NE(ErrorOf(ReadChartFile(path)).find("is not a saved reading"), std::string::npos);
    // A sanity bound, not a timing: reading all of it would take a gigabyte.
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss, 100L * 1024) << "peak resident size in KiB";
}

TEST_F(SafeFileTest, SpecialFilesAreNotReadings) {
    ASSERT_EQ(mkfifo(Path("pipe.kvr").c_str(), 0600), 0); // no writer: opening must not wait
    EXPECT_EQ(ErrorOf(ReadChartFile(Path("pipe.kvr"))),
              "The file \"" + Path("pipe.kvr") + "\" could not be read.");
    EXPECT_EQ(ErrorOf(ReadChartFile("/dev/zero")), "The file \"/dev/zero\" could not be read.");
    EXPECT_NE(ErrorOf(WriteChartFile(Path("pipe.kvr"), kAnnLines)), "");
}

} // namespace
} // namespace kovrel::test
