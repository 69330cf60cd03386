#include "ephemeris/JulianDay.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

BirthDetails EngineBirth(int year, int month, int day, int hour, int minute, int zoneHours,
                         int zoneMinutes, bool east, bool dst, int lonDegrees = 10,
                         int lonMinutes = 0) {
    BirthDetails birth;
    birth.Year = static_cast<std::int16_t>(year);
    birth.Month = static_cast<std::int16_t>(month);
    birth.Day = static_cast<std::int16_t>(day);
    birth.Hour = static_cast<std::int16_t>(hour);
    birth.Minute = static_cast<std::int16_t>(minute);
    birth.TzHoursAbs = static_cast<std::int16_t>(zoneHours);
    birth.TzMinutesAbs = static_cast<std::int16_t>(zoneMinutes);
    birth.EastFlag = east;
    birth.DstFlag = dst;
    birth.LonDegrees = static_cast<std::int16_t>(lonDegrees);
    birth.LonMinutes = static_cast<std::int16_t>(lonMinutes);
    return birth;
}

TEST(JulianDayNumber, KnownDates) {
    EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451545.0);
    EXPECT_EQ(JulianDayNumber(1, 1, 1900), 2415021.0);
    EXPECT_EQ(JulianDayNumber(2, 29, 2000), 2451604.0);
    EXPECT_EQ(JulianDayNumber(3, 15, 1990), 2447966.0);
}

TEST(JulianDayNumber, CalendarReformBoundary) {
    EXPECT_EQ(JulianDayNumber(10, 16, 1582), 2299162.0);
    EXPECT_EQ(JulianDayNumber(10, 4, 1582), 2299160.0);
    // Still counted in the Julian calendar: the switch applies only above 2299171.
    EXPECT_EQ(JulianDayNumber(10, 15, 1582), 2299171.0);
}

TEST(JulianDayNumber, DayPastMonthEndCountsOn) {
    EXPECT_EQ(JulianDayNumber(2, 30, 2001), JulianDayNumber(3, 2, 2001));
    EXPECT_EQ(JulianDayNumber(12, 32, 1999), JulianDayNumber(1, 1, 2000));
    EXPECT_EQ(JulianDayNumber(3, 1, 2000) - JulianDayNumber(2, 28, 2000), 2.0);
    EXPECT_EQ(JulianDayNumber(3, 1, 1900) - JulianDayNumber(2, 28, 1900), 1.0);
}

TEST(EngineBirthInstant, UniversalHours) {
    // Noon at Greenwich.
    EXPECT_EQ(EngineBirthInstant(EngineBirth(2000, 1, 1, 12, 0, 0, 0, false, false)).universalHours,
              12.0);
    // Zone 5:30 East: local minus zone.
    EXPECT_DOUBLE_EQ(
        EngineBirthInstant(EngineBirth(1990, 6, 15, 8, 30, 5, 30, true, false)).universalHours,
        3.0);
    // Zone 5:00 West with daylight saving: the zone becomes 4:00.
    EXPECT_DOUBLE_EQ(
        EngineBirthInstant(EngineBirth(1985, 7, 4, 14, 0, 5, 0, false, true)).universalHours, 18.0);
    // Daylight saving on the East side also moves universal time one hour earlier.
    EXPECT_DOUBLE_EQ(
        EngineBirthInstant(EngineBirth(1985, 7, 4, 14, 0, 5, 0, true, true)).universalHours, 8.0);
}

TEST(EngineBirthInstant, ZeroLongitudeEastCountsAsWestern) {
    const auto instant =
        EngineBirthInstant(EngineBirth(2000, 1, 1, 10, 0, 5, 0, true, false, 0, 0));
    EXPECT_DOUBLE_EQ(instant.universalHours, 15.0);
    const auto withDst = EngineBirthInstant(EngineBirth(2000, 1, 1, 10, 0, 5, 0, true, true, 0, 0));
    EXPECT_DOUBLE_EQ(withDst.universalHours, 14.0);
    // Any minute of longitude makes it eastern.
    const auto east = EngineBirthInstant(EngineBirth(2000, 1, 1, 10, 0, 5, 0, true, false, 0, 1));
    EXPECT_DOUBLE_EQ(east.universalHours, 5.0);
}

TEST(EngineBirthInstant, UniversalHoursOutsideTheDayKeepTheDate) {
    const auto late = EngineBirthInstant(EngineBirth(1990, 6, 15, 23, 30, 5, 30, false, false));
    EXPECT_DOUBLE_EQ(late.universalHours, 29.0);
    EXPECT_EQ(late.dayNumber, JulianDayNumber(6, 15, 1990));
    const auto early = EngineBirthInstant(EngineBirth(1990, 6, 15, 0, 0, 5, 30, true, false));
    EXPECT_DOUBLE_EQ(early.universalHours, -5.5);
    EXPECT_EQ(early.dayNumber, JulianDayNumber(6, 15, 1990));
    // T simply moves: 29 hours after the start of the entered date is 5 hours into the next.
    EXPECT_NEAR(MoonTimeArgument(EngineBirth(1990, 6, 15, 23, 30, 5, 30, false, false)),
                MoonTimeArgument(EngineBirth(1990, 6, 16, 5, 0, 0, 0, false, false)), 1e-15);
}

TEST(MoonTimeArgument, WorkedValues) {
    EXPECT_EQ(MoonTimeArgument(EngineBirth(2000, 1, 1, 12, 0, 0, 0, false, false)), 0.0);
    EXPECT_NEAR(MoonTimeArgument(EngineBirth(1990, 6, 15, 8, 30, 5, 30, true, false)), -0.095479124,
                5e-10);
    EXPECT_NEAR(MoonTimeArgument(EngineBirth(1985, 7, 4, 14, 0, 5, 0, false, true)), -0.144934976,
                5e-10);
}

} // namespace
} // namespace kovrel
