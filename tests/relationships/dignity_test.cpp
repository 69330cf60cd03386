#include "Examples.h"
#include "relationships/Dignity.h"
#include "relationships/RelationTexts.h"
#include "relationships/RelationshipRules.h"

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

using enum Planet;

std::string DignityTextIn(const Placements& placements, Planet planet) {
    const std::optional<Dignity> dignity =
        DignityOf(placements, RelationshipsOf(placements), planet);
    return dignity ? DignityText(*dignity) : "(none)";
}

TEST(Dignity, AnnsReadingFromItsOwnCompoundRelations) {
    // Ann's worked placements and compound grid; each planet's relation towards the lord of its
    // sign read off that grid by hand (Mars is exalted in Capricorn).
    const Relationships relationships{NaturalLists(), TemporaryLists(kAnnPlacements), kAnnCompound};
    const std::array<const char*, kPlanetCount> expected = {
        "in a Great Friend's sign", // Sun in Jupiter's Pisces
        "in a Friend's sign",       // Moon in Venus' Libra
        "in a Friend's sign",       // Mercury in Saturn's Aquarius
        "in a Great Friend's sign", // Venus in Saturn's Capricorn
        "exalted",                  // Mars in Capricorn
        "in a Great Enemy's sign",  // Jupiter in Mercury's Gemini
        "in an Enemy's sign",       // Saturn in Jupiter's Sagittarius
    };
    for (const Planet planet : kPlanets) {
        EXPECT_EQ(DignityText(*DignityOf(kAnnPlacements, relationships, planet)),
                  expected[Index(planet)])
            << PlanetName(planet);
    }
}

TEST(Dignity, ExaltationComesBeforeOwnSignAndTheFallIsOppositeIt) {
    // The classical exaltations and lordships: the Moon is exalted in Taurus and falls in
    // Scorpio; Mercury is exalted in its own Virgo; the Sun rules Leo, Saturn Aquarius.
    const Placements placements = PlacementsOf({"10 Leo 00", "03 Tau 00", "15 Vir 00", "20 Vir 00",
                                                "01 Can 00", "05 Cap 00", "07 Aqu 00"});
    EXPECT_EQ(DignityTextIn(placements, Sun), "own sign");
    EXPECT_EQ(DignityTextIn(placements, Moon), "exalted");
    EXPECT_EQ(DignityTextIn(placements, Mercury), "exalted");
    EXPECT_EQ(DignityTextIn(placements, Venus), "debilitated");   // Venus falls in Virgo
    EXPECT_EQ(DignityTextIn(placements, Mars), "debilitated");    // Mars falls in Cancer
    EXPECT_EQ(DignityTextIn(placements, Jupiter), "debilitated"); // Jupiter falls in Capricorn
    EXPECT_EQ(DignityTextIn(placements, Saturn), "own sign");

    Placements moonInScorpio = placements;
    moonInScorpio[Index(Moon)] = Placement::InSign(7, 3, 0);
    EXPECT_EQ(DignityTextIn(moonInScorpio, Moon), "debilitated");
    // No placement yet, no dignity.
    EXPECT_EQ(DignityOf(Placements{}, RelationshipsOf(Placements{}), Sun), std::nullopt);
}

} // namespace
} // namespace kovrel::test
