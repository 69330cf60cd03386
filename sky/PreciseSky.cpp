#include "sky/PreciseSky.h"

#include "ephemeris/JulianDay.h"
#include "sky/DeltaT.h"
#include "sky/Vsop87.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>
#include <utility>

namespace kovrel {

namespace {

// ERFA's dates come in two parts; the second then holds a modified Julian day.
constexpr double kMjdZero = ERFA_DJM0;
// Light takes ERFA_AULT seconds to cross one au.
constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;
// The Sun's pull in au^3 / day^2: the square of the Gaussian gravitational constant.
constexpr double kSunGm = 0.01720209895 * 0.01720209895;

using Vector = std::array<double, 3>;

// ---------------------------------------------------------------- ayanamsas
// An ayanamsa is fixed by its value at an epoch; from there it grows with the general precession
// in longitude. The definitions carry the precession of IAU 1976 (Lieske et al. 1977) back to
// their epoch; from J2000 on the precession of IAU 2006 carries them forward.
struct AyanamsaDefinition {
    double epochTt; // Julian day, TT
    double degrees; // mean value at the epoch, without nutation
};
constexpr std::array<AyanamsaDefinition, 3> kAyanamsas = {{
    // Lahiri: 23.250182778° (23° 15' 00.658", nutation included) at 1956 March 21, 0h TT, less
    // that instant's nutation in longitude, 16.769".
    {2435553.5, 23.250182778 - 0.004658035},
    // Raman and Krishnamurti at 1900 January 0.5 TT, with the values at which they agree with
    // the established programs (tests/data/reference/ayanamsas.csv) to 0.002" over 1900-2050.
    {2415020.0, 21.0141284},
    {2415020.0, 22.3635774},
}};

// General precession in longitude of IAU 1976 from J2000 to `t` Julian centuries, arcseconds.
constexpr double Precession1976(double t) {
    return ((-0.000006 * t + 1.11113) * t + 5029.0966) * t;
}

double MeanAyanamsa(AyanamsaKind kind, double julianDayTt) {
    const AyanamsaDefinition& definition = kAyanamsas.at(static_cast<std::size_t>(kind));
    const double epoch = (definition.epochTt - ERFA_DJ00) / ERFA_DJC;
    // eraP06e gives the IAU 2006 general precession in longitude p_A among its angles.
    double eps0, psia, oma, bpa, bqa, pia, bpia, epsa, chia, za, zetaa, thetaa, pa, gam, phi, psi;
    eraP06e(kMjdZero, julianDayTt - kMjdZero, &eps0, &psia, &oma, &bpa, &bqa, &pia, &bpia, &epsa,
            &chia, &za, &zetaa, &thetaa, &pa, &gam, &phi, &psi);
    return definition.degrees + (pa * ERFA_DR2AS - Precession1976(epoch)) / 3600.0;
}

// ---------------------------------------------------------------- apparent places

// An angle in degrees brought into 0 <= x < 360.
double Wrap360(double degrees) {
    degrees = std::fmod(degrees, 360.0);
    if (degrees < 0.0) {
        degrees += 360.0;
    }
    return degrees >= 360.0 ? 0.0 : degrees;
}

// The longitude of a direction once turned by `rotation` onto the ecliptic of date.
double EclipticLongitude(const double rotation[3][3], const Vector& direction) {
    double turned[2] = {0.0, 0.0};
    for (int row = 0; row < 2; ++row) {
        for (int k = 0; k < 3; ++k) {
            turned[row] += rotation[row][k] * direction[k];
        }
    }
    return Wrap360(std::atan2(turned[1], turned[0]) * ERFA_DR2D);
}

Vector Minus(const Vector& a, const Vector& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

double Length(const Vector& v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

Vector Unit(const Vector& v) {
    const double length = Length(v);
    return {v[0] / length, v[1] / length, v[2] / length};
}

// The Earth as the observer: heliocentric place and direction, and its velocity in units of the
// speed of light, which the aberration needs.
struct Observer {
    Vector position{};
    Vector direction{}; // from the Sun
    double distance = 0.0;
    Vector velocity{}; // in units of c
    double inverseLorentz = 1.0;
};

Observer EarthObserver(const HeliocentricState& earth) {
    Observer observer;
    observer.position = earth.position;
    observer.distance = Length(earth.position);
    observer.direction = Unit(earth.position);
    double speed2 = 0.0;
    for (int k = 0; k < 3; ++k) {
        observer.velocity[k] = earth.velocity[k] * kLightDaysPerAu;
        speed2 += observer.velocity[k] * observer.velocity[k];
    }
    observer.inverseLorentz = std::sqrt(1.0 - speed2);
    return observer;
}

// Where a planet was `tau` days before: back along its motion, with the Sun's pull for the
// curve of the path (a few thousandths of an arc second for Mercury, less for the others).
Vector Retarded(const HeliocentricState& planet, double tau) {
    const double r = Length(planet.position);
    const double pull = 0.5 * tau * tau * kSunGm / (r * r * r);
    Vector place{};
    for (int k = 0; k < 3; ++k) {
        place[k] = planet.position[k] - tau * planet.velocity[k] - pull * planet.position[k];
    }
    return place;
}

// Annual aberration of a direction seen by the observer.
Vector Aberrated(Vector direction, Observer earth) {
    Vector seen{};
    eraAb(direction.data(), earth.velocity.data(), earth.distance, earth.inverseLorentz,
          seen.data());
    return seen;
}

// A planet's apparent direction from the Earth, in the frame of the series: the light left it
// one light time before the instant, was bent by the Sun on its way, and is seen from the moving
// Earth.
Vector ApparentPlanet(const HeliocentricState& planet, const Observer& earth) {
    double tau = Length(Minus(planet.position, earth.position)) * kLightDaysPerAu;
    Vector place = Retarded(planet, tau);
    // Two more rounds bring the light time to well below a microsecond.
    for (int round = 0; round < 2; ++round) {
        tau = Length(Minus(place, earth.position)) * kLightDaysPerAu;
        place = Retarded(planet, tau);
    }
    Vector direction = Unit(Minus(place, earth.position));
    Vector fromSun = Unit(place);
    Vector sunToEarth = earth.direction;
    Vector bent{};
    // The limiter keeps a planet behind the Sun's disc finite, as ERFA does for stars.
    constexpr double kDeflectionLimit = 1e-6;
    eraLd(1.0, direction.data(), fromSun.data(), sunToEarth.data(), earth.distance,
          kDeflectionLimit, bent.data());
    return Aberrated(bent, earth);
}

// The turn from the series' frame onto the equator and equinox of J2000 (FK5), as Bretagnon and
// Francou give it: the obliquity 23° 26' 21.4091" and an equinox 0.0000275° off. That frame is
// taken as the ICRS itself: the Earth then agrees with ERFA's eraEpv00 to 0.035", and with the
// IAU frame bias added on top only to 0.055".
void SeriesToIcrs(double rotation[3][3]) {
    constexpr double kObliquity = (23.0 + 26.0 / 60.0 + 21.4091 / 3600.0) * ERFA_DD2R;
    constexpr double kEquinoxOffset = -0.0000275 * ERFA_DD2R;
    eraIr(rotation);
    eraRx(-kObliquity, rotation);
    eraRz(-kEquinoxOffset, rotation);
}

} // namespace

PreciseSky ComputePreciseSky(double julianDayUt, double latitude, double eastLongitude,
                             AyanamsaKind ayanamsa) {
    PreciseSky sky;
    sky.deltaTSeconds = DeltaTSeconds(julianDayUt);
    const double tt = julianDayUt + sky.deltaTSeconds / ERFA_DAYSEC;
    const double ttPart = tt - kMjdZero;

    // Precession (IAU 2006, with the frame bias) as Fukushima-Williams angles, and the nutation
    // (IAU 2000B), once for the instant.
    double gammaBar = 0.0;
    double phiBar = 0.0;
    double psiBar = 0.0;
    double meanObliquity = 0.0;
    eraPfw06(kMjdZero, ttPart, &gammaBar, &phiBar, &psiBar, &meanObliquity);
    double nutationLongitude = 0.0;
    double nutationObliquity = 0.0;
    eraNut00b(kMjdZero, ttPart, &nutationLongitude, &nutationObliquity);

    // ICRS onto the ecliptic and true equinox of date: the Fukushima-Williams rotations without
    // the last one, which would tilt the ecliptic onto the true equator.
    double icrsToDate[3][3];
    eraIr(icrsToDate);
    eraRz(gammaBar, icrsToDate);
    eraRx(phiBar, icrsToDate);
    eraRz(-(psiBar + nutationLongitude), icrsToDate);
    double seriesToIcrs[3][3];
    SeriesToIcrs(seriesToIcrs);
    double seriesToDate[3][3];
    eraRxr(icrsToDate, seriesToIcrs, seriesToDate);

    const Observer earth = EarthObserver(VsopState(vsop::Body::Earth, tt));

    std::array<double, kPlanetCount> tropical{};
    // The Sun stands still in the heliocentric frame: only the aberration moves it.
    const Vector towardsSun = {-earth.direction[0], -earth.direction[1], -earth.direction[2]};
    tropical[Index(Planet::Sun)] = EclipticLongitude(seriesToDate, Aberrated(towardsSun, earth));

    // The Moon's light time, in a frame that moves with the Earth, is all of its apparent shift:
    // the Earth's own motion is no part of it.
    double moon[2][3];
    eraMoon98(kMjdZero, ttPart, moon);
    const double moonTau = std::sqrt(eraPdp(moon[0], moon[0])) * kLightDaysPerAu;
    const Vector moonPlace = {moon[0][0] - moonTau * moon[1][0], moon[0][1] - moonTau * moon[1][1],
                              moon[0][2] - moonTau * moon[1][2]};
    tropical[Index(Planet::Moon)] = EclipticLongitude(icrsToDate, moonPlace);

    constexpr std::array<std::pair<Planet, vsop::Body>, 5> kPlanetBodies = {{
        {Planet::Mercury, vsop::Body::Mercury},
        {Planet::Venus, vsop::Body::Venus},
        {Planet::Mars, vsop::Body::Mars},
        {Planet::Jupiter, vsop::Body::Jupiter},
        {Planet::Saturn, vsop::Body::Saturn},
    }};
    for (const auto& [planet, body] : kPlanetBodies) {
        tropical[Index(planet)] =
            EclipticLongitude(seriesToDate, ApparentPlanet(VsopState(body, tt), earth));
    }

    sky.ayanamsa = MeanAyanamsa(ayanamsa, tt) + nutationLongitude * ERFA_DR2D;
    for (std::size_t k = 0; k < kPlanetCount; ++k) {
        sky.longitudes[k] = Wrap360(tropical[k] - sky.ayanamsa);
    }

    // Apparent sidereal time: the mean (IAU 2006) and the equation of the equinoxes, of whose
    // complementary terms only the largest two (0.0026" and 0.00006") are kept.
    const double centuries = (tt - ERFA_DJ00) / ERFA_DJC;
    const double node = eraFaom03(centuries);
    const double equationOfEquinoxes =
        nutationLongitude * std::cos(meanObliquity) +
        (0.00264096 * std::sin(node) + 0.00006352 * std::sin(2.0 * node)) * ERFA_DAS2R;
    const double siderealTime = eraGmst06(kMjdZero, julianDayUt - kMjdZero, kMjdZero, ttPart) +
                                equationOfEquinoxes + eastLongitude * ERFA_DD2R;
    // The ecliptic degree on the eastern horizon, on the true ecliptic of date.
    const double obliquity = meanObliquity + nutationObliquity;
    const double ascendant =
        std::atan2(std::cos(siderealTime), -(std::sin(siderealTime) * std::cos(obliquity) +
                                             std::tan(latitude * ERFA_DD2R) * std::sin(obliquity)));
    sky.tropicalAscendant = Wrap360(ascendant * ERFA_DR2D);
    sky.ascendant = Wrap360(sky.tropicalAscendant - sky.ayanamsa);
    return sky;
}

double BirthJulianDayUt(const BirthDetails& birth) {
    const double midnight = JulianDayNumber(birth.Month, birth.Day, birth.Year) - 0.5;
    const double hours = birth.Hour + birth.Minute / 60.0 + birth.TzHoursSigned +
                         birth.TzMinutesSigned / 60.0 - (birth.DstFlag ? 1.0 : 0.0);
    return midnight + hours / 24.0;
}

PreciseSky PreciseSkyOf(const BirthDetails& birth, AyanamsaKind ayanamsa) {
    const double latitude =
        (birth.LatDegrees + birth.LatMinutes / 60.0) * (birth.SouthFlag ? -1.0 : 1.0);
    const double eastLongitude =
        (birth.LonDegrees + birth.LonMinutes / 60.0) * (birth.EastFlag ? 1.0 : -1.0);
    return ComputePreciseSky(BirthJulianDayUt(birth), latitude, eastLongitude, ayanamsa);
}

} // namespace kovrel
