#include "AnnReading.h"
#include "chart/ChartLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>
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
            << SignNames[static_cast<std::size_t>(sign)];
        EXPECT_EQ(std::abs(cell.column - next.column) + std::abs(cell.row - next.row), 1)
            << SignNames[static_cast<std::size_t>(sign)];
    }
    EXPECT_EQ(used.size(), 12u);
}

TEST(SignNames, FollowTheAbbreviations) {
    for (std::size_t sign = 0; sign < 12; ++sign) {
        EXPECT_EQ(SignNames[sign].substr(0, 3), SignAbbreviations[sign]);
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
        EXPECT_TRUE(labels(empty).empty()) << SignNames[static_cast<std::size_t>(empty)];
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

} // namespace
} // namespace kovrel::test
