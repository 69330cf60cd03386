#include "cli/ReadingReport.h"

#include "app/EntryForm.h"
#include "app/TimeZoneCatalog.h"
#include "common/Calendar.h"
#include "common/Planets.h"
#include "relationships/RelationTexts.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>

namespace kovrel {

namespace {

using Json = nlohmann::ordered_json; // keeps the keys in the documented order

// The column headings of the window's list panel, in its column order.
constexpr std::array<std::string_view, 4> kListHeadings = {kPlanetHeading, kFriendsHeading,
                                                           kEnemiesHeading, kNeutralsHeading};

using Row = std::vector<std::string>;

// Left-aligned columns two blanks apart, indented by two; no blanks at the ends of lines.
// Widths count bytes, which is right for every cell here (planet names, placements and
// relation texts are plain ASCII).
std::string AlignedTable(const std::vector<Row>& rows) {
    std::vector<std::size_t> widths;
    for (const Row& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    std::string text;
    for (const Row& row : rows) {
        std::string line = "  ";
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) {
                line.append(widths[c] - row[c].size() + 2, ' ');
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line;
        text += '\n';
    }
    return text;
}

std::string ListTable(const RelationLists& lists) {
    std::vector<Row> rows;
    rows.emplace_back(kListHeadings.begin(), kListHeadings.end());
    for (int i = 0; i < kPlanetCount; ++i) {
        rows.push_back({std::string(PlanetNames[i]), ListText(lists.friends[i]),
                        ListText(lists.enemies[i]), ListText(lists.neutrals[i])});
    }
    return AlignedTable(rows);
}

std::string CompoundGrid(const CompoundTable& table) {
    std::vector<Row> rows;
    Row heading{""};
    for (std::string_view planet : PlanetNames) {
        heading.emplace_back(planet);
    }
    rows.push_back(std::move(heading));
    for (int r = 0; r < kPlanetCount; ++r) {
        Row row{std::string(PlanetNames[r])};
        for (const CompoundKind cell : table[r]) {
            row.emplace_back(CompoundText(cell));
        }
        rows.push_back(std::move(row));
    }
    return AlignedTable(rows);
}

std::string AngleText(int degrees, int minutes, std::string_view hemisphere) {
    return std::to_string(degrees) + "\u00B0 " + std::to_string(minutes) + "' " +
           std::string(hemisphere);
}

std::string BirthLine(const BirthDetails& birth, int zoneRow) {
    std::string line =
        DateText(birth.Year, birth.Month, birth.Day) + ", " + ClockText(birth.Hour, birth.Minute);
    if (const std::string_view zone = ZoneRowText(zoneRow); !zone.empty()) {
        line += ", ";
        line += zone;
    }
    if (birth.DstFlag) {
        line += ", daylight saving time";
    }
    return line;
}

Json NameArray(const PlanetList& list) {
    Json names = Json::array();
    for (const Planet planet : list) {
        names.push_back(PlanetName(planet));
    }
    return names;
}

} // namespace

std::string ZoneListText() {
    std::string text;
    int number = 0;
    for (const TimeZoneRow& row : ZoneRows()) {
        char label[16];
        std::snprintf(label, sizeof label, "%2d", number++);
        text += label;
        text += "  ";
        text += row.displayText;
        text += '\n';
    }
    return text;
}

std::string TextReport(const CalculatedReading& calculated) {
    const BirthDetails& birth = calculated.birth;
    const int zoneRow = calculated.zoneRow;
    const Reading& reading = calculated.reading;
    std::ostringstream text;
    char ayanamsa[64];
    std::snprintf(ayanamsa, sizeof ayanamsa, "%.6f\u00B0", reading.Ayanamsa);

    text << "Name:      " << birth.Name << '\n'
         << "Born:      " << BirthLine(birth, zoneRow) << '\n'
         << "Place:     " << birth.City << ", " << birth.State << ", " << birth.Country << '\n'
         << "Latitude:  "
         << AngleText(birth.LatDegrees, birth.LatMinutes, birth.SouthFlag ? "South" : "North")
         << '\n'
         << "Longitude: "
         << AngleText(birth.LonDegrees, birth.LonMinutes, birth.EastFlag ? "East" : "West") << '\n'
         << "Ayanamsa:  " << ayanamsa << '\n'
         << "Moon:      " << reading.MoonLongitudeText << '\n';

    std::vector<Row> placements;
    for (int i = 0; i < kPlanetCount; ++i) {
        placements.push_back(
            {std::string(PlanetNames[i]), std::string(reading.PlanetPlacements[i].text())});
    }
    text << "\nPlacements\n"
         << AlignedTable(placements) << '\n'
         << kNaturalTitle << '\n'
         << ListTable(reading.relationships.natural) << '\n'
         << kTemporaryTitle << '\n'
         << ListTable(reading.relationships.temporary) << '\n'
         << kCompoundTitle << '\n'
         << CompoundGrid(reading.relationships.compound);
    return text.str();
}

namespace {

Json ReportObject(const BirthDetails& birth, const Reading& reading) {
    Json planets = Json::array();
    for (int i = 0; i < kPlanetCount; ++i) {
        planets.push_back(
            Json{{"name", PlanetNames[i]}, {"placement", reading.PlanetPlacements[i].text()}});
    }

    const RelationLists& natural = reading.relationships.natural;
    Json naturalRows = Json::array();
    for (int i = 0; i < kPlanetCount; ++i) {
        naturalRows.push_back(Json{{"planet", PlanetNames[i]},
                                   {"friends", NameArray(natural.friends[i])},
                                   {"enemies", NameArray(natural.enemies[i])},
                                   {"neutrals", NameArray(natural.neutrals[i])}});
    }

    const RelationLists& temporary = reading.relationships.temporary;
    Json temporaryRows = Json::array();
    for (int i = 0; i < kPlanetCount; ++i) {
        temporaryRows.push_back(Json{{"planet", PlanetNames[i]},
                                     {"friends", NameArray(temporary.friends[i])},
                                     {"enemies", NameArray(temporary.enemies[i])}});
    }

    Json compound = Json::array();
    for (const auto& row : reading.relationships.compound) {
        Json cells = Json::array();
        for (const CompoundKind cell : row) {
            cells.push_back(CompoundText(cell));
        }
        compound.push_back(std::move(cells));
    }

    return Json{{"name", birth.Name},
                {"ayanamsa", reading.Ayanamsa},
                {"moon_longitude", reading.MoonLongitudeText},
                {"planets", std::move(planets)},
                {"natural", std::move(naturalRows)},
                {"temporary", std::move(temporaryRows)},
                {"compound", std::move(compound)}};
}

std::string Dumped(const Json& report) {
    // Not ASCII-escaped, so the degree sign stays one UTF-8 character; invalid bytes (a name
    // from a damaged file) are replaced instead of aborting the whole run.
    return report.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace

std::string JsonReport(const CalculatedReading& calculated) {
    return Dumped(ReportObject(calculated.birth, calculated.reading));
}

std::string IsoOffsetText(int offsetSeconds) {
    const int magnitude = offsetSeconds < 0 ? -offsetSeconds : offsetSeconds;
    const auto twoDigits = [](int value) {
        return std::string(value < 10 ? "0" : "") + std::to_string(value);
    };
    std::string text = std::string(offsetSeconds < 0 ? "-" : "+") + twoDigits(magnitude / 3600) +
                       ":" + twoDigits(magnitude / 60 % 60);
    if (magnitude % 60 != 0) {
        text += ":" + twoDigits(magnitude % 60);
    }
    return text;
}

std::string JsonReport(const CalculatedReading& calculated, const PlaceReport& place) {
    Json report = ReportObject(calculated.birth, calculated.reading);
    report["place"] = Json{{"city", place.city},
                           {"state", place.state},
                           {"country", place.country},
                           {"latitude", place.latitude},
                           {"longitude", place.longitude},
                           {"iana_zone", place.ianaZone},
                           {"utc_offset", place.utcOffset},
                           {"dst", place.dst},
                           {"zone_row", place.zoneRow},
                           {"notes", place.notes}};
    return Dumped(report);
}

std::string JsonFileError(std::string_view path, std::string_view message) {
    const Json error{{"file", std::string(path)}, {"error", std::string(message)}};
    return error.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace kovrel
