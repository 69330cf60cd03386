#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kovrel {

struct TimeZoneRow {
    std::string_view displayText; // shown in the zone list, never parsed
    std::int16_t hourValue;       // hours to ADD to local clock time to reach UT
    std::int16_t minuteValue;     // remaining minutes, same sign as hourValue
};

inline constexpr int kTimeZoneCount = 70;

// Row number = list position = the number stored in saved readings. Duplicates are deliberate:
// old files refer to rows by number. The functions below are the only way into the table: a row
// number from a file, a flag or a list is checked here and nowhere else.

// The row at `zoneRow`, or nothing for a number outside the catalogue.
std::optional<TimeZoneRow> FindZoneRow(int zoneRow);

// The display text of a row ("Indian Time, IST, +5.3"); empty for a number outside the catalogue.
std::string_view ZoneRowText(int zoneRow);

// Every row in list order: element k is row k.
std::span<const TimeZoneRow, kTimeZoneCount> ZoneRows();

// The abbreviation of a zone row: the second comma-separated field of its display text, trimmed
// ("IST" for "Indian Time, IST, +5.3"). Empty for a row outside the catalogue.
std::string ZoneAbbreviation(int zoneRow);

// The tables are compile-time constants; kept as a call so the calculation order reads as
// it always has.
void LoadBuiltInTables();

} // namespace kovrel
