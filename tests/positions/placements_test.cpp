#include "ephemeris/FormatLongitude.h"
#include "ephemeris/MoonEphemeris.h"
#include "positions/Ayanamsa.h"
#include "positions/Orbits.h"
#include "positions/Placements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace kovrel {
namespace {

BirthDetails J2000Noon() {
    BirthDetails birth;
    birth.Year = 2000;
    birth.Month = 1;
    birth.Day = 1;
    birth.Hour = 12;
    return birth;
}

double SiderealAtJ2000(int body, double ayanamsa) {
    double s = GeocentricLongitude(body, 0.0) - std::fabs(ayanamsa);
    while (s < 0.0) {
        s += 360.0;
    }
    return s;
}

TEST(PlacementTable, FirstOfJanuary2000) {
    const BirthDetails birth = J2000Noon();
    const double ayanamsa = ComputeAyanamsa(birth);
    EXPECT_NEAR(ayanamsa, -23.85399, 5e-6);
    ASSERT_EQ(UniversalDateTime(birth), (CivilDateTime{2000, 1, 1, 12, 0}));

    EXPECT_NEAR(SiderealAtJ2000(kEarth, ayanamsa), 256.5256, 5e-5);
    EXPECT_NEAR(SiderealAtJ2000(kMercury, ayanamsa), 248.0520, 5e-5);
    EXPECT_NEAR(SiderealAtJ2000(kVenus, ayanamsa), 217.7241, 5e-5);
    EXPECT_NEAR(SiderealAtJ2000(kMars, ayanamsa), 304.1288, 5e-5);
    EXPECT_NEAR(SiderealAtJ2000(kJupiter, ayanamsa), 1.5071, 5e-5);
    EXPECT_NEAR(SiderealAtJ2000(kSaturn, ayanamsa), 16.3607, 5e-5);

    const std::string moon = MoonEphemeris(birth);
    EXPECT_EQ(moon, "19\u00B0 27' 44\" Lib");
    const auto placements = ComputePlanetPlacements(birth, ayanamsa, moon);
    ASSERT_TRUE(placements.has_value());
    const Placements expected = {"16 Sag 31", "19 Lib 27", "08 Sag 03", "07 Sco 43",
                                 "04 Aqu 07", "01 Ari 30", "16 Ari 21"};
    EXPECT_EQ(*placements, expected);
}

TEST(PlacementTable, PlanetNames) {
    EXPECT_EQ(PlanetNames[0], "Sun");
    EXPECT_EQ(PlanetNames[1], "Moon");
    EXPECT_EQ(PlanetNames[2], "Mercury");
    EXPECT_EQ(PlanetNames[3], "Venus");
    EXPECT_EQ(PlanetNames[4], "Mars");
    EXPECT_EQ(PlanetNames[5], "Jupiter");
    EXPECT_EQ(PlanetNames[6], "Saturn");
}

TEST(PlacementTable, MoonEntryIsTheGivenMoonText) {
    const auto placements = ComputePlanetPlacements(J2000Noon(), -23.85399, "5\u00B0 3' 27\" Leo");
    ASSERT_TRUE(placements.has_value());
    EXPECT_EQ((*placements)[1], "05 Leo 03");
}

TEST(PlacementTable, AyanamsaIsTakenAwayByItsSize) {
    // A positive value of the same size gives the same placements.
    const BirthDetails birth = J2000Noon();
    EXPECT_EQ(ComputePlanetPlacements(birth, -23.85399, "x"),
              ComputePlanetPlacements(birth, 23.85399, "x"));
    // A larger ayanamsa moves every body back: Jupiter at 1.5 degrees of Aries wraps into Pisces.
    const auto moved = ComputePlanetPlacements(birth, -26.0, "x");
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ((*moved)[5].substr(3, 3), "Pis");
}

TEST(PlacementTable, HourTwentyFourEqualsMidnightOfTheNextDay) {
    BirthDetails late;
    late.Year = 1999;
    late.Month = 12;
    late.Day = 31;
    late.Hour = 24;
    late.Minute = 30;
    BirthDetails early;
    early.Year = 2000;
    early.Month = 1;
    early.Day = 1;
    early.Hour = 0;
    early.Minute = 30;
    EXPECT_EQ(UniversalDateTime(late), (CivilDateTime{2000, 1, 1, 0, 30}));
    const auto a = ComputePlanetPlacements(late, -23.85, "1\u00B0 0' 0\" Ari");
    const auto b = ComputePlanetPlacements(early, -23.85, "1\u00B0 0' 0\" Ari");
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a, b);
}

