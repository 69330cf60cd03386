#include "chart/ChartLayout.h"

#include "chart/BirthTexts.h"
#include "sky/SkyTexts.h"

#include <cmath>
#include <cstdio>

namespace kovrel {

std::optional<PlacementParts> PartsOf(const Placement& placement) {
    if (!placement.hasDegrees()) {
        return std::nullopt;
    }
    return PlacementParts{placement.sign(), placement.degrees(), placement.minutes()};
}

std::string SignNameOf(const Placement& placement, const Words& words) {
    return placement.hasSign() ? SignName(placement.sign(), words) : std::string();
}

std::string ChartPlanetLabel(int planet, const Placement& placement, const Words& words) {
    std::string label = words.Say(PlanetNames[static_cast<std::size_t>(planet)]);
    if (const auto parts = PartsOf(placement)) {
        char text[24];
        std::snprintf(text, sizeof text, " %02d\u00B0%02d'", parts->degrees, parts->minutes);
        label += text;
    }
    return label;
}

std::string AscendantLabel(double ascendant, const Words& words) {
    const auto parts = std::isnan(ascendant) ? std::nullopt : PartsOf(PlacementOf(ascendant));
    if (!parts) {
        return {};
    }
    char text[24];
    std::snprintf(text, sizeof text, " %02d\u00B0%02d'", parts->degrees, parts->minutes);
    // The short name the chart has room for.
    return words.Say(KOVREL_WORD("Chart", "Asc")) + text;
}

ChartLayout ChartOf(const CalculatedReading& calculated, ChartStyle style, const Words& words) {
    const BirthDetails& birth = calculated.birth;
    const Reading& reading = calculated.reading;
    ChartLayout layout;
    layout.style = style;
    layout.ascendantLabel = AscendantLabel(calculated.ascendant, words);
    if (!layout.ascendantLabel.empty()) {
        layout.risingSign = PlacementOf(calculated.ascendant).sign();
    }
    const int firstHouse = layout.risingSign.value_or(0);
    for (int sign = 0; sign < kSignCount; ++sign) {
        ChartBox& box = layout.boxes[static_cast<std::size_t>(sign)];
        box.sign = sign;
        box.cell = SouthIndianCells[static_cast<std::size_t>(sign)];
        box.house = (sign - firstHouse + kSignCount) % kSignCount;
    }
    bool anyDisputed = false;
    for (int planet = 0; planet < kPlanetCount; ++planet) {
        const Placement& placement = reading.PlanetPlacements[static_cast<std::size_t>(planet)];
        // A placement without a sign (no calculation yet) has no box to stand in.
        if (placement.hasSign()) {
            const bool disputed =
                !std::isnan(calculated.secondOpinion[static_cast<std::size_t>(planet)]);
            anyDisputed = anyDisputed || disputed;
            layout.boxes[static_cast<std::size_t>(placement.sign())].planets.push_back(
                {planet, ChartPlanetLabel(planet, placement, words), disputed});
        }
    }
    layout.centreLines.push_back(words.Say(kChartTitle));
    for (std::string line :
         {birth.Name, PositionsCaption(calculated.positions, words), BirthDateText(birth, words),
          BirthTimeText(birth), BirthPlaceText(birth)}) {
        if (!line.empty()) {
            layout.centreLines.push_back(std::move(line));
        }
    }
    if (!layout.risingSign) {
        layout.centreLines.push_back(words.Say(kFixedSignsNote));
    }
    if (anyDisputed) {
        layout.centreLines.push_back(words.Say(kSecondOpinionLegend));
    }
    return layout;
}

ChartLayout SouthIndianChart(const CalculatedReading& calculated) {
    return ChartOf(calculated, ChartStyle::South);
}

ChartLayout NorthIndianChart(const CalculatedReading& calculated) {
    return ChartOf(calculated, ChartStyle::North);
}

} // namespace kovrel
