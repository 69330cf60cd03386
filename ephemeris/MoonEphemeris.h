#pragma once

#include "common/BirthDetails.h"
#include "ephemeris/JulianDay.h"

#include <array>
#include <string>

namespace kovrel {

// One row of the periodic series of the Moon's longitude: coefficient x sin(a D + b M + c M' + d
// F), multiplied by the eccentricity factor E when b is not 0.
struct LunarTerm {
    double coefficient; // degrees
    int d;              // multiple of D, the mean elongation
    int m;              // multiple of M, the Sun's mean anomaly
    int mp;             // multiple of M', the Moon's mean anomaly
    int f;              // multiple of F, the argument of latitude
};

// The 25 leading terms of the standard lunar longitude series.
extern const std::array<LunarTerm, 25> LunarTerms;

// Tropical longitude of the Moon in degrees, in 0..360, for T in Julian centuries from J2000.
double MoonTropicalLongitude(double T);

// The engine's own tropical-to-sidereal correction (negative), in degrees.
double SiderealOffset(double T);

// The Moon's sidereal longitude for the birth in degrees. One turn is added to a negative value
// once, so a far-off date may leave it outside 0..360; its text then has no sign.
double MoonSiderealLongitude(const BirthDetails& details);
double MoonSiderealLongitude(const EngineInstant& instant);

// FormatLongitude(MoonSiderealLongitude(details)): MoonLongitudeText.
std::string MoonEphemeris(const BirthDetails& details);

} // namespace kovrel
