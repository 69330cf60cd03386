#pragma once

#include "common/BirthDetails.h"

#include <string>
#include <vector>

namespace kovrel {

enum class LatitudeChoice { None, North, South };
enum class LongitudeChoice { None, East, West };

// What the entry panel shows, as plain data. The defaults are those of a freshly opened window.
struct EntryForm {
    std::string name;
    std::string latDeg;
    std::string latMin;
    std::string lonDeg;
    std::string lonMin;
    std::string city;
    std::string state;
    std::string country;
    int dayIndex = 0;    // position in the day list: "1".."31"
    int monthIndex = 0;  // 0 = January
    int yearIndex = 0;   // 0 = "1901"
    int hourIndex = 0;   // "0".."24"
    int minuteIndex = 0; // "0".."59"
    int zoneIndex = 0;   // row of TimeZoneCatalog
    LatitudeChoice latitude = LatitudeChoice::North;
    LongitudeChoice longitude = LongitudeChoice::East;
    bool dst = false;

    bool operator==(const EntryForm&) const = default;
};

// The six drop-down lists of the entry panel.
enum class EntryList { Day, Month, Year, Hour, Minute, TimeZone };

// The items of a list, in display order.
const std::vector<std::string>& ListItems(EntryList list);

// Position of the item whose text equals `text` exactly, or -1.
int FindListItem(EntryList list, std::string_view text);

// The text of the item at `index`, or an empty text when the index is outside the list.
std::string ListItemText(EntryList list, int index);

// Copies a validated entry into the record, field by field. A field whose text does not convert
// (or a list position outside its list, a zone row outside the catalogue) keeps the value it had
// in `previous`.
BirthDetails CopyEntry(const EntryForm& entry, const BirthDetails& previous);

} // namespace kovrel
