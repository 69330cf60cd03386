#include "app/ChartFile.h"
#include "app/Dialogs.h"
#include "app/QtDialogs.h"
#include "links/Links.h"
#include "links/OpenLink.h"
#include "links/UpdateReminder.h"
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

namespace kovrel {
namespace {

const QString kReminderText = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

// ---------------------------------------------------------------- the stored form

TEST(ReminderKey, IsTheWordDurationScrambled) {
    // "Duration" reversed is "noitaruD"; each code raised by 85.
    const char expected[] = {'\xC3', '\xC4', '\xBE', '\xC9', '\xB6', '\xC7', '\xCA', '\x99'};
    EXPECT_EQ(ReminderKey(), QString::fromLatin1(expected, sizeof expected));
    EXPECT_EQ(ReminderSection(), QStringLiteral("Settings"));
}

TEST(ReminderSetting, ScramblesAsTheSavedFileDoes) {
    // "1990" scrambles to 85 8E 8E 86.
    EXPECT_EQ(ScrambleSetting(QStringLiteral("1990")), QString::fromLatin1("\x85\x8E\x8E\x86"));
    EXPECT_EQ(UnscrambleSetting(QString::fromLatin1("\x85\x8E\x8E\x86")), QStringLiteral("1990"));
    EXPECT_EQ(UnscrambleSetting(QString()), QString());
}

TEST(ReminderDate, IsWrittenInTheLocalesShortForm) {
    const QDate date(2024, 3, 5);
    EXPECT_EQ(ReminderDateText(date, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("3/5/24"));
    EXPECT_EQ(ReminderDateText(date, QLocale(QLocale::German, QLocale::Germany)),
              QStringLiteral("05.03.24"));
    EXPECT_EQ(ReminderDateText(date, QLocale(QLocale::English, QLocale::UnitedKingdom)),
              QStringLiteral("05/03/2024"));
}

TEST(ReminderDate, ShortFormsTheScramblingCannotCarryAreWrittenAsIsoDates) {
    // Arabic-Indic digits have no single-byte form; scrambled they would vanish.
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    ASSERT_FALSE(arabic.toString(QDate(2024, 3, 5), QLocale::ShortFormat).isEmpty());
    EXPECT_EQ(ReminderDateText(QDate(2024, 3, 5), arabic), QStringLiteral("2024-03-05"));
    EXPECT_EQ(ReadReminderDate(QStringLiteral("2024-03-05"), arabic, QDate(2024, 3, 20)),
              QDate(2024, 3, 5));
}

TEST(ReminderDate, TwoDigitYearsLandInTheCenturyNearestToday) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    // A plain parse gives 1924 here, 100 years away, and the user would be asked at every start.
    EXPECT_EQ(ReadReminderDate(QStringLiteral("3/5/24"), us, QDate(2024, 3, 20)),
              QDate(2024, 3, 5));
    // Across the turn of a century, either way.
    EXPECT_EQ(ReadReminderDate(QStringLiteral("12/31/99"), us, QDate(2000, 1, 10)),
              QDate(1999, 12, 31));
    EXPECT_EQ(ReadReminderDate(QStringLiteral("1/5/00"), us, QDate(1999, 12, 25)),
              QDate(2000, 1, 5));
    EXPECT_EQ(ReadReminderDate(QStringLiteral("6/1/50"), us, QDate(1990, 1, 1)), QDate(1950, 6, 1));
    EXPECT_EQ(ReadReminderDate(QStringLiteral("6/1/50"), us, QDate(2030, 1, 1)), QDate(2050, 6, 1));
}

TEST(ReminderDate, TheLeapDayOf2000ReadsBackWithATwoDigitYear) {
    // 29 February of "00" does not exist in 1900, where a plain two-digit parse puts it.
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(ReadReminderDate(QStringLiteral("2/29/00"), us, QDate(2000, 3, 20)),
              QDate(2000, 2, 29));
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(ReadReminderDate(QStringLiteral("29.02.00"), german, QDate(2000, 2, 1)),
              QDate(2000, 2, 29));
}

TEST(ReminderDate, TextsThatAreNoDateReadAsInvalid) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QDate today(2024, 3, 20);
    EXPECT_FALSE(ReadReminderDate(QString(), us, today).isValid());
    EXPECT_FALSE(ReadReminderDate(QStringLiteral("soon"), us, today).isValid());
    EXPECT_FALSE(ReadReminderDate(QStringLiteral("13/45/24"), us, today).isValid());
    EXPECT_FALSE(ReadReminderDate(QStringLiteral("2/30/00"), us, today).isValid());
}

// Every day of 1901..2099 would take long in many locales: every `stride`-th day, the last day of
// every month (29 February included) or only the turns of the centuries, each read back on a day
// that would ask (15 days later) and on one with the clock set back (20 days earlier).
std::vector<QDate> SampleDates(int stride, bool everyMonthEnd) {
    std::vector<QDate> dates;
    for (QDate date(1901, 1, 1); date.year() <= 2099; date = date.addDays(stride)) {
        dates.push_back(date);
    }
    if (everyMonthEnd) {
        for (int year = 1901; year <= 2099; ++year) {
            for (int month = 1; month <= 12; ++month) {
                dates.push_back(QDate(year, month, QDate(year, month, 1).daysInMonth()));
            }
        }
    } else {
        dates.insert(dates.end(), {QDate(1901, 1, 1), QDate(1999, 12, 31), QDate(2000, 1, 1),
                                   QDate(2000, 2, 29), QDate(2099, 12, 31)});
    }
    return dates;
}

void ExpectRoundTrip(const QLocale& locale, const std::vector<QDate>& dates) {
    int failures = 0;
    for (const QDate& date : dates) {
        const QString stored = ScrambleSetting(ReminderDateText(date, locale));
        const QString text = UnscrambleSetting(stored);
        for (const int daysLater : {15, -20}) {
            const QDate read = ReadReminderDate(text, locale, date.addDays(daysLater));
            if (read != date && ++failures <= 5) {
                ADD_FAILURE() << locale.name().toStdString() << " short form "
                              << locale.dateFormat(QLocale::ShortFormat).toStdString() << ": "
                              << date.toString(Qt::ISODate).toStdString() << " stored as '"
                              << text.toStdString() << "' read back as "
                              << read.toString(Qt::ISODate).toStdString();
            }
        }
    }
    EXPECT_EQ(failures, 0) << locale.name().toStdString();
}

class ReminderDateRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(ReminderDateRoundTrip, EverySampledDateOf1901To2099ReadsBackTheSame) {
    const QLocale locale(QString::fromLatin1(GetParam()));
    ExpectRoundTrip(locale, SampleDates(7, true));
}

INSTANTIATE_TEST_SUITE_P(Locales, ReminderDateRoundTrip,
                         ::testing::Values("en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ru_RU",
                                           "C", "nl_NL", "ko_KR", "bg_BG", "ar_EG", "fa_IR",
                                           "hi_IN", "zh_CN"));

TEST(ReminderDateRoundTripAllLocales, EveryLocaleReadsItsOwnDatesBack) {
    const std::vector<QDate> dates = SampleDates(293, false);
    int twoDigitLocales = 0;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        const QString format = locale.dateFormat(QLocale::ShortFormat);
        if (format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"))) {
            ++twoDigitLocales;
        }
        ExpectRoundTrip(locale, dates);
    }
    // The case this guards: many locales write two-digit years.
    EXPECT_GT(twoDigitLocales, 10);
}

