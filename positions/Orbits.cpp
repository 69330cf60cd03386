#include "positions/Orbits.h"

#include "common/Constants.h"

#include <array>
#include <cmath>

namespace kovrel {

namespace {

// Base value at J2000 and rate per Julian century of one element. For the angles the base is in
// degrees and the rate in arc seconds per century.
struct ElementRate {
    double base;
    double rate;
};

struct ElementRow {
    ElementRate a, e, i, node, peri, meanLon;
};

// The published Keplerian elements for approximate positions of the major planets (mean ecliptic
// and equinox of J2000, valid 1800 to 2050). The Earth row is the Earth-Moon barycentre; its
// inclination and node are not used, as the Earth defines the ecliptic.
constexpr std::array<ElementRow, kOrbitBodyCount> kElementTable = {{
    {{0.38709893, 0.00000066},
     {0.20563069, 0.00002527},
     {7.00487, -23.51},
     {48.33167, -446.30},
     {77.45645, 573.57},
     {252.25084, 538101628.29}},
    {{0.72333199, 0.00000092},
     {0.00677323, -0.00004938},
     {3.39471, -2.86},
     {76.68069, -996.89},
     {131.53298, -108.80},
     {181.97973, 210664136.06}},
    {{1.00000011, -0.00000005},
     {0.01671022, -0.00003804},
     {0.0, 0.0},
     {0.0, 0.0},
     {102.94719, 1198.28},
     {100.46435, 129597740.63}},
    {{1.52366231, -0.00007221},
     {0.09341233, 0.00011902},
     {1.85061, -25.47},
     {49.57854, -1020.19},
     {336.04084, 1560.78},
     {355.45332, 68905103.78}},
    {{5.20336301, 0.00060737},
     {0.04839266, -0.00012880},
     {1.30530, -4.15},
     {100.55615, 1217.17},
     {14.75385, 839.93},
     {34.40438, 10925078.35}},
    {{9.53707032, -0.00301530},
     {0.05415060, -0.00036762},
     {2.48446, 6.11},
     {113.71504, -1591.05},
     {92.43194, -1948.89},
     {49.94432, 4401052.95}},
}};

double AngleAt(const ElementRate& element, double T) {
    return kDegToRad * (element.base + element.rate * T / kArcSecondsPerDegree);
}

// Convergence of the Kepler iteration is below 1e-12 radians.
constexpr double kKeplerTolerance = 1e-12;
// The iteration ends after at most three steps for the orbits of the table; the cap only keeps
// an eccentricity far outside it (an element pushed past its range by a remote date) from
// spinning for ever. It never ends a converging iteration.
constexpr int kMaxKeplerSteps = 100;

} // namespace

OrbitalElements OrbitalElementsAt(int body, double d) {
    const ElementRow& row = kElementTable[static_cast<std::size_t>(body)];
    const double T = d / kDaysPerJulianCentury;
    OrbitalElements elements{};
    elements.a = row.a.base + row.a.rate * T;
    elements.e = row.e.base + row.e.rate * T;
    elements.i = AngleAt(row.i, T);
    elements.node = AngleAt(row.node, T);
    elements.peri = AngleAt(row.peri, T);
    elements.meanLon = NormalizeRadians(AngleAt(row.meanLon, T));
    return elements;
}

double NormalizeRadians(double x) {
    const double q = x / kTwoPi;
    // Whole turns toward zero, then the remainder brought up to 0 .. two pi.
    const double w = q >= 0.0 ? std::floor(q) : std::floor(q) + 1.0;
    double f = (q - w) * kTwoPi;
    if (f < 0.0) {
        f = f + kTwoPi;
    }
    return f;
}

double TrueAnomaly(double M, double e) {
    // Starting value of the eccentric anomaly, then Newton's method on Kepler's equation
    // E - e sin E = M.
    double E = M + e * std::sin(M) * (1.0 + e * std::cos(M));
    double E0 = 0.0;
    int steps = 0;
    do {
        E0 = E;
        E = E0 - (E0 - e * std::sin(E0) - M) / (1.0 - e * std::cos(E0));
        ++steps;
    } while (std::fabs(E0 - E) > kKeplerTolerance && steps < kMaxKeplerSteps);
    double v = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));
    if (v < 0.0) {
        v = v + kTwoPi;
    }
    return v;
}

double QuadrantArcTangent(double y, double x) {
    if (x > 0.0) {
        return std::atan(y / x);
    }
    if (x == 0.0) {
        if (y == 0.0) {
            return 0.0;
        }
        return (y > 0.0 ? 1.0 : -1.0) * kPi / 2.0;
    }
    if (x < 0.0) {
        const double angle = kPi - std::atan(std::fabs(y / x));
        return y >= 0.0 ? angle : -angle;
    }
    return x; // not a number: no direction
}

