// The update reminder: its scrambled key and value, reminder dates written and read back in every
// locale, and the reminder at start-up with its question.
#include "common/TextCodec.h"
#include "desktop/gui/QtDialogs.h"
#include "desktop/gui/UpdateReminder.h"
#include "links/Links.h"
#include "links/gui/OpenLink.h"
#include "tests/FakeDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kovrel::test {
namespace {

const QString kReminderText =
    "There maybe an update to this software available\rDo you want to check for an update?";

// ---------------------------------------------------------------- the stored form

TEST(ReminderSetting, KeyAndValueAreScrambledAsTheSavedFileIs) {
    // "Duration" reversed is "noitaruD"; each code raised by 85.
    const char key[] = {'\xC3', '\xC4', '\xBE', '\xC9', '\xB6', '\xC7', '\xCA', '\x99'};
    EXPECT_EQ(ReminderKey(), QString::fromLatin1(key, sizeof key));
    EXPECT_EQ(ReminderSection(), "Settings");
    // "1990" scrambles to 85 8E 8E 86.
    EXPECT_EQ(ScrambleSetting("1990"), QString::fromLatin1("\x85\x8E\x8E\x86"));
    EXPECT_EQ(UnscrambleSetting(QString::fromLatin1("\x85\x8E\x8E\x86")), "1990");
    EXPECT_EQ(UnscrambleSetting(QString()), QString());
}

TEST(ReminderDate, IsTheShortFormWithTwoDigitYearsReadInTheCenturyNearestToday) {
    struct Case {
        const char* locale;
        QDate date;
        const char* text;
        QDate today;
    };
    for (const Case& c : {
             // A plain parse gives 1924 here, 100 years away, and would ask at every start.
             Case{"en_US", {2024, 3, 5}, "3/5/24", {2024, 3, 20}},
             Case{"de_DE", {2024, 3, 5}, "05.03.24", {2024, 3, 20}},
             Case{"en_GB", {2024, 3, 5}, "05/03/2024", {2024, 3, 20}},
             // Arabic-Indic digits have no single-byte form; scrambled they would vanish.
             Case{"ar_EG", {2024, 3, 5}, "2024-03-05", {2024, 3, 20}},
             // Across the turn of a century, either way.
             Case{"en_US", {1999, 12, 31}, "12/31/99", {2000, 1, 10}},
             Case{"en_US", {2000, 1, 5}, "1/5/00", {1999, 12, 25}},
             Case{"en_US", {1950, 6, 1}, "6/1/50", {1990, 1, 1}},
             Case{"en_US", {2050, 6, 1}, "6/1/50", {2030, 1, 1}},
             // 29 February of "00" does not exist in 1900, where a plain parse puts it.
             Case{"en_US", {2000, 2, 29}, "2/29/00", {2000, 3, 20}},
             Case{"de_DE", {2000, 2, 29}, "29.02.00", {2000, 2, 1}},
         }) {
        SCOPED_TRACE(testing::Message() << c.locale << " " << c.text);
        EXPECT_EQ(ReminderDateText(c.date, QLocale(c.locale)), c.text);
        EXPECT_EQ(ReadReminderDate(c.text, QLocale(c.locale), c.today), c.date);
    }
    for (const char* text : {"", "soon", "13/45/24", "2/30/00"}) {
        EXPECT_FALSE(ReadReminderDate(text, QLocale("en_US"), {2024, 3, 20}).isValid()) << text;
    }
}

// Every `stride`-th day of 1901..2099 and either the last day of every month (29 February
// included) or the turns of the centuries.
std::vector<QDate> SampleDates(int stride, bool everyMonthEnd) {
    std::vector<QDate> dates;
    for (QDate date(1901, 1, 1); date.year() <= 2099; date = date.addDays(stride)) {
        dates.push_back(date);
    }
    if (!everyMonthEnd) {
        dates.insert(dates.end(), {QDate(1999, 12, 31), QDate(2000, 1, 1), QDate(2000, 2, 29),
                                   QDate(2099, 12, 31)});
        return dates;
    }
    for (int year = 1901; year <= 2099; ++year) {
        for (int month = 1; month <= 12; ++month) {
            dates.push_back(QDate(year, month, QDate(year, month, 1).daysInMonth()));
        }
    }
    return dates;
}

// Each date stored and read back on a day that would ask (15 days later) and on one with the
// clock set back (20 days earlier).
void ExpectRoundTrip(const QLocale& locale, const std::vector<QDate>& dates) {
    int failures = 0;
    for (const QDate& date : dates) {
        const QString text = UnscrambleSetting(ScrambleSetting(ReminderDateText(date, locale)));
        for (const int daysLater : {15, -20}) {
            const QDate read = ReadReminderDate(text, locale, date.addDays(daysLater));
            if (read != date && ++failures <= 5) {
                ADD_FAILURE() << locale.name().toStdString() << ": "
                              << date.toString(Qt::ISODate).toStdString() << " stored as '"
                              << text.toStdString() << "' read back as "
                              << read.toString(Qt::ISODate).toStdString();
            }
        }
    }
    EXPECT_EQ(failures, 0) << locale.name().toStdString();
}

TEST(ReminderDate, EveryLocaleReadsItsOwnDatesOf1901To2099Back) {
    const std::vector<QDate> dense = SampleDates(7, true);
    for (const char* name : {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ru_RU", "C", "nl_NL",
                             "ko_KR", "bg_BG", "ar_EG", "fa_IR", "hi_IN", "zh_CN"}) {
        ExpectRoundTrip(QLocale(name), dense);
    }
    const std::vector<QDate> sparse = SampleDates(293, false);
    int twoDigitLocales = 0;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        const QString format = locale.dateFormat(QLocale::ShortFormat);
        twoDigitLocales += format.contains("yy") && !format.contains("yyyy") ? 1 : 0;
        ExpectRoundTrip(locale, sparse);
    }
    EXPECT_GT(twoDigitLocales, 10) << "the case this guards: many locales write two-digit years";
}

