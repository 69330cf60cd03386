#include "GuiFixture.h"
#include "chart/AnnReading.h"
#include "cli/ReadingReport.h"
#include "places/PlaceText.h"
#include "places/gui/PlaceCompleter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <iterator>

namespace kovrel::test {
namespace {

// The place assistant, the positions strip, the chart window and the printed reading, driven as
// a user drives them.
using ReadingViewsTest = MainWindowFixture;

TEST_F(ReadingViewsTest, StripShowsWhoseReadingAndThePlacementsOnlyWithTheResult) {
    EXPECT_FALSE(get<QWidget>("fraPositions").isVisible());
    calculateNewDelhi();
    ASSERT_TRUE(get<QWidget>("fraPositions").isVisible());
    // Worked example: Ann / New Delhi.
    const QStringList expected = {"Sun 00 Pis 41",   "Moon 11 Lib 33", "Mercury 26 Aqu 55",
                                  "Venus 15 Cap 14", "Mars 08 Cap 59", "Jupiter 07 Gem 50",
                                  "Saturn 29 Sag 37"};
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(label(QStringLiteral("lblPosition_%1").arg(i)), expected[i]);
    }
    EXPECT_TRUE(get<QLabel>("lblPosition_0").toolTip().startsWith("Pisces"));
    EXPECT_TRUE(label("lblReadingOf").contains("Ann"));
    click("cmdBack_0");
    EXPECT_FALSE(get<QWidget>("fraPositions").isVisible());
}

TEST_F(ReadingViewsTest, PrintAndExportAreEnabledOnlyWhileAReadingIsShown) {
    for (const char* name : {"mnuPrint", "mnuExportPdf", "mnuShowChart"}) {
        EXPECT_FALSE(action(name).isEnabled()) << name;
    }
    calculateNewDelhi();
    for (const char* name : {"mnuPrint", "mnuExportPdf", "mnuShowChart"}) {
        EXPECT_TRUE(action(name).isEnabled()) << name;
    }
    EXPECT_EQ(action("mnuPrint").shortcut(), QKeySequence(QKeySequence::Print));
    click("cmdBack_0");
    EXPECT_FALSE(action("mnuPrint").isEnabled());
}

TEST_F(ReadingViewsTest, CopyReadingPutsTheToolsTextOnTheClipboard) {
    EXPECT_FALSE(action("mnuCopyReading").isEnabled()); // Ctrl+C stays the entry boxes' own
    calculateNewDelhi();
    ASSERT_TRUE(action("mnuCopyReading").isEnabled());
    EXPECT_EQ(action("mnuCopyReading").shortcut(), QKeySequence(QKeySequence::Copy));
    action("mnuCopyReading").trigger();
    // What kovrel-reading prints for Ann's birth (the worked New Delhi example).
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(TextReport(AnnShown())));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("  Sun      00 Pis 41\n"));
}

TEST_F(ReadingViewsTest, ExportWritesAPdfNamedAfterThePersonAndPrintOpensThePreview) {
    calculateNewDelhi();
    QTemporaryDir folder;
    const QString path = folder.filePath("ann.pdf");
    dialogs.exportAnswers.push_back(path);
    action("mnuExportPdf").trigger();
    ASSERT_EQ(dialogs.exportSuggestions.size(), 1u);
    EXPECT_TRUE(dialogs.exportSuggestions[0].startsWith("Ann"));
    std::ifstream pdf(path.toStdString(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(pdf)), {});
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_TRUE(dialogs.messages.empty());

    // A folder that does not exist: reported, nothing written.
    dialogs.exportAnswers.push_back(folder.filePath("missing/ann.pdf"));
    action("mnuExportPdf").trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);

    action("mnuPrint").trigger();
    EXPECT_EQ(dialogs.modalTitles.size(), 1u);
}

TEST_F(ReadingViewsTest, EachPrintPreviewIsGoneWhenItsRunEnds) {
    calculateNewDelhi();
    action("mnuPrint").trigger();
    action("mnuPrint").trigger();
    EXPECT_EQ(dialogs.modalTitles.size(), 2u);
    EXPECT_EQ(window->findChild<QPrintPreviewDialog*>(), nullptr);
}

TEST_F(ReadingViewsTest, ChartButtonOpensAChartWindowThatFollowsTheReading) {
    calculateNewDelhi();
    click("cmdChart_0");
    QWidget* chart = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == "frmChart" && top->isVisible()) {
            chart = top;
        }
    }
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->windowTitle().startsWith("Kovrel v1.15"));
}

