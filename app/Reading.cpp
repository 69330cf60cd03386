#include "app/Reading.h"

#include "ephemeris/FormatLongitude.h"
#include "ephemeris/MoonEphemeris.h"
#include "positions/Ayanamsa.h"

#include <cmath>

namespace kovrel {

Reading ComputeReading(const BirthDetails& details, const Reading& previous) {
    // The Moon and the ayanamsa share the engine's birth instant: form it once.
    const EngineInstant instant = EngineBirthInstant(details);
    const double ayanamsa = AyanamsaAt(AyanamsaTimeArgument(instant));
    const double moon = MoonSiderealLongitude(instant);
    // A universal date and time that cannot be formed stops the placement step: the placements
    // of the previous calculation stay, and the relationships are read from them.
    const Result<Placements> formed = ComputePlanetPlacements(details, ayanamsa, moon);
    const Placements& placements = formed ? *formed : previous.PlanetPlacements;
    // Every member given, so the default relationships of an empty reading are not worked out
    // only to be replaced.
    return Reading{ayanamsa, moon, FormatLongitude(moon), placements, RelationshipsOf(placements)};
}

namespace {

// Into 0 <= x < 360.
double Circle(double degrees) {
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0.0 ? turned + 360.0 : turned;
}

} // namespace

Reading PreciseReading(const PreciseSky& sky) {
    Placements placements;
    for (const Planet planet : kPlanets) {
        placements[Index(planet)] = PlacementOf(sky.longitudes[Index(planet)]);
    }
    const double moon = sky.longitudes[Index(Planet::Moon)];
    return Reading{-sky.ayanamsa, moon, FormatLongitude(moon), placements,
                   RelationshipsOf(placements)};
}

CalculatedReading InPositions(const BirthDetails& birth, int zoneRow, PositionsChoice choice,
                              const Reading& classic, const PreciseSky& sky) {
    CalculatedReading calculated{birth, zoneRow, classic, choice};
    calculated.sky = sky;
    for (const Planet planet : kPlanets) {
        const std::size_t p = Index(planet);
        const int classicSign = classic.PlanetPlacements[p].sign();
        calculated.sameSign[p] = PlacementOf(sky.longitudes[p]).sign() == classicSign;
        if (choice.mode == PositionsMode::Classic && !calculated.sameSign[p] &&
            classicSign != Placement::kNoSign) {
            calculated.secondOpinion[p] = sky.longitudes[p];
        }
    }
    if (choice.mode == PositionsMode::Precise) {
        calculated.reading = PreciseReading(sky);
        calculated.ascendant = sky.ascendant;
    } else {
        // The classic ayanamsa is kept negative: adding it takes the tropical point back.
        calculated.ascendant = Circle(sky.tropicalAscendant + classic.Ayanamsa);
    }
    return calculated;
}

} // namespace kovrel
