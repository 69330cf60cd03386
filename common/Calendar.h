#pragma once

#include <optional>

namespace kovrel {

// Civil dates of the proleptic Gregorian calendar and clock arithmetic with full carry.

struct CivilDateTime {
    int year;
    int month; // 1 = January
    int day;
    int hour;
    int minute;

    bool operator==(const CivilDateTime&) const = default;
};

bool IsLeapYear(long long year);
// Days in a month 1..12 of a year.
int DaysInMonth(long long year, int month);

// `local` moved by `minutes` (negative moves back), with carry through hours, days, months and
// years. An hour of 24 is taken as 00 of the next day. Nothing when the date cannot be formed
// (a day the month lacks, a month outside 1..12) or the time is no clock time (hour outside
// 0..24, minute outside 0..59).
std::optional<CivilDateTime> ShiftedDateTime(const CivilDateTime& local, long long minutes);

} // namespace kovrel
