#pragma once

// The UTC offset a place's clocks kept at a local date and time, from the system's IANA zone
// database (Debian's tzdata, read through cctz). Nothing here knows a daylight-saving rule.

#include "common/Result.h"

#include <string>
#include <string_view>

namespace kovrel {

// A local civil date and clock time as the entry panel gives it: hour 24 is 00:mm of the next
// day.
struct LocalDateTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;
    int hour = 0; // 0..24
    int minute = 0;

    bool operator==(const LocalDateTime&) const = default;
};

// An offset as the zone database gives it.
struct ZoneOffset {
    int offsetSeconds = 0;    // east of UTC positive: UTC+5:30 is 19800
    bool dst = false;         // daylight saving (or any offset beside the zone's standard one)
    std::string abbreviation; // "IST", "EDT", "+0545", "LMT"

    bool operator==(const ZoneOffset&) const = default;
};

enum class LocalTimeKind {
    Unique,   // the clocks showed this time once
    Skipped,  // the clocks moved forward over it: it never happened
    Repeated, // the clocks moved back over it: it happened twice
};

struct ZoneInForce {
    LocalTimeKind kind = LocalTimeKind::Unique;
    // Unique: the offset then. Skipped and Repeated: the offset in force before the change.
    ZoneOffset before;
    // Skipped and Repeated: the offset in force after the change. Unique: equal to `before`.
    ZoneOffset after;
    // The time after carrying hour 24 into the next day.
    LocalDateTime clock;
};

// The offset in force in `ianaZone` at `local`, for years 1901..2050. An unknown zone, a date
// the calendar lacks (30 February) or a time outside 0..24 h and 0..59 min is refused.
Result<ZoneInForce> ZoneInForceAt(std::string_view ianaZone, const LocalDateTime& local);

// "UTC+5:30", "UTC-4:00", "UTC+1:19:32", "UTC+0:00".
std::string UtcOffsetText(int offsetSeconds);

} // namespace kovrel
