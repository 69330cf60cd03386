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
// Newton's method doubles the correct digits with every step: after a step below 1e-9 radians
// the next one would be below 1e-18 for every eccentricity of the table, under the last bit.
constexpr double kKeplerStepDone = 1e-9;
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

// Below these sizes the shortest, the short and the long Taylor series of the sine and cosine
// reach the last bit: their first left-out terms are at most 2e-20.
constexpr double kWeeAngle = 2e-4;
constexpr double kTinyAngle = 0.02;
constexpr double kSmallAngle = 0.3;

// The sine and cosine of an angle of at most kTinyAngle: the steps of Newton's method and the
// distance an element has moved since J2000. Short enough to stay in line.
inline void TinySinCos(double x, double& s, double& c) {
    const double x2 = x * x;
    if (std::fabs(x) <= kWeeAngle) {
        s = x * (1.0 + x2 * (-1.0 / 6.0));
        c = 1.0 + x2 * (-0.5 + x2 * (1.0 / 24.0));
        return;
    }
    s = x * (1.0 + x2 * (-1.0 / 6.0 + x2 * (1.0 / 120.0 + x2 * (-1.0 / 5040.0))));
    c = 1.0 + x2 * (-0.5 + x2 * (1.0 / 24.0 + x2 * (-1.0 / 720.0 + x2 * (1.0 / 40320.0))));
}

// The same for any angle: the long series up to kSmallAngle, the library beyond.
void LongSinCos(double x, double& s, double& c) {
    if (std::fabs(x) > kSmallAngle) {
        s = std::sin(x);
        c = std::cos(x);
        return;
    }
    const double x2 = x * x;
    s = x * (1.0 + x2 * (-1.0 / 6.0 +
                         x2 * (1.0 / 120.0 +
                               x2 * (-1.0 / 5040.0 +
                                     x2 * (1.0 / 362880.0 + x2 * (-1.0 / 39916800.0 +
                                                                  x2 * (1.0 / 6227020800.0)))))));
    c = 1.0 +
        x2 * (-0.5 + x2 * (1.0 / 24.0 +
                           x2 * (-1.0 / 720.0 + x2 * (1.0 / 40320.0 +
                                                      x2 * (-1.0 / 3628800.0 +
                                                            x2 * (1.0 / 479001600.0 +
                                                                  x2 * (-1.0 / 87178291200.0)))))));
}

// Turns the sine s and cosine c of an angle on by x, using the series where they are cheaper
// than a library call.
inline void TurnBy(double x, double& s, double& c) {
    double sx = 0.0;
    double cx = 0.0;
    if (std::fabs(x) <= kTinyAngle) {
        TinySinCos(x, sx, cx);
    } else {
        LongSinCos(x, sx, cx);
    }
    const double turnedS = s * cx + c * sx;
    c = c * cx - s * sx;
    s = turnedS;
}

using BodyValues = std::array<double, kOrbitBodyCount>;

// Per body, the sine and cosine of an angle that moves slowly: its value at J2000 and its rate,
// in radians and radians per Julian century.
struct SlowAngle {
    BodyValues sinAtJ2000;
    BodyValues cosAtJ2000;
    BodyValues rate;
};

struct SlowAngleTable {
    SlowAngle node;
    SlowAngle peri;
    SlowAngle i;
};

// Worked out once: the library's sines and cosines of the angles at J2000.
const SlowAngleTable& SlowAngles() {
    static const SlowAngleTable table = [] {
        SlowAngleTable angles{};
        const auto fill = [](SlowAngle& slow, std::size_t b, const ElementRate& element) {
            const double angle = kDegToRad * element.base;
            slow.sinAtJ2000[b] = std::sin(angle);
            slow.cosAtJ2000[b] = std::cos(angle);
            slow.rate[b] = kDegToRad * element.rate / kArcSecondsPerDegree;
        };
        for (std::size_t b = 0; b < kOrbitBodyCount; ++b) {
            fill(angles.node, b, kElementTable[b].node);
            fill(angles.peri, b, kElementTable[b].peri);
            fill(angles.i, b, kElementTable[b].i);
        }
        return angles;
    }();
    return table;
}

