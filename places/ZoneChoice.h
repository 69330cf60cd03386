#pragma once

// Choosing the row of TimeZoneCatalog for the offset a place's clocks kept, and saying what
// that choice means for the reading.

#include "common/Result.h"
#include "places/ZoneInForce.h"

#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

// The row's offset east of UTC in seconds (the catalogue holds what to add to reach UT, so the
// sign is reversed): "Indian Time, IST, +5.3" gives 19800; 0 for a row outside the catalogue.
int RowOffsetSeconds(int zoneRow);

// The second comma field of the row's text, trimmed: "IST" for "Indian Time, IST, +5.3".
std::string RowAbbreviation(int zoneRow);

// The row for an offset: among the rows with exactly that offset (or, when none has it, those
// nearest to it) the first whose abbreviation is `abbreviation` or its catalogue spelling
// (CEST -> CED), else the first in list order that is no war-time row.
int RowForOffset(int offsetSeconds, std::string_view abbreviation);

struct ZoneChoice {
    std::string ianaZone;
    LocalDateTime local; // as entered; hour may be 24
    ZoneInForce inForce;
    ZoneOffset chosen; // the offset the row stands for: before the change for a skipped or
                       // repeated time
    int zoneRow = -1;  // to be selected with the daylight-saving box unticked
    std::vector<std::string> notes;
    std::string explanation; // one line: what was chosen and why, the notes after it
};

// The zone row for a birth at `local` in `ianaZone`. With the row's own offset and the box
// unticked, the planets' route reaches the true universal time. `longitudeCountsEast` is how
// the Moon and ayanamsa route reads the entered longitude (East selected and not 0 deg 0 min):
// that route takes the zone's direction from it, and the notes say when that moves its moment.
Result<ZoneChoice> ChooseZoneRow(std::string_view ianaZone, const LocalDateTime& local,
                                 bool longitudeCountsEast);

// The choice with a row the user gave in its place, as the tool's --zone gives it: `chosen`
// is the offset in force that the row stands for (over a skipped or repeated time, the side of
// the change that has the row's offset), and the notes say what the row means for the reading:
// what the clocks did then, and how far a row without the offset in force puts the reading's
// moment from the true one.
ZoneChoice WithGivenRow(const ZoneChoice& choice, int zoneRow, bool longitudeCountsEast);

} // namespace kovrel
