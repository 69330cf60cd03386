#pragma once

// The rasi chart as data: which planet stands in which sign's box, and what the centre says.
// Painting reads only this, so the window, the printed page and the SVG file cannot differ.

#include "app/Reading.h"
#include "common/BirthDetails.h"
#include "common/Signs.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

// The full name of the sign of a placement such as "00 Pis 41", or "".
std::string_view SignNameOf(const Placement& placement);

// Degrees and minutes within the sign, of a placement in the full nine-character form.
struct PlacementParts {
    int sign = 0;
    int degrees = 0;
    int minutes = 0;
};
std::optional<PlacementParts> PartsOf(const Placement& placement);

// "Sun 00°41'"; only the planet's name for a placement without a sign.
std::string ChartPlanetLabel(int planet, const Placement& placement);

// A place on the 4 x 4 grid of the South Indian chart: column 0..3 from the left, row 0..3
// from the top. The twelve outer cells hold the signs; the middle 2 x 2 is the centre.
struct GridCell {
    int column = 0;
    int row = 0;
    bool operator==(const GridCell&) const = default;
};

// The South Indian chart keeps every sign in one place: Pisces top left, then clockwise.
inline constexpr std::array<GridCell, 12> SouthIndianCells = {{
    {1, 0}, // Aries
    {2, 0}, // Taurus
    {3, 0}, // Gemini
    {3, 1}, // Cancer
    {3, 2}, // Leo
    {3, 3}, // Virgo
    {2, 3}, // Libra
    {1, 3}, // Scorpio
    {0, 3}, // Sagittarius
    {0, 2}, // Capricorn
    {0, 1}, // Aquarius
    {0, 0}, // Pisces
}};

struct ChartPlanet {
    int planet = 0; // PlanetNames index
    std::string label;
};

struct ChartBox {
    int sign = 0; // SignAbbreviations / SignNames index
    GridCell cell;
    std::vector<ChartPlanet> planets; // PlanetNames order
};

inline constexpr std::string_view kChartTitle = "Rasi Chart";
// No ascendant is computed, so the boxes are signs, not houses.
inline constexpr std::string_view kFixedSignsNote = "Signs fixed; no ascendant computed";

struct ChartLayout {
    std::array<ChartBox, 12> boxes; // by sign index
    // Title, name, date, time, place and the fixed-signs note; empty details are left out.
    std::vector<std::string> centreLines;
};

ChartLayout SouthIndianChart(const CalculatedReading& calculated);

} // namespace kovrel
