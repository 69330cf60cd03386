#include "ephemeris/JulianDay.h"
#include "positions/Ayanamsa.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

BirthDetails LocalBirth(int year, int month, int day, int hour, int minute) {
    BirthDetails birth;
    birth.Year = static_cast<std::int16_t>(year);
    birth.Month = static_cast<std::int16_t>(month);
    birth.Day = static_cast<std::int16_t>(day);
    birth.Hour = static_cast<std::int16_t>(hour);
    birth.Minute = static_cast<std::int16_t>(minute);
    return birth;
}

BirthDetails WithSignedZone(BirthDetails birth, int hours, int minutes) {
    birth.TzHoursSigned = static_cast<std::int16_t>(hours);
    birth.TzMinutesSigned = static_cast<std::int16_t>(minutes);
    birth.TzHoursAbs = static_cast<std::int16_t>(hours < 0 ? -hours : hours);
    birth.TzMinutesAbs = static_cast<std::int16_t>(minutes < 0 ? -minutes : minutes);
    return birth;
}

CivilDateTime At(int year, int month, int day, int hour, int minute) {
    return {year, month, day, hour, minute};
}

// ---------------------------------------------------------------- ayanamsa route

TEST(Ayanamsa, AtJ2000Midnight) {
    const BirthDetails birth = LocalBirth(2000, 1, 1, 0, 0);
    EXPECT_NEAR(AyanamsaTimeArgument(birth), 0.99998631, 5e-9);
    EXPECT_NEAR(ComputeAyanamsa(birth), -23.85397, 5e-6);
}

TEST(Ayanamsa, AtJ2000Noon) {
    const BirthDetails birth = LocalBirth(2000, 1, 1, 12, 0);
    EXPECT_NEAR(AyanamsaTimeArgument(birth), 1.0, 5e-9);
    EXPECT_NEAR(ComputeAyanamsa(birth), -23.85399, 5e-6);
}

TEST(Ayanamsa, RangeOfEntryYears) {
    EXPECT_NEAR(ComputeAyanamsa(LocalBirth(1901, 1, 1, 0, 0)), -22.48, 0.01);
    EXPECT_NEAR(ComputeAyanamsa(LocalBirth(2050, 12, 31, 23, 59)), -24.57, 0.01);
    // 22 degrees 27 minutes 41.27 seconds at 1900.0, apart from the nutation terms.
    EXPECT_NEAR(AyanamsaAt(0.0), -(80861.27 / 3600.0), 18.5 / 3600.0);
}

TEST(Ayanamsa, UsesTheEngineInstant) {
    // Zone 5:30 East: universal time 5.5 hours before local time, on the same civil date.
    BirthDetails east = WithSignedZone(LocalBirth(2000, 1, 1, 0, 0), -5, -30);
    east.EastFlag = true;
    east.LonDegrees = 77;
    const double T = AyanamsaTimeArgument(east);
    EXPECT_NEAR(T, ((2451545.0 - 2415020.0) + (-5.5) / 24.0 - 0.5) / 36525.0, 1e-15);
    EXPECT_LT(T, AyanamsaTimeArgument(LocalBirth(2000, 1, 1, 0, 0)));
    EXPECT_DOUBLE_EQ(ComputeAyanamsa(east), AyanamsaAt(T));
}

TEST(Ayanamsa, ZeroLongitudeEastAddsTheZone) {
    BirthDetails birth = WithSignedZone(LocalBirth(2000, 1, 1, 6, 0), 5, 0);
    birth.EastFlag = true; // 0 degrees 0 minutes East is not negative
    EXPECT_NEAR(AyanamsaTimeArgument(birth), AyanamsaTimeArgument(LocalBirth(2000, 1, 1, 11, 0)),
                1e-15);
    birth.DstFlag = true; // the zone shrinks by one hour
    EXPECT_NEAR(AyanamsaTimeArgument(birth), AyanamsaTimeArgument(LocalBirth(2000, 1, 1, 10, 0)),
                1e-15);
}

TEST(Ayanamsa, HourTwentyFourIsAPlainNumber) {
    EXPECT_NEAR(AyanamsaTimeArgument(LocalBirth(1999, 12, 31, 24, 0)),
                AyanamsaTimeArgument(LocalBirth(2000, 1, 1, 0, 0)), 1e-15);
}

// ---------------------------------------------------------------- planets' day number

TEST(PlanetDayNumber, Epoch) {
    EXPECT_EQ(PlanetDayNumber(2000, 1, 1, 12, 0), 0.0);
    EXPECT_EQ(PlanetDayNumber(2000, 1, 1, 0, 0), -0.5);
}

TEST(PlanetDayNumber, AgreesWithJulianDayNumberOverTheEntryYears) {
    for (int year : {1901, 1950, 1999, 2000, 2024, 2050}) {
        for (int month = 1; month <= 12; ++month) {
            const double expected = JulianDayNumber(month, 15, year) - 2451545.0 + 0.25;
            EXPECT_DOUBLE_EQ(PlanetDayNumber(year, month, 15, 18, 0), expected)
                << year << "-" << month;
        }
    }
    EXPECT_NEAR(PlanetDayNumber(2000, 1, 1, 12, 30), 30.0 / 60.0 / 24.0, 1e-15);
}

