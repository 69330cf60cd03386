#include "ephemeris/MoonEphemeris.h"

#include "common/Constants.h"
#include "ephemeris/FormatLongitude.h"
#include "ephemeris/JulianDay.h"

#include <cmath>

namespace kovrel {

// The leading rows of the periodic series of the Moon's longitude as published in the standard
// lunar tables (coefficients in degrees). The remaining, smaller rows are left out on purpose:
// only the sign of the Moon reaches the reading.
const std::array<LunarTerm, 25> LunarTerms = {{
    {6.288774, 0, 0, 1, 0},   {1.274027, 2, 0, -1, 0},  {0.658314, 2, 0, 0, 0},
    {0.213618, 0, 0, 2, 0},   {-0.185116, 0, 1, 0, 0},  {-0.114332, 0, 0, 0, 2},
    {0.058793, 2, 0, -2, 0},  {0.057066, 2, -1, -1, 0}, {0.053322, 2, 0, 1, 0},
    {0.045758, 2, -1, 0, 0},  {-0.040923, 0, 1, -1, 0}, {-0.034720, 1, 0, 0, 0},
    {-0.030383, 0, 1, 1, 0},  {0.015327, 2, 0, 0, -2},  {-0.012528, 0, 0, 1, 2},
    {0.010980, 0, 0, 1, -2},  {0.010675, 4, 0, -1, 0},  {0.010034, 0, 0, 3, 0},
    {0.008548, 4, 0, -2, 0},  {-0.007888, 2, 1, -1, 0}, {-0.006766, 2, 1, 0, 0},
    {-0.005163, 1, 0, -1, 0}, {0.004987, 1, 1, 0, 0},   {0.004036, 2, -1, 1, 0},
    {0.003994, 2, 0, 2, 0},
}};

namespace {

// The cosine and sine of an angle: its point on the unit circle.
struct UnitPoint {
    double c;
    double s;
};

// The point of the sum of two angles.
UnitPoint Times(const UnitPoint& a, const UnitPoint& b) {
    return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s};
}

// The points of -N x .. N x for one angle x, from the sine and cosine of x alone.
template <int N> class MultiplesOf {
  public:
    explicit MultiplesOf(double x) {
        points_[N] = {1.0, 0.0};
        points_[N + 1] = {std::cos(x), std::sin(x)};
        for (int k = 2; k <= N; ++k) {
            // Doubling where it can: fewer roundings than turning by x k times.
            const UnitPoint& half = points_[static_cast<std::size_t>(N + k / 2)];
            const UnitPoint& rest = points_[static_cast<std::size_t>(N + k - k / 2)];
            points_[static_cast<std::size_t>(N + k)] = Times(half, rest);
        }
        for (int k = 1; k <= N; ++k) {
            const UnitPoint& ahead = points_[static_cast<std::size_t>(N + k)];
            points_[static_cast<std::size_t>(N - k)] = {ahead.c, -ahead.s};
        }
    }
    const UnitPoint& operator[](int multiple) const {
        return points_[static_cast<std::size_t>(N + multiple)];
    }

  private:
    std::array<UnitPoint, 2 * N + 1> points_{};
};

} // namespace

double MoonTropicalLongitude(double T) {
    const double meanLongitude = 218.3164591 + 481267.88134236 * T;
    // The angles are not reduced to one turn before use: the readings were always computed so.
    const double D = (297.8502042 + 445267.1115168 * T) * kDegToRad;
    const double M = (357.5291092 + 35999.0502909 * T) * kDegToRad;
    const double Mp = (134.9634114 + 477198.8676313 * T) * kDegToRad;
    const double F = (93.2720993 + 483202.0175273 * T) * kDegToRad;
    const double E = 1.0 - 0.002516 * T - 0.0000074 * (T * T);

    // Each row's sine comes from the sines and cosines of the four angles alone, multiplied
    // out as points on the unit circle: four library calls instead of one per row, and no large
    // multiple of an angle is rounded before its sine is taken.
    const MultiplesOf<4> ofD(D);
    const MultiplesOf<1> ofM(M);
    const MultiplesOf<3> ofMp(Mp);
    const MultiplesOf<2> ofF(F);
    double sum = 0.0;
    for (const LunarTerm& term : LunarTerms) {
        const UnitPoint first = Times(ofD[term.d], ofM[term.m]);
        const UnitPoint second = Times(ofMp[term.mp], ofF[term.f]);
        double contribution = term.coefficient * (first.s * second.c + first.c * second.s);
        if (term.m != 0) {
            // The Sun's mean anomaly enters through the shrinking eccentricity of the Earth's
            // orbit; no row has a double multiple of M, so E appears once.
            contribution = contribution * E;
        }
        sum = sum + contribution;
    }

    double lambda = meanLongitude + sum;
    // Exact remainders: the same result as adding or subtracting 360 one turn at a time. An
    // exact 360 stays 360.
    if (lambda < 0.0) {
        lambda = std::fmod(lambda, 360.0);
        if (lambda < 0.0) {
            lambda = lambda + 360.0;
        } else {
            lambda = 0.0; // a whole number of turns: the last addition lands on +0
        }
    }
    if (lambda > 360.0) {
        lambda = std::fmod(lambda, 360.0);
        if (lambda == 0.0) {
            lambda = 360.0;
        }
    }
    return lambda;
}

double SiderealOffset(double T) {
    const double node = 125.044555 - 1934.1361849 * T + 0.0020762 * (T * T);
    const double sunMeanLongitude = 280.466449 + 36000.7698231 * T + 0.0003106 * (T * T);
    // Nutation in longitude, arc seconds. The engine takes the sine of the Sun's mean longitude
    // itself, not of twice it.
    const double nutation =
        1.27 * std::sin(sunMeanLongitude * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
    const double precession = T * (5025.64 + 1.11 * T);
    // 85886.27 arc seconds = 23° 51' 26.27", the correction at 2000 January 1.5.
    return ((nutation - precession) - 85886.27) / kArcSecondsPerDegree;
}

double MoonSiderealLongitude(const BirthDetails& details) {
    return MoonSiderealLongitude(EngineBirthInstant(details));
}

double MoonSiderealLongitude(const EngineInstant& instant) {
    const double T = MoonTimeArgument(instant);
    double sidereal = MoonTropicalLongitude(T) + SiderealOffset(T);
    if (sidereal < 0.0) {
        sidereal = sidereal + 360.0;
    }
    return sidereal;
}

std::string MoonEphemeris(const BirthDetails& details) {
    return FormatLongitude(MoonSiderealLongitude(details));
}

} // namespace kovrel
