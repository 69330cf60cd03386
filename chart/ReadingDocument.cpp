#include "chart/ReadingDocument.h"

#include "app/TimeZoneCatalog.h"
#include "chart/BirthTexts.h"
#include "chart/PositionNotes.h"
#include "common/Text.h"
#include "relationships/RelationTexts.h"
#include "sky/SkyTexts.h"

#include <cstdio>

namespace kovrel {

DocumentTable ListTable(Word title, const RelationLists& lists, const Words& words) {
    DocumentTable table;
    table.title = words.Say(title);
    // The enemies column stands before the neutral one, as on the result panel.
    table.headings = {words.Say(kPlanetHeading), words.Say(kFriendsHeading),
                      words.Say(kEnemiesHeading), words.Say(kNeutralsHeading)};
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
        table.rows.push_back(
            {words.Say(PlanetNames[planet]), ListText(lists.friends[planet], words),
             ListText(lists.enemies[planet], words), ListText(lists.neutrals[planet], words)});
    }
    return table;
}

DocumentTable CompoundGrid(const CompoundTable& compound, const Words& words) {
    DocumentTable table;
    table.title = words.Say(kCompoundTitle);
    table.compound = compound;
    table.headings.emplace_back();
    for (const Word name : PlanetNames) {
        table.headings.push_back(words.Say(name));
    }
    for (std::size_t row = 0; row < kPlanetCount; ++row) {
        std::vector<std::string> cells{words.Say(PlanetNames[row])};
        for (const CompoundKind cell : compound[row]) {
            cells.push_back(CompoundText(cell, words));
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

ReadingDocument MakeReadingDocument(const CalculatedReading& calculated, ChartStyle chartStyle,
                                    const Words& words) {
    const BirthDetails& birth = calculated.birth;
    const int zoneRow = calculated.zoneRow;
    const Reading& reading = calculated.reading;
    ReadingDocument document;
    document.header = birth.Name;
    document.positionsCaption = PositionsCaption(calculated.positions, words);
    document.programName = std::string(kWindowCaption);
    document.heading = words.Say(KOVREL_WORD("Reading", "Planetary Relationships Reading"));
    const auto field = [&words](Word label, std::string value) {
        return DocumentField{words.Say(label), std::move(value)};
    };
    document.birthDetails = {
        field(KOVREL_WORD("Reading", "Name"), birth.Name),
        field(KOVREL_WORD("Reading", "Date"), BirthDateText(birth, words)),
        field(KOVREL_WORD("Reading", "Time"), BirthTimeText(birth)),
        field(KOVREL_WORD("Reading", "Time zone"), std::string(ZoneRowText(zoneRow))),
        field(KOVREL_WORD("Reading", "Daylight saving"), DaylightSavingText(birth, words)),
        field(KOVREL_WORD("Reading", "City"), birth.City),
        field(KOVREL_WORD("Reading", "State"), birth.State),
        field(KOVREL_WORD("Reading", "Country"), birth.Country),
        field(KOVREL_WORD("Reading", "Latitude"), LatitudeText(birth, words)),
        field(KOVREL_WORD("Reading", "Longitude"), LongitudeText(birth, words)),
        field(KOVREL_WORD("Reading", "Ayanamsa"), AyanamsaText(reading.Ayanamsa)),
    };
    document.chart = ChartOf(calculated, chartStyle, words);

    document.positions.title = words.Say(KOVREL_WORD("Reading", "Planet Positions"));
    document.positions.headings = {
        words.Say(kPlanetHeading), words.Say(KOVREL_WORD("Reading", "Placement")),
        words.Say(KOVREL_WORD("Reading", "Sign")), words.Say(KOVREL_WORD("Reading", "Degrees")),
        words.Say(KOVREL_WORD("Reading", "Dignity"))};
    for (const Planet planet : kPlanets) {
        const Placement& placement = reading.PlanetPlacements[Index(planet)];
        std::string text = PlacementText(placement, words);
        if (std::string note = SecondOpinionText(calculated, planet, words); !note.empty()) {
            text += " " + std::string(kSecondOpinionMark);
            document.positionNotes.push_back(std::string(kSecondOpinionMark) + " " + note);
        }
        document.positions.rows.push_back({PlanetName(planet, words), std::move(text),
                                           SignNameOf(placement, words), DegreesText(placement),
                                           DignityTextOf(calculated, planet, words)});
    }
    if (const std::optional<Placement> rising = AscendantPlacement(calculated)) {
        document.positions.rows.push_back({words.Say(kAscendantName), PlacementText(*rising, words),
                                           SignNameOf(*rising, words), DegreesText(*rising), ""});
    }

    const Relationships& relationships = reading.relationships;
    document.relationships = {ListTable(kNaturalTitle, relationships.natural, words),
                              ListTable(kTemporaryTitle, relationships.temporary, words),
                              CompoundGrid(relationships.compound, words)};
    return document;
}

std::string PageFooterText(const ReadingDocument& document, int page, int pageCount,
                           const Words& words) {
    return Fill(words.Say(KOVREL_WORD("Reading", "%1 - page %2 of %3")),
                {document.programName, std::to_string(page), std::to_string(pageCount)});
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
