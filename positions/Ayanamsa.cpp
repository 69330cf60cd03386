#include "positions/Ayanamsa.h"

#include "common/Calendar.h"
#include "common/Constants.h"
#include "ephemeris/JulianDay.h"

#include <cmath>

namespace kovrel {

double AyanamsaTimeArgument(const BirthDetails& details) {
    return AyanamsaTimeArgument(EngineBirthInstant(details));
}

double AyanamsaTimeArgument(const EngineInstant& instant) {
    // The same birth instant as the ephemeris engine's, counted from 1900 January 0.5.
    return ((instant.dayNumber - kJ1900Day) + instant.universalHours / 24.0 - 0.5) /
           kDaysPerJulianCentury;
}

double AyanamsaAt(double T) {
    // Mean longitude of the Moon's ascending node and twice the Sun's mean longitude, degrees.
    const double node = (933060.0 - 6962911.0 * T + 7.5 * T * T) / kArcSecondsPerDegree;
    const double twiceSun = (2013816.0 + 259205536.0 * T) / kArcSecondsPerDegree;
    // Nutation in longitude, arc seconds.
    const double nutation =
        1.27 * std::sin(twiceSun * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
    // General precession since 1900: 5025.64" per century plus 1.11" per century squared.
    const double p = nutation - T * (5025.64 + 1.11 * T);
    // 80861.27" = 22° 27' 41.27", the ayanamsa at 1900.0; the stored value is negative.
    return (p - 80861.27) / kArcSecondsPerDegree;
}

double ComputeAyanamsa(const BirthDetails& details) {
    return AyanamsaAt(AyanamsaTimeArgument(details));
}

double PlanetDayNumber(int year, int month, int day, int hour, int minute) {
    // Days from 2000 January 1.5 by the short formula of the Keplerian-element tables; it treats
    // every fourth year as a leap year, which holds from 1901 to 2099.
    double d = 367.0 * year - std::floor(7.0 * (year + std::floor((month + 9) / 12.0)) / 4.0) +
               std::floor(275.0 * month / 9.0) + day - 730531.5;
    d = d + (hour + minute / 60.0) / 24.0;
    return d;
}

std::optional<CivilDateTime> UniversalDateTime(const BirthDetails& details) {
    const CivilDateTime local{details.Year, details.Month, details.Day, details.Hour,
                              details.Minute};
    // The signed zone hours and then minutes; adding both with carry is adding their sum.
    return ShiftedDateTime(local, details.TzHoursSigned * 60LL + details.TzMinutesSigned);
}

} // namespace kovrel
