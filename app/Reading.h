#pragma once

#include "app/BirthDetails.h"
#include "positions/Placements.h"
#include "relationships/RelationshipRules.h"

#include <string>

namespace kovrel {

// Everything one calculation produces.
struct Reading {
    double Ayanamsa = 0.0;
    std::string MoonLongitudeText;
    Placements PlanetPlacements{};
    CompoundTable CompoundRelationships{};
};

// Ayanamsa, Moon, the six planets and the compound table, in their fixed order. A step that
// cannot be formed keeps the value of `previous`.
Reading ComputeReading(const BirthDetails& details, const Reading& previous = {});

// The values that live for a whole run: the last calculated birth and its reading, and the
// path of the last save. Owned by the main window (or the command-line tool).
struct Session {
    BirthDetails birth;
    int zoneRow = 0; // the zone row of the last calculation, for saving
    Reading reading;
    std::string LastSavePath;
};

} // namespace kovrel
