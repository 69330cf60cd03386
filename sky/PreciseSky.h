#pragma once

#include "common/BirthDetails.h"
#include "common/Planets.h"

#include <array>

namespace kovrel {

// The sidereal zero points a user can choose for the precise route. Lahiri comes first: it is
// the default everywhere.
enum class AyanamsaKind : int { Lahiri, Raman, Krishnamurti };

// Classic computes as the program always has; precise takes the placements, and every
// relationship read from them, from the accurate ephemeris below.
enum class PositionsMode : int { Classic, Precise };

// The user's choice. It lives in the settings, never in a saved reading.
struct PositionsChoice {
    PositionsMode mode = PositionsMode::Classic;
    AyanamsaKind ayanamsa = AyanamsaKind::Lahiri;
    bool operator==(const PositionsChoice&) const = default;
};

// What an accurate ephemeris gives for one instant and place: geocentric apparent longitudes
// (light time, aberration, precession and nutation of date) made sidereal with the chosen
// ayanamsa. Every angle is in degrees, 0 <= x < 360; planets run in `Planet` order.
struct PreciseSky {
    double deltaTSeconds = 0.0; // TT - UT used for the instant
    double ayanamsa = 0.0;      // including nutation in longitude
    std::array<double, kPlanetCount> longitudes{};
    double tropicalAscendant = 0.0;
    double ascendant = 0.0;
};

// The true universal time of a birth, as a Julian day: the clock time with the zone row's offset
// taken off, and one hour more when the daylight-saving box is ticked.
double BirthJulianDayUt(const BirthDetails& birth);

// Geographic latitude north-positive, longitude east-positive, in degrees.
PreciseSky ComputePreciseSky(double julianDayUt, double latitude, double eastLongitude,
                             AyanamsaKind ayanamsa);

// The birth's instant and place, as entered.
PreciseSky PreciseSkyOf(const BirthDetails& birth, AyanamsaKind ayanamsa);

} // namespace kovrel
