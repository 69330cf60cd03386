#pragma once

#include "common/Words.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

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

// The month names, January first: the month list, the printed reading and every note.
inline constexpr std::array<Word, 12> kMonthNames = {
    KOVREL_WORD("Months", "January"),   KOVREL_WORD("Months", "February"),
    KOVREL_WORD("Months", "March"),     KOVREL_WORD("Months", "April"),
    KOVREL_WORD("Months", "May"),       KOVREL_WORD("Months", "June"),
    KOVREL_WORD("Months", "July"),      KOVREL_WORD("Months", "August"),
    KOVREL_WORD("Months", "September"), KOVREL_WORD("Months", "October"),
    KOVREL_WORD("Months", "November"),  KOVREL_WORD("Months", "December")};

// The one text form of a date, "15 March 1990"; a month outside 1..12 is written as its number.
std::string DateText(int year, int month, int day, const Words& words = English());
// The one text form of a clock time, "08:30".
std::string ClockText(int hour, int minute);

bool IsLeapYear(long long year);
// Days in a month 1..12 of a year.
int DaysInMonth(long long year, int month);

// `local` moved by `minutes` (negative moves back), with carry through hours, days, months and
// years. An hour of 24 is taken as 00 of the next day. Nothing when the date cannot be formed
// (a day the month lacks, a month outside 1..12) or the time is no clock time (hour outside
// 0..24, minute outside 0..59).
std::optional<CivilDateTime> ShiftedDateTime(const CivilDateTime& local, long long minutes);

} // namespace kovrel
