#include "places/ZoneNote.h"

#include "app/TimeZoneCatalog.h"
#include "common/Calendar.h"
#include "ephemeris/JulianDay.h"
#include "places/PlaceEntry.h"

#include <cstdlib>

namespace kovrel {

namespace {

constexpr int kSecondsPerHour = 3600;

struct WholeMinutes {
    int minutes = 0;
    bool rounded = false; // seconds were dropped
};

// Halves round up, so 5:21:30 is 5 h 22 min.
WholeMinutes RoundToMinutes(int seconds) {
    const int magnitude = std::abs(seconds);
    return {(magnitude + 30) / 60, magnitude % 60 != 0};
}

std::string HoursAndMinutes(int minutes) {
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    std::string text;
    if (hours != 0) {
        text = std::to_string(hours) + " h";
    }
    if (rest != 0) {
        text += (text.empty() ? "" : " ") + std::to_string(rest) + " min";
    }
    return text;
}

// The zone database marks a town's own mean solar time "LMT"; a city's mean time kept around it
// (Madras, Amsterdam, summer hour or not) has that city's letters but is never whole minutes.
bool IsMeanTime(const ZoneOffset& offset) {
    return offset.abbreviation == "LMT" || offset.offsetSeconds % 60 != 0;
}

// What follows "clocks were".
std::string ClockState(const ZoneOffset& offset) {
    const std::string greenwich = GreenwichOffsetText(offset.offsetSeconds);
    if (IsMeanTime(offset)) {
        return "on local mean time, " + greenwich;
    }
    return offset.offsetSeconds == 0 ? "on " + greenwich : greenwich;
}

std::string PlaceName(const EntryForm& form) {
    std::string name;
    for (const std::string* part : {&form.city, &form.state, &form.country}) {
        if (!part->empty()) {
            name += (name.empty() ? "" : ", ") + *part;
        }
    }
    return name;
}

// "15 March 1990 at 08:30", or with the clock first "08:30 on 15 March 1990"; hour 24 also names
// the clock time it stands for.
std::string WhenText(const ZoneChoice& choice, bool clockFirst) {
    const LocalDateTime& local = choice.local;
    const std::string date = DateText(local.year, local.month, local.day);
    const std::string clock = ClockText(local.hour, local.minute);
    std::string text = clockFirst ? clock + " on " + date : date + " at " + clock;
    if (local.hour == 24) {
        const LocalDateTime& carried = choice.inForce.clock;
        text += " (" + ClockText(carried.hour, carried.minute) + " on " +
                DateText(carried.year, carried.month, carried.day) + ")";
    }
    return text;
}

std::string ClockSentence(const ZoneChoice& choice, const std::string& place) {
    const ZoneInForce& inForce = choice.inForce;
    const std::string where = place.empty() ? std::string() : " in " + place;
    if (inForce.kind == LocalTimeKind::Unique) {
        return (place.empty() ? "On " : "In " + place + " on ") + WhenText(choice, false) +
               ", clocks were " + ClockState(inForce.before) + ".";
    }
    const std::string what =
        inForce.kind == LocalTimeKind::Skipped ? " never happened" : " happened twice";
    return WhenText(choice, true) + what + where + ": clocks were " + ClockState(inForce.before) +
           ", then " + ClockState(inForce.after) + ".";
}

// A moment relative to the birth, positive when later.
std::string MomentText(int seconds, const char* birth) {
    if (seconds == 0) {
        return "the moment of birth";
    }
    return TimeSpanText(seconds) + (seconds > 0 ? " after " : " before ") + birth;
}

} // namespace

std::string GreenwichOffsetText(int offsetSeconds) {
    if (offsetSeconds == 0) {
        return "Greenwich time";
    }
    const char* side = offsetSeconds > 0 ? " ahead of Greenwich" : " behind Greenwich";
    return TimeSpanText(offsetSeconds) + side;
}

std::string TimeSpanText(int seconds) {
    const WholeMinutes rounded = RoundToMinutes(seconds);
    if (rounded.minutes == 0) {
        return "under a minute";
    }
    return (rounded.rounded ? "about " : "") + HoursAndMinutes(rounded.minutes);
}

std::string ZoneNote(const ZoneChoice& choice, const EntryForm& form) {
    std::string note = ClockSentence(choice, PlaceName(form));
    if (!FindZoneRow(form.zoneIndex)) {
        return note;
    }
    const auto add = [&note](const std::string& sentence) { note += " " + sentence; };
    const ZoneInForce& inForce = choice.inForce;
    const int rowOffset = RowOffsetSeconds(form.zoneIndex);
    const int dstHour = form.dst ? kSecondsPerHour : 0;
    // Around a change of the clocks either offset is a true one; the boxes may stand for either.
    const bool standsForAfter =
        inForce.kind != LocalTimeKind::Unique && rowOffset + dstHour == inForce.after.offsetSeconds;
    const int trueOffset =
        standsForAfter ? inForce.after.offsetSeconds : inForce.before.offsetSeconds;

    if (form.zoneIndex == choice.zoneRow && !form.dst) {
        if (inForce.kind != LocalTimeKind::Unique) {
            add("The Time Zone is chosen for the clocks before the change.");
        }
        if (rowOffset != choice.chosen.offsetSeconds) {
            add("No Time Zone in the list has exactly that offset, so the nearest, " +
                GreenwichOffsetText(rowOffset) + ", is chosen.");
        }
    } else if (rowOffset + dstHour != trueOffset) {
        add(std::string("The Time Zone as set") +
            (form.dst ? ", with Daylight Saving Time ticked," : "") + " stands for " +
            GreenwichOffsetText(rowOffset + dstHour) + ".");
    }

    // How far from the birth each route's moment falls: the planets take the row's signed offset
    // and no daylight-saving hour; the Moon takes the row's size with a direction from the
    // longitude and the hour off when the box is ticked; the precise route takes both as set.
    const int planets = trueOffset - rowOffset;
    const int moon =
        EngineZoneShift(LongitudeCountsEast(form), std::abs(rowOffset)) - dstHour + trueOffset;
    const int precise = planets - dstHour;
    if (planets == moon) {
        if (planets != 0) {
            add("The reading is worked out for " + MomentText(planets, "the birth") + ".");
        }
    } else if (planets == 0) {
        add("The Moon is worked out for " + MomentText(moon, "the birth") + ".");
    } else {
        add("The Moon is worked out for " + MomentText(moon, "the birth") +
            ", the other planets for " + MomentText(planets, "it") + ".");
    }
    if (form.dst && planets != moon) {
        add("The ticked Daylight Saving Time box moves only the Moon.");
    }
    if (precise == 0 && (planets != 0 || moon != 0)) {
        add(planets != 0 ? "Choose Precise Positions for true positions."
                         : "Choose Precise Positions for the true Moon.");
    }
    return note;
}

} // namespace kovrel
