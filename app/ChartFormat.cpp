#include "app/ChartFormat.h"

#include "app/TimeZoneCatalog.h"
#include "common/Text.h"
#include "common/TextCodec.h"

#include <cmath>

namespace kovrel {

namespace {

std::string FlagText(bool flag) {
    return flag ? "True" : "False";
}

void ApplyListItem(EntryList list, const std::string& line, int& position) {
    const int found = FindListItem(list, line);
    if (found >= 0) {
        position = found;
    }
}

// A degree or minute box takes a number as it stands, blanks, fraction and all (the
// calculation's conversion decides what it means), and the empty line of a short file; a line
// that is no number does not fit the box, which keeps what it showed.
void ApplyNumberBox(const std::string& line, std::string& box) {
    if (line.empty() || NumberFromText(line)) {
        box = line;
    }
}

} // namespace

ChartLines ChartLinesFor(const BirthDetails& details, int zoneRow) {
    const auto number = [](int value) { return std::to_string(value); };
    ChartLines lines = {
        details.Name,
        number(details.Month),
        number(details.Day),
        number(details.Year),
        number(details.Hour),
        number(details.Minute),
        number(zoneRow),
        number(details.LonDegrees),
        number(details.LonMinutes),
        number(details.LatDegrees),
        number(details.LatMinutes),
        FlagText(details.EastFlag),
        FlagText(details.SouthFlag),
        FlagText(details.DstFlag),
        details.City,
        details.State,
        details.Country,
    };
    for (std::string& line : lines) {
        line = TrimBlanks(line);
    }
    return lines;
}

std::string EncodeChartFile(const ChartLines& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        // Trimmed after the conversion, so a character the file cannot hold never leaves a
        // blank at the edge of the line.
        bytes += ScrambleText(TrimBlanks(Latin1FromUtf8(line)));
        bytes += "\r\n";
    }
    return bytes;
}

ChartLines DecodeChartFile(std::string_view bytes) {
    ChartLines lines;
    std::size_t pos = 0;
    for (std::size_t index = 0; index < lines.size() && pos < bytes.size(); ++index) {
        // A line feed ends a line, with or without the carriage return before it, so a file
        // that passed through Unix tools still opens. A carriage return anywhere else belongs
        // to its line (unscrambling drops it) and never moves the lines after it.
        const std::size_t end = bytes.find('\n', pos);
        std::string_view line =
            bytes.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        if (end != std::string_view::npos && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines[index] = Utf8FromLatin1(UnscrambleText(line));
        if (end == std::string_view::npos) {
            break;
        }
        pos = end + 1;
    }
    return lines;
}

bool LineCountsAsTrue(std::string_view line) {
    if (EqualsIgnoringCase(line, "True")) {
        return true;
    }
    if (EqualsIgnoringCase(line, "False")) {
        return false;
    }
    if (const auto value = NumberFromText(line)) {
        return *value != 0.0;
    }
    return true;
}

void ApplyChartLines(const ChartLines& lines, EntryForm& entry) {
    // The text boxes take their lines as they stand: the keystroke filters and the length limit
    // govern typing, and the calculation's own conversion decides what a number box means.
    entry.name = lines[0];
    if (const auto month = NumberFromText(lines[1])) {
        const double position = std::nearbyint(*month - 1.0);
        if (position >= 0.0 && position <= 11.0) {
            entry.monthIndex = static_cast<int>(position);
        }
    }
    ApplyListItem(EntryList::Day, lines[2], entry.dayIndex);
    ApplyListItem(EntryList::Year, lines[3], entry.yearIndex);
    ApplyListItem(EntryList::Hour, lines[4], entry.hourIndex);
    ApplyListItem(EntryList::Minute, lines[5], entry.minuteIndex);
    if (const auto zone = WholeNumberFromText(lines[6])) {
        if (FindZoneRow(*zone)) {
            entry.zoneIndex = *zone;
        }
    }
    ApplyNumberBox(lines[7], entry.lonDeg);
    ApplyNumberBox(lines[8], entry.lonMin);
    ApplyNumberBox(lines[9], entry.latDeg);
    ApplyNumberBox(lines[10], entry.latMin);
    entry.longitude = LineCountsAsTrue(lines[11]) ? LongitudeChoice::East : LongitudeChoice::West;
    entry.latitude = LineCountsAsTrue(lines[12]) ? LatitudeChoice::South : LatitudeChoice::North;
    entry.dst = LineCountsAsTrue(lines[13]);
    entry.city = lines[14];
    entry.state = lines[15];
    entry.country = lines[16];
}

bool HasChartExtension(std::string_view path) {
    return path.ends_with("kvr");
}

} // namespace kovrel
