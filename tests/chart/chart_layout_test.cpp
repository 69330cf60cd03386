#include "AnnReading.h"
#include "chart/ChartLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <set>
#include <utility>

namespace kovrel::test {
namespace {

// ---------------------------------------------------------------- the fixed boxes

TEST(SouthIndianCells, TheTwelveSignsGoClockwiseRoundTheRingFromAriesAtTheTop) {
    // The South Indian chart: Pisces top left, Aries to its right, Virgo bottom right.
    EXPECT_EQ(SouthIndianCells[11], (GridCell{0, 0}));
    EXPECT_EQ(SouthIndianCells[0], (GridCell{1, 0}));
    EXPECT_EQ(SouthIndianCells[2], (GridCell{3, 0}));
    EXPECT_EQ(SouthIndianCells[3], (GridCell{3, 1}));
    EXPECT_EQ(SouthIndianCells[5], (GridCell{3, 3}));
    EXPECT_EQ(SouthIndianCells[8], (GridCell{0, 3}));
    EXPECT_EQ(SouthIndianCells[10], (GridCell{0, 1}));

    std::set<std::pair<int, int>> used;
    for (int sign = 0; sign < 12; ++sign) {
        const GridCell cell = SouthIndianCells[static_cast<std::size_t>(sign)];
        const GridCell next = SouthIndianCells[static_cast<std::size_t>((sign + 1) % 12)];
        used.insert({cell.column, cell.row});
        // On the outer ring, never in the centre, and each sign beside the one before it.
        EXPECT_TRUE(cell.column == 0 || cell.column == 3 || cell.row == 0 || cell.row == 3)
            << SignNames[static_cast<std::size_t>(sign)].text();
        EXPECT_EQ(std::abs(cell.column - next.column) + std::abs(cell.row - next.row), 1)
            << SignNames[static_cast<std::size_t>(sign)].text();
    }
    EXPECT_EQ(used.size(), 12u);
}

TEST(SignNames, FollowTheAbbreviations) {
    for (std::size_t sign = 0; sign < 12; ++sign) {
        EXPECT_EQ(SignNames[sign].text().substr(0, 3), SignAbbreviations[sign].text());
    }
    EXPECT_EQ(SignNameOf(Placement::FromText("00 Pis 41")), "Pisces");
    EXPECT_EQ(SignNameOf(Placement{}), "");
}

// ---------------------------------------------------------------- placements in the boxes

TEST(ChartPlanetLabel, NameDegreesAndMinutes) {
    // Ann's Sun and Saturn (worked example).
    EXPECT_EQ(ChartPlanetLabel(0, Placement::FromText("00 Pis 41")), "Sun 00\u00B041'");
    EXPECT_EQ(ChartPlanetLabel(6, Placement::InSign(8, 29, 37)), "Saturn 29\u00B037'");
    // Before the first calculation there is no placement, only the name.
    EXPECT_EQ(ChartPlanetLabel(1, Placement{}), "Moon");
    EXPECT_FALSE(PartsOf(Placement::FromText("0x Pis 41")));
    EXPECT_FALSE(PartsOf(Placement::FromText("00 Xyz 41")));
}

TEST(SouthIndianChart, AnnsPlanetsStandInTheirSignsBoxes) {
    const ChartLayout layout = SouthIndianChart(AnnCalculated());
    const auto labels = [&](int sign) {
        std::vector<std::string> result;
        for (const ChartPlanet& planet : layout.boxes[static_cast<std::size_t>(sign)].planets) {
            result.push_back(planet.label);
        }
        return result;
    };
    // Sun 00 Pis 41, Moon 11 Lib 33, Mercury 26 Aqu 55, Venus 15 Cap 14, Mars 08 Cap 59,
    // Jupiter 07 Gem 50, Saturn 29 Sag 37 (worked example).
    EXPECT_EQ(labels(11), std::vector<std::string>{"Sun 00\u00B041'"});
    EXPECT_EQ(labels(6), std::vector<std::string>{"Moon 11\u00B033'"});
    EXPECT_EQ(labels(10), std::vector<std::string>{"Mercury 26\u00B055'"});
    // Venus and Mars share Capricorn, in planet order.
    EXPECT_EQ(labels(9), (std::vector<std::string>{"Venus 15\u00B014'", "Mars 08\u00B059'"}));
    EXPECT_EQ(labels(2), std::vector<std::string>{"Jupiter 07\u00B050'"});
    EXPECT_EQ(labels(8), std::vector<std::string>{"Saturn 29\u00B037'"});
    for (const int empty : {0, 1, 3, 4, 5, 7}) {
        EXPECT_TRUE(labels(empty).empty()) << SignNames[static_cast<std::size_t>(empty)].text();
    }
    for (int sign = 0; sign < 12; ++sign) {
        EXPECT_EQ(layout.boxes[static_cast<std::size_t>(sign)].sign, sign);
        EXPECT_EQ(layout.boxes[static_cast<std::size_t>(sign)].cell,
                  SouthIndianCells[static_cast<std::size_t>(sign)]);
    }
}

TEST(SouthIndianChart, TheCentreSaysWhoseChartAndThatNoAscendantIsComputed) {
    const ChartLayout layout = SouthIndianChart(AnnCalculated());
    EXPECT_EQ(layout.centreLines, (std::vector<std::string>{"Rasi Chart", "Ann", "15 March 1990",
                                                            "08:30", "New Delhi, Delhi, India",
                                                            "Signs fixed; no ascendant computed"}));
}

TEST(SouthIndianChart, PlanetsSharingOneSignKeepPlanetOrder) {
    Reading reading;
    reading.PlanetPlacements = PlacementsOf({"29 Leo 59", "00 Leo 00", "10 Leo 10", "11 Leo 11",
                                             "12 Leo 12", "13 Leo 13", "14 Leo 14"});
    const ChartLayout layout = SouthIndianChart({BirthDetails{}, 0, reading});
    const auto& leo = layout.boxes[4].planets;
    ASSERT_EQ(leo.size(), 7u);
    for (int planet = 0; planet < kPlanetCount; ++planet) {
        EXPECT_EQ(leo[static_cast<std::size_t>(planet)].planet, planet);
    }
}

TEST(SouthIndianChart, BeforeAnyCalculationTheBoxesAreEmptyAndBlankDetailsAreLeftOut) {
    const ChartLayout layout = SouthIndianChart(CalculatedReading{});
    for (const ChartBox& box : layout.boxes) {
        EXPECT_TRUE(box.planets.empty());
    }
    // No name and no place: the title, the date and time fields as held, and the note.
    EXPECT_EQ(layout.centreLines, (std::vector<std::string>{"Rasi Chart", "0 0 0", "00:00",
                                                            "Signs fixed; no ascendant computed"}));
}

// ---------------------------------------------------------------- the ascendant, both styles

// Ann's reading with the ascendant the precise route gives for it: 10.3519, Aries 10°21' (the
// reference library's figure for Ann).
CalculatedReading AnnWithAscendant(double ascendant = 10.3519) {
    CalculatedReading ann = AnnCalculated();
    ann.ascendant = ascendant;
    return ann;
}

// The house each sign's box stands in.
std::array<int, 12> Houses(const ChartLayout& layout) {
    std::array<int, 12> houses{};
    for (const ChartBox& box : layout.boxes) {
        houses[static_cast<std::size_t>(box.sign)] = box.house;
    }
    return houses;
}

TEST(ChartOf, AnnsAscendantRisesInAriesTheFirstHouseInBothStyles) {
    for (const ChartStyle style : kChartStyles) {
        const ChartLayout layout = ChartOf(AnnWithAscendant(), style);
        EXPECT_EQ(layout.style, style);
        EXPECT_EQ(layout.risingSign, 0);
        EXPECT_EQ(layout.ascendantLabel, "Asc 10\u00B021'");
        // Aries first, then the signs in order: Ann's Jupiter (Gemini) in the third house, the
        // Moon (Libra) in the seventh, Venus and Mars (Capricorn) in the tenth, the Sun
        // (Pisces) in the twelfth.
        EXPECT_EQ(Houses(layout), (std::array<int, 12>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        EXPECT_EQ(layout.boxes[9].planets.size(), 2u);
        EXPECT_EQ(layout.boxes[11].planets.front().label, "Sun 00\u00B041'");
        // The ascendant replaces the note that there is none.
        EXPECT_EQ(layout.centreLines,
                  (std::vector<std::string>{"Rasi Chart", "Ann", "15 March 1990", "08:30",
                                            "New Delhi, Delhi, India"}));
    }
    // Libra 20°00' rising: Libra's box, where Ann's Moon stands, is the first house, Aries the
    // seventh.
    const ChartLayout libra = NorthIndianChart(AnnWithAscendant(200.0));
    EXPECT_EQ(libra.risingSign, 6);
    EXPECT_EQ(libra.ascendantLabel, "Asc 20\u00B000'");
    EXPECT_EQ(Houses(libra), (std::array<int, 12>{6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5}));
    // Without an ascendant the North Indian chart keeps Aries in the first house.
    const ChartLayout fixed = NorthIndianChart(AnnCalculated());
    EXPECT_FALSE(fixed.risingSign);
    EXPECT_EQ(fixed.ascendantLabel, "");
    EXPECT_EQ(Houses(fixed)[0], 0);
    EXPECT_EQ(fixed.centreLines.back(), kFixedSignsNote.text());
}

TEST(ChartOf, MarksDisputedPlanetsAndNamesPrecisePositions) {
    CalculatedReading classic = AnnCalculated();
    // Made up: a precise ephemeris putting Saturn (29 Sag 37 here) into Capricorn.
    classic.secondOpinion[6] = 270.1;
    const ChartLayout marked = SouthIndianChart(classic);
    for (const ChartBox& box : marked.boxes) {
        for (const ChartPlanet& planet : box.planets) {
            EXPECT_EQ(planet.secondOpinion, planet.planet == 6) << planet.label;
        }
    }
    EXPECT_EQ(marked.centreLines.back(), kSecondOpinionLegend.text());

    CalculatedReading precise = AnnWithAscendant();
    precise.positions = {PositionsMode::Precise, AyanamsaKind::Raman};
    const ChartLayout north = NorthIndianChart(precise);
    EXPECT_EQ(north.centreLines[1], "Ann");
    EXPECT_EQ(north.centreLines[2], "Precise positions, Raman ayanamsa");
    EXPECT_EQ(north.centreLines.size(), 6u) << "no legend without a disputed planet";
}

// ---------------------------------------------------------------- the North Indian diamond

// Whether `point` lies inside the convex outline (corners in either turning order).
bool Inside(const NorthHouse& house, UnitPoint point) {
    int positive = 0;
    int negative = 0;
    for (int i = 0; i < house.corners; ++i) {
        const UnitPoint a = house.outline[static_cast<std::size_t>(i)];
        const UnitPoint b = house.outline[static_cast<std::size_t>((i + 1) % house.corners)];
        const double cross = (b.x - a.x) * (point.y - a.y) - (b.y - a.y) * (point.x - a.x);
        positive += cross > 0.0 ? 1 : 0;
        negative += cross < 0.0 ? 1 : 0;
    }
    return positive == 0 || negative == 0;
}

TEST(NorthIndianHouses, TheFirstAtTheTopThenCounterClockwiseEachTextInsideItsHouse) {
    double area = 0.0;
    double previousAngle = 0.0;
    for (std::size_t h = 0; h < 12; ++h) {
        const NorthHouse& house = NorthIndianHouses[h];
        ASSERT_TRUE(house.corners == 3 || house.corners == 4) << h;
        // Diamonds for the four angular houses (1, 4, 7, 10), triangles between them.
        EXPECT_EQ(house.corners, h % 3 == 0 ? 4 : 3) << h;
        UnitPoint centre{};
        double twiceArea = 0.0;
        for (int i = 0; i < house.corners; ++i) {
            const UnitPoint a = house.outline[static_cast<std::size_t>(i)];
            const UnitPoint b = house.outline[static_cast<std::size_t>((i + 1) % house.corners)];
            centre.x += a.x / house.corners;
            centre.y += a.y / house.corners;
            twiceArea += a.x * b.y - b.x * a.y;
        }
        area += std::abs(twiceArea) / 2.0;
        // Seen on the page (y down) the houses turn counter-clockwise from the top one.
        const double angle = std::atan2(0.5 - centre.y, centre.x - 0.5) * 180.0 / std::numbers::pi;
        const double turned = std::fmod(angle - 90.0 + 720.0, 360.0);
        if (h == 0) {
            EXPECT_NEAR(turned, 0.0, 1e-9);
        } else {
            EXPECT_GT(turned, previousAngle) << h;
        }
        previousAngle = turned;
        const UnitRect& room = house.room;
        for (const UnitPoint corner :
             {UnitPoint{room.left, room.top}, UnitPoint{room.left + room.width, room.top},
              UnitPoint{room.left, room.top + room.height},
              UnitPoint{room.left + room.width, room.top + room.height}}) {
            EXPECT_TRUE(Inside(house, corner)) << h;
        }
        EXPECT_TRUE(Inside(house, house.number)) << h;
        // The number stays clear of the planets' room.
        EXPECT_FALSE(house.number.x > room.left && house.number.x < room.left + room.width &&
                     house.number.y > room.top && house.number.y < room.top + room.height)
            << h;
    }
    // Twelve houses tile the square: four diamonds of an eighth, eight triangles of a sixteenth.
    EXPECT_NEAR(area, 1.0, 1e-12);
}

} // namespace
} // namespace kovrel::test
