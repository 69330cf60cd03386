#include "app/Reading.h"

#include "ephemeris/FormatLongitude.h"
#include "ephemeris/MoonEphemeris.h"
#include "positions/Ayanamsa.h"

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

} // namespace kovrel