TEST_F(ReadingViewsTest, CompoundCellsAreColouredByRelationAndKeepWhiteText) {
    calculateNewDelhi();
    clickTab(2);
    // Worked example: the Sun row reads Neutral, Neutral, Friend, ... Great Friend.
    const QLabel& neutral = get<QLabel>("lblCompound_0");
    const QLabel& friendCell = get<QLabel>("lblCompound_2");
    const QLabel& greatFriend = get<QLabel>("lblCompound_4");
    EXPECT_EQ(greatFriend.text(), "Great Friend");
    EXPECT_TRUE(greatFriend.autoFillBackground());
    const QColor a = neutral.palette().color(QPalette::Window);
    const QColor b = friendCell.palette().color(QPalette::Window);
    const QColor c = greatFriend.palette().color(QPalette::Window);
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    EXPECT_EQ(greatFriend.palette().color(QPalette::WindowText), QColor(Qt::white));
}

// Picks the first offered place for `typed` in txtCity with the keyboard.
void ChoosePlace(QLineEdit& city, const QString& typed) {
    city.setFocus();
    QTest::keyClicks(&city, typed);
    const auto* places = city.findChild<PlaceCompleter*>();
    ASSERT_NE(places, nullptr);
    QWidget* popup = places->completer()->popup();
    ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }));
    // The first entry, clicked as a user would.
    auto* view = qobject_cast<QAbstractItemView*>(popup);
    ASSERT_NE(view, nullptr);
    const QRect first = view->visualRect(view->model()->index(0, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, first.center());
}

TEST_F(ReadingViewsTest, ChoosingAPlaceFillsThePlaceAndTheZoneInForce) {
    choose("cboDate", "15");
    choose("cboMonth", "March");
    choose("cboYear", "1990");
    choose("cboHour", "8");
    choose("cboMinute", "30");
    ChoosePlace(get<QLineEdit>("txtCity"), "Pune");
    const EntryForm form = window->entry();
    // Worked example: Pune, 15 March 1990 08:30 is "Indian Time, IST, +5.3".
    EXPECT_EQ(form.city, "Pune");
    EXPECT_EQ(form.country, "India");
    EXPECT_EQ(form.latDeg, "18");
    EXPECT_EQ(form.lonDeg, "73");
    EXPECT_EQ(form.latitude, LatitudeChoice::North);
    EXPECT_EQ(form.longitude, LongitudeChoice::East);
    EXPECT_EQ(ListItemText(EntryList::TimeZone, form.zoneIndex), "Indian Time, IST, +5.3");
    EXPECT_FALSE(form.dst);
    EXPECT_TRUE(label("lblPlaceNote").contains("5 h 30 min ahead of Greenwich"));
}

TEST_F(ReadingViewsTest, ArrowKeysAndEnterChooseAPlaceWithoutTheLettersMessage) {
    QLineEdit& city = get<QLineEdit>("txtCity");
    city.setFocus();
    QTest::keyClicks(&city, "Pun");
    QWidget* popup = city.findChild<PlaceCompleter*>()->completer()->popup();
    ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }));
    auto* view = qobject_cast<QAbstractItemView*>(popup);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Down);
    const QString offered = view->currentIndex().data().toString();
    ASSERT_FALSE(offered.isEmpty());
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
    // The entry reads "City, State, Country" with the real names; the box takes the city in
    // the letters it accepts ("Punāsa" becomes "Punasa").
    EXPECT_EQ(city.text().toStdString(),
              LettersOnlyName(offered.section(QStringLiteral(", "), 0, 0).toStdString()));
    EXPECT_FALSE(box("txtCountry").text().isEmpty());
    EXPECT_FALSE(box("txtLatDeg").text().isEmpty());

    // Without a list, Enter in a letters box is still refused with the message.
    city.setFocus();
    QTest::keyClick(&city, Qt::Key_Return);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(ReadingViewsTest, ADateChangeChoosesTheZoneAgainUntilTheUserPicksOne) {
    choose("cboDate", "15");
    choose("cboMonth", "January");
    choose("cboYear", "1990");
    ChoosePlace(get<QLineEdit>("txtCity"), "Adelaide");
    // Worked example: Adelaide, 15 January 1990 is Australian Central Daylight Time.
    EXPECT_EQ(ListItemText(EntryList::TimeZone, window->entry().zoneIndex),
              "Australian Central Daylight Time,ACDT,+10.5");
    choose("cboMonth", "June"); // southern winter: standard time
    EXPECT_EQ(ListItemText(EntryList::TimeZone, window->entry().zoneIndex),
              "Australian Central Standard Time,ACST,+9.5");

    // A zone picked by hand stays.
    auto& zones = get<QComboBox>("cboTimeZone");
    zones.setCurrentIndex(0);
    emit zones.activated(0);
    choose("cboMonth", "January");
    EXPECT_EQ(window->entry().zoneIndex, 0);
}

} // namespace
} // namespace kovrel::test
