#include "Examples.h"
#include "app/Reading.h"
#include "cli/ProgramRun.h"
#include "cli/ReadingCli.h"
#include "cli/ReadingReport.h"
#include "relationships/RelationshipRules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace kovrel::test {
namespace {

using nlohmann::json;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// The natural lists of the report are the fixed table itself, in its own order.
TEST(JsonReport, NaturalListsReproduceTheTable) {
    const json report = json::parse(JsonReport({AnnDetails(), 34, ComputeReading(AnnDetails())}));
    for (std::size_t i = 0; i < kPlanetCount; ++i) {
        const NaturalRow& row = NaturalRelationships()[i];
        EXPECT_EQ(report.at("natural")[i], json({{"planet", row.planet},
                                                 {"friends", row.friends},
                                                 {"enemies", row.enemies},
                                                 {"neutrals", row.neutrals}}));
    }
}

TEST(JsonReport, NameAsTypedAndUnusualBytesSurvive) {
    BirthDetails birth = AnnDetails();
    birth.Name = "  Ann  ";
    const json report = json::parse(JsonReport({birth, 0, ComputeReading(birth)}));
    EXPECT_EQ(report.at("name"), "  Ann  ");

    // A path that is not UTF-8 must not stop the run.
    const std::string line = JsonFileError("/tmp/\xFF.kvr", "Please Check The File.");
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(json::parse(line).at("error"), "Please Check The File.");
}

std::vector<std::string> SectionLines(const std::string& report, const std::string& title) {
    std::istringstream stream(report);
    std::vector<std::string> lines;
    bool inside = false;
    for (std::string line; std::getline(stream, line);) {
        if (line == title) {
            inside = true;
        } else if (inside && line.empty()) {
            break;
        } else if (inside) {
            lines.push_back(line);
        }
    }
    return lines;
}

TEST(TextReport, ShowsTheWorkedExampleInAlignedColumns) {
    const BirthDetails birth = AnnDetails();
    const Reading reading = ComputeReading(birth);
    const std::string report = TextReport({birth, 34, reading});

    EXPECT_THAT(report, HasSubstr("Name:      Ann\n"));
    EXPECT_THAT(report, HasSubstr("15 March 1990, 08:30, Indian Time, IST, +5.3\n"));
    EXPECT_THAT(report, HasSubstr("New Delhi, Delhi, India\n"));
    EXPECT_THAT(report, HasSubstr("28\u00B0 36' North"));
    EXPECT_THAT(report, HasSubstr("77\u00B0 12' East"));
    EXPECT_THAT(report, HasSubstr("Moon:      " + reading.MoonLongitudeText + "\n"));

    const auto placements = SectionLines(report, "Placements");
    ASSERT_EQ(placements.size(), 7u);
    for (int i = 0; i < kPlanetCount; ++i) {
        EXPECT_THAT(placements[i],
                    ::testing::StartsWith("  " + std::string(PlanetNames[i].text())));
        EXPECT_THAT(placements[i],
                    ::testing::EndsWith(std::string(reading.PlanetPlacements[i].text())));
    }

    // The temporary panel's Sun and Moon rows, cells under their headings.
    const auto temporary = SectionLines(report, "Temporary Relationship");
    ASSERT_EQ(temporary.size(), 8u);
    const std::size_t friendsAt = temporary[0].find("Friends (mitra)");
    const std::size_t enemiesAt = temporary[0].find("Enemies (satru)");
    ASSERT_NE(friendsAt, std::string::npos);
    ASSERT_NE(enemiesAt, std::string::npos);
    EXPECT_LT(friendsAt, enemiesAt);
    EXPECT_LT(enemiesAt, temporary[0].find("Neutral (sama)"));
    EXPECT_EQ(temporary[1].substr(friendsAt), std::string("Jupiter/ Saturn/ Venus/ Mars/ Mercury")
                                                      .append(enemiesAt - friendsAt - 37, ' ') +
                                                  "Moon");
    EXPECT_EQ(temporary[2].find("Saturn/ Venus/ Mars"), friendsAt);
    EXPECT_EQ(temporary[2].find("Mercury/ Sun/ Jupiter"), enemiesAt);

    // Every compound cell starts under its column heading.
    const auto grid = SectionLines(report, "Compound Relationship");
    ASSERT_EQ(grid.size(), 8u);
    std::array<std::size_t, kPlanetCount> columns{};
    for (int c = 0; c < kPlanetCount; ++c) {
        columns[c] =
            grid[0].find(std::string(PlanetNames[c].text()), c == 0 ? 0 : columns[c - 1] + 1);
        ASSERT_NE(columns[c], std::string::npos);
    }
    for (int r = 0; r < kPlanetCount; ++r) {
        EXPECT_THAT(grid[r + 1], ::testing::StartsWith("  " + std::string(PlanetNames[r].text())));
        for (int c = 0; c < kPlanetCount; ++c) {
            const std::string_view cell = CompoundText(reading.relationships.compound[r][c]);
            EXPECT_EQ(grid[r + 1].compare(columns[c], cell.size(), cell), 0)
                << "row " << r << " column " << c << ": " << grid[r + 1];
        }
    }
    EXPECT_EQ(report.find(" \n"), std::string::npos) << "no blanks at line ends";
}

TEST(ReadingProgram, PrintsTheWorkedExampleAndReportsStatus) {
    const ProgramRun run = RunProgram("--json --date 1990-03-15 --time 08:30 --zone 34 "
                                      "--lat 28:36N --lon 77:12E --name Ann");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
    const json reading = json::parse(run.out);
    std::vector<std::string> signs;
    for (const json& planet : reading.at("planets")) {
        signs.push_back(planet.at("placement").get<std::string>().substr(3, 3));
    }
    EXPECT_THAT(signs, ElementsAre("Pis", "Lib", "Aqu", "Cap", "Cap", "Gem", "Sag"));
    EXPECT_EQ(reading.at("compound")[0], json({"Neutral", "Neutral", "Friend", "Neutral",
                                               "Great Friend", "Great Friend", "Neutral"}));

    // The same as the in-process run, byte for byte.
    std::ostringstream out, err;
    RunReadingCli({"--json", "--date", "1990-03-15", "--time", "08:30", "--zone", "34", "--lat",
                   "28:36N", "--lon", "77:12E", "--name", "Ann"},
                  out, err);
    EXPECT_EQ(run.out, out.str());

    const ProgramRun refused = RunProgram("--date 1990-04-31 --time 08:30 --zone 34 "
                                          "--lat 28:36N --lon 77:12E --name Ann");
    EXPECT_EQ(refused.status, 1);
    EXPECT_THAT(refused.out, IsEmpty());
    EXPECT_EQ(RunProgram("--date 1990-03-15 --time 25:00").status, 2);
}

} // namespace
} // namespace kovrel::test
