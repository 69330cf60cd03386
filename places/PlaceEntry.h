#pragma once

// Filling the entry panel from an atlas city: the same boxes, options and zone row a user could
// set by hand.

#include "app/EntryForm.h"
#include "places/Atlas.h"
#include "places/ZoneChoice.h"

#include <cstdint>
#include <string>

namespace kovrel {

// A coordinate rounded to the nearest minute of arc; minute 60 is carried into the degree.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    bool negative = false; // south or west

    bool operator==(const DegreesMinutes&) const = default;
};
DegreesMinutes RoundToMinute(std::int32_t degreesE5);

// "18:31N", "73:51E", "0:07W".
std::string LatitudeText(std::int32_t latitudeE5);
std::string LongitudeText(std::int32_t longitudeE5);

// The local date and time the form shows (list positions to calendar values; hour may be 24).
LocalDateTime FormDateTime(const EntryForm& form);

// Whether the Moon and ayanamsa route reads the form's longitude as east: East selected and
// not 0 deg 0 min (minus zero is not below zero).
bool LongitudeCountsEast(const EntryForm& form);

struct PlaceFill {
    EntryForm entry;         // the form with what the assistant could fill
    Result<ZoneChoice> zone; // when it has a choice, entry.zoneIndex is its row and dst is false
};

// The form with city, state, country, latitude and longitude (degrees and minutes, rounded to
// the minute, and the hemispheres) from `city`, and the zone row for the form's date and time.
// When the date or time gives no zone, the zone row and box are left as they were.
PlaceFill FillEntryFromCity(const AtlasCity& city, const EntryForm& form);

// Only the zone row and box again, for the date and time now on the form (after the user
// changed them), in `ianaZone`.
PlaceFill RechooseZone(std::string_view ianaZone, const EntryForm& form);

} // namespace kovrel
