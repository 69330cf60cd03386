#include "chart/PositionNotes.h"

#include "chart/ChartLayout.h"
#include "relationships/Dignity.h"
#include "relationships/RelationTexts.h"

#include <cmath>
#include <cstdio>

namespace kovrel {

std::optional<Placement> AscendantPlacement(const CalculatedReading& calculated) {
    if (std::isnan(calculated.ascendant)) {
        return std::nullopt;
    }
    return PlacementOf(calculated.ascendant);
}

std::string DignityTextOf(const CalculatedReading& calculated, Planet planet, const Words& words) {
    const Reading& reading = calculated.reading;
    const std::optional<Dignity> dignity =
        DignityOf(reading.PlanetPlacements, reading.relationships, planet);
    return dignity ? DignityText(*dignity, words) : std::string();
}

std::string SecondOpinionText(const CalculatedReading& calculated, Planet planet,
                              const Words& words) {
    const double longitude = calculated.secondOpinion[Index(planet)];
    const Placement placement = std::isnan(longitude) ? Placement() : PlacementOf(longitude);
    const auto parts = PartsOf(placement);
    if (!parts) {
        return {};
    }
    char degrees[24];
    std::snprintf(degrees, sizeof degrees, "%02d\u00B0 %02d'", parts->degrees, parts->minutes);
    return Fill(words.Say(KOVREL_WORD("Reading", "A precise ephemeris puts %1 at %2 %3")),
                {PlanetName(planet, words), degrees, SignNameOf(placement, words)});
}

std::vector<std::string> SecondOpinionTexts(const CalculatedReading& calculated,
                                            const Words& words) {
    std::vector<std::string> texts;
    for (const Planet planet : kPlanets) {
        if (std::string text = SecondOpinionText(calculated, planet, words); !text.empty()) {
            texts.push_back(std::move(text));
        }
    }
    return texts;
}

} // namespace kovrel
