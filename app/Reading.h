#pragma once

#include "common/BirthDetails.h"
#include "positions/Placements.h"
#include "relationships/RelationshipRules.h"
#include "sky/PreciseSky.h"

#include <array>
#include <limits>
#include <optional>
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
    // The precise sky of the birth with the chosen ayanamsa, in both modes, as the tool reports
    // it; nothing until computed.
    std::optional<PreciseSky> sky{};
    // Per planet, in both modes: whether the precise sign is the classic one.
    std::array<bool, kPlanetCount> sameSign{};

    static constexpr std::array<double, kPlanetCount> NoSecondOpinion() {
        std::array<double, kPlanetCount> none{};
        none.fill(std::numeric_limits<double>::quiet_NaN());
        return none;
    }
};

// Ayanamsa, Moon, the six planets and the relationships, in their fixed order. A step that
// cannot be formed keeps the value of `previous`.
Reading ComputeReading(const BirthDetails& details, const Reading& previous = {});

// The reading of a precise sky: its ayanamsa (negative, as the classic one is kept), the Moon's
// longitude and text, the seven placements of its longitudes and the relationships of their
// signs.
Reading PreciseReading(const PreciseSky& sky);

// A birth's reading in the positions of `choice`, from its classic reading and its precise sky
// (computed with choice.ayanamsa): in classic mode the classic reading with the precise planets
// whose sign differs as the second opinion, in precise mode the precise reading; the ascendant
// made sidereal with the ayanamsa of the mode.
CalculatedReading InPositions(const BirthDetails& birth, int zoneRow, PositionsChoice choice,
                              const Reading& classic, const PreciseSky& sky);

} // namespace kovrel
