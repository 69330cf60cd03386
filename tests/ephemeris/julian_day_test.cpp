#include "Examples.h"
#include "ephemeris/JulianDay.h"

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

TEST(JulianDayNumber, KnownDatesAndTheCalendarReform) {
    // Worked example figures; 15 March 1990 recorded from this build and checked against the
    // published Julian Day tables.
    EXPECT_EQ(JulianDayNumber(1, 1, 2000), 2451545.0);
    EXPECT_EQ(JulianDayNumber(1, 1, 1900), 2415021.0);
    EXPECT_EQ(JulianDayNumber(2, 29, 2000), 2451604.0);
    EXPECT_EQ(JulianDayNumber(3, 15, 1990), 2447966.0);
    EXPECT_EQ(JulianDayNumber(10, 16, 1582), 2299162.0);
    EXPECT_EQ(JulianDayNumber(10, 4, 1582), 2299160.0);
    // Still counted in the Julian calendar: the switch applies only above 2299171.
    EXPECT_EQ(JulianDayNumber(10, 15, 1582), 2299171.0);
}

TEST(JulianDayNumber, DayPastMonthEndCountsOn) {
    // Worked by hand from the calendar: 2000 is a leap year, 1900 is not.
    EXPECT_EQ(JulianDayNumber(2, 30, 2001), JulianDayNumber(3, 2, 2001));
    EXPECT_EQ(JulianDayNumber(12, 32, 1999), JulianDayNumber(1, 1, 2000));
    EXPECT_EQ(JulianDayNumber(3, 1, 2000) - JulianDayNumber(2, 28, 2000), 2.0);
    EXPECT_EQ(JulianDayNumber(3, 1, 1900) - JulianDayNumber(2, 28, 1900), 1.0);
}

TEST(EngineBirthInstant, UniversalHoursOfTheWorkedBirths) {
    const struct {
        const char* label;
        BirthDetails birth;
        double hours;
    } cases[] = {
        // Worked by hand: zone magnitude, direction from the hemisphere, daylight saving one hour.
        {"noon at Greenwich", EngineBirth(2000, 1, 1, 12, 0, 0, 0, false, false), 12.0},
        {"zone 5:30 East", EngineBirth(1990, 6, 15, 8, 30, 5, 30, true, false), 3.0},
        {"zone 5:00 West, daylight saving: 4:00", EngineBirth(1985, 7, 4, 14, 0, 5, 0, false, true),
         18.0},
        {"daylight saving East", EngineBirth(1985, 7, 4, 14, 0, 5, 0, true, true), 8.0},
        {"0° 0' East counts as West", EngineBirth(2000, 1, 1, 10, 0, 5, 0, true, false, 0, 0),
         15.0},
        {"0° 0' East with daylight saving", EngineBirth(2000, 1, 1, 10, 0, 5, 0, true, true, 0, 0),
         14.0},
        {"any minute of longitude is East", EngineBirth(2000, 1, 1, 10, 0, 5, 0, true, false, 0, 1),
         5.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(EngineBirthInstant(c.birth).universalHours, c.hours) << c.label;
    }
}

TEST(EngineBirthInstant, UniversalHoursOutsideTheDayKeepTheDate) {
    // Worked by hand: 23:30 + 5:30 West is 29 h; 0:00 - 5:30 East is -5.5 h.
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

} // namespace
} // namespace kovrel::test
