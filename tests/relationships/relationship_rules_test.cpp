#include "Examples.h"
#include "common/Signs.h"
#include "relationships/RelationTexts.h"
#include "relationships/RelationshipRules.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kovrel::test {
namespace {

using enum Planet;

// One cell of the compound table.
CompoundKind CompoundCell(const Placements& placements, Planet a, Planet b) {
    return ComputeRelationships(placements)[Index(a)][Index(b)];
}
constexpr int Ari = 0, Tau = 1, Gem = 2, Can = 3, Leo = 4, Vir = 5, Lib = 6, Sco = 7, Sag = 8,
              Cap = 9, Aqu = 10, Pis = 11;

// Placements with the given signs; degrees and minutes play no part in the rules, so they are
// varied only to show that.
Placements InSigns(std::array<int, kPlanetCount> signs) {
    Placements placements;
    for (std::size_t k = 0; k < placements.size(); ++k) {
        placements[k] = Placement::InSign(signs[k], k % 2 ? 29 : 3, 40 + static_cast<int>(k));
    }
    return placements;
}

TEST(SignIndex, FromCharactersFourToSix) {
    EXPECT_EQ(SignIndexOf("05 Tau 07"), 1);
    EXPECT_EQ(SignIndexOf("16 Pis 15"), 11);
    EXPECT_EQ(SignIndexOf("00 Ari 00"), 0);
    for (const char* unknown : {"05 tau 07", "", "05 Ta"}) { // exact and case-sensitive
        EXPECT_EQ(SignIndexOf(unknown), std::nullopt) << unknown;
    }
}

TEST(HouseFrom, CountsFromTheRowPlanetsSignWrappingRound) {
    const Placements p = InSigns({Cap, Ari, Ari, Pis, Lib, Cap, Can});
    EXPECT_EQ(HouseFrom(p, Sun, Sun), 1);
    EXPECT_EQ(HouseFrom(p, Sun, Jupiter), 1);
    EXPECT_EQ(HouseFrom(p, Sun, Moon), 4); // Cap 1, Aqu 2, Pis 3, Ari 4
    EXPECT_EQ(HouseFrom(p, Moon, Sun), 10);
    EXPECT_EQ(HouseFrom(p, Moon, Venus), 12); // Ari to Pis
    EXPECT_EQ(HouseFrom(p, Venus, Moon), 2);
    EXPECT_EQ(HouseFrom(p, Moon, Mars), 7);
    EXPECT_EQ(TemporaryRelation(p, Sun, Moon), TemporaryKind::Friend);
    EXPECT_EQ(TemporaryRelation(p, Moon, Sun), TemporaryKind::Friend);
    EXPECT_EQ(TemporaryRelation(p, Moon, Venus), TemporaryKind::Friend);
}

TEST(HouseFrom, EveryPairOfSignsAndTheMutualTemporaryRelation) {
    for (int a = 0; a < 12; ++a) {
        for (int b = 0; b < 12; ++b) {
            const Placements p = InSigns({a, b, a, a, a, a, a});
            const int house = HouseFrom(p, Sun, Moon);
            EXPECT_EQ((a + house - 1) % 12, b);
            EXPECT_EQ(HouseFrom(p, Moon, Sun), (14 - house - 1) % 12 + 1);
            EXPECT_EQ(TemporaryRelation(p, Sun, Moon), TemporaryRelation(p, Moon, Sun));
        }
    }
}

TEST(HouseFrom, PlacementWithoutSignHasNoHouseAndNoRelation) {
    Placements p = InSigns({Ari, Tau, Gem, Can, Leo, Vir, Lib});
    p[Index(Moon)] = Placement{};
    p[Index(Venus)] = Placement::FromText("05 Xyz 07");
    EXPECT_EQ(HouseFrom(p, Sun, Moon), 0);
    EXPECT_EQ(HouseFrom(p, Moon, Sun), 0);
    EXPECT_EQ(HouseFrom(p, Moon, Moon), 0);
    EXPECT_EQ(HouseFrom(p, Venus, Sun), 0);
    EXPECT_EQ(TemporaryRelation(p, Sun, Moon), TemporaryKind::None);
    EXPECT_EQ(CompoundCell(p, Sun, Moon), CompoundKind::Neutral);
    EXPECT_EQ(CompoundCell(p, Venus, Saturn), CompoundKind::Neutral);
    const auto lists = TemporaryLists(p);
    EXPECT_TRUE(lists.friends[Index(Moon)].empty());
    EXPECT_TRUE(lists.enemies[Index(Moon)].empty());
    // Sun in Ari: Mercury 3, Mars 5, Jupiter 6, Saturn 7; Moon and Venus are not listed.
    EXPECT_EQ(ListText(lists.friends[Index(Sun)]), "Mercury");
    EXPECT_EQ(ListText(lists.enemies[Index(Sun)]), "Mars/ Jupiter/ Saturn");
}

TEST(TemporaryRelation, ByHouse) {
    for (int house = 1; house <= 12; ++house) {
        const Placements p = InSigns({Leo, (Leo + house - 1) % 12, Leo, Leo, Leo, Leo, Leo});
        const TemporaryKind expected = house == 1                   ? TemporaryKind::None
                                       : (house >= 5 && house <= 9) ? TemporaryKind::Enemy
                                                                    : TemporaryKind::Friend;
        EXPECT_EQ(TemporaryRelation(p, Sun, Moon), expected) << "house " << house;
    }
}

TEST(NaturalLists, PanelTextsInTableOrder) {
    const RelationLists& lists = NaturalLists();
    const std::array<std::array<const char*, 3>, kPlanetCount> rows = {{
        // friends, neutrals, enemies
        {"Moon/ Mars/ Jupiter", "Mercury", "Venus/ Saturn"},
        {"Sun/ Mercury", "Mars/ Jupiter/ Venus/ Saturn", ""},
        {"Sun/ Venus", "Mars/ Jupiter/ Saturn", "Moon"},
        {"Mercury/ Saturn", "Mars/ Jupiter", "Sun/ Moon"},
        {"Sun/ Moon/ Jupiter", "Venus/ Saturn", "Mercury"},
        {"Sun/ Moon/ Mars", "Saturn", "Mercury/ Venus"},
        {"Mercury/ Venus", "Jupiter", "Sun/ Moon/ Mars"},
    }};
    for (std::size_t a = 0; a < kPlanetCount; ++a) {
        SCOPED_TRACE(PlanetNames[a].text());
        EXPECT_EQ(ListText(lists.friends[a]), rows[a][0]);
        EXPECT_EQ(ListText(lists.neutrals[a]), rows[a][1]);
        EXPECT_EQ(ListText(lists.enemies[a]), rows[a][2]);
    }
}

// The lookup the compound cells use must say what the table (checked above as texts) says.
TEST(NaturalRelation, AgreesWithTheTable) {
    const auto& table = NaturalRelationships();
    const auto contains = [](const std::vector<std::string_view>& list, std::string_view name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (int a = 0; a < kPlanetCount; ++a) {
        const auto& row = table[static_cast<std::size_t>(a)];
        EXPECT_EQ(row.planet, PlanetNames[static_cast<std::size_t>(a)].text());
        for (int b = 0; b < kPlanetCount; ++b) {
            const std::string_view name = PlanetNames[static_cast<std::size_t>(b)].text();
            if (a != b) {
                EXPECT_EQ(NaturalRelation(Planet(a), Planet(b)),
                          contains(row.friends, name)   ? NaturalKind::Friend
                          : contains(row.enemies, name) ? NaturalKind::Enemy
                                                        : NaturalKind::Neutral)
                    << row.planet << " toward " << name;
            }
        }
    }
}

TEST(CompoundRelation, AllSixCombinations) {
    // Sun in Ari; Moon (natural friend), Mercury (neutral) and Venus (enemy) as temporary friends
    // in houses 2, 3, 4; then as temporary enemies in houses 5, 6, 7.
    const Placements friends = InSigns({Ari, Tau, Gem, Can, Ari, Ari, Ari});
    EXPECT_EQ(CompoundCell(friends, Sun, Moon), CompoundKind::GreatFriend);
    EXPECT_EQ(CompoundCell(friends, Sun, Mercury), CompoundKind::Friend);
    EXPECT_EQ(CompoundCell(friends, Sun, Venus), CompoundKind::Neutral);
    const Placements enemies = InSigns({Ari, Leo, Vir, Lib, Ari, Ari, Ari});
    EXPECT_EQ(CompoundCell(enemies, Sun, Moon), CompoundKind::Neutral);
    EXPECT_EQ(CompoundCell(enemies, Sun, Mercury), CompoundKind::Enemy);
    EXPECT_EQ(CompoundCell(enemies, Sun, Venus), CompoundKind::GreatEnemy);
}

TEST(CompoundRelation, SameSignIsNeutralWhateverTheNaturalRelation) {
    // The Sun counts Venus a natural enemy and Jupiter a friend.
    const Placements p = InSigns({Vir, Ari, Ari, Vir, Ari, Vir, Ari});
    EXPECT_EQ(TemporaryRelation(p, Sun, Venus), TemporaryKind::None);
    for (const auto& [a, b] :
         {std::pair{Sun, Venus}, {Venus, Sun}, {Sun, Jupiter}, {Jupiter, Sun}}) {
        EXPECT_EQ(CompoundCell(p, a, b), CompoundKind::Neutral)
            << PlanetName(a) << " toward " << PlanetName(b);
    }
}

TEST(CompoundRelation, OneSidedNaturalRelations) {
    // The Sun and Mercury as temporary friends (Mercury in the Sun's second sign).
    const Placements p = InSigns({Sag, Ari, Cap, Ari, Ari, Ari, Ari});
    EXPECT_EQ(CompoundCell(p, Sun, Mercury), CompoundKind::Friend);
    EXPECT_EQ(CompoundCell(p, Mercury, Sun), CompoundKind::GreatFriend);
}

TEST(CompoundRelation, SeventhSignIsEnemyBothWays) {
    const Placements p = InSigns({Ari, Lib, Ari, Ari, Ari, Ari, Ari});
    EXPECT_EQ(TemporaryRelation(p, Sun, Moon), TemporaryKind::Enemy);
    EXPECT_EQ(TemporaryRelation(p, Moon, Sun), TemporaryKind::Enemy);
    EXPECT_EQ(CompoundCell(p, Sun, Moon), CompoundKind::Neutral); // natural friend
    EXPECT_EQ(CompoundCell(p, Moon, Sun), CompoundKind::Neutral);
}

TEST(CompoundRelation, MoonRowNeverGreatEnemyButCanBeEnemy) {
    bool sawEnemy = false;
    for (int moonSign = 0; moonSign < 12; ++moonSign) {
        for (int otherSign = 0; otherSign < 12; ++otherSign) {
            for (int b = 0; b < kPlanetCount; ++b) {
                std::array<int, kPlanetCount> signs{};
                signs.fill(moonSign);
                signs[static_cast<std::size_t>(b)] = otherSign;
                signs[Index(Moon)] = moonSign;
                const CompoundKind cell = CompoundCell(InSigns(signs), Moon, Planet(b));
                EXPECT_NE(cell, CompoundKind::GreatEnemy);
                sawEnemy = sawEnemy || cell == CompoundKind::Enemy;
            }
        }
    }
    EXPECT_TRUE(sawEnemy);
}

// The five-fold rule as the books state it: a temporary friend raises the natural relation by
// one step, a temporary enemy lowers it by one; without a temporary relation all is Neutral.
CompoundKind RuleOf(TemporaryKind temporary, NaturalKind natural) {
    using enum CompoundKind;
    if (temporary == TemporaryKind::Friend) {
        return natural == NaturalKind::Friend    ? GreatFriend
               : natural == NaturalKind::Neutral ? Friend
                                                 : Neutral;
    }
    if (temporary == TemporaryKind::Enemy) {
        return natural == NaturalKind::Friend    ? Neutral
               : natural == NaturalKind::Neutral ? Enemy
                                                 : GreatEnemy;
    }
    return Neutral;
}

TEST(ComputeRelationships, EveryCellIsItsCompoundRelationAndTheDiagonalNeutral) {
    const Placements p = InSigns({Pis, Lib, Aqu, Cap, Cap, Gem, Sag});
    const CompoundTable table = ComputeRelationships(p);
    for (int a = 0; a < kPlanetCount; ++a) {
        const auto& row = table[static_cast<std::size_t>(a)];
        EXPECT_EQ(row[static_cast<std::size_t>(a)], CompoundKind::Neutral);
        for (int b = 0; b < kPlanetCount; ++b) {
            EXPECT_EQ(row[static_cast<std::size_t>(b)],
                      RuleOf(TemporaryRelation(p, Planet(a), Planet(b)),
                             NaturalRelation(Planet(a), Planet(b))));
        }
    }
    // A second chart replaces every cell.
    CompoundTable again = table;
    ComputeRelationships(InSigns({Ari, Ari, Ari, Ari, Ari, Ari, Ari}), again);
    for (const auto& cells : again) {
        for (const auto& cell : cells) {
            EXPECT_EQ(cell, CompoundKind::Neutral);
        }
    }
}

TEST(TemporaryLists, HouseOrderThenPlanetOrder) {
    // Moon in Ari; Saturn in its 2nd sign, Sun and Mercury in its 3rd.
    const RelationLists lists = TemporaryLists(InSigns({Gem, Ari, Gem, Lib, Sag, Ari, Tau}));
    EXPECT_EQ(ListText(lists.friends[Index(Moon)]), "Saturn/ Sun/ Mercury");
    EXPECT_EQ(ListText(lists.enemies[Index(Moon)]), "Venus/ Mars");
}

TEST(TemporaryLists, ElevenAndTwelveComeAfterTwoToFourAndNeutralsStayEmpty) {
    // Sun in Leo: Venus in house 12, Moon in 11, Mercury in 2, Saturn in 4; no enemies.
    const RelationLists lists = TemporaryLists(InSigns({Leo, Gem, Vir, Can, Leo, Leo, Sco}));
    EXPECT_EQ(ListText(lists.friends[Index(Sun)]), "Mercury/ Saturn/ Moon/ Venus");
    EXPECT_TRUE(lists.enemies[Index(Sun)].empty());
    for (const auto& cell : lists.neutrals) {
        EXPECT_TRUE(cell.empty());
    }
}

TEST(TemporaryLists, AllInOneSignListsNothing) {
    const RelationLists lists = TemporaryLists(InSigns({Sco, Sco, Sco, Sco, Sco, Sco, Sco}));
    for (std::size_t a = 0; a < kPlanetCount; ++a) {
        EXPECT_TRUE(lists.friends[a].empty());
        EXPECT_TRUE(lists.enemies[a].empty());
    }
}

} // namespace
} // namespace kovrel::test