namespace {

struct Heliocentric {
    double x;
    double y;
};

using BodyValues = std::array<double, kOrbitBodyCount>;

// TrueAnomaly for every body at once. Each body takes exactly the steps and the arithmetic it
// takes alone, so the results are the same to the last bit; the bodies' chains of sine, cosine
// and division are only interleaved, so the processor works on several at a time.
BodyValues TrueAnomalies(const BodyValues& M, const BodyValues& e) {
    BodyValues E{};
    for (std::size_t b = 0; b < kOrbitBodyCount; ++b) {
        E[b] = M[b] + e[b] * std::sin(M[b]) * (1.0 + e[b] * std::cos(M[b]));
    }
    std::array<bool, kOrbitBodyCount> going{};
    going.fill(true);
    int steps = 0;
    bool any = true;
    while (any) {
        any = false;
        ++steps;
        for (std::size_t b = 0; b < kOrbitBodyCount; ++b) {
            if (going[b]) {
                const double E0 = E[b];
                E[b] = E0 - (E0 - e[b] * std::sin(E0) - M[b]) / (1.0 - e[b] * std::cos(E0));
                going[b] = std::fabs(E0 - E[b]) > kKeplerTolerance && steps < kMaxKeplerSteps;
                any = any || going[b];
            }
        }
    }
    BodyValues v{};
    for (std::size_t b = 0; b < kOrbitBodyCount; ++b) {
        v[b] = 2.0 * std::atan(std::sqrt((1.0 + e[b]) / (1.0 - e[b])) * std::tan(E[b] / 2.0));
        if (v[b] < 0.0) {
            v[b] = v[b] + kTwoPi;
        }
    }
    return v;
}

// Position in the ecliptic plane on the body's Kepler ellipse, from its elements and true
// anomaly.
Heliocentric HeliocentricPosition(int body, const OrbitalElements& el, double v) {
    const double r = el.a * (1.0 - el.e * el.e) / (1.0 + el.e * std::cos(v));
    if (body == kEarth) {
        // The Earth lies in the ecliptic.
        return {r * std::cos(el.peri + v), r * std::sin(el.peri + v)};
    }
    const double u = el.peri + v - el.node;
    // Each function of each angle once; the products are formed as before.
    const double cosNode = std::cos(el.node);
    const double sinNode = std::sin(el.node);
    const double cosU = std::cos(u);
    const double sinU = std::sin(u);
    const double cosI = std::cos(el.i);
    const double x = r * (cosNode * cosU - sinU * sinNode * cosI);
    const double y = r * (sinNode * cosU + sinU * cosNode * cosI);
    return {x, y};
}

double LongitudeSeenFrom(const Heliocentric& earth, const Heliocentric& planet) {
    const double X = planet.x - earth.x;
    const double Y = planet.y - earth.y;
    double lambda = QuadrantArcTangent(Y, X) * 180.0 / kPi;
    while (lambda > 360.0) {
        lambda = lambda - 360.0;
    }
    while (lambda < 0.0) {
        lambda = lambda + 360.0;
    }
    return lambda;
}

} // namespace

std::array<double, kOrbitBodyCount> GeocentricLongitudes(double d) {
    std::array<OrbitalElements, kOrbitBodyCount> elements{};
    BodyValues M{};
    BodyValues e{};
    for (int body = 0; body < kOrbitBodyCount; ++body) {
        const auto b = static_cast<std::size_t>(body);
        elements[b] = OrbitalElementsAt(body, d);
        M[b] = NormalizeRadians(elements[b].meanLon - elements[b].peri);
        e[b] = elements[b].e;
    }
    const BodyValues v = TrueAnomalies(M, e);
    std::array<Heliocentric, kOrbitBodyCount> places{};
    for (int body = 0; body < kOrbitBodyCount; ++body) {
        const auto b = static_cast<std::size_t>(body);
        places[b] = HeliocentricPosition(body, elements[b], v[b]);
    }
    // The observer's place is the same for every body; asking for the Earth gives the Sun,
    // which then sits at the origin.
    const Heliocentric& earth = places[kEarth];
    std::array<double, kOrbitBodyCount> longitudes{};
    for (int body = 0; body < kOrbitBodyCount; ++body) {
        const auto b = static_cast<std::size_t>(body);
        longitudes[b] =
            LongitudeSeenFrom(earth, body == kEarth ? Heliocentric{0.0, 0.0} : places[b]);
    }
    return longitudes;
}

} // namespace kovrel
