#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kovrel {

struct TimeZoneRow {
    std::string_view displayText; // shown in the zone list, never parsed
    std::int16_t hourValue;       // hours to ADD to local clock time to reach UT
    std::int16_t minuteValue;     // remaining minutes, same sign as hourValue
};

inline constexpr int kTimeZoneCount = 70;

// Row number = list position = the number stored in saved readings. Duplicates are deliberate:
// old files refer to rows by number.
extern const std::array<TimeZoneRow, kTimeZoneCount> TimeZoneCatalog;

// Zodiac order, Aries first; position = sign index.
inline constexpr std::array<std::string_view, 12> SignAbbreviations = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

// The tables are compile-time constants; kept as a call so the calculation order reads as
// it always has.
void LoadBuiltInTables();

} // namespace kovrel
