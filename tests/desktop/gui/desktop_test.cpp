// The window as a desktop program: readings opened from the command line, by drag and drop and
// from a second start; the usual keys; the recent readings; Enter on buttons; one Alt+O.
#include "GuiFixture.h"

#include "chart/gui/ChartWindow.h"
#include "desktop/gui/RecentFiles.h"
#include "desktop/gui/UpdateReminder.h"
#include "links/Links.h"

#include <QDialog>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>

#include <vector>

namespace kovrel::test {
namespace {

class DesktopTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        settings = std::make_unique<QSettings>(folder.filePath("kovrel.ini"), QSettings::IniFormat);
        // A reminder date stored before, which nothing here may touch.
        settings->setValue(ReminderSection() + "/" + ReminderKey(), reminderValue);
        newWindow();
    }
    void newWindow() {
        window.reset();
        window = std::make_unique<MainWindow>(dialogs, nullptr, settings.get());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    QString copyAnn(const QString& name) const {
        const QString target = path(name);
        EXPECT_TRUE(QFile::copy(QStringLiteral(KOVREL_TEST_DATA "/ann_new_delhi.kvr"), target));
        return target;
    }
    // What the recent readings menu offers, as entry texts.
    QStringList recentEntries() const {
        QStringList texts;
        for (const QAction* entry : get<QMenu>("mnuRecentReadings").actions()) {
            texts << entry->text();
        }
        return texts;
    }
    void expectAnnShown() const {
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_EQ(window->entry().name, "Ann");
        EXPECT_EQ(window->entry().city, "New Delhi");
        EXPECT_EQ(frontPanel(), "fraResult_3");
        EXPECT_EQ(frontResultPanel(), "fraResult_0");
        EXPECT_EQ(label("lblResult_For_Friends_0"), "Moon/ Mars/ Jupiter");
    }
    void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(target, key, modifiers);
    }

    QTemporaryDir folder;
    std::unique_ptr<QSettings> settings;
    const QString reminderValue = ScrambleSetting("2024-01-31");
};

// ---------------------------------------------------------------- files from the desktop

TEST_F(DesktopTest, FileNamedAtStartOpensAsTheOpenDialogDoes) {
    window->openReadingFile(copyAnn("ann.kvr"));
    expectAnnShown();
    EXPECT_EQ(dialogs.openDialogs, 0) << "no dialog: the file is already chosen";

    // The same checks as after the dialog: the extension, then the file itself.
    click("cmdBack_0");
    window->setEntry(EntryForm{});
    window->openReadingFile(copyAnn("ANN.KVR"));
    EXPECT_EQ(dialogs.messages, std::vector{Error("Please Check The File.")});
    EXPECT_EQ(window->entry(), EntryForm{});
    EXPECT_EQ(frontPanel(), "fraMain");
}

TEST_F(DesktopTest, DroppedFileOpens) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(copyAnn("dropped.kvr"))});
    const QPoint middle = window->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    expectAnnShown();

    // Text without a file is not the window's to take.
    QMimeData text;
    text.setText("Ann");
    QDragEnterEvent textEnter(middle, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    textEnter.ignore();
    QApplication::sendEvent(window.get(), &textEnter);
    EXPECT_FALSE(textEnter.isAccepted());
}

TEST_F(DesktopTest, FilesFromASecondStartWaitForAnOpenDialogToClose) {
    QDialog busy(window.get());
    busy.setModal(true);
    busy.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&busy));
    window->receiveFiles({copyAnn("handed.kvr")});
    EXPECT_EQ(frontPanel(), "fraMain") << "the user's own dialog runs to its end first";
    busy.close();
    QTRY_COMPARE(frontPanel(), QString("fraResult_3"));
    expectAnnShown();
}

// ---------------------------------------------------------------- keys

