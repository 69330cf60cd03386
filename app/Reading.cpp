#include "app/Reading.h"

#include "ephemeris/FormatLongitude.h"
#include "ephemeris/MoonEphemeris.h"
#include "positions/Ayanamsa.h"

namespace kovrel {

Reading ComputeReading(const BirthDetails& details, const Reading& previous) {
    Reading reading;
    reading.Ayanamsa = ComputeAyanamsa(details);
    reading.MoonLongitude = MoonSiderealLongitude(details);
    reading.MoonLongitudeText = FormatLongitude(reading.MoonLongitude);
    // A universal date and time that cannot be formed stops the placement step: the placements
    // of the previous calculation stay, and the relationships are read from them.
    if (Result<Placements> placements =
            ComputePlanetPlacements(details, reading.Ayanamsa, reading.MoonLongitude)) {
        reading.PlanetPlacements = *placements;
    } else {
        reading.PlanetPlacements = previous.PlanetPlacements;
    }
    reading.relationships = RelationshipsOf(reading.PlanetPlacements);
    return reading;
}

} // namespace kovrel
