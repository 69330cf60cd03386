#include "common/Constants.h"
#include "positions/Orbits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace kovrel {
namespace {

TEST(GeocentricLongitude, AtJ2000) {
    const struct {
        int body;
        double longitude;
    } bodies[] = {// Worked example: the tropical longitudes at d = 0, to two decimals.
                  {kEarth, 280.38}, // the Sun
                  {kMercury, 271.91}, {kVenus, 241.58}, {kMars, 327.98},
                  {kJupiter, 25.36},  {kSaturn, 40.21}};
    for (const auto& b : bodies) {
        EXPECT_NEAR(GeocentricLongitudes(0.0)[static_cast<std::size_t>(b.body)], b.longitude, 0.005)
            << "body " << b.body;
    }
}

TEST(GeocentricLongitude, WithinOneTurn) {
    for (double d = -36500.0; d <= 18600.0; d += 123.4) {
        const auto all = GeocentricLongitudes(d);
        for (int body = 0; body < kOrbitBodyCount; ++body) {
            const double lambda = all[static_cast<std::size_t>(body)];
            EXPECT_TRUE(lambda >= 0.0 && lambda <= 360.0) << body << " at " << d << ": " << lambda;
        }
    }
}

TEST(GeocentricLongitude, AgreesWithTheRouteThroughTheTrueAnomaly) {
    // The textbook route, a library call for every function of every angle: the true anomaly,
    // the radius from it and the rotation into the ecliptic. The Earth's node and inclination
    // are 0, so its row needs no case of its own.
    const auto place = [](int body, double d) {
        const OrbitalElements el = OrbitalElementsAt(body, d);
        const double v = TrueAnomaly(NormalizeRadians(el.meanLon - el.peri), el.e);
        const double r = el.a * (1.0 - el.e * el.e) / (1.0 + el.e * std::cos(v));
        const double u = el.peri + v - el.node;
        return std::array<double, 2>{r * (std::cos(el.node) * std::cos(u) -
                                          std::sin(u) * std::sin(el.node) * std::cos(el.i)),
                                     r * (std::sin(el.node) * std::cos(u) +
                                          std::sin(u) * std::cos(el.node) * std::cos(el.i))};
    };
    double largest = 0.0;
    // 1800 to 2100, every 2.7 days.
    for (double d = -73048.0; d <= 36525.0; d += 2.7) {
        const auto earth = place(kEarth, d);
        const auto all = GeocentricLongitudes(d);
        for (int body = 0; body < kOrbitBodyCount; ++body) {
            const auto planet = body == kEarth ? std::array<double, 2>{} : place(body, d);
            const double direct =
                QuadrantArcTangent(planet[1] - earth[1], planet[0] - earth[0]) * 180.0 / kPi;
            const double apart =
                std::remainder(all[static_cast<std::size_t>(body)] - direct, 360.0);
            largest = std::max(largest, std::fabs(apart));
        }
    }
    // Rounding leaves a few 1e-13 degrees; ending Newton's method a step early leaves more.
    EXPECT_LT(largest, 1e-11);
}

TEST(OrbitalElements, RatesPerCenturyAndTheReducedMeanLongitude) {
    // Expected values from the published J2000 elements and their rates per century.
    const double century = 36525.0;
    const OrbitalElements saturn = OrbitalElementsAt(kSaturn, century);
    EXPECT_DOUBLE_EQ(saturn.a, 9.53707032 - 0.00301530);
    EXPECT_DOUBLE_EQ(saturn.e, 0.05415060 - 0.00036762);
    EXPECT_DOUBLE_EQ(saturn.node, kDegToRad * (113.71504 - 1591.05 / 3600.0));
    EXPECT_DOUBLE_EQ(saturn.peri, kDegToRad * (92.43194 - 1948.89 / 3600.0));
    // The mean longitude advances many turns per century and is brought back into one.
    const OrbitalElements mercury = OrbitalElementsAt(kMercury, century);
    EXPECT_NEAR(mercury.meanLon, NormalizeRadians(kDegToRad * (252.25084 + 538101628.29 / 3600.0)),
                0.0);
    // Mars' perihelion lies above one turn and is left so; the mean longitude is reduced.
    const OrbitalElements mars = OrbitalElementsAt(kMars, 0.0);
    EXPECT_DOUBLE_EQ(mars.peri, 336.04084 * kDegToRad);
    EXPECT_DOUBLE_EQ(mars.meanLon, 355.45332 * kDegToRad);
}

TEST(NormalizeRadians, WholeTurnsAndNegatives) {
    EXPECT_EQ(NormalizeRadians(-2.0 * kTwoPi), 0.0);
    EXPECT_EQ(NormalizeRadians(0.0), 0.0);
    EXPECT_NEAR(NormalizeRadians(-0.1), 6.18318530717958, 1e-15); // two pi minus 0.1
    EXPECT_NEAR(NormalizeRadians(kTwoPi + 0.5), 0.5, 1e-14);
    EXPECT_NEAR(NormalizeRadians(-3.0 * kTwoPi - 1.0), kTwoPi - 1.0, 1e-13);
}

TEST(QuadrantArcTangent, AxesAndQuadrants) {
    EXPECT_EQ(QuadrantArcTangent(0.0, 0.0), 0.0);
    EXPECT_EQ(QuadrantArcTangent(0.0, 1.0), 0.0);
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(1.0, 0.0), kPi / 2.0);
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(-1.0, 0.0), -kPi / 2.0);
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(0.0, -1.0), kPi);
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(1.0, 1.0), std::atan(1.0));
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(1.0, -1.0), kPi - std::atan(1.0));
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(-1.0, -1.0), std::atan(1.0) - kPi);
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(-1.0, 1.0), -std::atan(1.0));
}

TEST(TrueAnomaly, ApsidesForEveryEccentricityOfTheTable) {
    for (int body = 0; body < kOrbitBodyCount; ++body) {
        const double e = OrbitalElementsAt(body, 0.0).e;
        EXPECT_EQ(TrueAnomaly(0.0, e), 0.0) << "body " << body;
        EXPECT_NEAR(TrueAnomaly(kPi, e), kPi, 1e-14) << "body " << body;
    }
}

TEST(TrueAnomaly, SolvesKeplersEquation) {
    for (double e : {0.0, 0.0167, 0.0934, 0.2056}) {
        for (double M = 0.05; M < kTwoPi; M += 0.37) {
            const double v = TrueAnomaly(M, e);
            ASSERT_GE(v, 0.0);
            ASSERT_LT(v, kTwoPi);
            // Back from the true to the eccentric and the mean anomaly.
            const double E = 2.0 * std::atan(std::sqrt((1.0 - e) / (1.0 + e)) * std::tan(v / 2.0));
            EXPECT_NEAR(NormalizeRadians(E - e * std::sin(E)), M, 1e-11) << e << ", " << M;
            // On the outbound half of the orbit the true anomaly runs ahead of the mean one.
            if (e > 0.0 && M < kPi) {
                EXPECT_GT(v, M);
            }
        }
    }
}

TEST(TrueAnomaly, EndsForEccentricitiesOutsideTheTable) {
    // Far outside any orbit of the table Newton's method can cycle for ever (it does for these
    // values); the call must still return. An open orbit has no true anomaly on an ellipse.
    EXPECT_TRUE(std::isnan(TrueAnomaly(0.91, 2.15)));
}

} // namespace
} // namespace kovrel
