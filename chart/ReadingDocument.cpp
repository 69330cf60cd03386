#include "chart/ReadingDocument.h"

#include "app/TimeZoneCatalog.h"
#include "chart/BirthTexts.h"
#include "chart/PositionNotes.h"
#include "common/Text.h"
#include "relationships/RelationTexts.h"
#include "sky/SkyTexts.h"

#include <cstdio>

namespace kovrel {

DocumentTable ListTable(std::string title, const RelationLists& lists) {
    DocumentTable table;
    table.title = std::move(title);
    // The enemies column stands before the neutral one, as on the result panel.
    table.headings = {std::string(kPlanetHeading), std::string(kFriendsHeading),
                      std::string(kEnemiesHeading), std::string(kNeutralsHeading)};
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
        table.rows.push_back({std::string(PlanetNames[planet]), ListText(lists.friends[planet]),
                              ListText(lists.enemies[planet]), ListText(lists.neutrals[planet])});
    }
    return table;
}

DocumentTable CompoundGrid(const CompoundTable& compound) {
    DocumentTable table;
    table.title = std::string(kCompoundTitle);
    table.compound = compound;
    table.headings.emplace_back();
    for (const auto name : PlanetNames) {
        table.headings.emplace_back(name);
    }
    for (std::size_t row = 0; row < kPlanetCount; ++row) {
        std::vector<std::string> cells{std::string(PlanetNames[row])};
        for (const CompoundKind cell : compound[row]) {
            cells.emplace_back(CompoundText(cell));
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

namespace {

std::string DegreesText(const Placement& placement) {
    const auto parts = PartsOf(placement);
    if (!parts) {
        return {};
    }
    char text[24];
    std::snprintf(text, sizeof text, "%02d\u00B0 %02d'", parts->degrees, parts->minutes);
    return text;
}

} // namespace

ReadingDocument MakeReadingDocument(const CalculatedReading& calculated, ChartStyle chartStyle) {
    const BirthDetails& birth = calculated.birth;
    const int zoneRow = calculated.zoneRow;
    const Reading& reading = calculated.reading;
    ReadingDocument document;
    document.header = birth.Name;
    document.positionsCaption = PositionsCaption(calculated.positions);
    document.programName = std::string(kWindowCaption);
    document.heading = "Planetary Relationships Reading";
    document.birthDetails = {
        {"Name", birth.Name},
        {"Date", BirthDateText(birth)},
        {"Time", BirthTimeText(birth)},
        {"Time zone", std::string(ZoneRowText(zoneRow))},
        {"Daylight saving", DaylightSavingText(birth)},
        {"City", birth.City},
        {"State", birth.State},
        {"Country", birth.Country},
        {"Latitude", LatitudeText(birth)},
        {"Longitude", LongitudeText(birth)},
        {"Ayanamsa", AyanamsaText(reading.Ayanamsa)},
    };
    document.chart = ChartOf(calculated, chartStyle);

    document.positions.title = "Planet Positions";
    document.positions.headings = {std::string(kPlanetHeading), "Placement", "Sign", "Degrees",
                                   "Dignity"};
    for (const Planet planet : kPlanets) {
        const Placement& placement = reading.PlanetPlacements[Index(planet)];
        std::string text(placement.text());
        if (std::string note = SecondOpinionText(calculated, planet); !note.empty()) {
            text += " " + std::string(kSecondOpinionMark);
            document.positionNotes.push_back(std::string(kSecondOpinionMark) + " " + note);
        }
        document.positions.rows.push_back(
            {std::string(PlanetName(planet)), std::move(text), std::string(SignNameOf(placement)),
             DegreesText(placement), DignityTextOf(calculated, planet)});
    }
    if (const std::optional<Placement> rising = AscendantPlacement(calculated)) {
        document.positions.rows.push_back({std::string(kAscendantName), std::string(rising->text()),
                                           std::string(SignNameOf(*rising)), DegreesText(*rising),
                                           ""});
    }

    const Relationships& relationships = reading.relationships;
    document.relationships = {ListTable(std::string(kNaturalTitle), relationships.natural),
                              ListTable(std::string(kTemporaryTitle), relationships.temporary),
                              CompoundGrid(relationships.compound)};
    return document;
}

std::string PageFooterText(const ReadingDocument& document, int page, int pageCount) {
    return document.programName + " - page " + std::to_string(page) + " of " +
           std::to_string(pageCount);
}

std::string DocumentFileStem(const BirthDetails& birth) {
    std::string stem;
    for (const char c : TrimBlanks(birth.Name)) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (plain) {
            stem += c;
        } else if (c == ' ' && !stem.empty() && stem.back() != '_') {
            stem += '_';
        }
    }
    while (!stem.empty() && stem.back() == '_') {
        stem.pop_back();
    }
    return stem.empty() ? "reading" : stem;
}

} // namespace kovrel
