#pragma once

#include <array>

namespace kovrel {

// Indices of the orbit element table (not planet order); asking for the Earth gives the Sun's
// direction.
enum OrbitBody : int { kMercury = 0, kVenus = 1, kEarth = 2, kMars = 3, kJupiter = 4, kSaturn = 5 };
inline constexpr int kOrbitBodyCount = 6;

struct OrbitalElements {
    double a;       // semi-major axis, AU
    double e;       // eccentricity
    double i;       // inclination, radians
    double node;    // longitude of the ascending node, radians
    double peri;    // longitude of perihelion, radians
    double meanLon; // mean longitude, radians, 0..2 pi
};

OrbitalElements OrbitalElementsAt(int body, double d);
double NormalizeRadians(double x);
// Kepler's equation solved by Newton's method to 1e-12 radians; the true anomaly in 0..2 pi.
double TrueAnomaly(double M, double e);
double QuadrantArcTangent(double y, double x);
// Tropical geocentric ecliptic longitudes in degrees, 0..360, index = body (the Earth's entry is
// the Sun's direction), with the Earth's place worked out once.
std::array<double, kOrbitBodyCount> GeocentricLongitudes(double d);

} // namespace kovrel
