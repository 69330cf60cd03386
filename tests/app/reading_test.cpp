#include "Examples.h"
#include "app/Reading.h"
#include "ephemeris/FormatLongitude.h"

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

TEST(WholeReading, NewDelhi1990) {
    const Reading reading = ComputeReading(AnnDetails());
    EXPECT_NEAR(reading.Ayanamsa, kAnnAyanamsa, 5e-6);
    EXPECT_EQ(reading.MoonLongitudeText, kAnnMoon);
    EXPECT_EQ(reading.PlanetPlacements, kAnnPlacements); // Pis Lib Aqu Cap Cap Gem Sag
    EXPECT_EQ(reading.relationships.compound, kAnnCompound);

    // Worked example: the temporary Sun and Moon rows.
    const RelationLists& temporary = reading.relationships.temporary;
    EXPECT_EQ(temporary, TemporaryLists(reading.PlanetPlacements));
    EXPECT_EQ(ListText(temporary.friends[0]), "Jupiter/ Saturn/ Venus/ Mars/ Mercury");
    EXPECT_EQ(ListText(temporary.enemies[0]), "Moon");
    EXPECT_EQ(ListText(temporary.friends[1]), "Saturn/ Venus/ Mars");
    EXPECT_EQ(ListText(temporary.enemies[1]), "Mercury/ Sun/ Jupiter");
    EXPECT_EQ(reading.relationships.natural, NaturalLists());
}

TEST(WholeReading, FirstOfJanuary2000AtGreenwich) {
    const Reading reading = ComputeReading(J2000Noon());
    EXPECT_NEAR(reading.Ayanamsa, -23.85399, 5e-6);                // worked example
    EXPECT_EQ(reading.MoonLongitudeText, "19\u00B0 27' 44\" Lib"); // worked example
    // The Moon's number, its text and its placement say the same: 19° 27' 44" of Libra.
    EXPECT_NEAR(reading.MoonLongitude, 199.0 + 27.0 / 60.0 + 44.5 / 3600.0, 0.5 / 3600.0);
    EXPECT_EQ(reading.MoonLongitudeText, FormatLongitude(reading.MoonLongitude));
    EXPECT_EQ(reading.PlanetPlacements[Index(Planet::Moon)], PlacementOf(reading.MoonLongitude));
    EXPECT_EQ(reading.PlanetPlacements, kJ2000Placements);
    EXPECT_EQ(reading.relationships.compound, ComputeRelationships(kJ2000Placements));
}

TEST(WholeReading, DaylightSavingMovesOnlyTheMoonAndAyanamsaRoute) {
    BirthDetails birth = AnnDetails();
    birth.DstFlag = true;
    const Reading dst = ComputeReading(birth);
    EXPECT_NE(dst.Ayanamsa, kAnnAyanamsa);
    EXPECT_NE(dst.MoonLongitudeText, kAnnMoon);
    for (std::size_t k = 0; k < kPlanetCount; ++k) {
        if (k != 1) {
            EXPECT_EQ(dst.PlanetPlacements[k], kAnnPlacements[k]) << PlanetNames[k].text();
        }
    }
}

TEST(WholeReading, UnformableDateKeepsThePreviousPlacements) {
    const Reading first = ComputeReading(AnnDetails());
    const Reading second = ComputeReading(BirthAt(2001, 2, 29, 6, 0), first);
    // Ayanamsa and Moon are formed on their own route and are replaced; the placements stay,
    // and the table is read again from them.
    EXPECT_EQ(second.PlanetPlacements, first.PlanetPlacements);
    EXPECT_EQ(second.relationships, first.relationships);
    // The day past the month's end counts on for the Moon's route: 1 March 2001.
    const Reading march = ComputeReading(BirthAt(2001, 3, 1, 6, 0));
    EXPECT_EQ(second.MoonLongitudeText, march.MoonLongitudeText);
    EXPECT_DOUBLE_EQ(second.Ayanamsa, march.Ayanamsa);
}

TEST(WholeReading, FirstCalculationThatCannotFormItsDate) {
    const Reading reading = ComputeReading(BirthAt(1990, 4, 31, 6, 0));
    EXPECT_EQ(reading.PlanetPlacements, Placements{});
    // Empty placements have no sign and so relate to nothing.
    for (const auto& row : reading.relationships.compound) {
        for (const auto& cell : row) {
            EXPECT_EQ(cell, CompoundKind::Neutral);
        }
    }
    for (const PlanetList& cell : reading.relationships.temporary.friends) {
        EXPECT_TRUE(cell.empty());
    }
    EXPECT_FALSE(reading.MoonLongitudeText.empty());
}

TEST(WholeReading, SecondCalculationReplacesEverything) {
    const Reading second = ComputeReading(J2000Noon(), ComputeReading(AnnDetails()));
    EXPECT_EQ(second.PlanetPlacements, kJ2000Placements);
    EXPECT_EQ(second.relationships, RelationshipsOf(kJ2000Placements));
}

TEST(WholeReading, HourTwentyFourReadsAsMidnightOfTheNextDay) {
    const Reading late = ComputeReading(BirthAt(1999, 12, 31, 24, 30));
    const Reading early = ComputeReading(BirthAt(2000, 1, 1, 0, 30));
    EXPECT_EQ(late.PlanetPlacements, early.PlanetPlacements);
    EXPECT_EQ(late.MoonLongitudeText, early.MoonLongitudeText);
}

} // namespace
} // namespace kovrel::test
