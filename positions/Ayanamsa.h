#pragma once

#include "common/BirthDetails.h"
#include "common/Calendar.h"
#include "ephemeris/JulianDay.h"

#include <optional>

namespace kovrel {

// Julian centuries from 1900 January 0.5 of the engine-style birth instant.
double AyanamsaTimeArgument(const BirthDetails& details);
double AyanamsaTimeArgument(const EngineInstant& instant);

// Ayanamsa (negative, degrees) for T in Julian centuries from 1900 January 0.5.
double AyanamsaAt(double T);

// The Ayanamsa of the birth moment.
double ComputeAyanamsa(const BirthDetails& details);

// Days since 2000 January 1, 12 h UT, of a UT calendar date and clock time.
double PlanetDayNumber(int year, int month, int day, int hour, int minute);

// Local civil date and time plus TzHoursSigned hours, then TzMinutesSigned minutes, with full
// calendar carry (Gregorian leap days included); daylight saving is not applied. An hour of 24
// carries into 00 of the next day. Nothing when the date cannot be formed (a day the month
// lacks, a month outside 1..12) or the time is no clock time (hour outside 0..24, minute
// outside 0..59).
std::optional<CivilDateTime> UniversalDateTime(const BirthDetails& details);

} // namespace kovrel
