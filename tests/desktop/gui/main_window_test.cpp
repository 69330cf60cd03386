// The main window as a user meets it: a fresh window, the keyboard order, the menus, validation
// with its focus moves, the coordinates search, and saving and opening readings.
#include "GuiFixture.h"

#include "app/ChartFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>

#include <vector>

namespace kovrel::test {
namespace {

class MainWindowTest : public MainWindowFixture {
  protected:
    bool checked(const QString& name) const { return get<QAbstractButton>(name).isChecked(); }
};

// ---------------------------------------------------------------- a fresh window

TEST_F(MainWindowTest, FreshWindowShowsTheDefaultsAndListsOfferOnlyTheirItems) {
    EXPECT_EQ(window->windowTitle(), "Kovrel v1.15");
    EXPECT_EQ(window->objectName(), "frmMain");
    EXPECT_EQ(frontPanel(), "fraMain");
    EXPECT_EQ(get<QGroupBox>("fraMain").title(), "Personal Details");
    EXPECT_EQ(window->entry(), EntryForm{}) << "empty boxes, first items";
    EXPECT_TRUE(checked("optLat_0") && checked("optLong_0"));
    EXPECT_FALSE(checked("optLat_1") || checked("optLong_1") || checked("chkDST"));

    struct List {
        const char* name;
        int count;
        const char* selected;
        const char* last;
    };
    for (const List& list :
         {List{"cboDate", 31, "1", "31"}, List{"cboMonth", 12, "January", "December"},
          List{"cboYear", 150, "1901", "2050"}, List{"cboHour", 25, "0", "24"},
          List{"cboMinute", 60, "0", "59"},
          List{"cboTimeZone", 70, "Alaska/Hawaii Daylight Time,AHDT,-9.0",
               "Yukon Standard Time,YST,-9.0"}}) {
        SCOPED_TRACE(list.name);
        const auto& combo = get<QComboBox>(list.name);
        EXPECT_FALSE(combo.isEditable());
        EXPECT_EQ(combo.count(), list.count);
        EXPECT_EQ(combo.currentText(), list.selected);
        EXPECT_EQ(combo.itemText(combo.count() - 1), list.last);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowTest, CaptionsOfTheEntryPanel) {
    for (const auto& [name, caption] : std::vector<std::pair<const char*, const char*>>{
             {"cmdOpen", "&Open Previously Saved Reading"},
             {"cmdCalculate", "&Get My Planetary Relationships Reading"},
             // "&&" shows one ampersand and is no shortcut.
             {"Command1", "Click here to find Latitude && Longitude"},
             {"chkDST", "Daylight Saving Time"},
             {"optLat_0", "North"},
             {"optLat_1", "South"},
             {"optLong_0", "East"},
             {"optLong_1", "West"}}) {
        EXPECT_EQ(get<QAbstractButton>(name).text(), caption) << name;
    }
    EXPECT_NE(get<QWidget>("Frame3").findChild<QRadioButton*>("optLat_0"), nullptr);
    EXPECT_NE(get<QWidget>("Frame4").findChild<QRadioButton*>("optLong_0"), nullptr);
    EXPECT_EQ(label("lblDescription"),
              "Kovrel  displays the kind of relationship shared between different planets. This "
              "includes natural, temporary and compound relationships. ");
}

TEST_F(MainWindowTest, KeyboardOrderFollowsTheEntryRows) {
    const QStringList expected = {
        "txtName",     "cboDate",    "cboMonth",     "cboYear",   "cboHour",   "cboMinute",
        "cboTimeZone", "txtLatDeg",  "txtLatMin",    "txtLonDeg", "txtLonMin", "txtCity",
        "txtState",    "txtCountry", "cmdCalculate", "cmdOpen",   "chkDST",    "optLong_0",
        "optLong_1",   "optLat_0",   "optLat_1",     "Command1"};
    QStringList seen;
    QWidget* widget = &get<QWidget>("txtName");
    for (int step = 0; step < 500 && seen.size() < expected.size(); ++step) {
        if (expected.contains(widget->objectName()) && !seen.contains(widget->objectName())) {
            seen << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(seen, expected);
}

// ---------------------------------------------------------------- menus

TEST_F(MainWindowTest, MenusHoldTheirEntries) {
    const auto texts = [](const QMenu& menu) {
        QStringList list;
        for (const QAction* entry : menu.actions()) {
            list << (entry->isSeparator() ? "-" : entry->text());
        }
        return list;
    };
    EXPECT_EQ(get<QMenu>("mnuFile").title(), "&File");
    // The two specified entries, with open, save, the recent readings, the printed reading and
    // copying between them.
    EXPECT_EQ(texts(get<QMenu>("mnuFile")),
              (QStringList{"Get My &Rasi Chart", "-", "&Open Reading...", "&Save Reading...",
                           "Rece&nt Readings", "-", "Show Rasi &Chart...", "&Print Reading...",
                           "Export Reading as P&DF...", "&Copy Reading", "-", "&Exit"}));
    EXPECT_EQ(get<QMenu>("mnuFile").actions()[0], &action("mnuCalculate"));
    EXPECT_EQ(get<QMenu>("mnuHelp").title(), "&Help");
    EXPECT_EQ(texts(get<QMenu>("mnuHelp")),
              (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                           "-", "&About Software"}));
    QAction& makeMoney = action("mnuMakeMoney");
    EXPECT_EQ(makeMoney.text(), "Make Money &Online");
    EXPECT_EQ(makeMoney.menu(), nullptr);
    EXPECT_TRUE(window->menuBar()->actions().contains(&makeMoney));
}

TEST_F(MainWindowTest, FileExitClosesTheWindowWithoutAsking) {
    ASSERT_TRUE(window->isVisible());
    action("mnuExit").trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.questions.empty());
}

// ---------------------------------------------------------------- validation

TEST_F(MainWindowTest, ValidationReportsTheFirstFaultAndMovesTheFocus) {
    struct Step {
        const char* message;
        const char* box; // takes the focus, then is filled before the next attempt
        const char* text;
    };
    for (const Step& step : {Step{"Please Enter Your Name", "txtName", "Ann"},
                             Step{"Please Enter Degree of Latitude", "txtLatDeg", "28"},
                             Step{"Please Enter Minutes of Latitude", "txtLatMin", "36"},
                             Step{"Please Enter Degree of Longitude", "txtLonDeg", "77"},
                             Step{"Please Enter Minute of Longitude", "txtLonMin", "12"},
                             Step{"Please Enter Your City name", "txtCity", "New Delhi"},
                             Step{"Please Enter Your State name", "txtState", "Delhi"},
                             Step{"Please Enter Your Country name", "txtCountry", "India"}}) {
        SCOPED_TRACE(step.message);
        dialogs.clear();
        click("cmdCalculate");
        EXPECT_EQ(dialogs.messages, std::vector{Error(step.message)});
        EXPECT_EQ(focusName(), step.box);
        EXPECT_EQ(frontPanel(), "fraMain");
        EXPECT_EQ(window->session().birth, BirthDetails{}) << "nothing is stored";
        type(step.box, step.text);
    }
    dialogs.clear();
    click("cmdCalculate");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(frontPanel(), "fraResult_3");
}

TEST_F(MainWindowTest, MissingDirectionsAreReportedAndSelected) {
    typeNewDelhiBirth();
    EntryForm form = window->entry();
    form.latitude = LatitudeChoice::None;
    form.longitude = LongitudeChoice::None;
    window->setEntry(form);
    EXPECT_FALSE(checked("optLat_0") || checked("optLat_1"));

    click("cmdCalculate");
    click("cmdCalculate");
    EXPECT_EQ(dialogs.messages, (std::vector{Error("Please Select Direction For The Latitude"),
                                             Error("Please Select Direction For The Longitude")}));
    EXPECT_TRUE(checked("optLat_0") && checked("optLong_0"));
    // Still exclusive after being cleared: choosing South unticks North.
    click("optLat_1");
    EXPECT_FALSE(checked("optLat_0"));
}

TEST_F(MainWindowTest, ImpossibleDatesAreReportedWithTheInformationIcon) {
    typeNewDelhiBirth();
    choose("cboMonth", "February");
    choose("cboDate", "30");
    choose("cboYear", "2000");
    click("cmdCalculate");
    choose("cboMonth", "April");
    choose("cboDate", "31");
    click("cmdCalculate");
    EXPECT_EQ(dialogs.messages, (std::vector{Information("Please Enter Correct Date Or Month!"),
                                             Information("Please Enter Correct Date Or Month !")}));
    EXPECT_EQ(frontPanel(), "fraMain");
}

TEST_F(MainWindowTest, FileMenuCalculationCopiesTheEntryIntoTheBirthDetails) {
    typeNewDelhiBirth();
    EXPECT_EQ(window->entry(), AnnEntry());
    type("txtCity", " "); // trimmed on the way in
    click("chkDST");
    action("mnuCalculate").trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(frontPanel(), "fraResult_3");
    BirthDetails expected = AnnDetails();
    expected.DstFlag = true;
    EXPECT_EQ(window->session().birth, expected);
    EXPECT_EQ(window->session().zoneRow, 34);

    // A failed calculation keeps the previous birth.
    click("cmdBack_0");
    box("txtName").clear();
    click("cmdCalculate");
    EXPECT_EQ(window->session().birth, expected);
}

// ---------------------------------------------------------------- coordinates search

TEST_F(MainWindowTest, CoordinatesSearchChecksThePlaceFieldsInOrderThenSearches) {
    const std::vector<std::pair<const char*, const char*>> fields = {
        {"txtCity", "Please Enter City"},
        {"txtState", "Please Enter State"},
        {"txtCountry", "Please Enter Country"}};
    const char* const place[] = {"Pune", "Maharashtra", "India"};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        click("Command1");
        ASSERT_EQ(dialogs.messages.size(), i + 1) << "one message per press";
        EXPECT_EQ(dialogs.messages.back(), Error(fields[i].second));
        EXPECT_EQ(focusName(), fields[i].first);
        type(fields[i].first, place[i]);
    }
    click("Command1");
    EXPECT_EQ(dialogs.messages.size(), 3u);
    ASSERT_EQ(dialogs.addresses.size(), 1u);
    const QUrl& address = dialogs.addresses[0];
    EXPECT_TRUE(address.isValid());
    EXPECT_TRUE(address.toEncoded().contains("Pune%20Maharashtra%20India%20Latitude%20Longitude"))
        << address.toEncoded().toStdString();
    EXPECT_TRUE(
        address.query(QUrl::FullyDecoded).endsWith("Pune Maharashtra India Latitude Longitude"));
    EXPECT_TRUE(box("txtLatDeg").text().isEmpty()) << "no field is filled from the search";

    // The texts go in as typed, blanks included.
    box("txtCity").setText("New Delhi ");
    box("txtState").setText(" Delhi");
    click("Command1");
    ASSERT_EQ(dialogs.addresses.size(), 2u);
    EXPECT_TRUE(dialogs.addresses[1]
                    .query(QUrl::FullyDecoded)
                    .endsWith("New Delhi   Delhi India Latitude Longitude"));
}

// ---------------------------------------------------------------- save and open

class MainWindowFileTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    QString path(const char* name) const { return folder.filePath(name); }
    void copyTestFile(const char* source, const char* name) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(KOVREL_TEST_DATA "/") + source, path(name)));
    }
    void open(const char* name) {
        dialogs.openAnswers.push_back(path(name));
        click("cmdOpen");
    }

    QTemporaryDir folder;
};

