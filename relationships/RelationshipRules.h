#pragma once

#include "common/Planets.h"
#include "positions/Placements.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

enum class NaturalKind { Friend, Neutral, Enemy };
enum class TemporaryKind { Friend, Enemy, None };

struct NaturalRow {
    std::string_view planet;
    std::vector<std::string_view> friends;
    std::vector<std::string_view> neutrals;
    std::vector<std::string_view> enemies;
};

// The fixed, one-sided table of natural relationships, rows in PlanetNames order. The order
// inside each list is the order shown on screen.
const std::array<NaturalRow, kPlanetCount>& NaturalRelationships();

// Sign index 0..11 from characters 4 to 6 of a placement, or nothing.
std::optional<int> SignIndexOf(std::string_view placement);

// House of B's sign counted from A's sign, 1..12; 0 when either placement has no sign.
int HouseFrom(const Placements& placements, Planet a, Planet b);
TemporaryKind TemporaryRelation(const Placements& placements, Planet a, Planet b);
// Natural relation of a toward b; a planet toward itself counts as Neutral (never consulted).
NaturalKind NaturalRelation(Planet a, Planet b);
// "Great Friend", "Friend", "Neutral", "Enemy" or "Great Enemy".
std::string_view CompoundRelation(const Placements& placements, Planet a, Planet b);

// Each cell views one of the five constant compound texts, so filling the table copies no text.
using CompoundTable = std::array<std::array<std::string_view, kPlanetCount>, kPlanetCount>;
CompoundTable ComputeRelationships(const Placements& placements);
// The same, rewriting all 49 cells of an existing table in place.
void ComputeRelationships(const Placements& placements, CompoundTable& table);

// The cells of the list panel: names joined by kListSeparator.
struct RelationLists {
    std::array<std::string, kPlanetCount> friends;
    std::array<std::string, kPlanetCount> enemies;
    std::array<std::string, kPlanetCount> neutrals;
};
// Natural lists in table order.
RelationLists NaturalLists();
// Temporary lists in house order (houses 2..12 from the row planet, PlanetNames order within a
// house); the neutral column stays empty.
RelationLists TemporaryLists(const Placements& placements);

} // namespace kovrel
