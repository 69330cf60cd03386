// The settings file is read only when it is a plain file of sane size, and never written
// through a link to anything else: a named pipe, a huge file or a device in its place give the
// defaults and a line on stderr.
#include "desktop/gui/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace kovrel {
namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString path(const char* name) const { return folder.filePath(name); }
    static void put(const QString& file, const QByteArray& bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    static QByteArray bytesOf(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("unreadable");
    }
    // Stores a value as the program does at its end, so a write that should not happen would.
    static void storeAndSync(SettingsStore& store) {
        store.settings().setValue("Desktop/Key", "value");
        store.settings().sync();
    }
    QTemporaryDir folder;
};

TEST_F(SettingsFileTest, OnlyAPlainFileOfSaneSizeIsReadAndNothingElseIsWrittenThrough) {
    // A plain file, directly or through a link: read, and written where the link leads.
    put(path("kovrel.ini"), "[Desktop]\nKey=old\n");
    ASSERT_TRUE(QFile::link(path("kovrel.ini"), path("link.ini")));
    for (const char* name : {"kovrel.ini", "link.ini"}) {
        std::ostringstream err;
        SettingsStore store(path(name), err);
        EXPECT_TRUE(store.usesFile()) << name;
        EXPECT_EQ(err.str(), "") << name;
        EXPECT_EQ(store.settings().value("Desktop/Key").toString(),
                  name == std::string("link.ini") ? "value" : "old");
        storeAndSync(store);
    }
    EXPECT_TRUE(QFileInfo(path("link.ini")).isSymLink()) << "the link stays a link";
    EXPECT_TRUE(bytesOf(path("kovrel.ini")).contains("Key=value"));

    // A named pipe (reading it would wait for ever), a folder, a file just over the bound and a
    // sparse 300 MB one, links to a pipe and to a device, links in a circle.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.ini")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.ini"));
    put(path("over.ini"), QByteArray(kLongestSettingsFile + 1, '#'));
    {
        QFile huge(path("huge.ini"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(qint64(300) << 20));
    }
    ASSERT_TRUE(QFile::link(path("pipe.ini"), path("to-pipe.ini")));
    // A device of our own where the system allows one (as /dev/zero, 1:5), so that a fault
    // could only harm the copy.
    const bool device =
        ::mknod(QFile::encodeName(path("zero")).constData(), S_IFCHR | 0666, makedev(1, 5)) == 0;
    ASSERT_TRUE(
        QFile::link(device ? path("zero") : QStringLiteral("/dev/null"), path("to-device.ini")));
    ASSERT_TRUE(QFile::link(path("b.ini"), path("a.ini")));
    ASSERT_TRUE(QFile::link(path("a.ini"), path("b.ini")));
    const char* const refused[] = {"pipe.ini",    "folder.ini",    "over.ini", "huge.ini",
                                   "to-pipe.ini", "to-device.ini", "a.ini"};
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    for (const char* name : refused) {
        std::ostringstream err;
        SettingsStore store(path(name), err);
        EXPECT_FALSE(store.usesFile()) << name;
        EXPECT_EQ(store.settings().value("Desktop/Key"), QVariant()) << "the defaults";
        const std::string line = err.str();
        EXPECT_NE(line.find("the settings file \"" + path(name).toStdString() + "\" is not used"),
                  std::string::npos)
            << line;
        EXPECT_EQ(line.find('\n'), line.size() - 1) << "one line";
        if (device && name == std::string("to-device.ini")) {
            storeAndSync(store);
        }
    }
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 50L * 1024) << "growth of the peak, in KiB";
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(device ? path("zero") : "/dev/null").constData(), &status),
              0);
    EXPECT_TRUE(S_ISCHR(status.st_mode)) << "the device is still a device";
    EXPECT_TRUE(QFileInfo(path("to-pipe.ini")).isSymLink());
}

} // namespace
} // namespace kovrel
