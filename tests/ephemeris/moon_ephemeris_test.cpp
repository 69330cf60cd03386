#include "Examples.h"
#include "ephemeris/FormatLongitude.h"
#include "ephemeris/JulianDay.h"
#include "ephemeris/MoonEphemeris.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace kovrel::test
