#pragma once

#include <cstdint>
#include <string>

namespace kovrel {

// The one record of the entered birth data that every computation reads. Latitude, longitude
// and the zone offset are held as magnitudes; the hemispheres live in EastFlag / SouthFlag and
// the zone direction in the two signed zone fields.
struct BirthDetails {
    std::string Name; // exactly as typed, not trimmed
    std::int16_t Day = 0;
    std::int16_t Month = 0; // 1 = January
    std::int16_t Year = 0;
    std::int16_t Hour = 0; // 0..24: the hour list ends with 24
    std::int16_t Minute = 0;
    // The zone is held twice because the birth moment is formed by two routes that do not agree.
    // The Moon and the ayanamsa take the magnitudes and give them a direction from the
    // longitude's hemisphere, applying the daylight-saving hour; the six other bodies add the
    // signed values to the clock time with calendar carry and ignore daylight saving. Both are
    // what the readings users already have were computed with, so neither may change.
    std::int16_t TzHoursAbs = 0;
    std::int16_t TzMinutesAbs = 0;
    std::int16_t LonDegrees = 0;
    std::int16_t LonMinutes = 0;
    std::int16_t LatDegrees = 0;
    std::int16_t LatMinutes = 0;
    bool EastFlag = false;
    bool SouthFlag = false;
    bool DstFlag = false;
    std::string City; // trimmed
    std::string State;
    std::string Country;
    std::int16_t TzHoursSigned = 0;   // hours to ADD to local time to reach UT
    std::int16_t TzMinutesSigned = 0; // same sign as TzHoursSigned

    bool operator==(const BirthDetails&) const = default;
};

} // namespace kovrel
