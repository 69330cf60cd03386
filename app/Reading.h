#pragma once

#include "common/BirthDetails.h"
#include "positions/Placements.h"
#include "relationships/RelationshipRules.h"

#include <limits>
#include <string>

namespace kovrel {

// Everything one calculation produces, and everything a view of it shows: views compute nothing
// but the words for it.
struct Reading {
    double Ayanamsa = 0.0;
    // The Moon's sidereal longitude in degrees, and its long text. Before the first calculation
    // there is none: not a number, and the empty text that such a longitude gives.
    double MoonLongitude = std::numeric_limits<double>::quiet_NaN();
    std::string MoonLongitudeText;
    Placements PlanetPlacements{};
    // Before the first calculation a view shows what the rules give for no placements at all.
    Relationships relationships = RelationshipsOf(Placements{});
};

// One calculated reading, as it travels to every view, report and file writer: the birth it was
// computed for, the zone row the entry chose (saved files and the texts that name the zone need
// the row, not only its offsets) and what was computed.
struct CalculatedReading {
    BirthDetails birth;
    int zoneRow = 0;
    Reading reading;
};

// Ayanamsa, Moon, the six planets and the relationships, in their fixed order. A step that
// cannot be formed keeps the value of `previous`.
Reading ComputeReading(const BirthDetails& details, const Reading& previous = {});

} // namespace kovrel