// ---------------------------------------------------------------- the reminder at start-up

class UpdateReminderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("kovrel.ini"));
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }

    // Puts a reminder date into the store as the program would have written it.
    void storeDate(const QDate& date) {
        storeRaw(ScrambleSetting(ReminderDateText(date, QLocale::system())));
    }
    void storeRaw(const QString& value) {
        settings->setValue(ReminderSection() + QLatin1Char('/') + ReminderKey(), value);
        settings->sync();
    }
    // The stored value as a fresh look at the file sees it.
    QVariant storedRaw() const {
        QSettings onDisk(path, QSettings::IniFormat);
        return onDisk.value(ReminderSection() + QLatin1Char('/') + ReminderKey());
    }
    QDate storedDate() const {
        return ReadReminderDate(UnscrambleSetting(storedRaw().toString()), QLocale::system(),
                                today);
    }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<QSettings> settings;
    test::FakeDialogs dialogs;
    const QDate today{2024, 3, 20};
};

TEST_F(UpdateReminderTest, FirstStartStoresTodayUnderTheScrambledKeyAndSaysNothing) {
    UpdateReminder(*settings, today, dialogs);

    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.addresses.empty());
    // The value is the scrambled short date of today, under the scrambled key, not the plain one.
    const QString expectedText = QLocale::system().toString(today, QLocale::ShortFormat);
    const QString stored = storedRaw().toString();
    if (expectedText.toLatin1() == expectedText.toUtf8()) {
        EXPECT_EQ(stored, QString::fromLatin1(ScrambleText(expectedText.toStdString())));
    }
    EXPECT_EQ(storedDate(), today);
    QSettings onDisk(path, QSettings::IniFormat);
    EXPECT_EQ(onDisk.childGroups(), QStringList{ReminderSection()});
    EXPECT_FALSE(onDisk.contains(QStringLiteral("Settings/Duration")));
}

