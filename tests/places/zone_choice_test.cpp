// Choosing the zone row for an atlas place and a date. Offsets are those of Debian's tzdata
// (zdump -v); rows are those of the zone catalogue; coordinates those of GeoNames'
// cities15000.txt, rounded to the minute by hand.
#include "app/EntryForm.h"
#include "app/TimeZoneCatalog.h"
#include "ephemeris/JulianDay.h"
#include "places/PlaceEntry.h"

#include <date/tz.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace kovrel::test {
namespace {

AtlasCity Place(std::string_view name, std::string_view country) {
    const auto found = FindPlacesNamed(name, "", country, 1);
    EXPECT_FALSE(found.empty()) << name;
    return found.empty() ? AtlasCity{} : found.front();
}

EntryForm FormAt(int year, int month, int day, int hour, int minute) {
    EntryForm form;
    form.yearIndex = year - 1901;
    form.monthIndex = month - 1;
    form.dayIndex = day - 1;
    form.hourIndex = hour;
    form.minuteIndex = minute;
    form.zoneIndex = 0;
    form.dst = true; // the assistant unticks it
    return form;
}

struct Filled {
    EntryForm entry;
    ZoneChoice choice;
};

Filled Fill(std::string_view name, std::string_view country, const EntryForm& form) {
    const PlaceFill fill = FillEntryFromCity(Place(name, country), form);
    if (!fill.zone) {
        ADD_FAILURE() << name << ": " << fill.zone.fault().message;
        return {fill.entry, ZoneChoice{}};
    }
    return {fill.entry, *fill.zone};
}

std::string RowText(int row) {
    return std::string(ZoneRowText(row));
}

TEST(PlaceFill, WorkedPlacesGetTheirRows) {
    const struct {
        const char* name;
        const char* country;
        EntryForm form;
        const char* row;
    } cases[] = {
        // IST +5:30 (zdump 1990).
        {"Pune", "IN", FormAt(1990, 3, 15, 8, 30), "Indian Time, IST, +5.3"},
        // EDT -4:00 (zdump 1990).
        {"New York City", "US", FormAt(1990, 7, 4, 12, 0), "Eastern Daylight Time,EDT,-4.0"},
        // BDST +2:00, 4 May to 10 August 1941 (zdump 1941).
        {"London", "GB", FormAt(1941, 6, 15, 12, 0), "British Double Summer Time,BDST,+2.0"},
        // ACDT +10:30 (zdump 1990).
        {"Adelaide", "AU", FormAt(1990, 1, 15, 12, 0),
         "Australian Central Daylight Time,ACDT,+10.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Filled f = Fill(c.name, c.country, c.form);
        EXPECT_EQ(ListItemText(EntryList::TimeZone, f.entry.zoneIndex), c.row);
        EXPECT_FALSE(f.entry.dst);
        EXPECT_EQ(f.choice.zoneRow, f.entry.zoneIndex);
    }
}

TEST(PlaceFill, FillsThePlaceBoxesRoundedToTheMinute) {
    // Pune 18.51957 N 73.85535 E: 18 deg 31.17 min, 73 deg 51.32 min.
    const Filled pune = Fill("Pune", "IN", FormAt(1990, 3, 15, 8, 30));
    EXPECT_EQ(pune.entry.city, "Pune");
    EXPECT_EQ(pune.entry.state, "Maharashtra");
    EXPECT_EQ(pune.entry.country, "India");
    EXPECT_EQ(pune.entry.latDeg, "18");
    EXPECT_EQ(pune.entry.latMin, "31");
    EXPECT_EQ(pune.entry.lonDeg, "73");
    EXPECT_EQ(pune.entry.lonMin, "51");
    EXPECT_EQ(pune.entry.latitude, LatitudeChoice::North);
    EXPECT_EQ(pune.entry.longitude, LongitudeChoice::East);
    EXPECT_EQ(pune.choice.ianaZone, "Asia/Kolkata");
    EXPECT_EQ(pune.choice.chosen.offsetSeconds, 19800);
    EXPECT_FALSE(pune.choice.chosen.dst);
    EXPECT_TRUE(pune.choice.notes.empty());
    EXPECT_EQ(pune.choice.explanation,
              "Asia/Kolkata on 15 March 1990 at 08:30 is UTC+5:30: Indian Time, IST, +5.3");
    // The rest of the form stays as it was.
    EXPECT_EQ(pune.entry.yearIndex, 89);
    EXPECT_EQ(pune.entry.hourIndex, 8);

    // Sao Paulo -23.5475, -46.63611: 23 deg 32.85 min S, 46 deg 38.17 min W.
    const Filled sp = Fill("Sao Paulo", "BR", FormAt(1990, 6, 15, 12, 0));
    EXPECT_EQ(sp.entry.latDeg + ":" + sp.entry.latMin, "23:33");
    EXPECT_EQ(sp.entry.lonDeg + ":" + sp.entry.lonMin, "46:38");
    EXPECT_EQ(sp.entry.latitude, LatitudeChoice::South);
    EXPECT_EQ(sp.entry.longitude, LongitudeChoice::West);
}

TEST(RoundToMinute, CarriesSixtyMinutesIntoTheDegree) {
    // 10.99999 deg is 10 deg 59.9994 min: 11 deg 0 min.
    EXPECT_EQ(RoundToMinute(1099999), (DegreesMinutes{11, 0, false}));
    // Half a minute (0.008333.. deg) rounds up; just below it rounds down.
    EXPECT_EQ(RoundToMinute(-834), (DegreesMinutes{0, 1, true}));
    EXPECT_EQ(RoundToMinute(833), (DegreesMinutes{0, 0, false}));
    EXPECT_EQ(LatitudeText(1851957), "18:31N");
    EXPECT_EQ(LongitudeText(-12574), "0:08W"); // London, -0.12574
}

TEST(PlaceFill, KathmanduBeforeAndAfterItsQuarterHour) {
    // +5:30 in 1985: the Indian row exists.
    const Filled y1985 = Fill("Kathmandu", "NP", FormAt(1985, 6, 15, 12, 0));
    EXPECT_EQ(RowText(y1985.choice.zoneRow), "Indian Time, IST, +5.3");
    EXPECT_TRUE(y1985.choice.notes.empty());
    // +5:45 from 1986: no row has it; +5:30 is nearest and the planets' moment comes out
    // (local - 5:30) - (local - 5:45) = 15 minutes late.
    const Filled y1990 = Fill("Kathmandu", "NP", FormAt(1990, 6, 15, 12, 0));
    EXPECT_EQ(RowText(y1990.choice.zoneRow), "Indian Time, IST, +5.3");
    ASSERT_EQ(y1990.choice.notes.size(), 1u);
    EXPECT_EQ(y1990.choice.notes[0], "No zone row has UTC+5:45; the nearest, UTC+5:30, puts the "
                                     "reading's moment 15 minutes later than the true one.");
    EXPECT_EQ(y1990.choice.explanation,
              "Asia/Kathmandu on 15 June 1990 at 12:00 is UTC+5:45: Indian Time, IST, +5.3. " +
                  y1990.choice.notes[0]);
}

TEST(PlaceFill, NearestRowForOffsetsNoRowHas) {
    // Kabul +4:30 since 1945: +4:00 (USSR Zone 3) and +5:00 are as near; the first in the list.
    const Filled kabul = Fill("Kabul", "AF", FormAt(1990, 6, 15, 12, 0));
    EXPECT_EQ(RowText(kabul.choice.zoneRow), "USSR Zone 3,USZ3,+4.0");
    ASSERT_EQ(kabul.choice.notes.size(), 1u);
    EXPECT_NE(kabul.choice.notes[0].find("30 minutes later"), std::string::npos);
    // Amsterdam summer 1935: NST +1:19:32 (zdump); +1:00 is nearest, 19 min 32 s away.
    const Filled amsterdam = Fill("Amsterdam", "NL", FormAt(1935, 7, 15, 12, 0));
    EXPECT_EQ(RowForOffset(3600, ""), amsterdam.choice.zoneRow);
    ASSERT_EQ(amsterdam.choice.notes.size(), 1u);
    EXPECT_EQ(amsterdam.choice.notes[0],
              "No zone row has UTC+1:19:32; the nearest, UTC+1:00, puts the reading's moment 19 "
              "minutes 32 seconds later than the true one.");
}

TEST(PlaceFill, SaysWhenTheMoonRouteTakesTheWrongDirection) {
    // Madrid, 3.70256 W, on CEST +2 in summer and CET +1 in winter (zdump 1990). The Moon's
    // route adds the zone on a western longitude: local + 2 against the true local - 2.
    const Filled summer = Fill("Madrid", "ES", FormAt(1990, 7, 15, 12, 0));
    EXPECT_EQ(RowText(summer.choice.zoneRow), "Central European Daylight,CED,+2.0");
    ASSERT_EQ(summer.choice.notes.size(), 1u);
    EXPECT_EQ(summer.choice.notes[0],
              "The longitude counts as west of Greenwich but the zone is ahead of UTC: the Moon "
              "and the ayanamsa are computed for a moment 4 hours later than the true one.");
    const Filled winter = Fill("Madrid", "ES", FormAt(1990, 1, 15, 12, 0));
    EXPECT_EQ(RowText(winter.choice.zoneRow), "Central European Time,CET,+1.0");
    ASSERT_EQ(winter.choice.notes.size(), 1u);
    EXPECT_NE(winter.choice.notes[0].find("2 hours later"), std::string::npos);

    // London: BST in summer says 2 hours; GMT in winter has no direction to disagree with.
    const Filled london = Fill("London", "GB", FormAt(1990, 7, 15, 12, 0));
    EXPECT_EQ(RowText(london.choice.zoneRow), "British Summer Time,BST,+1.0");
    ASSERT_EQ(london.choice.notes.size(), 1u);
    EXPECT_NE(london.choice.notes[0].find("2 hours later"), std::string::npos);
    const Filled londonWinter = Fill("London", "GB", FormAt(1990, 1, 15, 12, 0));
    EXPECT_EQ(RowText(londonWinter.choice.zoneRow), "Greenwich Mean Time,GMT,0.0");
    EXPECT_TRUE(londonWinter.choice.notes.empty());

    // East of Greenwich on a zone behind UTC: EDT -4 read from the east gives local - 4
    // against the true local + 4.
    const auto east = ChooseZoneRow("America/New_York", {1990, 7, 4, 12, 0}, true);
    ASSERT_TRUE(east);
    ASSERT_EQ(east->notes.size(), 1u);
    EXPECT_EQ(east->notes[0],
              "The longitude counts as east of Greenwich but the zone is behind UTC: the Moon "
              "and the ayanamsa are computed for a moment 8 hours earlier than the true one.");
    // Pune agrees (east, ahead) and New York in its own hemisphere agrees (west, behind).
    EXPECT_TRUE(ChooseZoneRow("America/New_York", {1990, 7, 4, 12, 0}, false)->notes.empty());
}

TEST(LongitudeCountsEast, ZeroDegreesZeroMinutesCountsAsWest) {
    EntryForm form;
    form.longitude = LongitudeChoice::East;
    form.lonDeg = "0";
    form.lonMin = "0";
    EXPECT_FALSE(LongitudeCountsEast(form));
    form.lonMin = "1";
    EXPECT_TRUE(LongitudeCountsEast(form));
    form.longitude = LongitudeChoice::West;
    EXPECT_FALSE(LongitudeCountsEast(form));
}

// The assistant's notes and the Moon route itself read the longitude by the same rule: for every
// form, the Moon's moment is the clock time minus the zone exactly when the assistant says east.
TEST(LongitudeCountsEast, AgreesWithTheMoonRoute) {
    for (const LongitudeChoice side : {LongitudeChoice::East, LongitudeChoice::West}) {
        for (const auto& [degrees, minutes] : std::vector<std::pair<std::string, std::string>>{
                 {"0", "0"}, {"0", "1"}, {"77", "12"}, {"-5", "0"}, {"1", "-60"}}) {
            EntryForm form;
            form.longitude = side;
            form.lonDeg = degrees;
            form.lonMin = minutes;
            BirthDetails birth;
            birth.Hour = 12;
            birth = CopyEntry(form, birth);
            birth.TzHoursAbs = 5;
            SCOPED_TRACE(degrees + ":" + minutes);
            const double shift = EngineBirthInstant(birth).universalHours - birth.Hour;
            EXPECT_EQ(LongitudeCountsEast(form), shift == EngineZoneShift(true, 5));
        }
    }
}

TEST(PlaceFill, SaysWhenTheTimeNeverHappenedOrHappenedTwice) {
    // zdump 1990: 1 April 02:00 EST -> 03:00 EDT; 28 October 02:00 EDT -> 01:00 EST.
    const Filled gap = Fill("New York City", "US", FormAt(1990, 4, 1, 2, 30));
    EXPECT_EQ(gap.choice.inForce.kind, LocalTimeKind::Skipped);
    EXPECT_EQ(RowText(gap.choice.zoneRow), "Eastern Standard Time,EST,-5.0");
    ASSERT_EQ(gap.choice.notes.size(), 1u);
    EXPECT_EQ(gap.choice.notes[0],
              "02:30 on 1 April 1990 never happened in America/New_York: the clocks moved "
              "forward from UTC-5:00 (EST) to UTC-4:00 (EDT). The row is chosen for UTC-5:00 "
              "(EST), the offset before the change.");
    EXPECT_EQ(gap.choice.explanation.rfind("America/New_York on 1 April 1990 at 02:30 is taken "
                                           "as UTC-5:00: Eastern Standard Time,EST,-5.0. ",
                                           0),
              0u);

    const Filled twice = Fill("New York City", "US", FormAt(1990, 10, 28, 1, 30));
    EXPECT_EQ(twice.choice.inForce.kind, LocalTimeKind::Repeated);
    EXPECT_EQ(RowText(twice.choice.zoneRow), "Eastern Daylight Time,EDT,-4.0");
    ASSERT_EQ(twice.choice.notes.size(), 1u);
    EXPECT_EQ(twice.choice.notes[0],
              "01:30 on 28 October 1990 happened twice in America/New_York: first at UTC-4:00 "
              "(EDT), then at UTC-5:00 (EST). The row is chosen for the first, UTC-4:00 (EDT).");
}

TEST(PlaceFill, Hour24TakesTheOffsetOfTheNextDay) {
    // Kathmandu: +5:30 to 23:59 on 31 December 1985, +5:45 from 00:15 on 1 January 1986.
    const Filled lastHour = Fill("Kathmandu", "NP", FormAt(1985, 12, 31, 23, 30));
    EXPECT_TRUE(lastHour.choice.notes.empty());
    const Filled hour24 = Fill("Kathmandu", "NP", FormAt(1985, 12, 31, 24, 30));
    EXPECT_EQ(hour24.choice.chosen.offsetSeconds, 20700);
    EXPECT_EQ(hour24.choice.explanation.rfind(
                  "Asia/Kathmandu on 31 December 1985 at 24:30 (00:30 on 1 January 1986) is "
                  "UTC+5:45: Indian Time, IST, +5.3. No zone row has UTC+5:45",
                  0),
              0u);
    // 24:10 is 00:10 on 1 January 1986, inside the quarter hour the clocks skipped.
    const Filled skipped = Fill("Kathmandu", "NP", FormAt(1985, 12, 31, 24, 10));
    EXPECT_EQ(skipped.choice.inForce.kind, LocalTimeKind::Skipped);
    EXPECT_EQ(skipped.choice.chosen.offsetSeconds, 19800);
    // New York: 24:00 on 27 October 1990 is 00:00 on the 28th, still EDT (zdump).
    const Filled ny = Fill("New York City", "US", FormAt(1990, 10, 27, 24, 0));
    EXPECT_EQ(RowText(ny.choice.zoneRow), "Eastern Daylight Time,EDT,-4.0");
}

TEST(RechooseZone, FollowsANewDateAndKeepsThePlace) {
    const Filled july = Fill("New York City", "US", FormAt(1990, 7, 4, 12, 0));
    EntryForm january = july.entry;
    january.monthIndex = 0;
    january.dst = true;
    const PlaceFill again = RechooseZone("America/New_York", january);
    ASSERT_TRUE(again.zone);
    EXPECT_EQ(RowText(again.entry.zoneIndex), "Eastern Standard Time,EST,-5.0");
    EXPECT_FALSE(again.entry.dst);
    EXPECT_EQ(again.entry.city, "New York City");
    EXPECT_EQ(again.entry.lonDeg, july.entry.lonDeg);

    // A date the calendar lacks chooses nothing and leaves the zone row and box alone.
    EntryForm feb30 = january;
    feb30.monthIndex = 1;
    feb30.dayIndex = 29;
    const PlaceFill none = RechooseZone("America/New_York", feb30);
    ASSERT_FALSE(none.zone);
    EXPECT_FALSE(none.zone.fault().message.empty());
    EXPECT_EQ(none.entry, feb30);
}

TEST(RowForOffset, PrefersTheZonesOwnAbbreviation) {
    // +2:00 rows: BDST 15, BWT 17, CED 19, EET 26, MED 40.
    EXPECT_EQ(RowAbbreviation(RowForOffset(7200, "CEST")), "CED");
    EXPECT_EQ(RowAbbreviation(RowForOffset(7200, "EET")), "EET");
    EXPECT_EQ(RowAbbreviation(RowForOffset(7200, "SAST")), "BDST"); // no such row: the first
    // -5:00 rows: CDT 18, CWT 22, EST 27.
    EXPECT_EQ(RowAbbreviation(RowForOffset(-18000, "EST")), "EST");
    EXPECT_EQ(RowAbbreviation(RowForOffset(-18000, "CDT")), "CDT");
    // +9:30: ACST 6 comes before the South Australia rows.
    EXPECT_EQ(RowAbbreviation(RowForOffset(34200, "ACST")), "ACST");
    EXPECT_EQ(RowAbbreviation(34), "IST");
    EXPECT_EQ(RowOffsetSeconds(34), 19800);
    EXPECT_EQ(RowOffsetSeconds(50), -12600); // Newfoundland, 3 and 30 to add
}

TEST(RowForOffset, TakesAStandardRowOverAWarTimeOneWhenNoAbbreviationMatches) {
    // Sao Paulo, 15 June 1990: -03, abbreviated "-03" (zdump); the -3:00 rows are Atlantic War
    // Time (list position 4) and Brazil Zone 2 (14).
    const Filled sp = Fill("Sao Paulo", "BR", FormAt(1990, 6, 15, 12, 0));
    EXPECT_EQ(sp.choice.chosen.abbreviation, "-03");
    EXPECT_EQ(RowText(sp.choice.zoneRow), "Brazil Zone 2,BZT2,-3.0");
    // New York, 15 June 1943: EWT -4 from 9 February 1942 (zdump): war time by its own name.
    const Filled war = Fill("New York City", "US", FormAt(1943, 6, 15, 12, 0));
    EXPECT_EQ(RowText(war.choice.zoneRow), "Eastern War Time,EWT,-4.0");
}

// The offset the zone database gives, read by a second library (Howard Hinnant's tz, on the
// same system tzdata): the first of two when the time was repeated, the earlier when skipped.
int ReferenceOffset(const std::string& zone, const LocalDateTime& t) {
    using namespace std::chrono;
    const auto day = date::local_days{date::year{t.year} / t.month / t.day};
    const auto local = day + hours{t.hour} + minutes{t.minute};
    const date::local_info info = date::locate_zone(zone)->get_info(local);
    return static_cast<int>(info.first.offset.count());
}

TEST(ChooseZoneRow, AgreesWithTheZoneDatabaseOverASpreadOfPlacesAndDates) {
    const LocalDateTime dates[] = {
        {1905, 7, 1, 12, 0},   {1918, 4, 15, 9, 0},  {1942, 8, 1, 20, 0},    {1944, 1, 15, 8, 0},
        {1969, 6, 30, 23, 59}, {1990, 3, 15, 8, 30}, {2000, 12, 31, 23, 59}, {2011, 10, 30, 2, 30},
        {2020, 7, 4, 12, 0},   {2049, 1, 1, 0, 0}};
    int exact = 0;
    int nearest = 0;
    for (int k = 0; k < AtlasSize(); k += 37) {
        const AtlasCity city = AtlasCityAt(k);
        for (const LocalDateTime& t : dates) {
            const auto result = ChooseZoneRow(city.ianaZone, t, city.longitudeE5 >= 0);
            ASSERT_TRUE(result) << city.name << ": " << result.fault().message;
            const ZoneChoice& c = *result;
            const int reference = ReferenceOffset(std::string(city.ianaZone), t);
            ASSERT_EQ(c.chosen.offsetSeconds, reference) << city.ianaZone << " " << t.year;
            const int rowOffset = RowOffsetSeconds(c.zoneRow);
            if (rowOffset == reference) {
                ++exact;
                continue;
            }
            ++nearest;
            for (int row = 0; row < kTimeZoneCount; ++row) {
                ASSERT_GE(std::abs(RowOffsetSeconds(row) - reference),
                          std::abs(rowOffset - reference))
                    << city.ianaZone << " " << t.year;
            }
            const bool noted = std::any_of(c.notes.begin(), c.notes.end(), [](const auto& n) {
                return n.rfind("No zone row has ", 0) == 0;
            });
            EXPECT_TRUE(noted) << city.ianaZone << " " << t.year;
        }
    }
    // Most of the world keeps whole or half hours: most choices are exact.
    EXPECT_GT(exact, 10 * nearest);
}

} // namespace
} // namespace kovrel::test
