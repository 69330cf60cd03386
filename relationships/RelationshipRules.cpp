#include "relationships/RelationshipRules.h"

#include "common/Signs.h"

#include <bit>
#include <cstdint>
#include <cstring>

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

constexpr RelationLists MakeNaturalLists() {
    RelationLists lists;
    for (std::size_t a = 0; a < kPlanetCount; ++a) {
        const NaturalLine& line = kNatural[a];
        lists.friends[a] = PlanetList(line.friends, line.friendCount);
        lists.enemies[a] = PlanetList(line.enemies, line.enemyCount);
        lists.neutrals[a] = PlanetList(line.neutrals, line.neutralCount);
    }
    return lists;
}
constexpr RelationLists kNaturalLists = MakeNaturalLists();

template <std::size_t N>
std::vector<std::string_view> NamesOf(const std::array<Planet, N>& planets, int count) {
    std::vector<std::string_view> names;
    for (int k = 0; k < count; ++k) {
        names.push_back(PlanetName(planets[static_cast<std::size_t>(k)]));
    }
    return names;
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

// Rows: temporary friend, enemy, none; columns: natural friend, neutral, enemy.
static_assert(static_cast<int>(TemporaryKind::Friend) == 0 &&
              static_cast<int>(TemporaryKind::Enemy) == 1 &&
              static_cast<int>(TemporaryKind::None) == 2);
static_assert(static_cast<int>(NaturalKind::Friend) == 0 &&
              static_cast<int>(NaturalKind::Neutral) == 1 &&
              static_cast<int>(NaturalKind::Enemy) == 2);
using enum CompoundKind;
constexpr CompoundKind kCompoundOf[3][3] = {
    {GreatFriend, Friend, Neutral},
    {Neutral, Enemy, GreatEnemy},
    {Neutral, Neutral, Neutral},
};

constexpr int kNoSign = Placement::kNoSign;

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

// The compound cell of every pair for every house between their signs, indexed like
// kHouseOfDifference: a cell is then one look-up.
using CompoundByDifference = std::array<CompoundKind, kHouseOfDifference.size()>;
constexpr std::array<std::array<CompoundByDifference, kPlanetCount>, kPlanetCount>
MakeCompoundTable() {
    std::array<std::array<CompoundByDifference, kPlanetCount>, kPlanetCount> cells{};
    for (std::size_t a = 0; a < kPlanetCount; ++a) {
        for (std::size_t b = 0; b < kPlanetCount; ++b) {
            for (std::size_t k = 0; k < kHouseOfDifference.size(); ++k) {
                const auto house = static_cast<std::size_t>(kHouseOfDifference[k]);
                cells[a][b][k] = kCompoundOf[static_cast<int>(kTemporaryByHouse[house])]
                                            [static_cast<int>(kNaturalMatrix[a][b])];
            }
        }
    }
    return cells;
}
constexpr auto kCompoundTable = MakeCompoundTable();

std::array<int, kPlanetCount> SignsOf(const Placements& placements) {
    std::array<int, kPlanetCount> signs{};
    for (std::size_t k = 0; k < signs.size(); ++k) {
        signs[k] = placements[k].sign();
    }
    return signs;
}

} // namespace

const std::array<NaturalRow, kPlanetCount>& NaturalRelationships() {
    static const std::array<NaturalRow, kPlanetCount> table = [] {
        std::array<NaturalRow, kPlanetCount> rows;
        for (std::size_t a = 0; a < rows.size(); ++a) {
            const NaturalLine& line = kNatural[a];
            rows[a].planet = PlanetNames[a].text();
            rows[a].friends = NamesOf(line.friends, line.friendCount);
            rows[a].neutrals = NamesOf(line.neutrals, line.neutralCount);
            rows[a].enemies = NamesOf(line.enemies, line.enemyCount);
        }
        return rows;
    }();
    return table;
}

int HouseFrom(const Placements& placements, Planet a, Planet b) {
    return HouseBetween(placements[Index(a)].sign(), placements[Index(b)].sign());
}

TemporaryKind TemporaryRelation(const Placements& placements, Planet a, Planet b) {
    return TemporaryFromHouse(HouseFrom(placements, a, b));
}

NaturalKind NaturalRelation(Planet a, Planet b) {
    return kNaturalMatrix[Index(a)][Index(b)];
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
            // A missing sign is in no house: no temporary relation, so the compound is neutral.
            table[a][b] =
                signs[a] == kNoSign || signs[b] == kNoSign
                    ? CompoundKind::Neutral
                    : kCompoundTable[a][b][static_cast<std::size_t>(signs[b] - signs[a] + 11)];
        }
    }
}

const RelationLists& NaturalLists() {
    return kNaturalLists;
}

RelationLists TemporaryLists(const Placements& placements) {
    // The planets standing in each sign in PlanetNames order, one byte each from the low end of
    // a word, and how many.
    std::array<std::uint64_t, kSignCount> inSign{};
    std::array<unsigned, kSignCount> countInSign{};
    for (std::size_t b = 0; b < kPlanetCount; ++b) {
        if (placements[b].hasSign()) {
            const auto sign = static_cast<std::size_t>(placements[b].sign());
            inSign[sign] |= std::uint64_t{b} << (8 * countInSign[sign]);
            ++countInSign[sign];
        }
    }
    const auto listOf = [](std::uint64_t planets, unsigned count) {
        std::array<std::uint8_t, 8> indices{};
        if constexpr (std::endian::native == std::endian::little) {
            // One store: bytes written one by one and read back as a whole stall the processor.
            std::memcpy(indices.data(), &planets, sizeof planets);
        } else {
            for (std::size_t k = 0; k < indices.size(); ++k) {
                indices[k] = static_cast<std::uint8_t>(planets >> (8 * k));
            }
        }
        return PlanetList::FromIndices(indices, count);
    };

    RelationLists lists;
    for (std::size_t a = 0; a < kPlanetCount; ++a) {
        // House order from the row planet; planets sharing a house keep PlanetNames order. The
        // row planet's own house (1) is not listed, a planet without a sign is in no house, and
        // the neutral column stays empty.
        if (!placements[a].hasSign()) {
            continue;
        }
        const auto own = static_cast<std::size_t>(placements[a].sign());
        // Each list is built in a register: a house's planets go in above the ones already
        // listed, with no branch per house. Six planets at most come before the last house.
        std::uint64_t friends = 0;
        std::uint64_t enemies = 0;
        unsigned friendCount = 0;
        unsigned enemyCount = 0;
        for (int house = 2; house <= 12; ++house) {
            std::size_t sign = own + static_cast<std::size_t>(house - 1);
            sign = sign >= kSignCount ? sign - kSignCount : sign;
            if (TemporaryFromHouse(house) == TemporaryKind::Friend) {
                friends |= inSign[sign] << (8 * friendCount);
                friendCount += countInSign[sign];
            } else {
                enemies |= inSign[sign] << (8 * enemyCount);
                enemyCount += countInSign[sign];
            }
        }
        lists.friends[a] = listOf(friends, friendCount);
        lists.enemies[a] = listOf(enemies, enemyCount);
    }
    return lists;
}

Relationships RelationshipsOf(const Placements& placements) {
    // Each part is made in its place: copying the lists whole just after they were written piece
    // by piece would stall on every load.
    return Relationships{kNaturalLists, TemporaryLists(placements),
                         ComputeRelationships(placements)};
}

} // namespace kovrel
