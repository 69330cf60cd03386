#include "cli/ReadingReport.h"

#include "app/EntryForm.h"
#include "app/TimeZoneCatalog.h"
#include "chart/BirthTexts.h"
#include "chart/PositionNotes.h"
#include "chart/ReadingDocument.h"
#include "common/Calendar.h"
#include "common/Planets.h"
#include "common/Text.h"
#include "relationships/RelationTexts.h"
#include "sky/SkyTexts.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace kovrel {

namespace {

using Json = nlohmann::ordered_json; // keeps the keys in the documented order

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

// A document table as text: its title, then its headings and rows aligned.
std::string TableText(const DocumentTable& table) {
    std::vector<Row> rows{table.headings};
    rows.insert(rows.end(), table.rows.begin(), table.rows.end());
    return table.title + '\n' + AlignedTable(rows);
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

    // The texts of a saved file reach a terminal: a control character in them could set its
    // title, clear it or forge lines of the report.
    text << "Name:      " << MaskControlCharacters(birth.Name) << '\n';
    if (const std::string caption = PositionsCaption(calculated.positions); !caption.empty()) {
        text << "Positions: " << caption << '\n';
    }
    text << "Born:      " << BirthLine(birth, zoneRow) << '\n'
         << "Place:     "
         << MaskControlCharacters(birth.City + ", " + birth.State + ", " + birth.Country) << '\n'
         << "Latitude:  "
         << AngleText(birth.LatDegrees, birth.LatMinutes, birth.SouthFlag ? "South" : "North")
         << '\n'
         << "Longitude: "
         << AngleText(birth.LonDegrees, birth.LonMinutes, birth.EastFlag ? "East" : "West") << '\n'
         << "Ayanamsa:  " << AyanamsaText(reading.Ayanamsa) << '\n'
         << "Moon:      " << reading.MoonLongitudeText << '\n';
    if (const std::optional<Placement> rising = AscendantPlacement(calculated)) {
        text << "Ascendant: " << rising->text() << '\n';
    }

    std::vector<Row> placements;
    for (int i = 0; i < kPlanetCount; ++i) {
        placements.push_back(
            {std::string(PlanetNames[i]), std::string(reading.PlanetPlacements[i].text())});
    }
    std::vector<Row> dignities;
    for (const Planet planet : kPlanets) {
        dignities.push_back({std::string(PlanetName(planet)), DignityTextOf(calculated, planet)});
    }
    const Relationships& relationships = reading.relationships;
    text << "\nPlacements\n" << AlignedTable(placements) << '\n';
    text << "Dignities\n" << AlignedTable(dignities) << '\n';
    if (const std::vector<std::string> opinions = SecondOpinionTexts(calculated);
        !opinions.empty()) {
        text << "Second opinion\n";
        for (const std::string& opinion : opinions) {
            text << "  " << opinion << '\n';
        }
        text << '\n';
    }
    text << TableText(ListTable(std::string(kNaturalTitle), relationships.natural)) << '\n'
         << TableText(ListTable(std::string(kTemporaryTitle), relationships.temporary)) << '\n'
         << TableText(CompoundGrid(relationships.compound));
    return text.str();
}

namespace {

// A sidereal longitude at full precision with its placement; null before it is computed.
Json LongitudeObject(double longitude) {
    if (std::isnan(longitude)) {
        return nullptr;
    }
    return Json{{"longitude", longitude}, {"placement", PlacementOf(longitude).text()}};
}

// The precise sky beside the reading, in both modes; null before it is computed.
Json PreciseObject(const CalculatedReading& calculated) {
    if (!calculated.sky) {
        return nullptr;
    }
    const PreciseSky& sky = *calculated.sky;
    Json planets = Json::array();
    for (const Planet planet : kPlanets) {
        const double longitude = sky.longitudes[Index(planet)];
        planets.push_back(Json{{"name", PlanetName(planet)},
                               {"longitude", longitude},
                               {"placement", PlacementOf(longitude).text()},
                               {"same_sign", calculated.sameSign[Index(planet)]}});
    }
    return Json{
        {"ayanamsa",
         {{"name", AyanamsaName(calculated.positions.ayanamsa)}, {"degrees", sky.ayanamsa}}},
        {"delta_t_seconds", sky.deltaTSeconds},
        {"ascendant", LongitudeObject(sky.ascendant)},
        {"planets", std::move(planets)}};
}

Json ReportObject(const CalculatedReading& calculated) {
    const BirthDetails& birth = calculated.birth;
    const Reading& reading = calculated.reading;
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

    Json dignities = Json::array();
    for (const Planet planet : kPlanets) {
        const std::string dignity = DignityTextOf(calculated, planet);
        dignities.push_back(Json{{"name", PlanetName(planet)},
                                 {"dignity", dignity.empty() ? Json(nullptr) : Json(dignity)}});
    }

    // The keys after "compound" came with the precise positions; the ones before keep their
    // order and values.
    return Json{{"name", birth.Name},
                {"ayanamsa", reading.Ayanamsa},
                {"moon_longitude", reading.MoonLongitudeText},
                {"planets", std::move(planets)},
                {"natural", std::move(naturalRows)},
                {"temporary", std::move(temporaryRows)},
                {"compound", std::move(compound)},
                {"ascendant", LongitudeObject(calculated.ascendant)},
                {"dignities", std::move(dignities)},
                {"precise", PreciseObject(calculated)}};
}

std::string Dumped(const Json& report) {
    // Not ASCII-escaped, so the degree sign stays one UTF-8 character; invalid bytes (a name
    // from a damaged file) are replaced instead of aborting the whole run.
    return report.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace

std::string JsonReport(const CalculatedReading& calculated) {
    return Dumped(ReportObject(calculated));
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
    Json report = ReportObject(calculated);
    report["place"] = Json{{"city", place.city},
                           {"state", place.state},
                           {"country", place.country},
                           {"latitude", place.latitude},
                           {"longitude", place.longitude},
                           {"iana_zone", place.ianaZone},
                           {"utc_offset", place.utcOffset},
                           {"dst", place.dst},
                           {"zone_row", place.zoneRow},
                           {"notes", place.notes},
                           {"overridden", place.overridden}};
    return Dumped(report);
}

std::string JsonFileError(std::string_view path, std::string_view message) {
    const Json error{{"file", std::string(path)}, {"error", std::string(message)}};
    return error.dump(-1, ' ', false, Json::error_handler_t::replace);
}

} // namespace kovrel
