// The main window as a user meets it: a fresh window, the keyboard order, the menus and links,
// validation with its focus moves, the coordinates search, and saving and opening readings.
#include "GuiFixture.h"

#include "app/ChartFile.h"
#include "links/Links.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace kovrel::test {
namespace {

using Message = FakeDialogs::Message;

Message Error(const char* text) {
    return {QString::fromLatin1(text), MessageIcon::Error};
}
Message Information(const char* text) {
    return {QString::fromLatin1(text), MessageIcon::Information};
}

std::string ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

class MainWindowTest : public MainWindowFixture {
  protected:
    QWidget* focused() const { return window->focusWidget(); }
    QAction& action(const char* name) { return get<QAction>(QLatin1String(name)); }
};

// ---------------------------------------------------------------- a fresh window

TEST_F(MainWindowTest, FreshWindowShowsTheDefaults) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kovrel v1.15"));
    EXPECT_EQ(window->objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(frontPanel(), QStringLiteral("fraMain"));
    EXPECT_EQ(get<QGroupBox>(QStringLiteral("fraMain")).title(),
              QStringLiteral("Personal Details"));

    EXPECT_EQ(get<QComboBox>(QStringLiteral("cboDate")).currentText(), QStringLiteral("1"));
    EXPECT_EQ(get<QComboBox>(QStringLiteral("cboMonth")).currentText(), QStringLiteral("January"));
    EXPECT_EQ(get<QComboBox>(QStringLiteral("cboYear")).currentText(), QStringLiteral("1901"));
    EXPECT_EQ(get<QComboBox>(QStringLiteral("cboHour")).currentText(), QStringLiteral("0"));
    EXPECT_EQ(get<QComboBox>(QStringLiteral("cboMinute")).currentText(), QStringLiteral("0"));
    EXPECT_EQ(get<QComboBox>(QStringLiteral("cboTimeZone")).currentText(),
              QStringLiteral("Alaska/Hawaii Daylight Time,AHDT,-9.0"));
    EXPECT_TRUE(get<QRadioButton>(QStringLiteral("optLat_0")).isChecked());
    EXPECT_FALSE(get<QRadioButton>(QStringLiteral("optLat_1")).isChecked());
    EXPECT_TRUE(get<QRadioButton>(QStringLiteral("optLong_0")).isChecked());
    EXPECT_FALSE(get<QRadioButton>(QStringLiteral("optLong_1")).isChecked());
    EXPECT_FALSE(get<QCheckBox>(QStringLiteral("chkDST")).isChecked());
    for (const char* box : {"txtName", "txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin",
                            "txtCity", "txtState", "txtCountry"}) {
        EXPECT_TRUE(get<QLineEdit>(QLatin1String(box)).text().isEmpty()) << box;
    }
    EXPECT_EQ(window->entry(), EntryForm{});
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowTest, ListsOfferOnlyTheirItems) {
    const std::vector<std::pair<const char*, int>> lists = {{"cboDate", 31},   {"cboMonth", 12},
                                                            {"cboYear", 150},  {"cboHour", 25},
                                                            {"cboMinute", 60}, {"cboTimeZone", 70}};
    for (const auto& [name, count] : lists) {
        auto& list = get<QComboBox>(QLatin1String(name));
        EXPECT_FALSE(list.isEditable()) << name;
        EXPECT_EQ(list.count(), count) << name;
    }
    EXPECT_EQ(get<QComboBox>(QStringLiteral("cboHour")).itemText(24), QStringLiteral("24"));
    EXPECT_EQ(get<QComboBox>(QStringLiteral("cboYear")).itemText(149), QStringLiteral("2050"));
    EXPECT_EQ(get<QComboBox>(QStringLiteral("cboMonth")).itemText(11), QStringLiteral("December"));
    EXPECT_EQ(get<QComboBox>(QStringLiteral("cboTimeZone")).itemText(69),
              QStringLiteral("Yukon Standard Time,YST,-9.0"));
}

TEST_F(MainWindowTest, CaptionsOfTheEntryPanel) {
    EXPECT_EQ(get<QAbstractButton>(QStringLiteral("cmdOpen")).text(),
              QStringLiteral("&Open Previously Saved Reading"));
    EXPECT_EQ(get<QAbstractButton>(QStringLiteral("cmdCalculate")).text(),
              QStringLiteral("&Get My Planetary Relationships Reading"));
    // "&&" shows one ampersand and is no shortcut.
    EXPECT_EQ(get<QAbstractButton>(QStringLiteral("Command1")).text(),
              QStringLiteral("Click here to find Latitude && Longitude"));
    EXPECT_EQ(get<QAbstractButton>(QStringLiteral("chkDST")).text(),
              QStringLiteral("Daylight Saving Time"));
    EXPECT_EQ(get<QAbstractButton>(QStringLiteral("optLat_1")).text(), QStringLiteral("South"));
    EXPECT_EQ(get<QAbstractButton>(QStringLiteral("optLong_1")).text(), QStringLiteral("West"));
    EXPECT_NE(
        get<QWidget>(QStringLiteral("Frame3")).findChild<QRadioButton*>(QStringLiteral("optLat_0")),
        nullptr);
    EXPECT_NE(get<QWidget>(QStringLiteral("Frame4"))
                  .findChild<QRadioButton*>(QStringLiteral("optLong_0")),
              nullptr);
    EXPECT_EQ(label(QStringLiteral("lblDescription")),
              QStringLiteral("Kovrel  displays the kind of relationship shared between different "
                             "planets. This includes natural, temporary and compound "
                             "relationships. "));
}

TEST_F(MainWindowTest, KeyboardOrderFollowsTheEntryRows) {
    const QStringList expected = {
        "txtName",     "cboDate",    "cboMonth",     "cboYear",   "cboHour",   "cboMinute",
        "cboTimeZone", "txtLatDeg",  "txtLatMin",    "txtLonDeg", "txtLonMin", "txtCity",
        "txtState",    "txtCountry", "cmdCalculate", "cmdOpen",   "chkDST",    "optLong_0",
        "optLong_1",   "optLat_0",   "optLat_1",     "Command1"};
    QStringList seen;
    QWidget* widget = &get<QWidget>(QStringLiteral("txtName"));
    for (int step = 0; step < 500 && seen.size() < expected.size(); ++step) {
        if (expected.contains(widget->objectName()) && !seen.contains(widget->objectName())) {
            seen << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(seen, expected);
}

// ---------------------------------------------------------------- menus and links

TEST_F(MainWindowTest, MenusHoldTheirEntries) {
    auto& file = get<QMenu>(QStringLiteral("mnuFile"));
    EXPECT_EQ(file.title(), QStringLiteral("&File"));
    ASSERT_EQ(file.actions().size(), 3);
    EXPECT_EQ(file.actions()[0]->objectName(), QStringLiteral("mnuCalculate"));
    EXPECT_EQ(file.actions()[0]->text(), QStringLiteral("Get My &Rasi Chart"));
    EXPECT_TRUE(file.actions()[1]->isSeparator());
    EXPECT_EQ(file.actions()[2]->text(), QStringLiteral("&Exit"));

    auto& help = get<QMenu>(QStringLiteral("mnuHelp"));
    EXPECT_EQ(help.title(), QStringLiteral("&Help"));
    QStringList texts;
    for (const QAction* entry : help.actions()) {
        texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    }
    EXPECT_EQ(texts, (QStringList{"&Online Help", "&Visit Us Online", "-",
                                  "Check for Software &Update", "-", "&About Software"}));

    QAction& makeMoney = action("mnuMakeMoney");
    EXPECT_EQ(makeMoney.text(), QStringLiteral("Make Money &Online"));
    EXPECT_EQ(makeMoney.menu(), nullptr);
    EXPECT_TRUE(window->menuBar()->actions().contains(&makeMoney));
}

TEST_F(MainWindowTest, HelpEntriesAndPromotionalLabelsOpenTheirPages) {
    action("mnuOnline").trigger();
    action("mnuVisit").trigger();
    action("mnuUpdate").trigger();
    action("mnuMakeMoney").trigger();
    for (const char* name : {"Label8", "lblFullBrand", "lblCobrand"}) {
        auto& link = get<QLabel>(QLatin1String(name));
        EXPECT_TRUE(link.font().underline()) << name;
        EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor) << name;
        QTest::mouseClick(&link, Qt::LeftButton);
    }
    const std::vector<Link> expected = {Link::OnlineHelp, Link::Home, Link::Update,
                                        Link::Branding,   Link::Home, Link::Branding,
                                        Link::CoBrand};
    ASSERT_EQ(dialogs.addresses.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(dialogs.addresses[i], QUrl(QString::fromStdString(LinkAddress(expected[i]))))
            << "link " << i;
    }
}

TEST_F(MainWindowTest, FileExitClosesTheWindowWithoutAsking) {
    ASSERT_TRUE(window->isVisible());
    action("mnuExit").trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(MainWindowTest, FileMenuCalculatesLikeTheButton) {
    typeNewDelhiBirth();
    action("mnuCalculate").trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(frontPanel(), QStringLiteral("fraResult_3"));
    EXPECT_EQ(window->session().birth.Name, "Ann");
}

// ---------------------------------------------------------------- validation

TEST_F(MainWindowTest, ValidationReportsTheFirstFaultAndMovesTheFocus) {
    struct Step {
        const char* message;
        const char* focus;
        const char* fill; // the box filled before the next attempt
        const char* text;
    };
    const std::vector<Step> steps = {
        {"Please Enter Your Name", "txtName", "txtName", "Ann"},
        {"Please Enter Degree of Latitude", "txtLatDeg", "txtLatDeg", "28"},
        {"Please Enter Minutes of Latitude", "txtLatMin", "txtLatMin", "36"},
        {"Please Enter Degree of Longitude", "txtLonDeg", "txtLonDeg", "77"},
        {"Please Enter Minute of Longitude", "txtLonMin", "txtLonMin", "12"},
        {"Please Enter Your City name", "txtCity", "txtCity", "New Delhi"},
        {"Please Enter Your State name", "txtState", "txtState", "Delhi"},
        {"Please Enter Your Country name", "txtCountry", "txtCountry", "India"},
    };
    for (const Step& step : steps) {
        dialogs.clear();
        click(QStringLiteral("cmdCalculate"));
        ASSERT_EQ(dialogs.messages.size(), 1u) << step.message;
        EXPECT_EQ(dialogs.messages[0], Error(step.message));
        ASSERT_NE(focused(), nullptr);
        EXPECT_EQ(focused()->objectName(), QLatin1String(step.focus));
        EXPECT_EQ(frontPanel(), QStringLiteral("fraMain"));
        EXPECT_EQ(window->session().birth, BirthDetails{}) << "nothing is stored";
        type(QLatin1String(step.fill), QLatin1String(step.text));
    }
    dialogs.clear();
    click(QStringLiteral("cmdCalculate"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(frontPanel(), QStringLiteral("fraResult_3"));
}

TEST_F(MainWindowTest, MissingDirectionsAreReportedAndSelected) {
    typeNewDelhiBirth();
    EntryForm form = window->entry();
    form.latitude = LatitudeChoice::None;
    form.longitude = LongitudeChoice::None;
    window->setEntry(form);
    EXPECT_FALSE(get<QRadioButton>(QStringLiteral("optLat_0")).isChecked());
    EXPECT_FALSE(get<QRadioButton>(QStringLiteral("optLat_1")).isChecked());

    click(QStringLiteral("cmdCalculate"));
    click(QStringLiteral("cmdCalculate"));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0], Error("Please Select Direction For The Latitude"));
    EXPECT_EQ(dialogs.messages[1], Error("Please Select Direction For The Longitude"));
    EXPECT_TRUE(get<QRadioButton>(QStringLiteral("optLat_0")).isChecked());
    EXPECT_TRUE(get<QRadioButton>(QStringLiteral("optLong_0")).isChecked());
    // Still exclusive after being cleared: choosing South unticks North.
    click(QStringLiteral("optLat_1"));
    EXPECT_FALSE(get<QRadioButton>(QStringLiteral("optLat_0")).isChecked());
}

TEST_F(MainWindowTest, ImpossibleDatesAreReportedWithTheInformationIcon) {
    typeNewDelhiBirth();
    choose(QStringLiteral("cboMonth"), QStringLiteral("February"));
    choose(QStringLiteral("cboDate"), QStringLiteral("30"));
    choose(QStringLiteral("cboYear"), QStringLiteral("2000"));
    click(QStringLiteral("cmdCalculate"));
    choose(QStringLiteral("cboMonth"), QStringLiteral("April"));
    choose(QStringLiteral("cboDate"), QStringLiteral("31"));
    click(QStringLiteral("cmdCalculate"));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0], Information("Please Enter Correct Date Or Month!"));
    EXPECT_EQ(dialogs.messages[1], Information("Please Enter Correct Date Or Month !"));
    EXPECT_EQ(frontPanel(), QStringLiteral("fraMain"));
}

TEST_F(MainWindowTest, CalculationCopiesTheEntryIntoTheBirthDetails) {
    typeNewDelhiBirth();
    type(QStringLiteral("txtCity"), QStringLiteral(" "));
    click(QStringLiteral("chkDST"));
    click(QStringLiteral("cmdCalculate"));
    const BirthDetails& birth = window->session().birth;
    EXPECT_EQ(birth.Name, "Ann");
    EXPECT_EQ(birth.Day, 15);
    EXPECT_EQ(birth.Month, 3);
    EXPECT_EQ(birth.Year, 1990);
    EXPECT_EQ(birth.Hour, 8);
    EXPECT_EQ(birth.Minute, 30);
    EXPECT_EQ(birth.TzHoursAbs, 5);
    EXPECT_EQ(birth.TzMinutesAbs, 30);
    EXPECT_EQ(birth.TzHoursSigned, -5);
    EXPECT_EQ(birth.TzMinutesSigned, -30);
    EXPECT_EQ(birth.LatDegrees, 28);
    EXPECT_EQ(birth.LonMinutes, 12);
    EXPECT_TRUE(birth.EastFlag);
    EXPECT_FALSE(birth.SouthFlag);
    EXPECT_TRUE(birth.DstFlag);
    EXPECT_EQ(birth.City, "New Delhi") << "trimmed";
    EXPECT_EQ(window->session().zoneRow, 34);

    // A failed calculation keeps the previous birth.
    click(QStringLiteral("cmdBack_0"));
    get<QLineEdit>(QStringLiteral("txtName")).clear();
    click(QStringLiteral("cmdCalculate"));
    EXPECT_EQ(window->session().birth.Name, "Ann");
}

// ---------------------------------------------------------------- coordinates search

TEST_F(MainWindowTest, CoordinatesSearchChecksThePlaceFieldsInOrder) {
    click(QStringLiteral("Command1"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], Error("Please Enter City"));
    EXPECT_EQ(focused()->objectName(), QStringLiteral("txtCity"));

    type(QStringLiteral("txtCity"), QStringLiteral("Pune"));
    click(QStringLiteral("Command1"));
    EXPECT_EQ(dialogs.messages.back(), Error("Please Enter State"));
    EXPECT_EQ(focused()->objectName(), QStringLiteral("txtState"));

    type(QStringLiteral("txtState"), QStringLiteral("Maharashtra"));
    click(QStringLiteral("Command1"));
    EXPECT_EQ(dialogs.messages.back(), Error("Please Enter Country"));
    EXPECT_EQ(focused()->objectName(), QStringLiteral("txtCountry"));
    EXPECT_TRUE(dialogs.addresses.empty());

    type(QStringLiteral("txtCountry"), QStringLiteral("India"));
    click(QStringLiteral("Command1"));
    EXPECT_EQ(dialogs.messages.size(), 3u);
    ASSERT_EQ(dialogs.addresses.size(), 1u);
    const QUrl& address = dialogs.addresses[0];
    EXPECT_TRUE(address.isValid());
    EXPECT_TRUE(address.toEncoded().contains("Pune%20Maharashtra%20India%20Latitude%20Longitude"))
        << address.toEncoded().toStdString();
    EXPECT_TRUE(address.query(QUrl::FullyDecoded)
                    .endsWith(QStringLiteral("Pune Maharashtra India Latitude Longitude")));
    // No field is filled from the search.
    EXPECT_TRUE(get<QLineEdit>(QStringLiteral("txtLatDeg")).text().isEmpty());
}

TEST_F(MainWindowTest, CoordinatesSearchUsesThePlaceTextsAsTyped) {
    type(QStringLiteral("txtCity"), QStringLiteral("New Delhi "));
    type(QStringLiteral("txtState"), QStringLiteral(" Delhi"));
    type(QStringLiteral("txtCountry"), QStringLiteral("India"));
    click(QStringLiteral("Command1"));
    ASSERT_EQ(dialogs.addresses.size(), 1u);
    EXPECT_TRUE(dialogs.addresses[0]
                    .query(QUrl::FullyDecoded)
                    .endsWith(QStringLiteral("New Delhi   Delhi India Latitude Longitude")));
}

// ---------------------------------------------------------------- save and open

class MainWindowFileTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    QString path(const char* name) const { return folder.filePath(QLatin1String(name)); }

