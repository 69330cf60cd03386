#include "places/ZoneChoice.h"

#include "app/TimeZoneCatalog.h"
#include "common/BirthDetails.h"
#include "common/Calendar.h"
#include "common/Text.h"
#include "ephemeris/JulianDay.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

namespace kovrel {

namespace {

// Zone database abbreviations and how the catalogue spells the same clock.
constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kAbbreviationAliases = {{
    {"CEST", "CED"},
    {"MEST", "MED"},
    {"EEST", "EED"},
    {"NZST", "NZT"},  // +12; the catalogue's "NZST" row is +13
    {"NZDT", "NZST"}, // +13
    {"AKST", "YST"},  // Alaska took Yukon time in 1983
    {"AKDT", "YDT"},
    {"UTC", "UT"},
    {"CST", "CCT"}, // China Standard Time, when the offset is +8
    {"HKT", "CCT"},
    {"KST", "JST"},
    {"BDT", "BDST"},
}};

bool AbbreviationMatches(std::string_view zoneAbbreviation, std::string_view rowAbbreviation) {
    if (zoneAbbreviation == rowAbbreviation) {
        return true;
    }
    for (const auto& [zone, row] : kAbbreviationAliases) {
        if (zone == zoneAbbreviation && row == rowAbbreviation) {
            return true;
        }
    }
    return false;
}

// "4 hours", "15 minutes", "19 minutes 32 seconds", "1 hour 30 minutes".
std::string DurationText(int seconds) {
    seconds = std::abs(seconds);
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const int rest = seconds % 60;
    std::string text;
    const auto add = [&text](int value, const char* unit) {
        if (value == 0) {
            return;
        }
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(value) + " " + unit + (value == 1 ? "" : "s");
    };
    add(hours, "hour");
    add(minutes, "minute");
    add(rest, "second");
    return text;
}

std::string OffsetWithAbbreviation(const ZoneOffset& offset) {
    std::string text = UtcOffsetText(offset.offsetSeconds);
    if (!offset.abbreviation.empty() && offset.abbreviation.front() != '+' &&
        offset.abbreviation.front() != '-') {
        text += " (" + offset.abbreviation + ")";
    }
    return text;
}

// What the clocks did over a skipped or repeated time, and which offset the row stands for: the
// assistant's row always the first; a row the user gave the one it has, if either.
std::string ChangeNote(const ZoneChoice& c, bool rowGiven) {
    const std::string when = ClockText(c.local.hour, c.local.minute) + " on " +
                             DateText(c.local.year, c.local.month, c.local.day) + " ";
    const std::string from = OffsetWithAbbreviation(c.inForce.before);
    const std::string to = OffsetWithAbbreviation(c.inForce.after);
    const bool skipped = c.inForce.kind == LocalTimeKind::Skipped;
    std::string note = skipped ? when + "never happened in " + c.ianaZone +
                                     ": the clocks moved forward from " + from + " to " + to + "."
                               : when + "happened twice in " + c.ianaZone + ": first at " + from +
                                     ", then at " + to + ".";
    if (!rowGiven) {
        return note + (skipped
                           ? " The row is chosen for " + from + ", the offset before the change."
                           : " The row is chosen for the first, " + from + ".");
    }
    const int rowOffset = RowOffsetSeconds(c.zoneRow);
    const bool first = rowOffset == c.inForce.before.offsetSeconds;
    if (first || rowOffset == c.inForce.after.offsetSeconds) {
        note +=
            " The row given stands for " + OffsetWithAbbreviation(c.chosen) + ", " +
            (skipped ? (first ? "the offset before the change." : "the offset after the change.")
                     : (first ? "the first." : "the second."));
    }
    return note;
}

// The notes and the one-line explanation for the row `c.zoneRow`, standing for `c.chosen`.
void Describe(ZoneChoice& c, bool longitudeCountsEast, bool rowGiven) {
    const int rowOffset = RowOffsetSeconds(c.zoneRow);
    const int trueOffset = c.chosen.offsetSeconds;

    if (c.inForce.kind != LocalTimeKind::Unique) {
        c.notes.push_back(ChangeNote(c, rowGiven));
    }
    if (rowOffset != trueOffset) {
        // The planets' route takes UT = local - row offset; the true UT is local - offset then.
        const int late = trueOffset - rowOffset;
        const std::string moved =
            DurationText(late) + (late > 0 ? " later" : " earlier") + " than the true one.";
        if (rowGiven) {
            c.notes.push_back("The row given has " + UtcOffsetText(rowOffset) +
                              ", but the clocks kept " + OffsetWithAbbreviation(c.chosen) +
                              " then: it puts the reading's moment " + moved);
        } else {
            std::string note = "No zone row has " + UtcOffsetText(trueOffset);
            if (c.chosen.abbreviation == "LMT") {
                note += " (local mean time)";
            }
            note += "; the nearest, " + UtcOffsetText(rowOffset) + ", puts the reading's moment " +
                    moved;
            c.notes.push_back(note);
        }
    }
    const bool aheadOfUtc = rowOffset > 0;
    const bool behindUtc = rowOffset < 0;
    if ((!longitudeCountsEast && aheadOfUtc) || (longitudeCountsEast && behindUtc)) {
        // That route adds the zone's magnitude on a western longitude and takes it away on an
        // eastern one, whatever the zone's own direction.
        const int magnitude = std::abs(rowOffset);
        const int moonAfterLocal = EngineZoneShift(longitudeCountsEast, magnitude);
        const int away = moonAfterLocal + trueOffset; // (local + moonAfterLocal) - (local - true)
        c.notes.push_back(
            std::string("The longitude counts as ") + (longitudeCountsEast ? "east" : "west") +
            " of Greenwich but the zone is " + (aheadOfUtc ? "ahead of" : "behind") +
            " UTC: the Moon and the ayanamsa are computed for a moment " + DurationText(away) +
            (away > 0 ? " later" : " earlier") + " than the true one.");
    }

    const LocalDateTime& local = c.local;
    std::string line = c.ianaZone + " on " + DateText(local.year, local.month, local.day) + " at " +
                       ClockText(local.hour, local.minute);
    if (local.hour == 24) {
        line += " (" + ClockText(c.inForce.clock.hour, c.inForce.clock.minute) + " on " +
                DateText(c.inForce.clock.year, c.inForce.clock.month, c.inForce.clock.day) + ")";
    }
    line += c.inForce.kind == LocalTimeKind::Unique ? " is " : " is taken as ";
    line += UtcOffsetText(trueOffset);
    if (c.chosen.dst) {
        line += " (daylight saving)";
    }
    line += ": ";
    line += ZoneRowText(c.zoneRow);
    for (std::size_t k = 0; k < c.notes.size(); ++k) {
        line += (k == 0 ? ". " : " ") + c.notes[k];
    }
    c.explanation = line;
}

} // namespace

int RowOffsetSeconds(int zoneRow) {
    const std::optional<TimeZoneRow> row = FindZoneRow(zoneRow);
    return row ? -(row->hourValue * 3600 + row->minuteValue * 60) : 0;
}

std::string RowAbbreviation(int zoneRow) {
    return ZoneAbbreviation(zoneRow);
}

int RowForOffset(int offsetSeconds, std::string_view abbreviation) {
    int nearest = -1;
    for (int row = 0; row < static_cast<int>(ZoneRows().size()); ++row) {
        const int distance = std::abs(RowOffsetSeconds(row) - offsetSeconds);
        if (nearest < 0 || distance < nearest) {
            nearest = distance;
        }
    }
    int firstRow = -1;
    int firstPeacetimeRow = -1;
    for (int row = 0; row < static_cast<int>(ZoneRows().size()); ++row) {
        if (std::abs(RowOffsetSeconds(row) - offsetSeconds) != nearest) {
            continue;
        }
        if (firstRow < 0) {
            firstRow = row;
        }
        // War time was kept only in the 1940s, where the zone's own abbreviation names it: for
        // São Paulo's -03 "Brazil Zone 2", not "Atlantic War Time".
        const bool warTime = ZoneRowText(row).find("War Time") != std::string_view::npos;
        if (firstPeacetimeRow < 0 && !warTime) {
            firstPeacetimeRow = row;
        }
        if (AbbreviationMatches(abbreviation, RowAbbreviation(row))) {
            return row;
        }
    }
    return firstPeacetimeRow >= 0 ? firstPeacetimeRow : firstRow;
}

Result<ZoneChoice> ChooseZoneRow(std::string_view ianaZone, const LocalDateTime& local,
                                 bool longitudeCountsEast) {
    const Result<ZoneInForce> found = ZoneInForceAt(ianaZone, local);
    if (!found) {
        return found.fault();
    }
    ZoneChoice c;
    c.ianaZone = std::string(ianaZone);
    c.local = local;
    c.inForce = *found;
    c.chosen = c.inForce.before;
    c.zoneRow = RowForOffset(c.chosen.offsetSeconds, c.chosen.abbreviation);
    Describe(c, longitudeCountsEast, false);
    return c;
}

ZoneChoice WithGivenRow(const ZoneChoice& choice, int zoneRow, bool longitudeCountsEast) {
    ZoneChoice c = choice;
    c.zoneRow = zoneRow;
    // Over a skipped or repeated time the row says which side of the change is meant.
    const bool after = c.inForce.kind != LocalTimeKind::Unique &&
                       RowOffsetSeconds(zoneRow) == c.inForce.after.offsetSeconds;
    c.chosen = after ? c.inForce.after : c.inForce.before;
    c.notes.clear();
    Describe(c, longitudeCountsEast, true);
    return c;
}

} // namespace kovrel