TEST_F(MainWindowFileTest, SaveThenOpenGivesBackTheEntryAndTheReading) {
    calculateNewDelhi();
    const EntryForm entry = window->entry();
    const Reading reading = window->session().reading;
    dialogs.saveAnswers.push_back(path("ann.kvr"));
    click("cmdSave_0");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.saveInitialPaths, std::vector<QString>{""}) << "no save yet in this run";
    EXPECT_EQ(window->session().LastSavePath, path("ann.kvr").toStdString());
    EXPECT_EQ(ReadChartFile(path("ann.kvr").toStdString()).value(), kAnnLines);

    // The next save offers the last path; the grid panel's button saves the same.
    clickTab(2);
    dialogs.saveAnswers.push_back(path("ann.kvr"));
    click("cmdSave_2");
    EXPECT_EQ(dialogs.saveInitialPaths, (std::vector<QString>{"", path("ann.kvr")}));

    // Another birth on screen, then the saved one opened.
    click("cmdBack_2");
    window->setEntry(EntryForm{});
    open("ann.kvr");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window->entry(), entry);
    EXPECT_EQ(get<QComboBox>("cboTimeZone").currentText(), "Indian Time, IST, +5.3");
    EXPECT_EQ(frontPanel(), "fraResult_3");
    EXPECT_EQ(window->session().reading.PlanetPlacements, reading.PlanetPlacements);
    EXPECT_EQ(window->session().reading.relationships, reading.relationships);
    EXPECT_EQ(window->session().LastSavePath, path("ann.kvr").toStdString());
}

