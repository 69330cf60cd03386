#include "places/PlaceEntry.h"

#include "common/BirthDetails.h"
#include "common/Text.h"
#include "ephemeris/JulianDay.h"

#include <cstdio>
#include <cstdlib>

namespace kovrel {

namespace {

std::string CoordinateText(std::int32_t degreesE5, char positive, char negative) {
    const DegreesMinutes dm = RoundToMinute(degreesE5);
    char text[24];
    std::snprintf(text, sizeof text, "%d:%02d%c", dm.degrees, dm.minutes,
                  dm.negative ? negative : positive);
    return text;
}

} // namespace

DegreesMinutes RoundToMinute(std::int32_t degreesE5) {
    const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(degreesE5));
    const std::int64_t totalMinutes = (magnitude * 60 + 50000) / 100000; // halves up
    return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60),
            degreesE5 < 0};
}

std::string LatitudeText(std::int32_t latitudeE5) {
    return CoordinateText(latitudeE5, 'N', 'S');
}

std::string LongitudeText(std::int32_t longitudeE5) {
    return CoordinateText(longitudeE5, 'E', 'W');
}

LocalDateTime FormDateTime(const EntryForm& form) {
    // The lists hold 1..31, January..December, 1901..2050, 0..24 and 0..59 in order; a list
    // with nothing selected (-1) gives a value the calendar refuses.
    const auto value = [](int index, int first) { return index < 0 ? -1 : index + first; };
    return {value(form.yearIndex, 1901), value(form.monthIndex, 1), value(form.dayIndex, 1),
            value(form.hourIndex, 0), value(form.minuteIndex, 0)};
}

bool LongitudeCountsEast(const EntryForm& form) {
    const bool east = form.longitude == LongitudeChoice::East;
    const auto degrees = WholeNumberFromText(form.lonDeg);
    const auto minutes = WholeNumberFromText(form.lonMin);
    if (!degrees || !minutes) {
        // Boxes that do not convert yet: the choice of hemisphere is all there is to go by.
        return east;
    }
    return EngineLongitudeCountsEast(east, *degrees, *minutes);
}

PlaceFill FillEntryFromCity(const AtlasCity& city, const EntryForm& form) {
    EntryForm entry = form;
    entry.city = std::string(city.name);
    entry.state = std::string(city.state);
    entry.country = std::string(city.country);
    const DegreesMinutes lat = RoundToMinute(city.latitudeE5);
    const DegreesMinutes lon = RoundToMinute(city.longitudeE5);
    entry.latDeg = std::to_string(lat.degrees);
    entry.latMin = std::to_string(lat.minutes);
    entry.lonDeg = std::to_string(lon.degrees);
    entry.lonMin = std::to_string(lon.minutes);
    entry.latitude = lat.negative ? LatitudeChoice::South : LatitudeChoice::North;
    entry.longitude = lon.negative ? LongitudeChoice::West : LongitudeChoice::East;
    return RechooseZone(city.ianaZone, entry);
}

PlaceFill RechooseZone(std::string_view ianaZone, const EntryForm& form) {
    PlaceFill fill{form, ChooseZoneRow(ianaZone, FormDateTime(form), LongitudeCountsEast(form))};
    if (fill.zone) {
        fill.entry.zoneIndex = fill.zone->zoneRow;
        fill.entry.dst = false;
    }
    return fill;
}

} // namespace kovrel