TEST_F(DesktopTest, CtrlOOpensCtrlSSavesOnlyWithAReadingCtrlQExits) {
    QAction& save = action("mnuSaveReading");
    EXPECT_EQ(action("mnuOpenReading").shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(save.shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(action("mnuExit").shortcut(), QKeySequence("Ctrl+Q"));

    EXPECT_FALSE(save.isEnabled()) << "nothing calculated, nothing to save";
    press(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.saveInitialPaths.empty());
    press(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.openDialogs, 1);

    calculateNewDelhi();
    EXPECT_TRUE(save.isEnabled());
    dialogs.saveAnswers.push_back(path("saved.kvr"));
    press(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.saveInitialPaths.size(), 1u);
    EXPECT_TRUE(QFile::exists(path("saved.kvr")));
    click("cmdBack_0");
    EXPECT_FALSE(save.isEnabled()) << "Back hides the reading again";

    press(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DesktopTest, PrintsInTheChartStyleTheChartWindowKeeps) {
    window->openReadingFile(copyAnn("ann.kvr"));
    EXPECT_EQ(window->chartStyle(), ChartStyle::South);
    window->showChartWindow();
    auto* chart = static_cast<ChartWindow*>(window->findChild<QWidget*>("frmChart"));
    ASSERT_NE(chart, nullptr);
    chart->setChartStyle(ChartStyle::North);
    EXPECT_EQ(window->chartStyle(), ChartStyle::North);
    // After a restart, before any chart window is opened.
    newWindow();
    EXPECT_EQ(window->chartStyle(), ChartStyle::North);
}

TEST_F(DesktopTest, F1OpensTheOnlineHelp) {
    EXPECT_EQ(action("mnuOnline").shortcut(), QKeySequence(Qt::Key_F1));
    press(window.get(), Qt::Key_F1);
    EXPECT_EQ(dialogs.opened(), std::vector{LinkAddress(Link::OnlineHelp)});
}

TEST_F(DesktopTest, EnterPressesTheFocusedButtonAsSpaceDoes) {
    auto& open = get<QAbstractButton>("cmdOpen");
    open.setFocus();
    press(&open, Qt::Key_Return);
    EXPECT_EQ(dialogs.openDialogs, 1);
    press(&open, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dialogs.openDialogs, 2);

    auto& search = get<QAbstractButton>("Command1");
    search.setFocus();
    press(&search, Qt::Key_Return);
    EXPECT_EQ(dialogs.messages, std::vector{Error("Please Enter City")});
    dialogs.clear();

    auto& dst = get<QAbstractButton>("chkDST");
    dst.setFocus();
    press(&dst, Qt::Key_Return);
    EXPECT_TRUE(dst.isChecked());
    auto& south = get<QAbstractButton>("optLat_1");
    south.setFocus();
    press(&south, Qt::Key_Return);
    EXPECT_TRUE(south.isChecked());

    // On the calculate button, the default button, it calculates once.
    click("optLat_0");
    get<QAbstractButton>("chkDST").click();
    typeNewDelhiBirth();
    auto& calculate = get<QAbstractButton>("cmdCalculate");
    calculate.setFocus();
    press(&calculate, Qt::Key_Return);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(frontPanel(), "fraResult_3");

    // And on the result area's buttons.
    auto& back = get<QAbstractButton>("cmdBack_0");
    back.setFocus();
    press(&back, Qt::Key_Return);
    EXPECT_EQ(frontPanel(), "fraMain");
}

TEST_F(DesktopTest, OneAltOOpensTheSavedReadingDialogWhileTheEntryPanelIsInFront) {
    // The button and the menu bar's "Make Money Online" share the mnemonic; the captions stay.
    EXPECT_EQ(get<QAbstractButton>("cmdOpen").text(), "&Open Previously Saved Reading");
    EXPECT_EQ(action("mnuMakeMoney").text(), "Make Money &Online");
    box("txtName").setFocus();
    for (int presses = 1; presses <= 3; ++presses) {
        press(window.get(), Qt::Key_O, Qt::AltModifier);
        EXPECT_EQ(dialogs.openDialogs, presses);
    }
    EXPECT_TRUE(dialogs.addresses.empty());

    // Behind the result area the button is out of reach and the menu bar's entry answers.
    calculateNewDelhi();
    press(window.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(dialogs.openDialogs, 3);
    EXPECT_EQ(dialogs.opened(), std::vector{LinkAddress(Link::Branding)});
}

// ---------------------------------------------------------------- recent readings

TEST_F(DesktopTest, RecentReadingsKeepTheLastEightOpenedOrSavedNewestFirst) {
    EXPECT_TRUE(recentEntries().isEmpty());
    EXPECT_FALSE(get<QMenu>("mnuRecentReadings").isEnabled());
    for (int n = 1; n <= 9; ++n) {
        dialogs.openAnswers.push_back(copyAnn(QString("ann%1.kvr").arg(n)));
        action("mnuOpenReading").trigger();
    }
    // Opening the oldest one left again moves it to the top instead of repeating it.
    window->openReadingFile(path("ann3.kvr"));
    EXPECT_EQ(recentEntries(),
              (QStringList{"&1 ann3.kvr", "&2 ann9.kvr", "&3 ann8.kvr", "&4 ann7.kvr",
                           "&5 ann6.kvr", "&6 ann5.kvr", "&7 ann4.kvr", "&8 ann2.kvr"}));

    // A save counts too; a file name's ampersand is no mnemonic.
    dialogs.saveAnswers.push_back(path("Ann & Raj.kvr"));
    action("mnuSaveReading").trigger();
    EXPECT_EQ(recentEntries().value(0), "&1 Ann && Raj.kvr");
    EXPECT_EQ(recentEntries().size(), 8);

    // Kept under its own key; the reminder's value is as it was.
    EXPECT_EQ(settings->value(RecentFiles::SettingsKey()).toStringList().value(0),
              path("Ann & Raj.kvr"));
    EXPECT_EQ(settings->value(ReminderSection() + "/" + ReminderKey()).toString(), reminderValue);

    // The next run offers the same list, and an entry opens its reading.
    newWindow();
    EXPECT_EQ(recentEntries().value(1), "&2 ann3.kvr");
    window->setEntry(EntryForm{});
    get<QMenu>("mnuRecentReadings").actions().value(1)->trigger();
    expectAnnShown();
}

} // namespace
} // namespace kovrel::test
