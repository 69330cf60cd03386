// The program's own opener of web addresses: it tells a browser that took the address from an
// opener that found none, with a stand-in xdg-open first on the PATH.
#include "desktop/gui/QtDialogs.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

// PATH for the length of one test.
class SearchPath {
  public:
    explicit SearchPath(const QByteArray& path) : saved_(qgetenv("PATH")) { qputenv("PATH", path); }
    ~SearchPath() { qputenv("PATH", saved_); }
    SearchPath(const SearchPath&) = delete;
    SearchPath& operator=(const SearchPath&) = delete;

  private:
    QByteArray saved_;
};

// Runs the event loop until `done` holds or the time is up.
template <typename Done> bool WaitFor(Done done, int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired()) {
        QTest::qWait(10);
    }
    return done();
}

TEST(QtDialogsOpenAddress, ReportsTheAddressOnlyWhenNothingOpensIt) {
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString opener = bin.filePath("xdg-open");
    const QString got = bin.filePath("got");
    const QUrl address("https://example.org/find?q=New Delhi");
    // xdg-open's own codes: 0 opened, 3 "no method available for opening".
    for (int code : {3, 0}) {
        SCOPED_TRACE(code);
        QFile::remove(got);
        QFile script(opener);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                         .arg(got)
                         .arg(code)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const SearchPath path(QFile::encodeName(bin.path()) + ":/usr/bin:/bin");

        QtDialogs dialogs;
        int unopened = 0;
        dialogs.openAddress(address, [&] { ++unopened; });
        ASSERT_TRUE(WaitFor([&] { return QFile::exists(got); }, 5000));
        WaitFor([&] { return unopened > 0; }, code == 0 ? 300 : 5000);
        EXPECT_EQ(unopened, code == 0 ? 0 : 1);
        QFile passed(got);
        ASSERT_TRUE(passed.open(QIODevice::ReadOnly));
        EXPECT_EQ(passed.readAll(), "https://example.org/find?q=New%20Delhi");
    }
    // With no opener and no browser on the PATH the report comes at once.
    QTemporaryDir empty;
    const SearchPath path(QFile::encodeName(empty.path()));
    QtDialogs dialogs;
    int unopened = 0;
    dialogs.openAddress(address, [&] { ++unopened; });
    EXPECT_EQ(unopened, 1);
}

} // namespace
} // namespace kovrel::test
