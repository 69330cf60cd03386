#include "ephemeris/Constants.h"
#include "positions/Orbits.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kovrel {
namespace {

TEST(GeocentricLongitude, AtJ2000) {
    EXPECT_NEAR(GeocentricLongitude(kEarth, 0.0), 280.38, 0.005); // the Sun
    EXPECT_NEAR(GeocentricLongitude(kMercury, 0.0), 271.91, 0.005);
    EXPECT_NEAR(GeocentricLongitude(kVenus, 0.0), 241.58, 0.005);
    EXPECT_NEAR(GeocentricLongitude(kMars, 0.0), 327.98, 0.005);
    EXPECT_NEAR(GeocentricLongitude(kJupiter, 0.0), 25.36, 0.005);
    EXPECT_NEAR(GeocentricLongitude(kSaturn, 0.0), 40.21, 0.005);
}

TEST(GeocentricLongitude, SunIsOppositeTheEarth) {
    for (double d = -36000.0; d <= 18500.0; d += 777.7) {
        const OrbitalElements earth = OrbitalElementsAt(kEarth, d);
        const double v = TrueAnomaly(NormalizeRadians(earth.meanLon - earth.peri), earth.e);
        double heliocentric = std::fmod((earth.peri + v) * 180.0 / kPi, 360.0);
        double expected = std::fmod(heliocentric + 180.0, 360.0);
        const double sun = GeocentricLongitude(kEarth, d);
        double difference = std::fabs(sun - expected);
        difference = std::min(difference, 360.0 - difference);
        EXPECT_LT(difference, 1e-9) << "d = " << d;
    }
}

TEST(GeocentricLongitude, AlwaysWithinOneTurn) {
    for (int body = 0; body < kOrbitBodyCount; ++body) {
        for (double d = -36500.0; d <= 18600.0; d += 123.4) {
            const double lambda = GeocentricLongitude(body, d);
            EXPECT_GE(lambda, 0.0);
            EXPECT_LE(lambda, 360.0);
        }
    }
}

TEST(GeocentricLongitude, AllBodiesAtOnceGiveTheSameValues) {
    for (double d = -36500.0; d <= 18600.0; d += 1234.5) {
        const auto all = GeocentricLongitudes(d);
        for (int body = 0; body < kOrbitBodyCount; ++body) {
            EXPECT_EQ(all[static_cast<std::size_t>(body)], GeocentricLongitude(body, d))
                << "body " << body << " d = " << d;
        }
    }
}

TEST(OrbitalElements, BaseValuesAtJ2000) {
    const OrbitalElements mercury = OrbitalElementsAt(kMercury, 0.0);
    EXPECT_DOUBLE_EQ(mercury.a, 0.38709893);
    EXPECT_DOUBLE_EQ(mercury.e, 0.20563069);
    EXPECT_DOUBLE_EQ(mercury.i, 7.00487 * kDegToRad);
    EXPECT_DOUBLE_EQ(mercury.node, 48.33167 * kDegToRad);
    EXPECT_DOUBLE_EQ(mercury.peri, 77.45645 * kDegToRad);
    EXPECT_DOUBLE_EQ(mercury.meanLon, 252.25084 * kDegToRad);
    // Mars' perihelion lies above one turn and is left so; the mean longitude is reduced.
    const OrbitalElements mars = OrbitalElementsAt(kMars, 0.0);
    EXPECT_DOUBLE_EQ(mars.peri, 336.04084 * kDegToRad);
    EXPECT_DOUBLE_EQ(mars.meanLon, 355.45332 * kDegToRad);
}

TEST(OrbitalElements, RatesPerCentury) {
    const double century = 36525.0;
    const OrbitalElements saturn = OrbitalElementsAt(kSaturn, century);
    EXPECT_DOUBLE_EQ(saturn.a, 9.53707032 - 0.00301530);
    EXPECT_DOUBLE_EQ(saturn.e, 0.05415060 - 0.00036762);
    EXPECT_DOUBLE_EQ(saturn.node, kDegToRad * (113.71504 - 1591.05 / 3600.0));
    EXPECT_DOUBLE_EQ(saturn.peri, kDegToRad * (92.43194 - 1948.89 / 3600.0));
    // The mean longitude advances many turns per century and is brought back into one.
    const OrbitalElements mercury = OrbitalElementsAt(kMercury, century);
    EXPECT_GE(mercury.meanLon, 0.0);
    EXPECT_LT(mercury.meanLon, kTwoPi);
    EXPECT_NEAR(mercury.meanLon, NormalizeRadians(kDegToRad * (252.25084 + 538101628.29 / 3600.0)),
                0.0);
}

TEST(NormalizeRadians, WholeTurnsAndNegatives) {
    EXPECT_EQ(NormalizeRadians(-2.0 * kTwoPi), 0.0);
    EXPECT_EQ(NormalizeRadians(0.0), 0.0);
    EXPECT_NEAR(NormalizeRadians(-0.1), 6.18318530717958, 1e-15);
    EXPECT_NEAR(NormalizeRadians(kTwoPi + 0.5), 0.5, 1e-14);
    EXPECT_NEAR(NormalizeRadians(-3.0 * kTwoPi - 1.0), kTwoPi - 1.0, 1e-13);
    EXPECT_NEAR(NormalizeRadians(1.0), 1.0, 1e-15);
}

TEST(QuadrantArcTangent, Axes) {
    EXPECT_EQ(QuadrantArcTangent(0.0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(1.0, 0.0), kPi / 2.0);
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(-1.0, 0.0), -kPi / 2.0);
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(0.0, -1.0), kPi);
    EXPECT_EQ(QuadrantArcTangent(0.0, 1.0), 0.0);
}

TEST(QuadrantArcTangent, Quadrants) {
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(1.0, 1.0), std::atan(1.0));
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(1.0, -1.0), kPi - std::atan(1.0));
    EXPECT_DOUBLE_EQ(QuadrantArcTangent(-1.0, -1.0), -(kPi - std::atan(1.0)));
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
            const double meanAnomaly = NormalizeRadians(E - e * std::sin(E));
            EXPECT_NEAR(meanAnomaly, M, 1e-11) << "e = " << e << " M = " << M;
            // On the outbound half of the orbit the true anomaly runs ahead of the mean one.
            if (e > 0.0 && M < kPi) {
                EXPECT_GT(v, M);
            }
        }
    }
    // A circle: true and mean anomaly agree.
    EXPECT_NEAR(TrueAnomaly(1.0, 0.0), 1.0, 1e-15);
}

TEST(TrueAnomaly, EndsForEccentricitiesOutsideTheTable) {
    // Far outside any orbit of the table Newton's method can cycle for ever (it does for these
    // values); the call must still return. An open orbit has no true anomaly on an ellipse.
    EXPECT_TRUE(std::isnan(TrueAnomaly(0.91, 2.15)));
}

} // namespace
} // namespace kovrel
