#pragma once

#include "common/BirthDetails.h"

namespace kovrel {

// Julian Day Number of a civil date (Julian calendar up to 15 October 1582 inclusive, Gregorian
// after). Checks nothing: a day past the end of its month counts on into the next.
double JulianDayNumber(int month, int day, int year);

// The Moon and ayanamsa route's direction rule, the one copy of it: that route takes the zone's
// direction from the longitude, not from the zone. A longitude counts as east when, with east
// negative as inside the engine, it is below zero (East selected and not 0° 0'); the zone's
// magnitude is then taken from the clock time, and added to it otherwise.
bool EngineLongitudeCountsEast(bool eastFlag, double lonDegrees, double lonMinutes);
// What the route adds to the local clock time for a zone of that magnitude, in its own unit.
constexpr int EngineZoneShift(bool longitudeCountsEast, int zoneMagnitude) {
    return longitudeCountsEast ? -zoneMagnitude : zoneMagnitude;
}

// The birth moment as the ephemeris engine forms it: zone magnitude, direction from the
// longitude's hemisphere, daylight saving one hour earlier. UniversalHours is not brought into
// 0..24; it simply moves the instant away from the civil date.
struct EngineInstant {
    double universalHours;
    double dayNumber;
};
EngineInstant EngineBirthInstant(const BirthDetails& details);

// Julian centuries from 2000 January 1.5 of the engine's birth instant.
double MoonTimeArgument(const EngineInstant& instant);
double MoonTimeArgument(const BirthDetails& details);

} // namespace kovrel
