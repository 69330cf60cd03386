#include "Examples.h"
#include "app/EntryForm.h"

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

TEST(EntryLists, HoldTheItemsOfTheEntryPanel) {
    const struct {
        EntryList list;
        std::size_t size;
        const char* first;
        const char* last;
    } lists[] = {{EntryList::Day, 31, "1", "31"},
                 {EntryList::Month, 12, "January", "December"},
                 {EntryList::Year, 150, "1901", "2050"},
                 {EntryList::Hour, 25, "0", "24"},
                 {EntryList::Minute, 60, "0", "59"},
                 {EntryList::TimeZone, 70, "Alaska/Hawaii Daylight Time,AHDT,-9.0",
                  "Yukon Standard Time,YST,-9.0"}};
    for (const auto& l : lists) {
        SCOPED_TRACE(l.first);
        const auto& items = ListItems(l.list);
        ASSERT_EQ(items.size(), l.size);
        EXPECT_EQ(items.front(), l.first);
        EXPECT_EQ(items.back(), l.last);
    }
    EXPECT_EQ(ListItems(EntryList::Month)[8], "September");
    EXPECT_EQ(ListItems(EntryList::Minute)[7], "7"); // no leading zeros
}

TEST(EntryLists, FindAndReadItemsByExactText) {
    EXPECT_EQ(FindListItem(EntryList::Year, "1990"), 89);
    EXPECT_EQ(FindListItem(EntryList::Hour, "24"), 24);
    for (const char* absent : {"07", " 7", "0"}) {
        EXPECT_EQ(FindListItem(EntryList::Day, absent), -1) << absent;
    }
    EXPECT_EQ(FindListItem(EntryList::Month, "march"), -1);
    EXPECT_EQ(FindListItem(EntryList::Year, "1900"), -1);
    EXPECT_EQ(ListItemText(EntryList::Month, 2), "March");
    EXPECT_EQ(ListItemText(EntryList::Minute, 60), "");
    EXPECT_EQ(ListItemText(EntryList::Day, -1), "");
}

TEST(EntryFormDefaults, AreThoseOfAFreshWindow) {
    const EntryForm entry;
    EXPECT_EQ(ListItemText(EntryList::Day, entry.dayIndex), "1");
    EXPECT_EQ(ListItemText(EntryList::Month, entry.monthIndex), "January");
    EXPECT_EQ(ListItemText(EntryList::Year, entry.yearIndex), "1901");
    EXPECT_EQ(ListItemText(EntryList::Hour, entry.hourIndex), "0");
    EXPECT_EQ(ListItemText(EntryList::Minute, entry.minuteIndex), "0");
    EXPECT_EQ(ListItemText(EntryList::TimeZone, entry.zoneIndex),
              "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(entry.latitude, LatitudeChoice::North);
    EXPECT_EQ(entry.longitude, LongitudeChoice::East);
    EXPECT_FALSE(entry.dst);
    EXPECT_TRUE(entry.name.empty() && entry.city.empty() && entry.latDeg.empty());
}

TEST(CopyEntry, NewDelhiEntryFillsEveryFieldTrimmingThePlaceButNotTheName) {
    EXPECT_EQ(CopyEntry(AnnEntry(), BirthDetails{}), AnnDetails());

    EntryForm entry = AnnEntry();
    entry.name = "  Ann ";
    entry.city = " New Delhi  ";
    entry.state = "Delhi ";
    entry.country = "  India";
    BirthDetails expected = AnnDetails();
    expected.Name = "  Ann ";
    EXPECT_EQ(CopyEntry(entry, BirthDetails{}), expected);
}

TEST(CopyEntry, NewfoundlandZoneOptionsCheckBoxHour24And999) {
    EntryForm entry = AnnEntry();
    entry.zoneIndex = FindListItem(EntryList::TimeZone, "Newfoundland Standard Time,NST,-3.5");
    entry.longitude = LongitudeChoice::West;
    entry.latitude = LatitudeChoice::South;
    entry.dst = true;
    entry.hourIndex = 24;
    entry.latDeg = "999"; // three digits and no range test
    BirthDetails details = CopyEntry(entry, BirthDetails{});
    EXPECT_EQ(details.TzHoursAbs, 3);
    EXPECT_EQ(details.TzMinutesAbs, 30);
    EXPECT_EQ(details.TzHoursSigned, 3);
    EXPECT_EQ(details.TzMinutesSigned, 30);
    EXPECT_FALSE(details.EastFlag);
    EXPECT_TRUE(details.SouthFlag);
    EXPECT_TRUE(details.DstFlag);
    EXPECT_EQ(details.Hour, 24);
    EXPECT_EQ(details.LatDegrees, 999);

    // And back: every flag is written, not only set.
    details = CopyEntry(AnnEntry(), details);
    EXPECT_TRUE(details.EastFlag);
    EXPECT_FALSE(details.SouthFlag);
    EXPECT_FALSE(details.DstFlag);
}

TEST(CopyEntry, FieldThatDoesNotConvertKeepsItsPreviousValue) {
    const BirthDetails previous = AnnDetails();
    EntryForm entry = AnnEntry();
    entry.name = "Bo";
    entry.latDeg = " ";     // blanks are not a number
    entry.lonMin = "99999"; // outside 16 bits
    entry.dayIndex = 40;    // not in the day list
    entry.monthIndex = -1;  // nothing selected
    entry.zoneIndex = 70;   // outside the catalogue: all four zone fields stay
    entry.lonDeg = "101";
    BirthDetails expected = previous;
    expected.Name = "Bo";
    expected.LonDegrees = 101; // the rest still copied
    EXPECT_EQ(CopyEntry(entry, previous), expected);
}

TEST(EntryFromDetails, IsTheInverseOfCopyEntry) {
    EXPECT_EQ(EntryFromDetails(AnnDetails(), 34), AnnEntry());

    EntryForm southWest = AnnEntry();
    southWest.latitude = LatitudeChoice::South;
    southWest.longitude = LongitudeChoice::West;
    southWest.dst = true;
    southWest.hourIndex = 24;
    southWest.zoneIndex = 69;
    EXPECT_EQ(EntryFromDetails(CopyEntry(southWest, BirthDetails{}), 69), southWest);
}

TEST(EntryFromDetails, ValueNotOfferedByItsListSelectsNothing) {
    BirthDetails details = AnnDetails();
    details.Day = 0;
    details.Month = 13;
    details.Year = 1900;
    details.Hour = 25;
    details.Minute = -1;
    const EntryForm entry = EntryFromDetails(details, 70);
    for (int index : {entry.dayIndex, entry.monthIndex, entry.yearIndex, entry.hourIndex,
                      entry.minuteIndex, entry.zoneIndex}) {
        EXPECT_EQ(index, -1);
    }
}

} // namespace
} // namespace kovrel::test
