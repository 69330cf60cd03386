#include "app/EntryForm.h"
#include "app/TimeZoneCatalog.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

// Ann, 15 March 1990, 08:30, Indian time, 77 12 East, 28 36 North, no daylight saving.
EntryForm AnnEntry() {
    EntryForm entry;
    entry.name = "Ann";
    entry.dayIndex = 14;
    entry.monthIndex = 2;
    entry.yearIndex = 89;
    entry.hourIndex = 8;
    entry.minuteIndex = 30;
    entry.zoneIndex = 34;
    entry.lonDeg = "77";
    entry.lonMin = "12";
    entry.latDeg = "28";
    entry.latMin = "36";
    entry.longitude = LongitudeChoice::East;
    entry.latitude = LatitudeChoice::North;
    entry.dst = false;
    entry.city = "New Delhi";
    entry.state = "Delhi";
    entry.country = "India";
    return entry;
}

TEST(EntryLists, HoldTheItemsOfTheEntryPanel) {
    const auto& days = ListItems(EntryList::Day);
    ASSERT_EQ(days.size(), 31u);
    EXPECT_EQ(days.front(), "1");
    EXPECT_EQ(days.back(), "31");

    const auto& months = ListItems(EntryList::Month);
    ASSERT_EQ(months.size(), 12u);
    EXPECT_EQ(months[0], "January");
    EXPECT_EQ(months[8], "September");
    EXPECT_EQ(months[11], "December");

    const auto& years = ListItems(EntryList::Year);
    ASSERT_EQ(years.size(), 150u);
    EXPECT_EQ(years.front(), "1901");
    EXPECT_EQ(years.back(), "2050");

    const auto& hours = ListItems(EntryList::Hour);
    ASSERT_EQ(hours.size(), 25u);
    EXPECT_EQ(hours.front(), "0");
    EXPECT_EQ(hours.back(), "24");

    const auto& minutes = ListItems(EntryList::Minute);
    ASSERT_EQ(minutes.size(), 60u);
    EXPECT_EQ(minutes[7], "7"); // no leading zeros
    EXPECT_EQ(minutes.back(), "59");

    const auto& zones = ListItems(EntryList::TimeZone);
    ASSERT_EQ(zones.size(), 70u);
    EXPECT_EQ(zones.front(), "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(zones[34], "Indian Time, IST, +5.3");
    EXPECT_EQ(zones.back(), "Yukon Standard Time,YST,-9.0");
}

TEST(EntryLists, FindAndReadItemsByExactText) {
    EXPECT_EQ(FindListItem(EntryList::Year, "1990"), 89);
    EXPECT_EQ(FindListItem(EntryList::Hour, "24"), 24);
    EXPECT_EQ(FindListItem(EntryList::Day, "07"), -1);
    EXPECT_EQ(FindListItem(EntryList::Day, " 7"), -1);
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

TEST(CopyEntry, FillsEveryFieldOfTheRecord) {
    const BirthDetails details = CopyEntry(AnnEntry(), BirthDetails{});
    BirthDetails expected;
    expected.Name = "Ann";
    expected.Month = 3;
    expected.Day = 15;
    expected.Year = 1990;
    expected.Hour = 8;
    expected.Minute = 30;
    expected.TzHoursAbs = 5;
    expected.TzMinutesAbs = 30;
    expected.TzHoursSigned = -5;
    expected.TzMinutesSigned = -30;
    expected.LonDegrees = 77;
    expected.LonMinutes = 12;
    expected.LatDegrees = 28;
    expected.LatMinutes = 36;
    expected.EastFlag = true;
    expected.SouthFlag = false;
    expected.DstFlag = false;
    expected.City = "New Delhi";
    expected.State = "Delhi";
    expected.Country = "India";
    EXPECT_EQ(details, expected);
}

TEST(CopyEntry, TrimsThePlaceButNotTheName) {
    EntryForm entry = AnnEntry();
    entry.name = "  Ann ";
    entry.city = " New Delhi  ";
    entry.state = "Delhi ";
    entry.country = "  India";
    const BirthDetails details = CopyEntry(entry, BirthDetails{});
    EXPECT_EQ(details.Name, "  Ann ");
    EXPECT_EQ(details.City, "New Delhi");
    EXPECT_EQ(details.State, "Delhi");
    EXPECT_EQ(details.Country, "India");
}

TEST(CopyEntry, TakesZoneMagnitudesAndSignedValuesFromTheRow) {
    EntryForm entry = AnnEntry();
    entry.zoneIndex = 50; // "Newfoundland Standard Time,NST,-3.5"
    BirthDetails details = CopyEntry(entry, BirthDetails{});
    EXPECT_EQ(details.TzHoursAbs, 3);
    EXPECT_EQ(details.TzMinutesAbs, 30);
    EXPECT_EQ(details.TzHoursSigned, 3);
    EXPECT_EQ(details.TzMinutesSigned, 30);

    entry.zoneIndex = 46; // "New Zealand Std Summer Time,NZST,+13.0"
    details = CopyEntry(entry, BirthDetails{});
    EXPECT_EQ(details.TzHoursAbs, 13);
    EXPECT_EQ(details.TzMinutesAbs, 0);
    EXPECT_EQ(details.TzHoursSigned, -13);
    EXPECT_EQ(details.TzMinutesSigned, 0);
}

TEST(CopyEntry, OptionsAndCheckBoxBecomeFlags) {
    EntryForm entry = AnnEntry();
    entry.longitude = LongitudeChoice::West;
    entry.latitude = LatitudeChoice::South;
    entry.dst = true;
    BirthDetails details = CopyEntry(entry, BirthDetails{});
    EXPECT_FALSE(details.EastFlag);
    EXPECT_TRUE(details.SouthFlag);
    EXPECT_TRUE(details.DstFlag);

    entry.longitude = LongitudeChoice::East;
    entry.latitude = LatitudeChoice::North;
    entry.dst = false;
    details = CopyEntry(entry, details);
    EXPECT_TRUE(details.EastFlag);
    EXPECT_FALSE(details.SouthFlag);
    EXPECT_FALSE(details.DstFlag);
}

TEST(CopyEntry, PassesHour24AndUncheckedDegreesOn) {
    EntryForm entry = AnnEntry();
    entry.hourIndex = 24;
    entry.latDeg = "999"; // three digits and no range test
    const BirthDetails details = CopyEntry(entry, BirthDetails{});
    EXPECT_EQ(details.Hour, 24);
    EXPECT_EQ(details.LatDegrees, 999);
}

TEST(CopyEntry, FieldThatDoesNotConvertKeepsItsPreviousValue) {
    BirthDetails previous = CopyEntry(AnnEntry(), BirthDetails{});
    EntryForm entry = AnnEntry();
    entry.name = "Bo";
    entry.latDeg = " ";     // blanks are not a number
    entry.lonMin = "99999"; // outside 16 bits
    entry.dayIndex = 40;    // not in the day list
    entry.monthIndex = -1;  // nothing selected
    entry.zoneIndex = 70;   // outside the catalogue: all four zone fields stay
    entry.lonDeg = "101";
    const BirthDetails details = CopyEntry(entry, previous);
    EXPECT_EQ(details.Name, "Bo");
    EXPECT_EQ(details.LatDegrees, 28);
    EXPECT_EQ(details.LonMinutes, 12);
    EXPECT_EQ(details.Day, 15);
    EXPECT_EQ(details.Month, 3);
    EXPECT_EQ(details.TzHoursAbs, 5);
    EXPECT_EQ(details.TzMinutesSigned, -30);
    EXPECT_EQ(details.LonDegrees, 101); // the rest still copied
}

TEST(EntryFromDetails, IsTheInverseOfCopyEntry) {
    const EntryForm entry = AnnEntry();
    const BirthDetails details = CopyEntry(entry, BirthDetails{});
    EXPECT_EQ(EntryFromDetails(details, 34), entry);

    EntryForm southWest = entry;
    southWest.latitude = LatitudeChoice::South;
    southWest.longitude = LongitudeChoice::West;
    southWest.dst = true;
    southWest.hourIndex = 24;
    southWest.zoneIndex = 69;
    EXPECT_EQ(EntryFromDetails(CopyEntry(southWest, BirthDetails{}), 69), southWest);
}

TEST(EntryFromDetails, ValueNotOfferedByItsListSelectsNothing) {
    BirthDetails details = CopyEntry(AnnEntry(), BirthDetails{});
    details.Day = 0;
    details.Month = 13;
    details.Year = 1900;
    details.Hour = 25;
    details.Minute = -1;
    const EntryForm entry = EntryFromDetails(details, 70);
    EXPECT_EQ(entry.dayIndex, -1);
    EXPECT_EQ(entry.monthIndex, -1);
    EXPECT_EQ(entry.yearIndex, -1);
    EXPECT_EQ(entry.hourIndex, -1);
    EXPECT_EQ(entry.minuteIndex, -1);
    EXPECT_EQ(entry.zoneIndex, -1);
}

} // namespace
} // namespace kovrel
