#include "Examples.h"
#include "common/Constants.h"
#include "ephemeris/FormatLongitude.h"
#include "ephemeris/JulianDay.h"
#include "ephemeris/MoonEphemeris.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kovrel::test {
namespace {

TEST(MoonEphemeris, WorkedExamplesThroughTheWholeChain) {
    const struct {
        const char* label;
        BirthDetails birth;
        double T, tropical, offset;
        const char* text;
    } examples[] = {
        // Worked examples of the whole chain (T, tropical longitude, offset, text).
        {"1 January 2000 noon", EngineBirth(2000, 1, 1, 12, 0, 0, 0, false, false), 0.0, 223.316103,
         -23.853726, "19\u00B0 27' 44\" Lib"},
        {"15 June 1990 East", EngineBirth(1990, 6, 15, 8, 30, 5, 30, true, false), -0.095479124,
         340.354310, -23.727342, "16\u00B0 37' 37\" Aqu"},
        {"4 July 1985 daylight saving", EngineBirth(1985, 7, 4, 14, 0, 5, 0, false, true),
         -0.144934976, 311.523632, -23.651223, "17\u00B0 52' 20\" Cap"},
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(e.label);
        const double T = MoonTimeArgument(e.birth);
        EXPECT_NEAR(T, e.T, 5e-10);
        EXPECT_NEAR(MoonTropicalLongitude(T), e.tropical, 5e-7);
        EXPECT_NEAR(SiderealOffset(T), e.offset, 5e-7);
        EXPECT_EQ(MoonEphemeris(e.birth), e.text);
    }
    // The series is the 25 leading terms; a missing or mistyped one moves these figures.
    EXPECT_EQ(LunarTerms.size(), 25u);
    // A tropical longitude below the size of the offset wraps into Pisces: 10° at T = 0 gives
    // 346.146274° (worked example).
    EXPECT_EQ(FormatLongitude(10.0 + SiderealOffset(0.0) + 360.0), "16\u00B0 8' 46\" Pis");
}

TEST(SiderealOffset, NegativeAndGrowingWithPrecession) {
    // About 0.14 degrees a decade, far more than the nutation terms can undo.
    for (double T = -1.0; T < 0.5; T += 0.1) {
        EXPECT_LT(SiderealOffset(T), 0.0);
        EXPECT_LT(SiderealOffset(T + 0.1), SiderealOffset(T)) << "T = " << T;
    }
}

TEST(MoonTropicalLongitude, StaysWithinOneTurn) {
    for (double T = -1.1; T <= 0.6; T += 0.0123) {
        const double lambda = MoonTropicalLongitude(T);
        EXPECT_TRUE(lambda >= 0.0 && lambda <= 360.0) << "T = " << T << ": " << lambda;
    }
}

TEST(MoonTropicalLongitude, AgreesWithOneSinePerRow) {
    // The series as printed: one library sine of each row's whole argument.
    double largest = 0.0;
    // 1800 to 2100, every 2.7 days.
    for (double T = -2.0; T <= 1.0; T += 2.7 / 36525.0) {
        const double D = (297.8502042 + 445267.1115168 * T) * kDegToRad;
        const double M = (357.5291092 + 35999.0502909 * T) * kDegToRad;
        const double Mp = (134.9634114 + 477198.8676313 * T) * kDegToRad;
        const double F = (93.2720993 + 483202.0175273 * T) * kDegToRad;
        const double E = 1.0 - 0.002516 * T - 0.0000074 * (T * T);
        double sum = 0.0;
        for (const LunarTerm& row : LunarTerms) {
            sum += row.coefficient * (row.m != 0 ? E : 1.0) *
                   std::sin(row.d * D + row.m * M + row.mp * Mp + row.f * F);
        }
        const double lambda = 218.3164591 + 481267.88134236 * T + sum;
        const double apart = std::remainder(MoonTropicalLongitude(T) - lambda, 360.0);
        largest = std::max(largest, std::fabs(apart));
    }
    // Below this only the last bits differ: a bit of the unreduced sum is 1.2e-10 degrees at 1800.
    EXPECT_LT(largest, 1e-9);
}

} // namespace
} // namespace kovrel::test
