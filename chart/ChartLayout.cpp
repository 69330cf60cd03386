#include "chart/ChartLayout.h"

#include "chart/BirthTexts.h"

#include <cstdio>

namespace kovrel {

namespace {

std::optional<int> TwoDigits(std::string_view text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') {
        return std::nullopt;
    }
    return (text[0] - '0') * 10 + (text[1] - '0');
}

} // namespace

std::optional<PlacementParts> PartsOf(std::string_view placement) {
    const auto sign = SignIndexOf(placement);
    if (!sign || placement.size() != 9) {
        return std::nullopt;
    }
    const auto degrees = TwoDigits(placement.substr(0, 2));
    const auto minutes = TwoDigits(placement.substr(7, 2));
    if (!degrees || !minutes) {
        return std::nullopt;
    }
    return PlacementParts{*sign, *degrees, *minutes};
}

std::string_view SignNameOf(std::string_view placement) {
    const auto sign = SignIndexOf(placement);
    return sign ? SignNames[static_cast<std::size_t>(*sign)] : std::string_view{};
}

std::string ChartPlanetLabel(int planet, std::string_view placement) {
    std::string label(PlanetNames[static_cast<std::size_t>(planet)]);
    if (const auto parts = PartsOf(placement)) {
        char text[24];
        std::snprintf(text, sizeof text, " %02d\u00B0%02d'", parts->degrees, parts->minutes);
        label += text;
    }
    return label;
}

ChartLayout SouthIndianChart(const BirthDetails& birth, int /*zoneRow*/, const Reading& reading) {
    ChartLayout layout;
    for (int sign = 0; sign < 12; ++sign) {
        layout.boxes[static_cast<std::size_t>(sign)].sign = sign;
        layout.boxes[static_cast<std::size_t>(sign)].cell =
            SouthIndianCells[static_cast<std::size_t>(sign)];
    }
    for (int planet = 0; planet < kPlanetCount; ++planet) {
        const std::string& placement = reading.PlanetPlacements[static_cast<std::size_t>(planet)];
        // A placement without a sign (no calculation yet) has no box to stand in.
        if (const auto sign = SignIndexOf(placement)) {
            layout.boxes[static_cast<std::size_t>(*sign)].planets.push_back(
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