    QTemporaryDir folder;
};

TEST_F(MainWindowFileTest, SavedReadingHoldsTheEntryOfTheCalculation) {
    typeNewDelhiBirth();
    click(QStringLiteral("cmdCalculate"));
    dialogs.saveAnswers.push_back(path("ann.kvr"));
    click(QStringLiteral("cmdSave_0"));
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(dialogs.saveInitialPaths.size(), 1u);
    EXPECT_TRUE(dialogs.saveInitialPaths[0].isEmpty()) << "no save yet in this run";
    EXPECT_EQ(window->session().LastSavePath, path("ann.kvr").toStdString());

    const ChartLines lines = DecodeChartFile(ReadBytes(path("ann.kvr")));
    const ChartLines expected = {"Ann",   "3",     "15",        "1990",  "8",    "30",
                                 "34",    "77",    "12",        "28",    "36",   "True",
                                 "False", "False", "New Delhi", "Delhi", "India"};
    EXPECT_EQ(lines, expected);

    // The next save offers the last path; the grid panel's button saves the same.
    auto& tabs = get<QTabBar>(QStringLiteral("TS"));
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(2).center());
    dialogs.saveAnswers.push_back(path("ann.kvr"));
    click(QStringLiteral("cmdSave_2"));
    ASSERT_EQ(dialogs.saveInitialPaths.size(), 2u);
    EXPECT_EQ(dialogs.saveInitialPaths[1], path("ann.kvr"));
}