TEST(PlacementTable, NothingForADateThatCannotBeFormed) {
    BirthDetails birth = J2000Noon();
    birth.Month = 2;
    birth.Day = 30;
    EXPECT_FALSE(ComputePlanetPlacements(birth, -23.85, "x").has_value());
    EXPECT_FALSE(ComputePlanetPlacements(BirthDetails{}, -23.85, "x").has_value());
    EXPECT_FALSE(
        ComputePlanetPlacements(J2000Noon(), std::numeric_limits<double>::quiet_NaN(), "x"));
}

TEST(PlacementTable, DaylightSavingDoesNotMoveThePlanets) {
    BirthDetails birth = J2000Noon();
    birth.TzHoursSigned = 5;
    birth.TzHoursAbs = 5;
    const auto plain = ComputePlanetPlacements(birth, -23.85, "x");
    birth.DstFlag = true;
    EXPECT_EQ(ComputePlanetPlacements(birth, -23.85, "x"), plain);
}

TEST(CompactPlacement, WorkedExamples) {
    EXPECT_EQ(CompactPlacement("5\u00B0 3' 27\" Leo"), "05 Leo 03");
    EXPECT_EQ(CompactPlacement("19\u00B0 27' 44\" Lib"), "19 Lib 27");
    EXPECT_EQ(CompactPlacement(FormatLongitude(346.25)), "16 Pis 15");
    EXPECT_EQ(CompactPlacement(FormatLongitude(30.0)), "00 Tau 00");
    EXPECT_EQ(CompactPlacement(FormatLongitude(29.0 + 59.0 / 60.0 + 59.9 / 3600.0)), "29 Ari 59");
    EXPECT_EQ(CompactPlacement(FormatLongitude(0.0)), "00 Ari 00");
}

TEST(CompactPlacement, OfALongitudeEqualsTheCompactLongText) {
    // The placement table skips the long text; it must not matter.
    std::vector<double> longitudes = {0.0,        1e-12, 29.999999999, 30.0,  59.99999, 329.5,
                                      359.999999, 360.0, 361.25,       725.0, -14.5};
    for (double x = 0.0; x < 400.0; x += 0.0123457) {
        longitudes.push_back(x);
    }
    for (int sign = 0; sign <= 12; ++sign) {
        longitudes.push_back(30.0 * sign);
        longitudes.push_back(std::nextafter(30.0 * sign, 0.0));
        longitudes.push_back(30.0 * sign + 59.0 / 60.0 + 59.999 / 3600.0);
    }
    for (double x : longitudes) {
        EXPECT_EQ(CompactPlacementOf(x), CompactPlacement(FormatLongitude(x))) << x;
    }
    EXPECT_EQ(CompactPlacementOf(346.25), "16 Pis 15");
    EXPECT_EQ(CompactPlacementOf(std::numeric_limits<double>::quiet_NaN()), "0  0");
}

TEST(CompactPlacement, SignCharactersAreFourToSix) {
    for (double longitude = 0.0; longitude < 360.0; longitude += 7.31) {
        const std::string compact = CompactPlacement(FormatLongitude(longitude));
        ASSERT_EQ(compact.size(), 9u) << compact;
        EXPECT_EQ(compact.substr(3, 3),
                  FormatLongitude(longitude).substr(FormatLongitude(longitude).size() - 3))
            << compact;
        EXPECT_EQ(compact[2], ' ');
        EXPECT_EQ(compact[6], ' ');
    }
}

TEST(CompactPlacement, SurroundingBlanksAndSecondsAreDropped) {
    EXPECT_EQ(CompactPlacement("  7\u00B0 59' 59\" Cap"), "07 Cap 59");
    // The sign is read from the text as given, so trailing blanks eat into it.
    EXPECT_EQ(CompactPlacement("7\u00B0 59' 59\" Cap "), "07 ap 59");
    EXPECT_EQ(CompactPlacement("12\u00B0  5 ' 0\" Vir"), "12 Vir 05");
}

TEST(CompactPlacement, TextWithoutSeparators) {
    // Only the sign survives; the empty parts read as "0".
    EXPECT_EQ(CompactPlacement(""), "0  0");
    EXPECT_EQ(CompactPlacement("Leo"), "0 Leo 0");
    EXPECT_EQ(CompactPlacement("12\u00B0 Leo"), "12 Leo 0");
}

} // namespace
} // namespace kovrel
