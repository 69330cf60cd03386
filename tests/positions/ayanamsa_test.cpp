#include "Examples.h"
#include "ephemeris/JulianDay.h"
#include "positions/Ayanamsa.h"

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

TEST(Ayanamsa, AtJ2000MidnightAndNoon) {
    // Worked example: T and the ayanamsa at 0 h and 12 h UT on 1 January 2000.
    EXPECT_NEAR(AyanamsaTimeArgument(BirthAt(2000, 1, 1, 0, 0)), 0.99998631, 5e-9);
    EXPECT_NEAR(ComputeAyanamsa(BirthAt(2000, 1, 1, 0, 0)), -23.85397, 5e-6);
    EXPECT_NEAR(AyanamsaTimeArgument(J2000Noon()), 1.0, 5e-9);
    EXPECT_NEAR(ComputeAyanamsa(J2000Noon()), -23.85399, 5e-6);
}

TEST(Ayanamsa, MidnightInAnEasternZoneFallsBeforeTheCivilMidnight) {
    BirthDetails east = InZone(BirthAt(2000, 1, 1, 0, 0), -5, -30);
    east.EastFlag = true;
    east.LonDegrees = 77;
    const double T = AyanamsaTimeArgument(east);
    EXPECT_NEAR(T, AyanamsaTimeArgument(BirthAt(1999, 12, 31, 18, 30)), 1e-12);
    EXPECT_DOUBLE_EQ(ComputeAyanamsa(east), AyanamsaAt(T));
}

TEST(Ayanamsa, ZeroLongitudeEastAddsTheZoneAndDaylightSavingShrinksIt) {
    BirthDetails birth = InZone(BirthAt(2000, 1, 1, 6, 0), 5, 0);
    birth.EastFlag = true; // 0 degrees 0 minutes East is not negative
    EXPECT_NEAR(AyanamsaTimeArgument(birth), AyanamsaTimeArgument(BirthAt(2000, 1, 1, 11, 0)),
                1e-15);
    birth.DstFlag = true;
    EXPECT_NEAR(AyanamsaTimeArgument(birth), AyanamsaTimeArgument(BirthAt(2000, 1, 1, 10, 0)),
                1e-15);
}

TEST(Ayanamsa, HourTwentyFourIsAPlainNumber) {
    EXPECT_NEAR(AyanamsaTimeArgument(BirthAt(1999, 12, 31, 24, 0)),
                AyanamsaTimeArgument(BirthAt(2000, 1, 1, 0, 0)), 1e-15);
}

TEST(PlanetDayNumber, EpochAndAgreementWithTheJulianDayNumber) {
    EXPECT_EQ(PlanetDayNumber(2000, 1, 1, 12, 0), 0.0);
    EXPECT_EQ(PlanetDayNumber(2000, 1, 1, 0, 0), -0.5);
    EXPECT_NEAR(PlanetDayNumber(2000, 1, 1, 12, 30), 30.0 / 60.0 / 24.0, 1e-15);
    for (int year : {1901, 1950, 1999, 2000, 2024, 2050}) {
        for (int month = 1; month <= 12; ++month) {
            EXPECT_DOUBLE_EQ(PlanetDayNumber(year, month, 15, 18, 0),
                             JulianDayNumber(month, 15, year) - 2451545.0 + 0.25)
                << year << "-" << month;
        }
    }
}

TEST(UniversalDateTime, CarriesTheZoneIntoTheDateAndHour24IntoTheNextDay) {
    const struct {
        const char* label;
        BirthDetails birth;
        CivilDateTime expected;
    } cases[] = {
        {"23:30 at UTC+5:30", InZone(BirthAt(1990, 6, 15, 23, 30), -5, -30), {1990, 6, 15, 18, 0}},
        {"New Delhi", InZone(BirthAt(1990, 3, 15, 8, 30), -5, -30), {1990, 3, 15, 3, 0}},
        {"21:00 at UTC-5", InZone(BirthAt(1990, 6, 15, 21, 0), 5, 0), {1990, 6, 16, 2, 0}},
        {"next month", InZone(BirthAt(1990, 6, 30, 21, 0), 5, 0), {1990, 7, 1, 2, 0}},
        {"next year", InZone(BirthAt(1990, 12, 31, 21, 0), 5, 0), {1991, 1, 1, 2, 0}},
        {"minutes carry", InZone(BirthAt(1990, 1, 31, 22, 45), 9, 30), {1990, 2, 1, 8, 15}},
        {"back a year", InZone(BirthAt(2000, 1, 1, 2, 0), -5, -30), {1999, 12, 31, 20, 30}},
        {"back to 29 Feb", InZone(BirthAt(2000, 3, 1, 0, 15), -13, 0), {2000, 2, 29, 11, 15}},
        {"back to 28 Feb", InZone(BirthAt(1999, 3, 1, 0, 15), -13, 0), {1999, 2, 28, 11, 15}},
        {"on to 29 Feb", InZone(BirthAt(2000, 2, 28, 23, 0), 2, 0), {2000, 2, 29, 1, 0}},
        {"on to 1 March", InZone(BirthAt(2001, 2, 28, 23, 0), 2, 0), {2001, 3, 1, 1, 0}},
        {"2100 is no leap year", InZone(BirthAt(2100, 2, 28, 23, 0), 2, 0), {2100, 3, 1, 1, 0}},
        {"29 Feb 2000", BirthAt(2000, 2, 29, 12, 0), {2000, 2, 29, 12, 0}},
        {"29 Feb 1904", BirthAt(1904, 2, 29, 12, 0), {1904, 2, 29, 12, 0}},
        {"24:30 on 31 Dec", BirthAt(1999, 12, 31, 24, 30), {2000, 1, 1, 0, 30}},
        {"24:00 on 28 Feb", BirthAt(1990, 2, 28, 24, 0), {1990, 3, 1, 0, 0}},
        {"24:00 in a leap year", BirthAt(1992, 2, 28, 24, 0), {1992, 2, 29, 0, 0}},
        {"24:10 at UTC+5:30", InZone(BirthAt(1990, 4, 30, 24, 10), -5, -30), {1990, 4, 30, 18, 40}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UniversalDateTime(c.birth), c.expected) << c.label;
        BirthDetails dst = c.birth;
        dst.DstFlag = true; // not applied on this route
        EXPECT_EQ(UniversalDateTime(dst), c.expected) << c.label << " with daylight saving";
    }
}

TEST(UniversalDateTime, DatesThatCannotBeFormed) {
    for (const BirthDetails& birth :
         {BirthAt(2001, 2, 29, 12, 0), BirthAt(2000, 4, 31, 12, 0), BirthAt(1990, 13, 1, 12, 0),
          BirthAt(1990, 0, 1, 12, 0), BirthAt(1990, 1, 0, 12, 0), BirthAt(1990, 1, 32, 12, 0),
          // Nothing past 24 is a clock hour, and minutes stop at 59.
          BirthAt(1990, 1, 1, 25, 0), BirthAt(1990, 1, 1, -1, 0), BirthAt(1990, 1, 1, 12, 60),
          // Before the first calculation the record is all zeros.
          BirthDetails{}}) {
        EXPECT_FALSE(UniversalDateTime(birth).has_value())
            << birth.Year << "-" << birth.Month << "-" << birth.Day << " " << birth.Hour << ":"
            << birth.Minute;
    }
}

} // namespace
} // namespace kovrel::test