TEST_F(MainWindowFileTest, OpeningASavedReadingRestoresEntryAndReading) {
    typeNewDelhiBirth();
    click(QStringLiteral("cmdCalculate"));
    const EntryForm entry = window->entry();
    const Reading reading = window->session().reading;
    dialogs.saveAnswers.push_back(path("ann.kvr"));
    click(QStringLiteral("cmdSave_0"));

    // Another birth on screen, then the saved one opened.
    click(QStringLiteral("cmdBack_0"));
    window->setEntry(EntryForm{});
    dialogs.openAnswers.push_back(path("ann.kvr"));
    click(QStringLiteral("cmdOpen"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window->entry(), entry);
    EXPECT_EQ(get<QComboBox>(QStringLiteral("cboTimeZone")).currentText(),
              QStringLiteral("Indian Time, IST, +5.3"));
    EXPECT_EQ(frontPanel(), QStringLiteral("fraResult_3"));
    EXPECT_EQ(window->session().reading.PlanetPlacements, reading.PlanetPlacements);
    EXPECT_EQ(window->session().reading.CompoundRelationships, reading.CompoundRelationships);
    EXPECT_EQ(window->session().LastSavePath, path("ann.kvr").toStdString());
}

TEST_F(MainWindowFileTest, OpeningDoesNotChangeTheLastSavePath) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(KOVREL_TEST_DATA "/ann_new_delhi.kvr"), path("a.kvr")));
    dialogs.openAnswers.push_back(path("a.kvr"));
    click(QStringLiteral("cmdOpen"));
    EXPECT_EQ(window->entry().name, "Ann");
    EXPECT_EQ(window->session().LastSavePath, "");
}