// ---------------------------------------------------------------- universal date and time

TEST(UniversalDateTime, SameDay) {
    // 23:30 at UTC+5:30 is 18:00 universal time on the same day.
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(1990, 6, 15, 23, 30), -5, -30)),
              At(1990, 6, 15, 18, 0));
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(1990, 3, 15, 8, 30), -5, -30)),
              At(1990, 3, 15, 3, 0));
}

TEST(UniversalDateTime, CarriesForwardIntoDayMonthAndYear) {
    // 21:00 at UTC-5 is 02:00 universal time on the next day.
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(1990, 6, 15, 21, 0), 5, 0)),
              At(1990, 6, 16, 2, 0));
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(1990, 6, 30, 21, 0), 5, 0)),
              At(1990, 7, 1, 2, 0));
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(1990, 12, 31, 21, 0), 5, 0)),
              At(1991, 1, 1, 2, 0));
    // Minutes carry into the hour: 22:45 at UTC-9:30 is 08:15 the next day.
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(1990, 1, 31, 22, 45), 9, 30)),
              At(1990, 2, 1, 8, 15));
}

TEST(UniversalDateTime, CarriesBackward) {
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(2000, 1, 1, 2, 0), -5, -30)),
              At(1999, 12, 31, 20, 30));
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(2000, 3, 1, 0, 15), -13, 0)),
              At(2000, 2, 29, 11, 15));
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(1999, 3, 1, 0, 15), -13, 0)),
              At(1999, 2, 28, 11, 15));
}

TEST(UniversalDateTime, LeapDays) {
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(2000, 2, 28, 23, 0), 2, 0)),
              At(2000, 2, 29, 1, 0));
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(2001, 2, 28, 23, 0), 2, 0)),
              At(2001, 3, 1, 1, 0));
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(2100, 2, 28, 23, 0), 2, 0)),
              At(2100, 3, 1, 1, 0));
    EXPECT_TRUE(UniversalDateTime(LocalBirth(2000, 2, 29, 12, 0)).has_value());
    EXPECT_TRUE(UniversalDateTime(LocalBirth(1904, 2, 29, 12, 0)).has_value());
}

TEST(UniversalDateTime, HourTwentyFourIsMidnightOfTheNextDay) {
    EXPECT_EQ(UniversalDateTime(LocalBirth(1999, 12, 31, 24, 30)), At(2000, 1, 1, 0, 30));
    EXPECT_EQ(UniversalDateTime(LocalBirth(1990, 2, 28, 24, 0)), At(1990, 3, 1, 0, 0));
    EXPECT_EQ(UniversalDateTime(LocalBirth(1992, 2, 28, 24, 0)), At(1992, 2, 29, 0, 0));
    // The zone is added on top: 24:10 at UTC+5:30 is 18:40 on the entered day.
    EXPECT_EQ(UniversalDateTime(WithSignedZone(LocalBirth(1990, 4, 30, 24, 10), -5, -30)),
              At(1990, 4, 30, 18, 40));
}

TEST(UniversalDateTime, DaylightSavingIsNotApplied) {
    BirthDetails birth = WithSignedZone(LocalBirth(1990, 6, 15, 21, 0), 5, 0);
    const auto without = UniversalDateTime(birth);
    birth.DstFlag = true;
    EXPECT_EQ(UniversalDateTime(birth), without);
}

TEST(UniversalDateTime, DatesThatCannotBeFormed) {
    EXPECT_FALSE(UniversalDateTime(LocalBirth(2001, 2, 29, 12, 0)).has_value());
    EXPECT_FALSE(UniversalDateTime(LocalBirth(2000, 4, 31, 12, 0)).has_value());
    EXPECT_FALSE(UniversalDateTime(LocalBirth(1990, 13, 1, 12, 0)).has_value());
    EXPECT_FALSE(UniversalDateTime(LocalBirth(1990, 0, 1, 12, 0)).has_value());
    EXPECT_FALSE(UniversalDateTime(LocalBirth(1990, 1, 0, 12, 0)).has_value());
    EXPECT_FALSE(UniversalDateTime(LocalBirth(1990, 1, 32, 12, 0)).has_value());
    // Nothing past 24 is a clock hour, and minutes stop at 59.
    EXPECT_FALSE(UniversalDateTime(LocalBirth(1990, 1, 1, 25, 0)).has_value());
    EXPECT_FALSE(UniversalDateTime(LocalBirth(1990, 1, 1, -1, 0)).has_value());
    EXPECT_FALSE(UniversalDateTime(LocalBirth(1990, 1, 1, 12, 60)).has_value());
    // Before the first calculation the record is all zeros: no date.
    EXPECT_FALSE(UniversalDateTime(BirthDetails{}).has_value());
}

} // namespace
} // namespace kovrel
