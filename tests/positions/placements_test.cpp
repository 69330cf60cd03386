#include "Examples.h"
#include "ephemeris/FormatLongitude.h"
#include "ephemeris/MoonEphemeris.h"
#include "positions/Ayanamsa.h"
#include "positions/Orbits.h"
#include "positions/Placements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace kovrel::test {
namespace {

TEST(PlacementTable, FirstOfJanuary2000) {
    const BirthDetails birth = J2000Noon();
    const double ayanamsa = ComputeAyanamsa(birth);
    EXPECT_NEAR(ayanamsa, -23.85399, 5e-6);                                  // worked example
    ASSERT_EQ(UniversalDateTime(birth), (CivilDateTime{2000, 1, 1, 12, 0})); // d = 0

    const struct {
        int body;
        double sidereal;
    } bodies[] = {// Worked example: the sidereal longitudes at d = 0.
                  {kEarth, 256.5256}, {kMercury, 248.0520}, {kVenus, 217.7241},
                  {kMars, 304.1288},  {kJupiter, 1.5071},   {kSaturn, 16.3607}};
    for (const auto& b : bodies) {
        EXPECT_NEAR(std::fmod(GeocentricLongitudes(0.0)[static_cast<std::size_t>(b.body)] -
                                  std::fabs(ayanamsa) + 360.0,
                              360.0),
                    b.sidereal, 5e-5)
            << "body " << b.body;
    }
    EXPECT_EQ(MoonEphemeris(birth), "19\u00B0 27' 44\" Lib");
    EXPECT_EQ(ComputePlanetPlacements(birth, ayanamsa, MoonSiderealLongitude(birth)).value(),
              kJ2000Placements);
    const std::array<std::string_view, kPlanetCount> names = {"Sun",  "Moon",    "Mercury", "Venus",
                                                              "Mars", "Jupiter", "Saturn"};
    for (const Planet planet : kPlanets) {
        EXPECT_EQ(PlanetName(planet), names[Index(planet)]);
    }
}

TEST(PlacementTable, MoonEntryIsTheGivenMoonLongitudeAndTheAyanamsaIsTakenByItsSize) {
    // 5° 3' 27" of Leo is 125.0575°.
    const auto placements = ComputePlanetPlacements(J2000Noon(), -23.85399, 125.0575);
    ASSERT_TRUE(placements.ok());
    EXPECT_EQ((*placements)[1], "05 Leo 03");
    // A positive value of the same size gives the same placements.
    EXPECT_EQ(ComputePlanetPlacements(J2000Noon(), 23.85399, 125.0575).value(), *placements);
    // A larger ayanamsa moves every body back: Jupiter at 1.5 degrees of Aries wraps into Pisces.
    const auto moved = ComputePlanetPlacements(J2000Noon(), -26.0, 0.0);
    ASSERT_TRUE(moved.ok());
    EXPECT_EQ((*moved)[5].text().substr(3, 3), "Pis");
    EXPECT_EQ((*moved)[5].sign(), 11);
}

TEST(PlacementTable, NothingForADateThatCannotBeFormed) {
    BirthDetails birth = J2000Noon();
    birth.Month = 2;
    birth.Day = 30;
    EXPECT_FALSE(ComputePlanetPlacements(birth, -23.85, 0.0).ok());
    EXPECT_FALSE(ComputePlanetPlacements(BirthDetails{}, -23.85, 0.0).ok());
    EXPECT_FALSE(
        ComputePlanetPlacements(J2000Noon(), std::numeric_limits<double>::quiet_NaN(), 0.0));
}

TEST(CompactPlacement, WorkedExamplesAndOddTexts) {
    const struct {
        std::string longText;
        const char* compact;
    } cases[] = {
        // Worked examples, then odd texts worked by hand from the character positions.
        {"5\u00B0 3' 27\" Leo", "05 Leo 03"},
        {"19\u00B0 27' 44\" Lib", "19 Lib 27"},
        {FormatLongitude(346.25), "16 Pis 15"},
        {FormatLongitude(30.0), "00 Tau 00"},
        {FormatLongitude(29.0 + 59.0 / 60.0 + 59.9 / 3600.0), "29 Ari 59"},
        {FormatLongitude(0.0), "00 Ari 00"},
        // Surrounding blanks and seconds are dropped; the sign is read from the text as given,
        // so trailing blanks eat into it.
        {"  7\u00B0 59' 59\" Cap", "07 Cap 59"},
        {"7\u00B0 59' 59\" Cap ", "07 ap 59"},
        {"12\u00B0  5 ' 0\" Vir", "12 Vir 05"},
        // Without separators only the sign survives; the empty parts read as "0".
        {"", "0  0"},
        {"Leo", "0 Leo 0"},
        {"12\u00B0 Leo", "12 Leo 0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompactPlacement(c.longText), c.compact) << c.longText;
    }
}

TEST(PlacementOf, ALongitudeGivesTheValueOfItsCompactLongText) {
    // The placement table and the Moon skip the long text; it must not matter, neither for the
    // text nor for the numbers beside it, which must be those the text holds.
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    std::vector<double> longitudes = {0.0,    -0.0,  1e-12,     29.999999999, 30.0,      59.99999,
                                      329.5,  360.0, 359.99999, 361.25,       725.0,     -14.5,
                                      -360.0, 1e300, kNaN,      kInfinity,    -kInfinity};
    for (double x = -400.0; x < 800.0; x += 0.0123457) {
        longitudes.push_back(x);
    }
    for (int sign = -13; sign <= 25; ++sign) {
        const double boundary = 30.0 * sign;
        longitudes.push_back(boundary);
        longitudes.push_back(std::nextafter(boundary, -1e9));
        longitudes.push_back(std::nextafter(boundary, 1e9));
        longitudes.push_back(boundary + 59.0 / 60.0 + 59.999 / 3600.0);
    }
    for (double x : longitudes) {
        const std::string compact = CompactPlacement(FormatLongitude(x));
        const Placement placement = PlacementOf(x);
        EXPECT_EQ(placement, Placement::FromText(compact)) << x;
        EXPECT_EQ(placement.sign(), SignIndexOf(compact).value_or(Placement::kNoSign)) << x;
    }
    // Worked by hand: 346.25° is 16° 15' of Pisces; 360 and more, and no number, have no sign.
    EXPECT_EQ(PlacementOf(346.25), "16 Pis 15");
    EXPECT_EQ(PlacementOf(346.25).sign(), 11);
    EXPECT_FALSE(PlacementOf(360.0).hasSign());
    EXPECT_EQ(PlacementOf(kNaN), "0  0");
    EXPECT_FALSE(PlacementOf(kNaN).hasSign());
}

TEST(Placement, NumbersOnlyWhereTheTextHoldsThem) {
    const Placement full = Placement::FromText("05 Tau 07");
    EXPECT_EQ(full, Placement::InSign(1, 5, 7));
    EXPECT_EQ(full.text(), "05 Tau 07");
    EXPECT_EQ(full.minutes(), 7);
    // No text (no calculation yet) and a text without a sign: neither sign nor degrees.
    for (const Placement odd : {Placement{}, Placement::FromText("05 Xyz 07")}) {
        EXPECT_FALSE(odd.hasSign()) << odd.text();
        EXPECT_FALSE(odd.hasDegrees()) << odd.text();
    }
    EXPECT_EQ(Placement{}, Placement::FromText(""));
    // A sign without two-digit degrees or in a longer text: the sign only.
    for (const char* text : {"0x Pis 41", "12 Leo 0", "12 Leo 05 "}) {
        const Placement odd = Placement::FromText(text);
        EXPECT_EQ(odd.sign(), SignIndexOf(text).value()) << text;
        EXPECT_FALSE(odd.hasDegrees()) << text;
    }
    EXPECT_EQ(Placement::FromText("0123456789abcdefgh").text(), "0123456789abcde");
}

} // namespace
} // namespace kovrel::test
