// The entry panel's place assistant in the window, driven as a user drives it: what it
// remembers, the note under the form and the daylight-saving box. Moons are those kovrel-reading
// prints for the same entries; offsets those of Debian's tzdata (zdump -v).
#include "GuiFixture.h"
#include "places/gui/PlaceCompleter.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>

#include <gmock/gmock.h>

namespace kovrel::test {
namespace {

using ::testing::HasSubstr;

// Ben, 4 July 1990, 12:00 Eastern Daylight Time, New York City (kovrel-reading --place "New
// York" --date 1990-07-04 --time 12:00 --name Ben --save).
const QString kNewYorkFile = QStringLiteral(KOVREL_TEST_DATA "/ben_new_york.kvr");

class PlaceAssistantWindowTest : public MainWindowFixture {
  protected:
    // Types into the City box and clicks the first place offered.
    void choosePlace(const QString& typed) {
        typeOver("txtCity", typed);
        auto* view = qobject_cast<QAbstractItemView*>(
            box("txtCity").findChild<PlaceCompleter*>()->completer()->popup());
        ASSERT_TRUE(QTest::qWaitFor([view] { return view->isVisible(); }));
        const QRect first = view->visualRect(view->model()->index(0, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, first.center());
        ASSERT_FALSE(view->isVisible());
    }
    // Steps through the zone list with the arrow keys to `row`.
    void pickZone(const QString& row) {
        auto& zones = get<QComboBox>("cboTimeZone");
        const int target = zones.findText(row, Qt::MatchExactly);
        ASSERT_GE(target, 0) << row.toStdString();
        zones.setFocus();
        while (zones.currentIndex() != target) {
            QTest::keyClick(&zones, zones.currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
        }
    }
    void typeOver(const QString& name, const QString& text) {
        box(name).selectAll();
        type(name, text);
    }
    void setDate(const QString& day, const QString& month, const QString& year) {
        choose("cboDate", day);
        choose("cboMonth", month);
        choose("cboYear", year);
    }
    std::string zone() const {
        return ListItemText(EntryList::TimeZone, window->entry().zoneIndex);
    }
    std::string note() const { return label("lblPlaceNote").toStdString(); }
    std::string moon() const { return label("lblPosition_1").toStdString(); }
};

TEST_F(PlaceAssistantWindowTest, APlaceIsForgottenOnceTheBoxesHoldAnother) {
    setDate("4", "July", "1990");
    choose("cboHour", "12");
    choosePlace("Pune");
    ASSERT_EQ(zone(), "Indian Time, IST, +5.3");
    // A New York reading opened over it, then Back and another hour.
    dialogs.openAnswers.push_back(kNewYorkFile);
    click("cmdOpen");
    click("cmdBack_0");
    choose("cboHour", "13");
    EXPECT_EQ(zone(), "Eastern Daylight Time,EDT,-4.0");
    click("cmdCalculate");
    // With Pune's zone chosen again it would be 12 Sco 09 (kovrel-reading ... --zone IST).
    EXPECT_EQ(moon(), "Moon 11 Sco 24");

    // Another city typed over the one filled.
    click("cmdBack_0");
    choosePlace("Adelaide"); // 4 July: southern winter
    typeOver("txtCity", "Perth");
    choose("cboMonth", "January");
    EXPECT_EQ(zone(), "Australian Central Standard Time,ACST,+9.5");
}

TEST_F(PlaceAssistantWindowTest, TheNoteDescribesWhatTheBoxesHoldOrNothing) {
    setDate("15", "March", "1990");
    choose("cboHour", "8");
    choose("cboMinute", "30");
    choosePlace("Pune");
    // Asia/Kolkata: IST, +5:30, the row chosen.
    EXPECT_EQ(note(), "In Pune, Maharashtra, India on 15 March 1990 at 08:30, clocks were 5 h 30 "
                      "min ahead of Greenwich.");
    choose("cboDate", "16");
    // 5 h behind instead of 5 h 30 min ahead; the Moon's route takes the 5 h as ahead on an
    // eastern longitude.
    pickZone("Eastern Standard Time,EST,-5.0");
    EXPECT_EQ(note(), "In Pune, Maharashtra, India on 16 March 1990 at 08:30, clocks were 5 h 30 "
                      "min ahead of Greenwich. The Time Zone as set stands for 5 h behind "
                      "Greenwich. The Moon is worked out for 30 min after the birth, the other "
                      "planets for 10 h 30 min after it.");

    typeOver("txtCity", "Mumbai");
    EXPECT_EQ(note(), "");
    choosePlace("Pune");
    dialogs.openAnswers.push_back(kNewYorkFile);
    click("cmdOpen");
    EXPECT_EQ(note(), "");
}

TEST_F(PlaceAssistantWindowTest, TheDaylightSavingBoxStaysAsTheUserLeftIt) {
    setDate("4", "July", "1990");
    choosePlace("New York");
    ASSERT_EQ(zone(), "Eastern Daylight Time,EDT,-4.0");
    click("chkDST");
    choose("cboMonth", "January");
    EXPECT_TRUE(get<QCheckBox>("chkDST").isChecked());
    EXPECT_EQ(zone(), "Eastern Daylight Time,EDT,-4.0");
    // EDT's 4 h behind less the box's hour.
    EXPECT_THAT(note(), HasSubstr("The Time Zone as set, with Daylight Saving Time ticked, stands "
                                  "for 3 h behind Greenwich."));

    // A place chosen again is the assistant's to choose for, box and all.
    choosePlace("New York");
    EXPECT_EQ(zone(), "Eastern Standard Time,EST,-5.0");
    EXPECT_FALSE(get<QCheckBox>("chkDST").isChecked());
    pickZone("Eastern Daylight Time,EDT,-4.0");
    choose("cboHour", "13");
    EXPECT_EQ(zone(), "Eastern Daylight Time,EDT,-4.0");
}

} // namespace
} // namespace kovrel::test