TEST_F(MainWindowFileTest, CancelledDialogsChangeNothing) {
    calculateNewDelhi();
    const Session before = window->session();
    click("cmdSave_0"); // no answer scripted: cancelled
    EXPECT_EQ(dialogs.saveInitialPaths.size(), 1u);
    EXPECT_EQ(window->session().LastSavePath, "");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    click("cmdBack_0");
    const EntryForm entry = window->entry();
    click("cmdOpen");
    EXPECT_EQ(dialogs.openDialogs, 1);
    EXPECT_EQ(window->entry(), entry);
    EXPECT_EQ(frontPanel(), "fraMain");
    EXPECT_EQ(window->session().birth, before.birth);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowFileTest, OnlyLowerCaseKvrFilesAreOpenedAndOpeningKeepsTheLastSavePath) {
    copyTestFile("ann_new_delhi.kvr", "ANN.KVR");
    open("ANN.KVR");
    EXPECT_EQ(dialogs.messages, std::vector{Error("Please Check The File.")});
    EXPECT_EQ(window->entry(), EntryForm{});
    EXPECT_EQ(frontPanel(), "fraMain");

    copyTestFile("ann_new_delhi.kvr", "a.kvr");
    open("a.kvr");
    EXPECT_EQ(window->entry().name, "Ann");
    EXPECT_EQ(window->session().LastSavePath, "");
}