// The sine and cosine of a slow angle at T, the angle at J2000 turned by the little it has moved
// since: a fraction of a degree for centuries around J2000.
void SlowSinCos(const SlowAngle& slow, std::size_t b, double T, double& s, double& c) {
    s = slow.sinAtJ2000[b];
    c = slow.cosAtJ2000[b];
    TurnBy(slow.rate[b] * T, s, c);
}

// Sine and cosine of the eccentric anomaly of every body, from Kepler's equation E - e sin E = M
// by Newton's method. Each step turns the sine and cosine of the previous E by the (small) step
// instead of taking them anew. Every body takes every step, a finished one a step of nothing, so
// that the bodies' chains of division and series run side by side in the processor.
void EccentricAnomalies(const BodyValues& M, const BodyValues& e, BodyValues& sinE,
                        BodyValues& cosE) {
    BodyValues E{};
    for (std::size_t b = 0; b < kOrbitBodyCount; ++b) {
        sinE[b] = std::sin(M[b]);
        cosE[b] = std::cos(M[b]);
        // The starting value of the iteration.
        const double start = e[b] * sinE[b] * (1.0 + e[b] * cosE[b]);
        E[b] = M[b] + start;
        TurnBy(start, sinE[b], cosE[b]);
    }
    for (int steps = 1; steps <= kMaxKeplerSteps; ++steps) {
        bool going = false;
        for (std::size_t b = 0; b < kOrbitBodyCount; ++b) {
            const double step = -(E[b] - e[b] * sinE[b] - M[b]) / (1.0 - e[b] * cosE[b]);
            E[b] = E[b] + step;
            TurnBy(step, sinE[b], cosE[b]);
            going = going | (std::fabs(step) > kKeplerStepDone);
        }
        if (!going) {
            break;
        }
    }
}

// Twice pi less the truncated kTwoPi. The readings always brought a true anomaly past half a
// turn into 0 .. two pi by adding kTwoPi, which leaves it this much short; such a place is
// turned back by as much.
constexpr double kTurnShortfall = 6.283185307179586 - kTwoPi;

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
    const double T = d / kDaysPerJulianCentury;
    BodyValues a{};
    BodyValues e{};
    BodyValues M{};
    for (std::size_t b = 0; b < kOrbitBodyCount; ++b) {
        const ElementRow& row = kElementTable[b];
        // As OrbitalElementsAt has them.
        a[b] = row.a.base + row.a.rate * T;
        e[b] = row.e.base + row.e.rate * T;
        M[b] = NormalizeRadians(NormalizeRadians(AngleAt(row.meanLon, T)) - AngleAt(row.peri, T));
    }
    BodyValues sinE{};
    BodyValues cosE{};
    EccentricAnomalies(M, e, sinE, cosE);

    const SlowAngleTable& slow = SlowAngles();
    std::array<Heliocentric, kOrbitBodyCount> places{};
    for (std::size_t b = 0; b < kOrbitBodyCount; ++b) {
        // The place in the orbit's own frame, perihelion along the first axis: r cos v and
        // r sin v.
        double along = a[b] * (cosE[b] - e[b]);
        double across = a[b] * std::sqrt(1.0 - e[b] * e[b]) * sinE[b];
        if (sinE[b] < 0.0) {
            const double turnedAlong = along + kTurnShortfall * across;
            across = across - kTurnShortfall * along;
            along = turnedAlong;
        }
        double sinPeri = 0.0;
        double cosPeri = 0.0;
        SlowSinCos(slow.peri, b, T, sinPeri, cosPeri);
        if (b == kEarth) {
            // The Earth lies in the ecliptic.
            places[b] = {cosPeri * along - sinPeri * across, sinPeri * along + cosPeri * across};
            continue;
        }
        double sinNode = 0.0;
        double cosNode = 0.0;
        SlowSinCos(slow.node, b, T, sinNode, cosNode);
        double sinI = 0.0;
        double cosI = 0.0;
        SlowSinCos(slow.i, b, T, sinI, cosI);
        // The argument of perihelion, peri - node, and with it r cos u and r sin u.
        const double sinW = sinPeri * cosNode - cosPeri * sinNode;
        const double cosW = cosPeri * cosNode + sinPeri * sinNode;
        const double rCosU = cosW * along - sinW * across;
        const double rSinU = sinW * along + cosW * across;
        places[b] = {cosNode * rCosU - rSinU * sinNode * cosI,
                     sinNode * rCosU + rSinU * cosNode * cosI};
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
