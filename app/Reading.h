#pragma once

#include "common/BirthDetails.h"
#include "positions/Placements.h"
#include "relationships/RelationshipRules.h"
#include "sky/PreciseSky.h"

#include <array>

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
    // Which positions `reading` holds. In precise mode its placements and relationships come
    // from the precise signs.
    PositionsChoice positions{};
    // The sidereal ascendant in degrees, with the ayanamsa of the positions in use; not a number
    // until a precise sky has been computed.
    double ascendant = std::numeric_limits<double>::quiet_NaN();
    // In classic mode, where the precise ephemeris puts a planet in another sign than the
    // placement shown: its precise sidereal longitude in degrees. Not a number where the two
    // agree, and always in precise mode.
    std::array<double, kPlanetCount> secondOpinion = NoSecondOpinion();

    static constexpr std::array<double, kPlanetCount> NoSecondOpinion() {
        std::array<double, kPlanetCount> none{};
        none.fill(std::numeric_limits<double>::quiet_NaN());
        return none;
    }
};

// Ayanamsa, Moon, the six planets and the relationships, in their fixed order. A step that
// cannot be formed keeps the value of `previous`.
Reading ComputeReading(const BirthDetails& details, const Reading& previous = {});

} // namespace kovrel
