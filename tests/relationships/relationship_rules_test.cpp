#include "app/TimeZoneCatalog.h"
#include "relationships/RelationshipRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kovrel {
namespace {

enum : int { Sun = 0, Moon, Mercury, Venus, Mars, Jupiter, Saturn };

// Placements with the given signs (sign indices 0..11, Aries first); degrees and minutes play no
// part in the rules, so they are varied only to show that.
Placements InSigns(std::array<int, kPlanetCount> signs) {
    Placements placements;
    for (std::size_t k = 0; k < placements.size(); ++k) {
        placements[k] = (k % 2 ? "29 " : "03 ") +
                        std::string(SignAbbreviations[static_cast<std::size_t>(signs[k])]) + " 4" +
                        std::to_string(k);
    }
    return placements;
}

constexpr int Ari = 0, Tau = 1, Gem = 2, Can = 3, Leo = 4, Vir = 5, Lib = 6, Sco = 7, Sag = 8,
              Cap = 9, Aqu = 10, Pis = 11;

// ---------------------------------------------------------------- sign and house

TEST(SignIndex, FromCharactersFourToSix) {
    EXPECT_EQ(SignIndexOf("05 Tau 07"), 1);
    EXPECT_EQ(SignIndexOf("16 Pis 15"), 11);
    EXPECT_EQ(SignIndexOf("00 Ari 00"), 0);
    EXPECT_EQ(SignIndexOf("05 tau 07"), std::nullopt); // exact, case-sensitive
    EXPECT_EQ(SignIndexOf(""), std::nullopt);
    EXPECT_EQ(SignIndexOf("05 Ta"), std::nullopt);
}

TEST(HouseFrom, CountsFromTheRowPlanetsSign) {
    const Placements p = InSigns({Cap, Ari, Ari, Pis, Lib, Cap, Can});
    EXPECT_EQ(HouseFrom(p, Sun, Sun), 1);
    EXPECT_EQ(HouseFrom(p, Sun, Jupiter), 1); // same sign
    // Wrapping: Cap 1, Aqu 2, Pis 3, Ari 4 and back.
    EXPECT_EQ(HouseFrom(p, Sun, Moon), 4);
    EXPECT_EQ(HouseFrom(p, Moon, Sun), 10);
    EXPECT_EQ(HouseFrom(p, Moon, Venus), 12); // Ari to Pis
    EXPECT_EQ(HouseFrom(p, Venus, Moon), 2);
    EXPECT_EQ(HouseFrom(p, Moon, Mars), 7);
    EXPECT_EQ(HouseFrom(p, Sun, Saturn), 7);
}

TEST(HouseFrom, EveryPairOfSigns) {
    for (int a = 0; a < 12; ++a) {
        for (int b = 0; b < 12; ++b) {
            const Placements p = InSigns({a, b, a, a, a, a, a});
            const int house = HouseFrom(p, Sun, Moon);
            EXPECT_GE(house, 1);
            EXPECT_LE(house, 12);
            EXPECT_EQ((a + house - 1) % 12, b);
            // House h from A is house 14 - h (within 1..12) from B.
            EXPECT_EQ(HouseFrom(p, Moon, Sun), (14 - house - 1) % 12 + 1);
            // The temporary relation is always mutual.
            EXPECT_EQ(TemporaryRelation(p, Sun, Moon), TemporaryRelation(p, Moon, Sun));
        }
    }
}

TEST(HouseFrom, PlacementWithoutSignHasNoHouse) {
    Placements p = InSigns({Ari, Tau, Gem, Can, Leo, Vir, Lib});
    p[Moon] = "";
    p[Venus] = "05 Xyz 07";
    EXPECT_EQ(HouseFrom(p, Sun, Moon), 0);
    EXPECT_EQ(HouseFrom(p, Moon, Sun), 0);
    EXPECT_EQ(HouseFrom(p, Moon, Moon), 0);
    EXPECT_EQ(HouseFrom(p, Venus, Sun), 0);
    EXPECT_EQ(TemporaryRelation(p, Sun, Moon), TemporaryKind::None);
    EXPECT_EQ(CompoundRelation(p, Sun, Moon), "Neutral");
    EXPECT_EQ(CompoundRelation(p, Venus, Saturn), "Neutral");
    const auto lists = TemporaryLists(p);
    EXPECT_EQ(lists.friends[Moon], "");
    EXPECT_EQ(lists.enemies[Moon], "");
    // Sun in Ari: Mercury 3, Mars 5, Jupiter 6, Saturn 7; Moon and Venus are not listed.
    EXPECT_EQ(lists.friends[Sun], "Mercury");
    EXPECT_EQ(lists.enemies[Sun], "Mars/ Jupiter/ Saturn");
}

// ---------------------------------------------------------------- temporary relation

TEST(TemporaryRelation, ByHouse) {
    for (int house = 1; house <= 12; ++house) {
        const Placements p = InSigns({Leo, (Leo + house - 1) % 12, Leo, Leo, Leo, Leo, Leo});
        const TemporaryKind expected = house == 1                   ? TemporaryKind::None
                                       : (house >= 5 && house <= 9) ? TemporaryKind::Enemy
                                                                    : TemporaryKind::Friend;
        EXPECT_EQ(TemporaryRelation(p, Sun, Moon), expected) << "house " << house;
    }
}

TEST(TemporaryRelation, SameSignIsNoRelationWhateverTheNaturalOne) {
    // The Sun counts Venus a natural enemy and Jupiter a friend; in one sign both read Neutral.
    const Placements p = InSigns({Vir, Ari, Ari, Vir, Ari, Vir, Ari});
    EXPECT_EQ(TemporaryRelation(p, Sun, Venus), TemporaryKind::None);
    EXPECT_EQ(CompoundRelation(p, Sun, Venus), "Neutral");
    EXPECT_EQ(CompoundRelation(p, Venus, Sun), "Neutral");
    EXPECT_EQ(CompoundRelation(p, Sun, Jupiter), "Neutral");
    EXPECT_EQ(CompoundRelation(p, Jupiter, Sun), "Neutral");
}

// ---------------------------------------------------------------- natural relation

TEST(NaturalRelationships, EveryRowNamesTheOtherSixOnce) {
    const auto& table = NaturalRelationships();
    for (std::size_t a = 0; a < table.size(); ++a) {
        EXPECT_EQ(table[a].planet, PlanetNames[a]);
        std::multiset<std::string_view> named;
        named.insert(table[a].friends.begin(), table[a].friends.end());
        named.insert(table[a].neutrals.begin(), table[a].neutrals.end());
        named.insert(table[a].enemies.begin(), table[a].enemies.end());
        EXPECT_EQ(named.size(), 6u);
        for (std::size_t b = 0; b < PlanetNames.size(); ++b) {
            EXPECT_EQ(named.count(PlanetNames[b]), a == b ? 0u : 1u) << table[a].planet;
        }
        EXPECT_LE(table[a].friends.size(), 3u);
        EXPECT_LE(table[a].neutrals.size(), 4u);
        EXPECT_LE(table[a].enemies.size(), 3u);
    }
}

TEST(NaturalRelationships, LookupAgreesWithTheLists) {
    const auto& table = NaturalRelationships();
    auto contains = [](const std::vector<std::string_view>& list, std::string_view name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (int a = 0; a < kPlanetCount; ++a) {
        for (int b = 0; b < kPlanetCount; ++b) {
            if (a == b) {
                continue;
            }
            const auto& row = table[static_cast<std::size_t>(a)];
            const std::string_view name = PlanetNames[static_cast<std::size_t>(b)];
            const NaturalKind expected = contains(row.friends, name)   ? NaturalKind::Friend
                                         : contains(row.enemies, name) ? NaturalKind::Enemy
                                                                       : NaturalKind::Neutral;
            EXPECT_EQ(NaturalRelation(a, b), expected) << row.planet << " toward " << name;
        }
    }
}

TEST(NaturalRelationships, OneSided) {
    EXPECT_EQ(NaturalRelation(Sun, Mercury), NaturalKind::Neutral);
    EXPECT_EQ(NaturalRelation(Mercury, Sun), NaturalKind::Friend);
    EXPECT_EQ(NaturalRelation(Mercury, Moon), NaturalKind::Enemy);
    EXPECT_EQ(NaturalRelation(Moon, Mercury), NaturalKind::Friend);
    for (int b = 0; b < kPlanetCount; ++b) {
        EXPECT_NE(NaturalRelation(Moon, b), NaturalKind::Enemy);
    }
}

TEST(NaturalLists, PanelTextsInTableOrder) {
    const RelationLists lists = NaturalLists();
    const std::array<const char*, 7> friends = {
        "Moon/ Mars/ Jupiter", "Sun/ Mercury",    "Sun/ Venus",    "Mercury/ Saturn",
        "Sun/ Moon/ Jupiter",  "Sun/ Moon/ Mars", "Mercury/ Venus"};
    const std::array<const char*, 7> neutrals = {"Mercury",
                                                 "Mars/ Jupiter/ Venus/ Saturn",
                                                 "Mars/ Jupiter/ Saturn",
                                                 "Mars/ Jupiter",
                                                 "Venus/ Saturn",
                                                 "Saturn",
                                                 "Jupiter"};
    const std::array<const char*, 7> enemies = {
        "Venus/ Saturn", "", "Moon", "Sun/ Moon", "Mercury", "Mercury/ Venus", "Sun/ Moon/ Mars"};
    for (std::size_t a = 0; a < 7; ++a) {
        EXPECT_EQ(lists.friends[a], friends[a]) << PlanetNames[a];
        EXPECT_EQ(lists.neutrals[a], neutrals[a]) << PlanetNames[a];
        EXPECT_EQ(lists.enemies[a], enemies[a]) << PlanetNames[a];
    }
}

// ---------------------------------------------------------------- compound relation

TEST(CompoundRelation, AllSixCombinations) {
    // Sun in Ari; Moon (natural friend), Mercury (neutral) and Venus (enemy) as temporary friends
    // in houses 2, 3, 4; then as temporary enemies in houses 5, 6, 7.
    const Placements friends = InSigns({Ari, Tau, Gem, Can, Ari, Ari, Ari});
    EXPECT_EQ(CompoundRelation(friends, Sun, Moon), "Great Friend");
    EXPECT_EQ(CompoundRelation(friends, Sun, Mercury), "Friend");
    EXPECT_EQ(CompoundRelation(friends, Sun, Venus), "Neutral");
    const Placements enemies = InSigns({Ari, Leo, Vir, Lib, Ari, Ari, Ari});
    EXPECT_EQ(CompoundRelation(enemies, Sun, Moon), "Neutral");
    EXPECT_EQ(CompoundRelation(enemies, Sun, Mercury), "Enemy");
    EXPECT_EQ(CompoundRelation(enemies, Sun, Venus), "Great Enemy");
}

TEST(CompoundRelation, OneSidedNaturalRelations) {
    // The Sun and Mercury as temporary friends (Mercury in the Sun's second sign).
    const Placements p = InSigns({Sag, Ari, Cap, Ari, Ari, Ari, Ari});
    EXPECT_EQ(CompoundRelation(p, Sun, Mercury), "Friend");
    EXPECT_EQ(CompoundRelation(p, Mercury, Sun), "Great Friend");
}

TEST(CompoundRelation, SeventhSignIsEnemyBothWays) {
    const Placements p = InSigns({Ari, Lib, Ari, Ari, Ari, Ari, Ari});
    EXPECT_EQ(TemporaryRelation(p, Sun, Moon), TemporaryKind::Enemy);
    EXPECT_EQ(TemporaryRelation(p, Moon, Sun), TemporaryKind::Enemy);
    EXPECT_EQ(CompoundRelation(p, Sun, Moon), "Neutral"); // natural friend
    EXPECT_EQ(CompoundRelation(p, Moon, Sun), "Neutral");
}

TEST(CompoundRelation, MoonRowNeverGreatEnemyButCanBeEnemy) {
    bool sawEnemy = false;
    for (int moonSign = 0; moonSign < 12; ++moonSign) {
        for (int otherSign = 0; otherSign < 12; ++otherSign) {
            for (int b = 0; b < kPlanetCount; ++b) {
                std::array<int, kPlanetCount> signs{};
                signs.fill(moonSign);
                signs[static_cast<std::size_t>(b)] = otherSign;
                signs[Moon] = moonSign;
                const std::string_view cell = CompoundRelation(InSigns(signs), Moon, b);
                EXPECT_NE(cell, "Great Enemy");
                sawEnemy = sawEnemy || cell == "Enemy";
            }
        }
    }
    EXPECT_TRUE(sawEnemy);
}

TEST(ComputeRelationships, EveryCellIsItsCompoundRelation) {
    const Placements p = InSigns({Pis, Lib, Aqu, Cap, Cap, Gem, Sag});
    const CompoundTable table = ComputeRelationships(p);
    for (int a = 0; a < kPlanetCount; ++a) {
        EXPECT_EQ(table[static_cast<std::size_t>(a)][static_cast<std::size_t>(a)], "Neutral");
        for (int b = 0; b < kPlanetCount; ++b) {
            EXPECT_EQ(table[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)],
                      CompoundRelation(p, a, b));
        }
    }
}

TEST(ComputeRelationships, SecondChartReplacesEveryCell) {
    const CompoundTable first = ComputeRelationships(InSigns({Ari, Tau, Gem, Can, Leo, Vir, Lib}));
    const CompoundTable second = ComputeRelationships(InSigns({Ari, Ari, Ari, Ari, Ari, Ari, Ari}));
    for (const auto& row : second) {
        for (const auto& cell : row) {
            EXPECT_EQ(cell, "Neutral");
        }
    }
    EXPECT_NE(first, second);
    EXPECT_EQ(first[Sun][Moon], "Great Friend");
}

// ---------------------------------------------------------------- temporary lists

TEST(TemporaryLists, HouseOrderThenPlanetOrder) {
    // Moon in Ari; Saturn in its 2nd sign, Sun and Mercury in its 3rd.
    const Placements p = InSigns({Gem, Ari, Gem, Lib, Sag, Ari, Tau});
    const RelationLists lists = TemporaryLists(p);
    EXPECT_EQ(lists.friends[Moon], "Saturn/ Sun/ Mercury");
    EXPECT_EQ(lists.enemies[Moon], "Venus/ Mars");
    EXPECT_EQ(lists.neutrals[Moon], "");
}

TEST(TemporaryLists, ElevenAndTwelveComeAfterTwoToFour) {
    // Sun in Leo: Venus in house 12, Moon in 11, Mercury in 2, Saturn in 4.
    const Placements p = InSigns({Leo, Gem, Vir, Can, Leo, Leo, Sco});
    const RelationLists lists = TemporaryLists(p);
    EXPECT_EQ(lists.friends[Sun], "Mercury/ Saturn/ Moon/ Venus");
    // No temporary enemies: an empty cell.
    EXPECT_EQ(lists.enemies[Sun], "");
    for (const auto& cell : lists.neutrals) {
        EXPECT_EQ(cell, "");
    }
}

TEST(TemporaryLists, AllInOneSignListsNothing) {
    const RelationLists lists = TemporaryLists(InSigns({Sco, Sco, Sco, Sco, Sco, Sco, Sco}));
    for (std::size_t a = 0; a < kPlanetCount; ++a) {
        EXPECT_EQ(lists.friends[a], "");
        EXPECT_EQ(lists.enemies[a], "");
    }
}

} // namespace
} // namespace kovrel