TEST_F(MainWindowFileTest, CancelledDialogsChangeNothing) {
    typeNewDelhiBirth();
    click(QStringLiteral("cmdCalculate"));
    const Session before = window->session();
    click(QStringLiteral("cmdSave_0")); // no answer scripted: cancelled
    EXPECT_EQ(dialogs.saveInitialPaths.size(), 1u);
    EXPECT_EQ(window->session().LastSavePath, "");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    click(QStringLiteral("cmdBack_0"));
    const EntryForm entry = window->entry();
    click(QStringLiteral("cmdOpen"));
    EXPECT_EQ(dialogs.openDialogs, 1);
    EXPECT_EQ(window->entry(), entry);
    EXPECT_EQ(frontPanel(), QStringLiteral("fraMain"));
    EXPECT_EQ(window->session().birth, before.birth);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowFileTest, OnlyLowerCaseKvrFilesAreOpened) {
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(KOVREL_TEST_DATA "/ann_new_delhi.kvr"), path("ANN.KVR")));
    dialogs.openAnswers.push_back(path("ANN.KVR"));
    click(QStringLiteral("cmdOpen"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], Error("Please Check The File."));
    EXPECT_EQ(window->entry(), EntryForm{});
    EXPECT_EQ(frontPanel(), QStringLiteral("fraMain"));
}