// ---------------------------------------------------------------- the reminder at start-up

class UpdateReminderTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Puts a reminder date into the store as the program would have written it.
    void storeDate(const QDate& date) {
        storeRaw(ScrambleSetting(ReminderDateText(date, QLocale::system())));
    }
    void storeRaw(const QString& value) {
        settings.setValue(ReminderSection() + '/' + ReminderKey(), value);
        settings.sync();
    }
    // The stored value as a fresh look at the file sees it.
    QVariant storedRaw() const {
        return QSettings(path, QSettings::IniFormat).value(ReminderSection() + '/' + ReminderKey());
    }
    QDate storedDate() const {
        return ReadReminderDate(UnscrambleSetting(storedRaw().toString()), QLocale::system(),
                                today);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("kovrel.ini");
    QSettings settings{path, QSettings::IniFormat};
    FakeDialogs dialogs;
    const QDate today{2024, 3, 20};
};

TEST_F(UpdateReminderTest, FirstStartStoresTodayUnderTheScrambledKeyAndSaysNothing) {
    UpdateReminder(settings, today, dialogs);

    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.addresses.empty());
    // The scrambled short date of today, under the scrambled key, not the plain one.
    const QString shortDate = QLocale::system().toString(today, QLocale::ShortFormat);
    if (shortDate.toLatin1() == shortDate.toUtf8()) {
        EXPECT_EQ(storedRaw().toString(),
                  QString::fromLatin1(ScrambleText(shortDate.toStdString())));
    }
    EXPECT_EQ(storedDate(), today);
    const QSettings onDisk(path, QSettings::IniFormat);
    EXPECT_EQ(onDisk.childGroups(), QStringList{ReminderSection()});
    EXPECT_FALSE(onDisk.contains("Settings/Duration"));
}

TEST_F(UpdateReminderTest, WithinFourteenDaysEitherWayNothingIsShownOrWritten) {
    for (const int daysAway : {-14, -13, -1, 0, 1, 13, 14}) {
        SCOPED_TRACE(daysAway);
        storeDate(today.addDays(daysAway));
        const QVariant before = storedRaw();
        UpdateReminder(settings, today, dialogs);
        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_TRUE(dialogs.addresses.empty());
        EXPECT_EQ(storedRaw(), before);
    }
}

TEST_F(UpdateReminderTest, FifteenDaysOrMoreEitherWayAsksAndEitherAnswerStoresToday) {
    // Days ahead: the clock was set back since the last reminder.
    for (const auto& [daysAway, yes] :
         {std::pair{-15, false}, std::pair{-15, true}, std::pair{15, false}, std::pair{20, true},
          std::pair{20, false}, std::pair{-400, true}}) {
        SCOPED_TRACE(testing::Message() << daysAway << (yes ? " days, Yes" : " days, No"));
        dialogs.clear();
        storeDate(today.addDays(daysAway));
        dialogs.yesNoAnswers = {yes};
        UpdateReminder(settings, today, dialogs);
        EXPECT_EQ(dialogs.questions, std::vector{kReminderText});
        EXPECT_EQ(dialogs.opened(),
                  yes ? std::vector{LinkAddress(Link::Update)} : std::vector<std::string>{});
        EXPECT_EQ(storedDate(), today);
    }
}

TEST_F(UpdateReminderTest, AGarbledValueCountsAsAFirstStart) {
    for (const QString& garbled : {QString("xyz"), ScrambleSetting("hello"),
                                   QString("\u4e2d\u6587"), QString::fromLatin1("\x01\x02")}) {
        SCOPED_TRACE(garbled.toStdString());
        storeRaw(garbled);
        UpdateReminder(settings, today, dialogs);
        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_TRUE(dialogs.addresses.empty());
        EXPECT_EQ(storedDate(), today);
    }
}

TEST_F(UpdateReminderTest, TheQuestionIsAnInformationBoxWithYesAndNo) {
    storeDate(today.addDays(-15));
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            // Not the question expected: close whatever is modal, so the test ends and fails.
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
            return;
        }
        icon = box->icon();
        title = box->windowTitle();
        text = box->text();
        buttons = box->standardButtons();
        box->button(QMessageBox::No)->click();
    });

    QtDialogs boxes;
    UpdateReminder(settings, today, boxes);

    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(title, "Kovrel");
    EXPECT_EQ(text, kReminderText);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(storedDate(), today);
}

} // namespace
} // namespace kovrel::test
