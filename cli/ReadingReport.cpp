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
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace kovrel {

namespace {

using Json = nlohmann::ordered_json; // keeps the keys in the documented order

using Row = std::vector<std::string>;

// Left-aligned columns two blanks apart, indented by two; no blanks at the ends of lines.
// Widths are the columns a terminal gives the text (ColumnWidth): bytes for English.
std::string AlignedTable(const std::vector<Row>& rows) {
    std::vector<std::size_t> widths;
    for (const Row& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], ColumnWidth(row[c]));
        }
    }
    std::string text;
    for (const Row& row : rows) {
        std::string line = "  ";
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) {
                line.append(widths[c] - ColumnWidth(row[c]) + 2, ' ');
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

std::string BirthLine(const BirthDetails& birth, int zoneRow, const Words& words) {
    std::string line = DateText(birth.Year, birth.Month, birth.Day, words) + ", " +
                       ClockText(birth.Hour, birth.Minute);
    if (const std::string_view zone = ZoneRowText(zoneRow); !zone.empty()) {
        line += ", ";
        line += zone;
    }
    if (birth.DstFlag) {
        line += ", " + words.Say(KOVREL_WORD("Report", "daylight saving time"));
    }
    return line;
}

// The labels of the report's head, each followed by its colon and padded so that the values
// line up one column after the longest.
enum class HeadLabel {
    Name,
    Positions,
    Born,
    Place,
    Latitude,
    Longitude,
    Ayanamsa,
    Moon,
    Ascendant
};
constexpr std::array<Word, 9> kHeadLabels = {
    KOVREL_WORD("Report", "Name"),     KOVREL_WORD("Report", "Positions"),
    KOVREL_WORD("Report", "Born"),     KOVREL_WORD("Report", "Place"),
    KOVREL_WORD("Report", "Latitude"), KOVREL_WORD("Report", "Longitude"),
    KOVREL_WORD("Report", "Ayanamsa"), KOVREL_WORD("Report", "Moon"),
    KOVREL_WORD("Report", "Ascendant")};

class Head {
  public:
    explicit Head(const Words& words) {
        for (std::size_t i = 0; i < kHeadLabels.size(); ++i) {
            labels_[i] = words.Say(kHeadLabels[i]) + ":";
            width_ = std::max(width_, ColumnWidth(labels_[i]) + 1);
        }
    }
    std::string operator()(HeadLabel label) const {
        const std::string& text = labels_[static_cast<std::size_t>(label)];
        return text + std::string(width_ - ColumnWidth(text), ' ');
    }

  private:
    std::array<std::string, kHeadLabels.size()> labels_;
    std::size_t width_ = 0;
};

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

std::string TextReport(const CalculatedReading& calculated, const Words& words) {
    const BirthDetails& birth = calculated.birth;
    const int zoneRow = calculated.zoneRow;
    const Reading& reading = calculated.reading;
    const Head head(words);
    std::ostringstream text;

    // The texts of a saved file reach a terminal: a control character in them could set its
    // title, clear it or forge lines of the report.
    text << head(HeadLabel::Name) << MaskControlCharacters(birth.Name) << '\n';
    if (const std::string caption = PositionsCaption(calculated.positions, words);
        !caption.empty()) {
        text << head(HeadLabel::Positions) << caption << '\n';
    }
    const Word north = KOVREL_WORD("Report", "North");
    const Word south = KOVREL_WORD("Report", "South");
    const Word east = KOVREL_WORD("Report", "East");
    const Word west = KOVREL_WORD("Report", "West");
    text << head(HeadLabel::Born) << BirthLine(birth, zoneRow, words) << '\n'
         << head(HeadLabel::Place)
         << MaskControlCharacters(birth.City + ", " + birth.State + ", " + birth.Country) << '\n'
         << head(HeadLabel::Latitude)
         << AngleText(birth.LatDegrees, birth.LatMinutes,
                      words.Say(birth.SouthFlag ? south : north))
         << '\n'
         << head(HeadLabel::Longitude)
         << AngleText(birth.LonDegrees, birth.LonMinutes, words.Say(birth.EastFlag ? east : west))
         << '\n'
         << head(HeadLabel::Ayanamsa) << AyanamsaText(reading.Ayanamsa) << '\n'
         << head(HeadLabel::Moon) << reading.MoonLongitudeText << '\n';
    if (const std::optional<Placement> rising = AscendantPlacement(calculated)) {
        text << head(HeadLabel::Ascendant) << PlacementText(*rising, words) << '\n';
    }

    std::vector<Row> placements;
    std::vector<Row> dignities;
    for (const Planet planet : kPlanets) {
        placements.push_back({PlanetName(planet, words),
                              PlacementText(reading.PlanetPlacements[Index(planet)], words)});
        dignities.push_back({PlanetName(planet, words), DignityTextOf(calculated, planet, words)});
    }
    const Relationships& relationships = reading.relationships;
    text << '\n'
         << words.Say(KOVREL_WORD("Report", "Placements")) << '\n'
         << AlignedTable(placements) << '\n';
    text << words.Say(KOVREL_WORD("Report", "Dignities")) << '\n'
         << AlignedTable(dignities) << '\n';
    if (const std::vector<std::string> opinions = SecondOpinionTexts(calculated, words);
        !opinions.empty()) {
        text << words.Say(KOVREL_WORD("Report", "Second opinion")) << '\n';
        for (const std::string& opinion : opinions) {
            text << "  " << opinion << '\n';
        }
        text << '\n';
    }
    text << TableText(ListTable(kNaturalTitle, relationships.natural, words)) << '\n'
         << TableText(ListTable(kTemporaryTitle, relationships.temporary, words)) << '\n'
         << TableText(CompoundGrid(relationships.compound, words));
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
        planets.push_back(Json{{"name", PlanetNames[i].text()},
                               {"placement", reading.PlanetPlacements[i].text()}});
    }

    const RelationLists& natural = reading.relationships.natural;
    Json naturalRows = Json::array();
    for (int i = 0; i < kPlanetCount; ++i) {
        naturalRows.push_back(Json{{"planet", PlanetNames[i].text()},
                                   {"friends", NameArray(natural.friends[i])},
                                   {"enemies", NameArray(natural.enemies[i])},
                                   {"neutrals", NameArray(natural.neutrals[i])}});
    }

    const RelationLists& temporary = reading.relationships.temporary;
    Json temporaryRows = Json::array();
    for (int i = 0; i < kPlanetCount; ++i) {
        temporaryRows.push_back(Json{{"planet", PlanetNames[i].text()},
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
