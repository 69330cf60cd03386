#include "common/Calendar.h"

#include <cstdio>

namespace kovrel {

std::string DateText(int year, int month, int day, const Words& words) {
    const std::string monthText = month >= 1 && month <= 12
                                      ? words.Say(kMonthNames[static_cast<std::size_t>(month - 1)])
                                      : std::to_string(month);
    return std::to_string(day) + " " + monthText + " " + std::to_string(year);
}

std::string ClockText(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

bool IsLeapYear(long long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(long long year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

namespace {

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

std::optional<CivilDateTime> ShiftedDateTime(const CivilDateTime& local, long long minutes) {
    const long long year = local.year;
    if (local.month < 1 || local.month > 12 || local.day < 1 ||
        local.day > DaysInMonth(year, local.month)) {
        return std::nullopt;
    }
    // The hour list ends with 24: 24:mm is taken as 00:mm of the next day. Anything else outside
    // the clock is not a time of day.
    if (local.hour < 0 || local.hour > 24 || local.minute < 0 || local.minute > 59) {
        return std::nullopt;
    }
    const long long total = DaysFromCivil(year, local.month, local.day) * 1440 + local.hour * 60LL +
                            local.minute + minutes;
    long long days = total / 1440;
    long long minuteOfDay = total % 1440;
    if (minuteOfDay < 0) {
        minuteOfDay += 1440;
        days -= 1;
    }
    CivilDateTime result{};
    long long shiftedYear = 0;
    CivilFromDays(days, shiftedYear, result.month, result.day);
    result.year = static_cast<int>(shiftedYear);
    result.hour = static_cast<int>(minuteOfDay / 60);
    result.minute = static_cast<int>(minuteOfDay % 60);
    return result;
}

} // namespace kovrel
