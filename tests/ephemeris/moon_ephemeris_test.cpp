#include "ephemeris/FormatLongitude.h"
#include "ephemeris/JulianDay.h"
#include "ephemeris/MoonEphemeris.h"

#include <gtest/gtest.h>

#include <set>

namespace kovrel {
namespace {

struct MoonExample {
    const char* label;
    BirthDetails birth;
    double T;
    double tropical;
    double offset;
    const char* text;
};

BirthDetails Birth(int year, int month, int day, int hour, int minute, int zoneHours,
                   int zoneMinutes, bool east, bool dst) {
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
    birth.LonDegrees = 10;
    return birth;
}

class MoonWorkedExamples : public ::testing::TestWithParam<MoonExample> {};

TEST_P(MoonWorkedExamples, WholeChain) {
    const MoonExample& example = GetParam();
    const double T = MoonTimeArgument(example.birth);
    EXPECT_NEAR(T, example.T, 5e-10);
    EXPECT_NEAR(MoonTropicalLongitude(T), example.tropical, 5e-7);
    EXPECT_NEAR(SiderealOffset(T), example.offset, 5e-7);
    EXPECT_EQ(MoonEphemeris(example.birth), example.text);
}

INSTANTIATE_TEST_SUITE_P(
    Births, MoonWorkedExamples,
    ::testing::Values(MoonExample{"J2000Noon", Birth(2000, 1, 1, 12, 0, 0, 0, false, false), 0.0,
                                  223.316103, -23.853726, "19\u00B0 27' 44\" Lib"},
                      MoonExample{"June1990East", Birth(1990, 6, 15, 8, 30, 5, 30, true, false),
                                  -0.095479124, 340.354310, -23.727342, "16\u00B0 37' 37\" Aqu"},
                      MoonExample{"July1985Dst", Birth(1985, 7, 4, 14, 0, 5, 0, false, true),
                                  -0.144934976, 311.523632, -23.651223, "17\u00B0 52' 20\" Cap"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SiderealOffset, AtEpochIs23Degrees51Minutes) {
    EXPECT_NEAR(SiderealOffset(0.0), -23.853726, 5e-7);
    // Negative over the years of the entry form and growing in size with precession (about
    // 0.14 degrees a decade, far more than the nutation terms can undo).
    for (double T = -1.0; T < 0.5; T += 0.1) {
        EXPECT_LT(SiderealOffset(T), 0.0);
        EXPECT_LT(SiderealOffset(T + 0.1), SiderealOffset(T)) << "T = " << T;
    }
}

TEST(MoonLongitude, SmallTropicalLongitudeWrapsIntoPisces) {
    // lambda = 10 degrees at T = 0 lies below the size of the offset.
    const double sidereal = 10.0 + SiderealOffset(0.0) + 360.0;
    EXPECT_NEAR(sidereal, 346.146274, 5e-7);
    const std::string text = FormatLongitude(sidereal);
    EXPECT_EQ(text.substr(text.size() - 3), "Pis");
    EXPECT_EQ(text, "16\u00B0 8' 46\" Pis");
}

TEST(MoonLongitude, TropicalLongitudeStaysWithinOneTurn) {
    for (double T = -1.1; T <= 0.6; T += 0.0123) {
        const double lambda = MoonTropicalLongitude(T);
        EXPECT_GE(lambda, 0.0) << "T = " << T;
        EXPECT_LE(lambda, 360.0) << "T = " << T;
    }
}

TEST(MoonLongitude, MoonMovesAbout13DegreesADay) {
    const double day = 1.0 / 36525.0;
    double step = MoonTropicalLongitude(0.1 + day) - MoonTropicalLongitude(0.1);
    if (step < 0) {
        step += 360.0;
    }
    EXPECT_GT(step, 11.0);
    EXPECT_LT(step, 16.0);
}

TEST(LunarTerms, TwentyFiveLeadingRows) {
    ASSERT_EQ(LunarTerms.size(), 25u);
    EXPECT_DOUBLE_EQ(LunarTerms.front().coefficient, 6.288774);
    EXPECT_DOUBLE_EQ(LunarTerms.back().coefficient, 0.003994);
    // Only these rows carry the Sun's mean anomaly (and therefore the factor E), never twice.
    const std::set<int> withM = {5, 8, 10, 11, 13, 20, 21, 23, 24};
    for (std::size_t row = 0; row < LunarTerms.size(); ++row) {
        const LunarTerm& term = LunarTerms[row];
        EXPECT_EQ(term.m != 0, withM.count(static_cast<int>(row) + 1) == 1) << "row " << row + 1;
        EXPECT_LE(std::abs(term.m), 1);
    }
    // Coefficients decrease in size: the series is the leading part of the standard one.
    for (std::size_t row = 1; row < LunarTerms.size(); ++row) {
        EXPECT_LE(std::abs(LunarTerms[row].coefficient), std::abs(LunarTerms[row - 1].coefficient));
    }
}

} // namespace
} // namespace kovrel
