// The place assistant on a form kept in a plain EntryForm, whose writes report the date lists'
// change back as the entry panel's lists do.
#include "places/Atlas.h"
#include "places/gui/PlaceAssistant.h"
#include "places/gui/PlaceCompleter.h"

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

class PlaceAssistantTest : public ::testing::Test {
  protected:
    void choose(std::string_view name) {
        const auto places = FindPlacesNamed(name, "", "", 1);
        ASSERT_EQ(places.size(), 1u);
        emit assistant.completer()->placeChosen(places[0].index);
    }

    QLineEdit city;
    QLabel note;
    EntryForm form;
    int writes = 0;
    PlaceAssistant assistant{&city, &note, [this] { return form; },
                             [this](const EntryForm& written) {
                                 form = written;
                                 ++writes;
                                 assistant.formChanged();
                             }};
};

TEST_F(PlaceAssistantTest, AChosenPlaceIsWrittenOnceAndItsZoneNoted) {
    assistant.formChanged(); // no place chosen yet: nothing to choose again
    EXPECT_EQ(writes, 0);
    form.dayIndex = 14;
    form.monthIndex = 2;
    form.yearIndex = 89; // 15 March 1990
    choose("Pune");
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(form.country, "India");
    EXPECT_TRUE(note.text().startsWith("In Pune, Maharashtra, India on 15 March 1990"));
}

TEST_F(PlaceAssistantTest, TheZoneFollowsTheDateUntilTheUserPicksOne) {
    form.dayIndex = 14;
    form.yearIndex = 89; // 15 January 1990: daylight saving time in Adelaide
    choose("Adelaide");
    const int summer = form.zoneIndex;
    form.monthIndex = 5;
    assistant.formChanged();
    EXPECT_EQ(writes, 2);
    EXPECT_NE(form.zoneIndex, summer);

    assistant.zoneChosenByHand();
    form.monthIndex = 0;
    assistant.formChanged();
    EXPECT_EQ(writes, 2);
    EXPECT_NE(form.zoneIndex, summer);
}

} // namespace
} // namespace kovrel::test
