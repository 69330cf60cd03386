#pragma once

// The rasi chart as data, in either style: which planet stands in which sign's box or house,
// where the ascendant rises, and what the caption says. Painting reads only this, so the window,
// the printed page and the SVG file cannot differ.

#include "app/Reading.h"
#include "chart/ChartStyle.h"
#include "common/BirthDetails.h"
#include "common/Signs.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

// The full name of the sign of a placement such as "00 Pis 41", or "".
std::string SignNameOf(const Placement& placement, const Words& words = English());

// Degrees and minutes within the sign, of a placement in the full nine-character form.
struct PlacementParts {
    int sign = 0;
    int degrees = 0;
    int minutes = 0;
};
std::optional<PlacementParts> PartsOf(const Placement& placement);

// "Sun 00°41'"; only the planet's name for a placement without a sign.
std::string ChartPlanetLabel(int planet, const Placement& placement,
                             const Words& words = English());

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

// A point or a rectangle on the North Indian chart's square, in shares of its side: x to the
// right, y down, (0, 0) the top left corner.
struct UnitPoint {
    double x = 0.0;
    double y = 0.0;
};
struct UnitRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// One house of the North Indian chart: its outline (three corners for a triangle, four for a
// diamond), the room its texts are set in, and where its sign number stands, near the corner
// that points to the chart's middle.
struct NorthHouse {
    std::array<UnitPoint, 4> outline{};
    int corners = 0;
    UnitRect room;
    UnitPoint number;
};

namespace north_indian {

// From the chart's middle to a diamond's centre, and from a triangle's inner corner to the middle
// of its outer side: a quarter of the square.
inline constexpr double kHouseDepth = 0.25;
// The rooms: a diamond's is centred in it; a triangle's lies along its outer side, this margin
// inside the square, as deep and as long as fits inside the triangle's slanting sides.
inline constexpr double kDiamondRoomWidth = 0.30;
inline constexpr double kDiamondRoomHeight = 0.17;
inline constexpr double kOuterMargin = 0.015;
inline constexpr double kFlatRoomDepth = 0.105; // the triangles at the top and bottom
inline constexpr double kFlatRoomLength = 0.24;
inline constexpr double kTallRoomDepth = 0.14; // the triangles at the left and right
inline constexpr double kTallRoomLength = 0.16;
// The sign number stands this far from the house's inner corner, towards its middle.
inline constexpr double kNumberInset = 0.05;

constexpr UnitPoint Toward(UnitPoint from, UnitPoint to, double distance) {
    return {from.x + (to.x - from.x) * distance / kHouseDepth,
            from.y + (to.y - from.y) * distance / kHouseDepth};
}

constexpr NorthHouse Diamond(UnitPoint centre) {
    const UnitPoint middle{0.5, 0.5};
    const double d = kHouseDepth;
    return {{{{centre.x, centre.y - d},
              {centre.x + d, centre.y},
              {centre.x, centre.y + d},
              {centre.x - d, centre.y}}},
            4,
            {centre.x - kDiamondRoomWidth / 2.0, centre.y - kDiamondRoomHeight / 2.0,
             kDiamondRoomWidth, kDiamondRoomHeight},
            Toward(middle, centre, kNumberInset)};
}

// `a` and `b` end the triangle's outer side, on the square's edge; `inner` is its third corner.
constexpr NorthHouse Triangle(UnitPoint a, UnitPoint b, UnitPoint inner) {
    const UnitPoint side{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
    const auto along = [](double edge, double depth) {
        return edge == 0.0 ? kOuterMargin : edge - kOuterMargin - depth;
    };
    const UnitRect room =
        a.y == b.y ? UnitRect{side.x - kFlatRoomLength / 2.0, along(side.y, kFlatRoomDepth),
                              kFlatRoomLength, kFlatRoomDepth}
                   : UnitRect{along(side.x, kTallRoomDepth), side.y - kTallRoomLength / 2.0,
                              kTallRoomDepth, kTallRoomLength};
    return {{{a, inner, b, {}}}, 3, room, Toward(inner, side, kNumberInset)};
}

} // namespace north_indian

// The North Indian chart: a square with both diagonals and the diamond joining the middles of
// its sides. The first house is the diamond at the top; the houses follow counter-clockwise.
inline constexpr std::array<NorthHouse, 12> NorthIndianHouses = {{
    north_indian::Diamond({0.5, 0.25}),
    north_indian::Triangle({0.0, 0.0}, {0.5, 0.0}, {0.25, 0.25}),
    north_indian::Triangle({0.0, 0.0}, {0.0, 0.5}, {0.25, 0.25}),
    north_indian::Diamond({0.25, 0.5}),
    north_indian::Triangle({0.0, 0.5}, {0.0, 1.0}, {0.25, 0.75}),
    north_indian::Triangle({0.0, 1.0}, {0.5, 1.0}, {0.25, 0.75}),
    north_indian::Diamond({0.5, 0.75}),
    north_indian::Triangle({0.5, 1.0}, {1.0, 1.0}, {0.75, 0.75}),
    north_indian::Triangle({1.0, 1.0}, {1.0, 0.5}, {0.75, 0.75}),
    north_indian::Diamond({0.75, 0.5}),
    north_indian::Triangle({1.0, 0.5}, {1.0, 0.0}, {0.75, 0.25}),
    north_indian::Triangle({1.0, 0.0}, {0.5, 0.0}, {0.75, 0.25}),
}};

struct ChartPlanet {
    int planet = 0; // PlanetNames index
    std::string label;
    // A precise ephemeris puts the planet in another sign: the chart marks it.
    bool secondOpinion = false;
};

struct ChartBox {
    int sign = 0; // SignAbbreviations / SignNames index
    GridCell cell;
    // 0 = the first house: the rising sign, or Aries while no ascendant is known.
    int house = 0;
    std::vector<ChartPlanet> planets; // PlanetNames order
};

inline constexpr Word kChartTitle = KOVREL_WORD("Chart", "Rasi Chart");
// Without an ascendant the boxes are signs, not houses.
inline constexpr Word kFixedSignsNote = KOVREL_WORD("Chart", "Signs fixed; no ascendant computed");
// The mark after a planet whose sign a precise ephemeris disputes, and the caption's line for it.
inline constexpr std::string_view kSecondOpinionMark = "*";
inline constexpr Word kSecondOpinionLegend =
    KOVREL_WORD("Chart", "* A precise ephemeris puts this planet in another sign");

struct ChartLayout {
    ChartStyle style = ChartStyle::South;
    std::array<ChartBox, 12> boxes; // by sign index
    // The sign the ascendant rises in and its degrees within it ("Asc 10°21'"), when known.
    std::optional<int> risingSign;
    std::string ascendantLabel;
    // The caption: the South Indian chart's centre, the North Indian chart's foot. Title, name,
    // the positions in use, date, time, place, and the notes; empty details are left out.
    std::vector<std::string> centreLines;
};

// "Asc 10°21'": the degrees and minutes within the sign, or "" for an unknown ascendant.
std::string AscendantLabel(double ascendant, const Words& words = English());

// The chart's texts are said in `words`.
ChartLayout ChartOf(const CalculatedReading& calculated, ChartStyle style,
                    const Words& words = English());
ChartLayout SouthIndianChart(const CalculatedReading& calculated);
ChartLayout NorthIndianChart(const CalculatedReading& calculated);

} // namespace kovrel
