#include "relationships/RelationshipRules.h"

#include "common/Signs.h"
#include "relationships/RelationTexts.h"

namespace kovrel {

namespace {

using enum Planet;

// The classical natural relationships. The table is one-sided (the Sun counts Mercury neutral,
// Mercury counts the Sun a friend; nobody is the Moon's enemy), and the order inside each list
// is the order shown on screen.
struct NaturalLine {
    std::array<Planet, 3> friends;
    int friendCount;
    std::array<Planet, 4> neutrals;
    int neutralCount;
    std::array<Planet, 3> enemies;
    int enemyCount;
};

constexpr std::array<NaturalLine, kPlanetCount> kNatural = {{
    {{Moon, Mars, Jupiter}, 3, {Mercury}, 1, {Venus, Saturn}, 2},
    {{Sun, Mercury}, 2, {Mars, Jupiter, Venus, Saturn}, 4, {}, 0},
    {{Sun, Venus}, 2, {Mars, Jupiter, Saturn}, 3, {Moon}, 1},
    {{Mercury, Saturn}, 2, {Mars, Jupiter}, 2, {Sun, Moon}, 2},
    {{Sun, Moon, Jupiter}, 3, {Venus, Saturn}, 2, {Mercury}, 1},
    {{Sun, Moon, Mars}, 3, {Saturn}, 1, {Mercury, Venus}, 2},
    {{Mercury, Venus}, 2, {Jupiter}, 1, {Sun, Moon, Mars}, 3},
}};

// The same table as a 7 x 7 look-up; the diagonal is never consulted.
constexpr std::array<std::array<NaturalKind, kPlanetCount>, kPlanetCount> MakeNaturalMatrix() {
    std::array<std::array<NaturalKind, kPlanetCount>, kPlanetCount> matrix{};
    for (int a = 0; a < kPlanetCount; ++a) {
        auto& row = matrix[static_cast<std::size_t>(a)];
        for (auto& cell : row) {
            cell = NaturalKind::Neutral;
        }
        const NaturalLine& line = kNatural[static_cast<std::size_t>(a)];
        for (int k = 0; k < line.friendCount; ++k) {
            row[Index(line.friends[static_cast<std::size_t>(k)])] = NaturalKind::Friend;
        }
        for (int k = 0; k < line.enemyCount; ++k) {
            row[Index(line.enemies[static_cast<std::size_t>(k)])] = NaturalKind::Enemy;
        }
    }
    return matrix;
}
constexpr auto kNaturalMatrix = MakeNaturalMatrix();

template <std::size_t N>
std::vector<std::string_view> NamesOf(const std::array<Planet, N>& planets, int count) {
    std::vector<std::string_view> names;
    for (int k = 0; k < count; ++k) {
        names.push_back(PlanetName(planets[static_cast<std::size_t>(k)]));
    }
    return names;
}

// Appending to a list cell: the first name stands alone, later ones follow "/ ".
void AppendName(std::string& cell, std::string_view name) {
    if (!cell.empty()) {
        cell += kListSeparator;
    }
    cell += name;
}

// Houses 2 to 4 and 10 to 12 are friendly, 5 to 9 hostile; a planet's own house (1) holds no
// relation, and neither does a missing house (0).
constexpr std::array<TemporaryKind, 13> kTemporaryByHouse = {
    TemporaryKind::None,   TemporaryKind::None,  TemporaryKind::Friend, TemporaryKind::Friend,
    TemporaryKind::Friend, TemporaryKind::Enemy, TemporaryKind::Enemy,  TemporaryKind::Enemy,
    TemporaryKind::Enemy,  TemporaryKind::Enemy, TemporaryKind::Friend, TemporaryKind::Friend,
    TemporaryKind::Friend};

TemporaryKind TemporaryFromHouse(int house) {
    return kTemporaryByHouse[static_cast<std::size_t>(house)];
}

enum CompoundIndex : int { kGreatFriend = 0, kFriend, kNeutral, kEnemy, kGreatEnemy };

// Rows: temporary friend, enemy, none; columns: natural friend, neutral, enemy.
static_assert(static_cast<int>(TemporaryKind::Friend) == 0 &&
              static_cast<int>(TemporaryKind::Enemy) == 1 &&
              static_cast<int>(TemporaryKind::None) == 2);
static_assert(static_cast<int>(NaturalKind::Friend) == 0 &&
              static_cast<int>(NaturalKind::Neutral) == 1 &&
              static_cast<int>(NaturalKind::Enemy) == 2);
constexpr int kCompoundIndex[3][3] = {
    {kGreatFriend, kFriend, kNeutral},
    {kNeutral, kEnemy, kGreatEnemy},
    {kNeutral, kNeutral, kNeutral},
};

std::string_view CompoundText(TemporaryKind temporary, NaturalKind natural) {
    return kCompoundTexts[static_cast<std::size_t>(
        kCompoundIndex[static_cast<int>(temporary)][static_cast<int>(natural)])];
}

// Sign index, or -1 for a placement without one.
constexpr int kNoSign = -1;

// House of sign b counted from sign a, indexed by b - a + 11.
constexpr std::array<int, 23> kHouseOfDifference = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1,
                                                    2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

// House from a's sign to b's sign, 1..12, or 0 when either sign is missing. A placement without
// a sign can only be the empty text left when the first calculation of a run could not form its
// date; counting it as Aries (as a failed search would) would invent relations, so it relates to
// nothing: no temporary relation, a "Neutral" compound cell and no entry in the lists.
int HouseBetween(int signA, int signB) {
    if (signA == kNoSign || signB == kNoSign) {
        return 0;
    }
    return kHouseOfDifference[static_cast<std::size_t>(signB - signA + 11)];
}

std::array<int, kPlanetCount> SignsOf(const Placements& placements) {
    std::array<int, kPlanetCount> signs{};
    for (std::size_t k = 0; k < signs.size(); ++k) {
        signs[k] = SignIndexOf(placements[k]).value_or(kNoSign);
    }
    return signs;
}

} // namespace

const std::array<NaturalRow, kPlanetCount>& NaturalRelationships() {
    static const std::array<NaturalRow, kPlanetCount> table = [] {
        std::array<NaturalRow, kPlanetCount> rows;
        for (std::size_t a = 0; a < rows.size(); ++a) {
            const NaturalLine& line = kNatural[a];
            rows[a].planet = PlanetNames[a];
            rows[a].friends = NamesOf(line.friends, line.friendCount);
            rows[a].neutrals = NamesOf(line.neutrals, line.neutralCount);
            rows[a].enemies = NamesOf(line.enemies, line.enemyCount);
        }
        return rows;
    }();
    return table;
}

std::optional<int> SignIndexOf(std::string_view placement) {
    // Characters 4 to 6 of the compact form are the abbreviation; the comparison is exact.
    if (placement.size() < 6) {
        return std::nullopt;
    }
    const char* abbreviation = placement.data() + 3;
    for (std::size_t s = 0; s < SignAbbreviations.size(); ++s) {
        const std::string_view candidate = SignAbbreviations[s];
        if (candidate[0] == abbreviation[0] && candidate[1] == abbreviation[1] &&
            candidate[2] == abbreviation[2]) {
            return static_cast<int>(s);
        }
    }
    return std::nullopt;
}

int HouseFrom(const Placements& placements, Planet a, Planet b) {
    return HouseBetween(SignIndexOf(placements[Index(a)]).value_or(kNoSign),
                        SignIndexOf(placements[Index(b)]).value_or(kNoSign));
}

TemporaryKind TemporaryRelation(const Placements& placements, Planet a, Planet b) {
    return TemporaryFromHouse(HouseFrom(placements, a, b));
}

NaturalKind NaturalRelation(Planet a, Planet b) {
    return kNaturalMatrix[Index(a)][Index(b)];
}

std::string_view CompoundRelation(const Placements& placements, Planet a, Planet b) {
    // A planet toward itself is in its own house: no temporary relation, always "Neutral".
    return CompoundText(TemporaryRelation(placements, a, b), NaturalRelation(a, b));
}

CompoundTable ComputeRelationships(const Placements& placements) {
    CompoundTable table;
    ComputeRelationships(placements, table);
    return table;
}

void ComputeRelationships(const Placements& placements, CompoundTable& table) {
    // The signs are read once; every cell is then the compound relation of its pair, and every
    // cell is written, so nothing of an earlier chart survives.
    const auto signs = SignsOf(placements);
    for (std::size_t a = 0; a < kPlanetCount; ++a) {
        for (std::size_t b = 0; b < kPlanetCount; ++b) {
            const TemporaryKind temporary = TemporaryFromHouse(HouseBetween(signs[a], signs[b]));
            const int text =
                kCompoundIndex[static_cast<int>(temporary)][static_cast<int>(kNaturalMatrix[a][b])];
            table[a][b] = kCompoundTexts[static_cast<std::size_t>(text)];
        }
    }
}

RelationLists NaturalLists() {
    RelationLists lists;
    const auto& rows = NaturalRelationships();
    for (std::size_t a = 0; a < rows.size(); ++a) {
        for (std::string_view name : rows[a].friends) {
            AppendName(lists.friends[a], name);
        }
        for (std::string_view name : rows[a].enemies) {
            AppendName(lists.enemies[a], name);
        }
        for (std::string_view name : rows[a].neutrals) {
            AppendName(lists.neutrals[a], name);
        }
    }
    return lists;
}

RelationLists TemporaryLists(const Placements& placements) {
    const auto signs = SignsOf(placements);
    RelationLists lists;
    for (std::size_t a = 0; a < kPlanetCount; ++a) {
        // House order from the row planet; planets sharing a house keep PlanetNames order. The
        // row planet's own house (1) is not listed, and the neutral column stays empty.
        for (int house = 2; house <= 12; ++house) {
            for (std::size_t b = 0; b < kPlanetCount; ++b) {
                if (HouseBetween(signs[a], signs[b]) != house) {
                    continue;
                }
                if (TemporaryFromHouse(house) == TemporaryKind::Friend) {
                    AppendName(lists.friends[a], PlanetNames[b]);
                } else {
                    AppendName(lists.enemies[a], PlanetNames[b]);
                }
            }
        }
    }
    return lists;
}

} // namespace kovrel
