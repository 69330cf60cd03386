// The note under the entry form, in a person's words. Offsets are those of Debian's tzdata
// (zdump -v); places those of GeoNames' cities15000.txt; rows those of the zone catalogue.
#include "places/PlaceEntry.h"
#include "places/ZoneNote.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

using ::testing::HasSubstr;

struct Noted {
    EntryForm entry;
    ZoneChoice choice;
    std::string note() const { return ZoneNote(choice, entry); }
};

// The assistant's fill for an atlas place at a local date and time.
Noted Fill(std::string_view name, std::string_view country, const LocalDateTime& at) {
    const auto found = FindPlacesNamed(name, "", country, 1);
    if (found.empty()) {
        ADD_FAILURE() << "no place " << name;
        return {};
    }
    EntryForm form;
    form.yearIndex = at.year - 1901;
    form.monthIndex = at.month - 1;
    form.dayIndex = at.day - 1;
    form.hourIndex = at.hour;
    form.minuteIndex = at.minute;
    const PlaceFill fill = FillEntryFromCity(found.front(), form);
    if (!fill.zone) {
        ADD_FAILURE() << name << ": " << fill.zone.fault().message;
        return {};
    }
    return {fill.entry, *fill.zone};
}

int Row(std::string_view text) {
    return FindListItem(EntryList::TimeZone, text);
}

TEST(ZoneNote, ThePlaceAndWhatItsClocksShowed) {
    // Asia/Kolkata, IST +5:30 in 1990: the row the assistant chose; nothing more to say.
    EXPECT_EQ(Fill("Pune", "IN", {1990, 3, 15, 8, 30}).note(),
              "In Pune, Maharashtra, India on 15 March 1990 at 08:30, clocks were 5 h 30 min ahead "
              "of Greenwich.");
    // Madras mean time, +5:21:10, until 1906; the row nearest is +5:30, 8 min 50 s later.
    EXPECT_EQ(
        Fill("Pune", "IN", {1901, 1, 1, 12, 0}).note(),
        "In Pune, Maharashtra, India on 1 January 1901 at 12:00, clocks were on local mean "
        "time, about 5 h 21 min ahead of Greenwich. No Time Zone in the list has exactly that "
        "offset, so the nearest, 5 h 30 min ahead of Greenwich, is chosen. The reading is "
        "worked out for about 9 min before the birth.");

    // New York on 4 July 1990 keeps EDT, -4:00, the row chosen; the box is unticked and the note
    // says nothing of daylight saving.
    const Noted newYork = Fill("New York City", "US", {1990, 7, 4, 12, 0});
    EXPECT_EQ(newYork.note(), "In New York City, New York, United States on 4 July 1990 at 12:00, "
                              "clocks were 4 h behind Greenwich.");
}

TEST(ZoneNote, TheMoonsRouteAndWhatTheUserCanDo) {
    // Madrid, 3.70 W, on CEST +2 in July 1990: the Moon's route adds the 2 h on a western
    // longitude, local + 2 against the true local - 2.
    EXPECT_THAT(Fill("Madrid", "ES", {1990, 7, 15, 12, 0}).note(),
                HasSubstr("2 h ahead of Greenwich. The Moon is worked out for 4 h after the "
                          "birth. Choose Precise Positions for the true Moon."));

    // New York on 4 July 1990 (EDT, -4:00) with the standard row and the box ticked by hand:
    // right for the Moon's route, which takes the hour off, an hour late for the other planets,
    // which do not.
    Noted newYork = Fill("New York City", "US", {1990, 7, 4, 12, 0});
    newYork.entry.zoneIndex = Row("Eastern Standard Time,EST,-5.0");
    newYork.entry.dst = true;
    EXPECT_THAT(newYork.note(),
                HasSubstr("4 h behind Greenwich. The Moon is worked out for the moment of birth, "
                          "the other planets for 1 h after it. The ticked Daylight Saving Time box "
                          "moves only the Moon. Choose Precise Positions for true positions."));
}

TEST(ZoneNote, ClockTimesAroundAChange) {
    // New York, 1 April 1990: 02:00 EST became 03:00 EDT.
    const Noted gap = Fill("New York City", "US", {1990, 4, 1, 2, 30});
    EXPECT_EQ(gap.note(),
              "02:30 on 1 April 1990 never happened in New York City, New York, United "
              "States: clocks were 5 h behind Greenwich, then 4 h behind Greenwich. The "
              "Time Zone is chosen for the clocks before the change.");
    // 28 October 1990: 02:00 EDT became 01:00 EST, so 01:30 came twice. The second, picked by
    // hand, is as true as the first.
    Noted twice = Fill("New York City", "US", {1990, 10, 28, 1, 30});
    twice.entry.zoneIndex = Row("Eastern Standard Time,EST,-5.0");
    EXPECT_EQ(twice.note(), "01:30 on 28 October 1990 happened twice in New York City, New York, "
                            "United States: clocks were 4 h behind Greenwich, then 5 h behind "
                            "Greenwich.");
}

} // namespace
} // namespace kovrel::test
