#include "places/ZoneInForce.h"

#include "common/Calendar.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <chrono>
#include <cstdio>
#include <optional>

namespace kovrel {

namespace {

// cctz also takes "localtime", fixed-offset forms and file paths; only database names such as
// "America/Argentina/Buenos_Aires" or "UTC" are accepted here.
bool LooksLikeZoneName(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.back() == '/' ||
        name.find("..") != std::string_view::npos || name == "localtime") {
        return false;
    }
    for (const char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || c == '/' || c == '_' || c == '-' || c == '+';
        if (!ok) {
            return false;
        }
    }
    return true;
}

std::optional<cctz::time_zone> LoadZone(std::string_view name) {
    cctz::time_zone zone;
    if (!LooksLikeZoneName(name) || !cctz::load_time_zone(std::string(name), &zone)) {
        return std::nullopt;
    }
    return zone;
}

ZoneOffset OffsetAt(const cctz::time_zone& zone, const cctz::time_point<cctz::seconds>& instant) {
    const auto found = zone.lookup(instant);
    return {found.offset, found.is_dst, found.abbr};
}

} // namespace

Result<ZoneInForce> ZoneInForceAt(std::string_view ianaZone, const LocalDateTime& local) {
    const auto zone = LoadZone(ianaZone);
    if (!zone) {
        return Fault{"The zone database has no zone named \"" + std::string(ianaZone) + "\"."};
    }
    if (local.year < 1901 || local.year > 2050 || local.month < 1 || local.month > 12 ||
        local.day < 1 || local.day > DaysInMonth(local.year, local.month) || local.hour < 0 ||
        local.hour > 24 || local.minute < 0 || local.minute > 59) {
        return Fault{"The date or time is not one the calendar has."};
    }
    // civil_second carries hour 24 into the next day, across months and years.
    const cctz::civil_second clock(local.year, local.month, local.day, local.hour, local.minute, 0);
    ZoneInForce found;
    found.clock = {static_cast<int>(clock.year()), clock.month(), clock.day(), clock.hour(),
                   clock.minute()};
    const auto lookup = zone->lookup(clock);
    switch (lookup.kind) {
    case cctz::time_zone::civil_lookup::UNIQUE:
        found.kind = LocalTimeKind::Unique;
        found.before = OffsetAt(*zone, lookup.pre);
        found.after = found.before;
        break;
    case cctz::time_zone::civil_lookup::SKIPPED:
    case cctz::time_zone::civil_lookup::REPEATED:
        found.kind = lookup.kind == cctz::time_zone::civil_lookup::SKIPPED
                         ? LocalTimeKind::Skipped
                         : LocalTimeKind::Repeated;
        found.before = OffsetAt(*zone, lookup.trans - cctz::seconds(1));
        found.after = OffsetAt(*zone, lookup.trans);
        break;
    }
    return found;
}

std::string UtcOffsetText(int offsetSeconds) {
    const char sign = offsetSeconds < 0 ? '-' : '+';
    const int magnitude = offsetSeconds < 0 ? -offsetSeconds : offsetSeconds;
    const int hours = magnitude / 3600;
    const int minutes = magnitude / 60 % 60;
    const int seconds = magnitude % 60;
    char text[32];
    if (seconds != 0) {
        std::snprintf(text, sizeof text, "UTC%c%d:%02d:%02d", sign, hours, minutes, seconds);
    } else {
        std::snprintf(text, sizeof text, "UTC%c%d:%02d", sign, hours, minutes);
    }
    return text;
}

} // namespace kovrel
