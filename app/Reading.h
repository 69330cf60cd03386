#pragma once

#include "common/BirthDetails.h"
#include "positions/Placements.h"
#include "relationships/RelationshipRules.h"

#include <string>

namespace kovrel {

// Everything one calculation produces, and everything a view of it shows: views compute nothing.
struct Reading {
    double Ayanamsa = 0.0;
    std::string MoonLongitudeText;
    Placements PlanetPlacements{};
    // Before the first calculation a view shows what the rules give for no placements at all.
    CompoundTable CompoundRelationships = ComputeRelationships(Placements{});
    RelationLists natural = NaturalLists(); // the list panel's cells for the natural tab
    RelationLists temporary;                // and for the temporary tab
};

// Ayanamsa, Moon, the six planets and the relationships, in their fixed order. A step that
// cannot be formed keeps the value of `previous`.
Reading ComputeReading(const BirthDetails& details, const Reading& previous = {});

} // namespace kovrel
