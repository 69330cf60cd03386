#include "ephemeris/JulianDay.h"

#include "common/Constants.h"

#include <cmath>

namespace kovrel {

double JulianDayNumber(int month, int day, int year) {
    // Months are counted from March of the year -4800, so that the leap day falls at the end of
    // the counting year and every year number in use stays positive.
    const double m = 12.0 * (year + 4800.0) + month - 3.0;
    double j = day +
               std::floor((365.0 * m + 2.0 * (m - 12.0 * std::floor(m / 12.0)) + 7.0) / 12.0) +
               std::floor(m / 48.0) - 32083.0;
    // Day numbers after 15 October 1582 (Julian count 2299171) are Gregorian dates.
    if (j > 2299171.0) {
        j = j + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    }
    return j;
}

bool EngineLongitudeCountsEast(bool eastFlag, double lonDegrees, double lonMinutes) {
    double longitude = lonDegrees + lonMinutes / 60.0;
    if (eastFlag) {
        longitude = -longitude;
    }
    // Minus zero is not below zero, so 0° 0' East counts as western.
    return longitude < 0.0;
}

EngineInstant EngineBirthInstant(const BirthDetails& details) {
    const double localHours = details.Hour + details.Minute / 60.0;
    double zoneHours = details.TzHoursAbs + details.TzMinutesAbs / 60.0;
    const bool east =
        EngineLongitudeCountsEast(details.EastFlag, details.LonDegrees, details.LonMinutes);
    // The zone's direction comes from the hemisphere, so daylight saving always moves universal
    // time one hour earlier.
    if (details.DstFlag) {
        if (east) {
            zoneHours = zoneHours + 1.0;
        } else {
            zoneHours = zoneHours - 1.0;
        }
    }
    const double universalHours = east ? localHours - zoneHours : localHours + zoneHours;
    const double dayNumber = JulianDayNumber(details.Month, details.Day, details.Year);
    return {universalHours, dayNumber};
}

double MoonTimeArgument(const BirthDetails& details) {
    return MoonTimeArgument(EngineBirthInstant(details));
}

double MoonTimeArgument(const EngineInstant& instant) {
    return ((instant.dayNumber - kJ2000Day) + instant.universalHours / 24.0 - 0.5) /
           kDaysPerJulianCentury;
}

} // namespace kovrel
