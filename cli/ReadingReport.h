#pragma once

#include "app/Reading.h"
#include "app/TimeZoneCatalog.h"
#include "common/BirthDetails.h"
#include "common/Words.h"

#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

// Every zone row on its own line: the row number, two blanks, the display text.
std::string ZoneListText();

// A readable report of one reading: who and where (and the positions, when they are precise), the
// Ayanamsa, the Moon and the ascendant, the seven placements and their dignities, where a
// precise ephemeris puts a planet in another sign, the natural and temporary lists and the
// compound grid, in aligned columns and in planet order. Ends with a newline.
// The report's words are said in `words`; the person's own entries stay as they were typed.
std::string TextReport(const CalculatedReading& calculated, const Words& words = English());

// One reading as one JSON object on one line, UTF-8, without a trailing newline:
// name, ayanamsa, moon_longitude, planets, natural, temporary, compound, then ascendant,
// dignities and precise (the precise sky with the chosen ayanamsa, in both modes).
std::string JsonReport(const CalculatedReading& calculated);

// Where a reading's place came from when the atlas filled it, for the "place" object of the JSON
// report: the values the reading used, the atlas's unless a flag overrode them.
struct PlaceReport {
    std::string city, state, country;
    std::string latitude, longitude; // "18:31N", "73:51E"
    std::string ianaZone;            // "Asia/Kolkata"
    std::string utcOffset;           // "+05:30"
    bool dst = false;                // the zone kept daylight saving then
    int zoneRow = 0;                 // the row the reading used
    std::vector<std::string> notes;  // what the row means for the reading; often none
    // The keys above whose value a flag gave instead of the atlas.
    std::vector<std::string> overridden;
};

// "+05:30", "-04:00", "+01:19:32": an offset east of UTC in seconds as ISO 8601 writes it.
std::string IsoOffsetText(int offsetSeconds);

// The report above with a "place" object added.
std::string JsonReport(const CalculatedReading& calculated, const PlaceReport& place);

// {"file": path, "error": message} on one line, without a trailing newline. Bytes of the path
// that are not UTF-8 are replaced rather than refused, since paths are whatever the system has.
std::string JsonFileError(std::string_view path, std::string_view message);

} // namespace kovrel