TEST_F(MainWindowFileTest, UnreadableFileIsReportedAndTheEntryKept) {
    typeNewDelhiBirth();
    const EntryForm entry = window->entry();
    dialogs.openAnswers.push_back(path("missing.kvr"));
    click(QStringLiteral("cmdOpen"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("missing.kvr")))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(window->entry(), entry);
    EXPECT_EQ(frontPanel(), QStringLiteral("fraMain"));
}

TEST_F(MainWindowFileTest, ShortFileFillsWhatItHasAndValidationStops) {
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(KOVREL_TEST_DATA "/short_12_lines.kvr"), path("short.kvr")));
    dialogs.openAnswers.push_back(path("short.kvr"));
    click(QStringLiteral("cmdOpen"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], Error("Please Enter Your City name"));
    EXPECT_TRUE(get<QRadioButton>(QStringLiteral("optLat_1")).isChecked()) << "empty line 13";
    EXPECT_TRUE(get<QCheckBox>(QStringLiteral("chkDST")).isChecked()) << "empty line 14";
    EXPECT_EQ(focused()->objectName(), QStringLiteral("txtCity"));
}

TEST_F(MainWindowFileTest, FailedSaveIsReported) {
    typeNewDelhiBirth();
    click(QStringLiteral("cmdCalculate"));
    dialogs.saveAnswers.push_back(path("no-such-folder/ann.kvr"));
    click(QStringLiteral("cmdSave_0"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(QFile::exists(path("no-such-folder/ann.kvr")));
}

} // namespace
} // namespace kovrel::test
