#include "positions/Ayanamsa.h"

#include "ephemeris/Constants.h"
#include "ephemeris/JulianDay.h"

#include <cmath>

namespace kovrel {

double AyanamsaTimeArgument(const BirthDetails& details) {
    // The same birth instant as the ephemeris engine's, counted from 1900 January 0.5.
    const EngineInstant instant = EngineBirthInstant(details);
    return ((instant.dayNumber - 2415020.0) + instant.universalHours / 24.0 - 0.5) / 36525.0;
}

double AyanamsaAt(double T) {
    // Mean longitude of the Moon's ascending node and twice the Sun's mean longitude, degrees.
    const double node = (933060.0 - 6962911.0 * T + 7.5 * T * T) / 3600.0;
    const double twiceSun = (2013816.0 + 259205536.0 * T) / 3600.0;
    // Nutation in longitude, arc seconds.
    const double nutation =
        1.27 * std::sin(twiceSun * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
    // General precession since 1900: 5025.64" per century plus 1.11" per century squared.
    const double p = nutation - T * (5025.64 + 1.11 * T);
    // 80861.27" = 22° 27' 41.27", the ayanamsa at 1900.0; the stored value is negative.
    return (p - 80861.27) / 3600.0;
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

namespace {

bool IsLeapYear(long long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(long long year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 of a proleptic Gregorian date, and back (the well-known era algorithm:
// 400-year eras of 146097 days, years counted from March).
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, long long& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2 ? 1 : 0);
}

} // namespace

std::optional<CivilDateTime> UniversalDateTime(const BirthDetails& details) {
    const long long year = details.Year;
    const int month = details.Month;
    const int day = details.Day;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
        return std::nullopt;
    }
    // The hour list ends with 24: 24:mm is taken as 00:mm of the next day. Anything else outside
    // the clock is not a time of day.
    if (details.Hour < 0 || details.Hour > 24 || details.Minute < 0 || details.Minute > 59) {
        return std::nullopt;
    }
    // Adding hours and then minutes with carry is the same as adding their sum in minutes.
    const long long minutes = DaysFromCivil(year, month, day) * 1440 + details.Hour * 60LL +
                              details.Minute + details.TzHoursSigned * 60LL +
                              details.TzMinutesSigned;
    long long days = minutes / 1440;
    long long minuteOfDay = minutes % 1440;
    if (minuteOfDay < 0) {
        minuteOfDay += 1440;
        days -= 1;
    }
    CivilDateTime result{};
    long long universalYear = 0;
    CivilFromDays(days, universalYear, result.month, result.day);
    result.year = static_cast<int>(universalYear);
    result.hour = static_cast<int>(minuteOfDay / 60);
    result.minute = static_cast<int>(minuteOfDay % 60);
    return result;
}

} // namespace kovrel