TEST_F(UpdateReminderTest, WithinFourteenDaysEitherWayNothingIsShownOrWritten) {
    for (const int daysAway : {-14, -13, -1, 0, 1, 13, 14}) {
        SCOPED_TRACE(daysAway);
        storeDate(today.addDays(daysAway));
        const QVariant before = storedRaw();

        UpdateReminder(*settings, today, dialogs);

        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_TRUE(dialogs.addresses.empty());
        EXPECT_EQ(storedRaw(), before);
    }
}

TEST_F(UpdateReminderTest, FifteenDaysAgoAsksAndANoStillStoresToday) {
    storeDate(today.addDays(-15));
    dialogs.yesNoAnswers = {false};

    UpdateReminder(*settings, today, dialogs);

    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], kReminderText);
    EXPECT_EQ(dialogs.questions[0].count(QChar(13)), 1);
    EXPECT_TRUE(dialogs.addresses.empty());
    EXPECT_EQ(storedDate(), today);
}

TEST_F(UpdateReminderTest, TwentyDaysAheadAsksAndAYesOpensTheDownloadPage) {
    // The clock was set back since the last reminder.
    storeDate(today.addDays(20));
    dialogs.yesNoAnswers = {true};

    UpdateReminder(*settings, today, dialogs);

    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], kReminderText);
    ASSERT_EQ(dialogs.addresses.size(), 1u);
    EXPECT_EQ(dialogs.addresses[0].toString().toStdString(), LinkAddress(Link::Update));
    EXPECT_EQ(storedDate(), today);
}

TEST_F(UpdateReminderTest, FifteenDaysAheadAsksToo) {
    storeDate(today.addDays(15));
    UpdateReminder(*settings, today, dialogs);
    EXPECT_EQ(dialogs.questions.size(), 1u);
}

TEST_F(UpdateReminderTest, AfterAReminderTheNextStartIsQuiet) {
    storeDate(today.addDays(-400));
    UpdateReminder(*settings, today, dialogs);
    UpdateReminder(*settings, today.addDays(14), dialogs);
    EXPECT_EQ(dialogs.questions.size(), 1u);
    UpdateReminder(*settings, today.addDays(15), dialogs);
    EXPECT_EQ(dialogs.questions.size(), 2u);
}

TEST_F(UpdateReminderTest, AGarbledValueCountsAsAFirstStart) {
    for (const QString& garbled :
         {QStringLiteral("xyz"), ScrambleSetting(QStringLiteral("hello")),
          QStringLiteral("\u4e2d\u6587"), QString::fromLatin1("\x01\x02")}) {
        SCOPED_TRACE(garbled.toStdString());
        storeRaw(garbled);

        UpdateReminder(*settings, today, dialogs);

        EXPECT_TRUE(dialogs.questions.empty());
        EXPECT_TRUE(dialogs.addresses.empty());
        EXPECT_EQ(storedDate(), today);
    }
}

TEST_F(UpdateReminderTest, TheQuestionIsAnInformationBoxWithYesAndNo) {
    storeDate(today.addDays(-15));
    QtDialogs boxes;
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

    UpdateReminder(*settings, today, boxes);

    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(title, QStringLiteral("Kovrel"));
    EXPECT_EQ(text, kReminderText);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(storedDate(), today);
}

} // namespace
} // namespace kovrel
