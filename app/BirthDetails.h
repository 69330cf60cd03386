#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// A number from text: plain decimal with optional sign, fraction and exponent, blanks allowed
// around it. Words such as "inf" or "nan" and hexadecimal forms are not numbers.
std::optional<double> NumberFromText(std::string_view text);

// Whole number from text: nearest whole number with halves to the even neighbour; nothing for
// text that is not a number or a value outside the 16-bit range. Leading and trailing blanks
// are allowed, as in "  12 ".
std::optional<std::int16_t> WholeNumberFromText(std::string_view text);

// Leading and trailing blanks removed (only the blank, code 32, as the entry boxes hold no
// other white space).
std::string TrimBlanks(std::string_view text);

} // namespace kovrel
