#include "app/Reading.h"

#include "ephemeris/MoonEphemeris.h"
#include "positions/Ayanamsa.h"

namespace kovrel {

Reading ComputeReading(const BirthDetails& details, const Reading& previous) {
    Reading reading;
    reading.Ayanamsa = ComputeAyanamsa(details);
    reading.MoonLongitudeText = MoonEphemeris(details);
    // A universal date and time that cannot be formed stops the placement step: the placements
    // of the previous calculation stay, and the relationships are read from them.
    if (Result<Placements> placements =
            ComputePlanetPlacements(details, reading.Ayanamsa, reading.MoonLongitudeText)) {
        reading.PlanetPlacements = std::move(placements).value();
    } else {
        reading.PlanetPlacements = previous.PlanetPlacements;
    }
    ComputeRelationships(reading.PlanetPlacements, reading.CompoundRelationships);
    reading.natural = NaturalLists();
    reading.temporary = TemporaryLists(reading.PlanetPlacements);
    return reading;
}

} // namespace kovrel
