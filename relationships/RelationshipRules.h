#pragma once

#include "common/Planets.h"
#include "positions/Placements.h"
#include "relationships/Relations.h"

#include <array>
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

// House of B's sign counted from A's sign, 1..12; 0 when either placement has no sign.
int HouseFrom(const Placements& placements, Planet a, Planet b);
TemporaryKind TemporaryRelation(const Placements& placements, Planet a, Planet b);
// Natural relation of a toward b; a planet toward itself counts as Neutral (never consulted).
NaturalKind NaturalRelation(Planet a, Planet b);

// The compound relation of every planet toward every other, rows and columns in PlanetNames
// order; a planet toward itself is in its own house and always "Neutral".
CompoundTable ComputeRelationships(const Placements& placements);
// The same, rewriting all 49 cells of an existing table in place.
void ComputeRelationships(const Placements& placements, CompoundTable& table);

// Natural lists in table order.
const RelationLists& NaturalLists();
// Temporary lists in house order (houses 2..12 from the row planet, PlanetNames order within a
// house); the neutral column stays empty.
RelationLists TemporaryLists(const Placements& placements);

// Everything the result tabs show for these placements.
Relationships RelationshipsOf(const Placements& placements);

} // namespace kovrel
