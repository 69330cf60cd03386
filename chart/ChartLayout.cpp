#include "chart/ChartLayout.h"

#include "chart/BirthTexts.h"

#include <cstdio>

namespace kovrel {

std::optional<PlacementParts> PartsOf(const Placement& placement) {
    if (!placement.hasDegrees()) {
        return std::nullopt;
    }
    return PlacementParts{placement.sign(), placement.degrees(), placement.minutes()};
}

std::string_view SignNameOf(const Placement& placement) {
    return placement.hasSign() ? SignNames[static_cast<std::size_t>(placement.sign())]
                               : std::string_view{};
}

std::string ChartPlanetLabel(int planet, const Placement& placement) {
    std::string label(PlanetNames[static_cast<std::size_t>(planet)]);
    if (const auto parts = PartsOf(placement)) {
        char text[24];
        std::snprintf(text, sizeof text, " %02d\u00B0%02d'", parts->degrees, parts->minutes);
        label += text;
    }
    return label;
}

ChartLayout SouthIndianChart(const CalculatedReading& calculated) {
    const BirthDetails& birth = calculated.birth;
    const Reading& reading = calculated.reading;
    ChartLayout layout;
    for (int sign = 0; sign < 12; ++sign) {
        layout.boxes[static_cast<std::size_t>(sign)].sign = sign;
        layout.boxes[static_cast<std::size_t>(sign)].cell =
            SouthIndianCells[static_cast<std::size_t>(sign)];
    }
    for (int planet = 0; planet < kPlanetCount; ++planet) {
        const Placement& placement = reading.PlanetPlacements[static_cast<std::size_t>(planet)];
        // A placement without a sign (no calculation yet) has no box to stand in.
        if (placement.hasSign()) {
            layout.boxes[static_cast<std::size_t>(placement.sign())].planets.push_back(
                {planet, ChartPlanetLabel(planet, placement)});
        }
    }
    layout.centreLines.emplace_back(kChartTitle);
    for (std::string line :
         {birth.Name, BirthDateText(birth), BirthTimeText(birth), BirthPlaceText(birth)}) {
        if (!line.empty()) {
            layout.centreLines.push_back(std::move(line));
        }
    }
    layout.centreLines.emplace_back(kFixedSignsNote);
    return layout;
}

} // namespace kovrel
