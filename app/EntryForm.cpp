#include "app/EntryForm.h"

#include "app/TimeZoneCatalog.h"
#include "common/Calendar.h"
#include "common/Text.h"

#include <cstdlib>

namespace kovrel {

namespace {

std::vector<std::string> NumberItems(int first, int last) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(last - first + 1));
    for (int value = first; value <= last; ++value) {
        items.push_back(std::to_string(value));
    }
    return items;
}

std::vector<std::string> ZoneItems() {
    std::vector<std::string> items;
    items.reserve(kTimeZoneCount);
    for (const TimeZoneRow& row : ZoneRows()) {
        items.emplace_back(row.displayText);
    }
    return items;
}

// The position of `value`'s decimal text in a numeric list, or -1 (nothing selected) when the
// list does not offer it.
} // namespace

const std::vector<std::string>& ListItems(EntryList list) {
    static const std::vector<std::string> days = NumberItems(1, 31);
    static const std::vector<std::string> months = [] {
        std::vector<std::string> names;
        for (const Word month : kMonthNames) {
            names.emplace_back(month.text());
        }
        return names;
    }();
    static const std::vector<std::string> years = NumberItems(1901, 2050);
    static const std::vector<std::string> hours = NumberItems(0, 24);
    static const std::vector<std::string> minutes = NumberItems(0, 59);
    static const std::vector<std::string> zones = ZoneItems();
    switch (list) {
    case EntryList::Day:
        return days;
    case EntryList::Month:
        return months;
    case EntryList::Year:
        return years;
    case EntryList::Hour:
        return hours;
    case EntryList::Minute:
        return minutes;
    case EntryList::TimeZone:
        return zones;
    }
    return days; // not reached: every list is handled above
}

int FindListItem(EntryList list, std::string_view text) {
    const auto& items = ListItems(list);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string ListItemText(EntryList list, int index) {
    const auto& items = ListItems(list);
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        return {};
    }
    return items[static_cast<std::size_t>(index)];
}

BirthDetails CopyEntry(const EntryForm& entry, const BirthDetails& previous) {
    BirthDetails details = previous;
    // A value that cannot be formed is skipped and the field keeps what it had, so one bad
    // field never stops the others from being copied.
    const auto copyNumber = [](std::int16_t& field, std::string_view text) {
        if (const auto value = WholeNumberFromText(text)) {
            field = *value;
        }
    };

    details.Name = entry.name;
    if (entry.monthIndex >= 0 && entry.monthIndex < 12) {
        details.Month = static_cast<std::int16_t>(entry.monthIndex + 1);
    }
    copyNumber(details.Day, ListItemText(EntryList::Day, entry.dayIndex));
    copyNumber(details.Year, ListItemText(EntryList::Year, entry.yearIndex));
    copyNumber(details.Hour, ListItemText(EntryList::Hour, entry.hourIndex));
    copyNumber(details.Minute, ListItemText(EntryList::Minute, entry.minuteIndex));
    if (const std::optional<TimeZoneRow> row = FindZoneRow(entry.zoneIndex)) {
        details.TzHoursAbs = static_cast<std::int16_t>(std::abs(row->hourValue));
        details.TzMinutesAbs = static_cast<std::int16_t>(std::abs(row->minuteValue));
        details.TzHoursSigned = row->hourValue;
        details.TzMinutesSigned = row->minuteValue;
    }
    copyNumber(details.LonDegrees, entry.lonDeg);
    copyNumber(details.LonMinutes, entry.lonMin);
    copyNumber(details.LatDegrees, entry.latDeg);
    copyNumber(details.LatMinutes, entry.latMin);
    details.EastFlag = entry.longitude == LongitudeChoice::East;
    details.SouthFlag = entry.latitude == LatitudeChoice::South;
    details.DstFlag = entry.dst;
    details.City = TrimBlanks(entry.city);
    details.State = TrimBlanks(entry.state);
    details.Country = TrimBlanks(entry.country);
    return details;
}

} // namespace kovrel
