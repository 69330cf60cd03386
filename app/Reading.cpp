#include "app/Reading.h"

#include "ephemeris/FormatLongitude.h"
#include "ephemeris/MoonEphemeris.h"
#include "positions/Ayanamsa.h"

namespace kovrel {

Reading ComputeReading(const BirthDetails& details, const Reading& previous) {
    const double ayanamsa = ComputeAyanamsa(details);
    const double moon = MoonSiderealLongitude(details);
    // A universal date and time that cannot be formed stops the placement step: the placements
    // of the previous calculation stay, and the relationships are read from them.
    const Result<Placements> formed = ComputePlanetPlacements(details, ayanamsa, moon);
    const Placements& placements = formed ? *formed : previous.PlanetPlacements;
    // Every member given, so the default relationships of an empty reading are not worked out
    // only to be replaced.
    return Reading{ayanamsa, moon, FormatLongitude(moon), placements, RelationshipsOf(placements)};
}

} // namespace kovrel