TEST_F(MainWindowFileTest, UnreadableFileIsReportedAndTheEntryKept) {
    typeNewDelhiBirth();
    const EntryForm entry = window->entry();
    open("missing.kvr");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains("missing.kvr"))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(window->entry(), entry);
    EXPECT_EQ(frontPanel(), "fraMain");
}

TEST_F(MainWindowFileTest, ShortFileFillsWhatItHasAndValidationStops) {
    copyTestFile("short_12_lines.kvr", "short.kvr");
    open("short.kvr");
    EXPECT_EQ(dialogs.messages, std::vector{Error("Please Enter Your City name")});
    EXPECT_TRUE(checked("optLat_1")) << "empty line 13";
    EXPECT_TRUE(checked("chkDST")) << "empty line 14";
    EXPECT_EQ(focusName(), "txtCity");
}

TEST_F(MainWindowFileTest, FailedSaveIsReported) {
    calculateNewDelhi();
    dialogs.saveAnswers.push_back(path("no-such-folder/ann.kvr"));
    click("cmdSave_0");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(QFile::exists(path("no-such-folder/ann.kvr")));
}

TEST_F(MainWindowFileTest, FileTextsGoIntoTheBoxesAsTheyStandAndTheReadingIsShown) {
    // Texts no keystroke could type, and a degree line longer than the three typed characters.
    ChartLines lines = kAnnLines;
    lines[0] = "O'Brien";
    lines[7] = "1234";
    lines[9] = " 77 ";
    lines[10] = "12.5";
    lines[14] = "Saint-Denis";
    ASSERT_EQ(ErrorOf(WriteChartFile(path("odd.kvr").toStdString(), lines)), "");
    open("odd.kvr");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
    EXPECT_EQ(box("txtName").text(), "O'Brien");
    EXPECT_EQ(box("txtLonDeg").text(), "1234");
    EXPECT_EQ(box("txtLatDeg").text(), "77"); // saved trimmed, as every line is
    EXPECT_EQ(box("txtLatMin").text(), "12.5");
    EXPECT_EQ(box("txtCity").text(), "Saint-Denis");
    EXPECT_EQ(frontPanel(), "fraResult_3");
    EXPECT_EQ(window->session().birth.LonDegrees, 1234);
    EXPECT_EQ(window->session().birth.LatMinutes, 12); // 12.5: halves go to the even neighbour
}

TEST_F(MainWindowFileTest, ReadOnlyFileIsRefusedBeforeAnythingIsWrittenAndTheDialogOpensAgain) {
    calculateNewDelhi();
    const QString locked = path("locked.kvr");
    {
        QFile file(locked);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup));
    dialogs.saveAnswers = {locked, path("ann.kvr")};
    click("cmdSave_0");
    // The reason after the message is the system's text for EACCES.
    EXPECT_EQ(
        dialogs.messages,
        std::vector{Error("The file \"" + locked +
                          "\" is read-only. Please choose another file. Permission denied.")});
    EXPECT_EQ(dialogs.saveInitialPaths, (std::vector<QString>{"", locked}));
    EXPECT_EQ(FileBytes(locked.toStdString()), "kept");
    EXPECT_EQ(ReadChartFile(path("ann.kvr").toStdString()).value(), kAnnLines);
    EXPECT_EQ(window->session().LastSavePath, path("ann.kvr").toStdString());

    // Refused, then cancelled: nothing written, the last path as it was.
    dialogs.clear();
    dialogs.saveAnswers = {locked};
    click("cmdSave_0");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.saveInitialPaths.size(), 2u);
    EXPECT_EQ(FileBytes(locked.toStdString()), "kept");
    EXPECT_EQ(window->session().LastSavePath, path("ann.kvr").toStdString());
}

} // namespace
} // namespace kovrel::test
