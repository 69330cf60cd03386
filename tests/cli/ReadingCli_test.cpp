#include "app/BirthDetails.h"
#include "app/ChartFile.h"
#include "app/EntryForm.h"
#include "app/Reading.h"
#include "cli/ReadingCli.h"
#include "positions/Placements.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kovrel {
namespace {

using nlohmann::json;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunReadingCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The birth of the worked example: 15 March 1990, 08:30, Indian Time, 28° 36' N, 77° 12' E.
std::vector<std::string> AnnFlags() {
    return {"--date", "1990-03-15", "--time", "08:30",  "--zone", "34",
            "--lat",  "28:36N",     "--lon",  "77:12E", "--name", "Ann"};
}

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// Replaces the value of one flag.
std::vector<std::string> Replaced(std::vector<std::string> args, const std::string& flag,
                                  const std::string& value) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == flag) {
            args[i + 1] = value;
        }
    }
    return args;
}

std::vector<std::string> Without(std::vector<std::string> args, const std::string& flag) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == flag) {
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            break;
        }
    }
    return args;
}

std::string SignOf(const json& planet) {
    return planet.at("placement").get<std::string>().substr(3, 3);
}

TEST(ReadingCliJson, WorkedExamplePrintsSignsAndCompoundSunRow) {
    const CliRun run = Cli(With(AnnFlags(), {"--json"}));
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_THAT(run.err, IsEmpty());
    ASSERT_EQ(Lines(run.out).size(), 1u) << "one reading, one line";
    const json reading = json::parse(run.out);

    EXPECT_EQ(reading.at("name"), "Ann");
    const json& planets = reading.at("planets");
    ASSERT_EQ(planets.size(), 7u);
    const char* names[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
    const char* signs[] = {"Pis", "Lib", "Aqu", "Cap", "Cap", "Gem", "Sag"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(planets[i].at("name"), names[i]);
        EXPECT_EQ(SignOf(planets[i]), signs[i]) << names[i];
    }
    EXPECT_EQ(reading.at("compound").at(0), json({"Neutral", "Neutral", "Friend", "Neutral",
                                                  "Great Friend", "Great Friend", "Neutral"}));
    EXPECT_THAT(reading.at("moon_longitude").get<std::string>(), ::testing::EndsWith(" Lib"));
}

TEST(ReadingCliJson, WorkedExampleListsMatchTheWindowsPanels) {
    const json reading = json::parse(Cli(With(AnnFlags(), {"--json"})).out);
    const json& temporary = reading.at("temporary");
    EXPECT_EQ(temporary[0].at("friends"), json({"Jupiter", "Saturn", "Venus", "Mars", "Mercury"}));
    EXPECT_EQ(temporary[0].at("enemies"), json({"Moon"}));
    EXPECT_EQ(temporary[1].at("friends"), json({"Saturn", "Venus", "Mars"}));
    EXPECT_EQ(temporary[1].at("enemies"), json({"Mercury", "Sun", "Jupiter"}));

    const json& natural = reading.at("natural");
    EXPECT_EQ(natural[1].at("planet"), "Moon");
    EXPECT_EQ(natural[1].at("enemies"), json::array());
    EXPECT_EQ(natural[2].at("friends"), json({"Sun", "Venus"}));
}

TEST(ReadingCliJson, HasTheDocumentedShape) {
    const CliRun run = Cli(With(AnnFlags(), {"--json"}));
    const json reading = json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : reading.items()) {
        keys.push_back(item.key());
    }
    EXPECT_THAT(keys,
                ::testing::UnorderedElementsAre("name", "ayanamsa", "moon_longitude", "planets",
                                                "natural", "temporary", "compound"));
    EXPECT_TRUE(reading.at("ayanamsa").is_number());
    EXPECT_LT(reading.at("ayanamsa").get<double>(), 0.0);
    // The degree sign is written as UTF-8, not escaped.
    EXPECT_THAT(run.out, HasSubstr("\xC2\xB0"));
    EXPECT_THAT(run.out, ::testing::Not(HasSubstr("\\u00b0")));

    for (const json& planet : reading.at("planets")) {
        EXPECT_EQ(planet.size(), 2u);
        EXPECT_EQ(planet.at("placement").get<std::string>().size(), 9u);
    }
    ASSERT_EQ(reading.at("natural").size(), 7u);
    for (const json& row : reading.at("natural")) {
        EXPECT_EQ(row.size(), 4u);
        for (const char* list : {"friends", "enemies", "neutrals"}) {
            EXPECT_TRUE(row.at(list).is_array());
        }
    }
    ASSERT_EQ(reading.at("temporary").size(), 7u);
    for (const json& row : reading.at("temporary")) {
        EXPECT_EQ(row.size(), 3u) << "the temporary panel has no neutral list";
        EXPECT_TRUE(row.at("friends").is_array());
        EXPECT_TRUE(row.at("enemies").is_array());
    }
    const json& compound = reading.at("compound");
    ASSERT_EQ(compound.size(), 7u);
    for (int r = 0; r < 7; ++r) {
        ASSERT_EQ(compound[r].size(), 7u);
        EXPECT_EQ(compound[r][r], "Neutral");
    }
}

// The window's road, taken by hand: the same entry, the same core functions.
TEST(ReadingCliJson, AgreesWithTheWindowsRoad) {
    EntryForm entry;
    entry.name = "Ann";
    entry.dayIndex = FindListItem(EntryList::Day, "15");
    entry.monthIndex = 2;
    entry.yearIndex = FindListItem(EntryList::Year, "1990");
    entry.hourIndex = FindListItem(EntryList::Hour, "8");
    entry.minuteIndex = FindListItem(EntryList::Minute, "30");
    entry.zoneIndex = 34;
    entry.latDeg = "28";
    entry.latMin = "36";
    entry.lonDeg = "77";
    entry.lonMin = "12";
    entry.city = "New Delhi";
    entry.state = "Delhi";
    entry.country = "India";
    const Reading expected = ComputeReading(CopyEntry(entry, BirthDetails{}));

    const json reading =
        json::parse(Cli(With(AnnFlags(), {"--json", "--city", "New Delhi", "--state", "Delhi",
                                          "--country", "India"}))
                        .out);
    EXPECT_EQ(reading.at("ayanamsa").get<double>(), expected.Ayanamsa);
    EXPECT_EQ(reading.at("moon_longitude"), expected.MoonLongitudeText);
    for (int i = 0; i < kPlanetCount; ++i) {
        EXPECT_EQ(reading.at("planets")[i].at("placement"), expected.PlanetPlacements[i]);
        for (int c = 0; c < kPlanetCount; ++c) {
            EXPECT_EQ(reading.at("compound")[i][c], expected.CompoundRelationships[i][c]);
        }
    }
}

TEST(ReadingCliZone, AbbreviationEqualsItsRowNumber) {
    const CliRun byRow = Cli(With(AnnFlags(), {"--json"}));
    const CliRun byName = Cli(With(Replaced(AnnFlags(), "--zone", "IST"), {"--json"}));
    const CliRun lower = Cli(With(Replaced(AnnFlags(), "--zone", "ist"), {"--json"}));
    ASSERT_EQ(byName.status, kExitOk) << byName.err;
    EXPECT_EQ(byName.out, byRow.out);
    EXPECT_EQ(lower.out, byRow.out);
    // A zone with blanks around its abbreviation in the display text.
    EXPECT_EQ(Cli(Replaced(AnnFlags(), "--zone", "AT")).out,
              Cli(Replaced(AnnFlags(), "--zone", "11")).out);
    // A different zone gives a different reading: the zone really reaches the computation.
    EXPECT_NE(Cli(With(Replaced(AnnFlags(), "--zone", "PST"), {"--json"})).out, byRow.out);
}

TEST(ReadingCliZone, AmbiguousAbbreviationListsItsRows) {
    const CliRun run = Cli(Replaced(AnnFlags(), "--zone", "NST"));
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_THAT(run.out, IsEmpty());
    EXPECT_THAT(run.err, HasSubstr("--zone"));
    EXPECT_THAT(run.err, HasSubstr("50"));
    EXPECT_THAT(run.err, HasSubstr("52"));
    EXPECT_EQ(Lines(run.err).size(), 1u);
}

TEST(ReadingCliZone, ZonesListsTheSeventyRows) {
    const CliRun run = Cli({"--zones"});
    ASSERT_EQ(run.status, kExitOk);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 70u);
    EXPECT_EQ(lines[0], " 0  Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(lines[34], "34  Indian Time, IST, +5.3");
    EXPECT_EQ(lines[69], "69  Yukon Standard Time,YST,-9.0");
    EXPECT_EQ(Cli({"--zones", "--date", "1990-03-15"}).status, kExitUsage);
}

struct MalformedFlag {
    std::string flag;
    std::string value;
};

void PrintTo(const MalformedFlag& bad, std::ostream* os) {
    *os << bad.flag << '=' << bad.value;
}

class ReadingCliMalformed : public ::testing::TestWithParam<MalformedFlag> {};

TEST_P(ReadingCliMalformed, IsRefusedWithTheFlagNamedAndStatusTwo) {
    const MalformedFlag& bad = GetParam();
    auto args = Replaced(AnnFlags(), bad.flag, bad.value);
    if (bad.flag == "--city") {
        args = With(args, {"--city", bad.value});
    }
    const CliRun run = Cli(With(args, {"--json"}));
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_THAT(run.out, IsEmpty()) << "nothing printed as a reading";
    ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_THAT(run.err, HasSubstr(bad.flag + " expects"));
}

INSTANTIATE_TEST_SUITE_P(
    Flags, ReadingCliMalformed,
    ::testing::Values(MalformedFlag{"--date", "1990/03/15"}, MalformedFlag{"--date", "1900-01-01"},
                      MalformedFlag{"--date", "2051-01-01"}, MalformedFlag{"--date", "90-03-15"},
                      MalformedFlag{"--date", "1990-13-01"}, MalformedFlag{"--date", "1990-00-10"},
                      MalformedFlag{"--date", "1990-03-32"},
                      MalformedFlag{"--date", "1990-03-15-1"}, MalformedFlag{"--time", "25:00"},
                      MalformedFlag{"--time", "08:60"}, MalformedFlag{"--time", "0830"},
                      MalformedFlag{"--time", "-1:30"}, MalformedFlag{"--zone", "70"},
                      MalformedFlag{"--zone", "XYZ"}, MalformedFlag{"--zone", ""},
                      MalformedFlag{"--lat", "28:36X"}, MalformedFlag{"--lat", "28:36E"},
                      MalformedFlag{"--lat", "1000:00N"}, MalformedFlag{"--lat", "28:1000N"},
                      MalformedFlag{"--lat", "28N"}, MalformedFlag{"--lat", "28:N"},
                      MalformedFlag{"--lon", "77:12N"}, MalformedFlag{"--lon", "1000:12E"},
                      MalformedFlag{"--lon", ""}, MalformedFlag{"--name", "Ann1"},
                      MalformedFlag{"--name", "O'Neil"}, MalformedFlag{"--city", "New-Delhi"}));

TEST(ReadingCliUsage, MissingFlagsAndValuesAreNamed) {
    const CliRun noDate = Cli(Without(AnnFlags(), "--date"));
    EXPECT_EQ(noDate.status, kExitUsage);
    EXPECT_THAT(noDate.err, HasSubstr("--date is missing"));

    const CliRun noLon = Cli(Without(AnnFlags(), "--lon"));
    EXPECT_EQ(noLon.status, kExitUsage);
    EXPECT_THAT(noLon.err, HasSubstr("--lon"));

    // A flag at the end with no value.
    const CliRun noValue = Cli(With(Without(AnnFlags(), "--time"), {"--time"}));
    EXPECT_EQ(noValue.status, kExitUsage);
    EXPECT_THAT(noValue.err, HasSubstr("--time expects"));
    EXPECT_EQ(Lines(noValue.err).size(), 1u);

    const CliRun twice = Cli(With(AnnFlags(), {"--date", "1990-03-16"}));
    EXPECT_EQ(twice.status, kExitUsage);
    EXPECT_THAT(twice.err, HasSubstr("--date"));

    const CliRun unknown = Cli(With(AnnFlags(), {"--planet"}));
    EXPECT_EQ(unknown.status, kExitUsage);
    EXPECT_THAT(unknown.err, HasSubstr("--planet"));

    EXPECT_EQ(Cli({}).status, kExitUsage);
    EXPECT_EQ(Cli({"--json"}).status, kExitUsage);
}

TEST(ReadingCliUsage, HelpDescribesTheFlagsAndDefaults) {
    const CliRun run = Cli({"--help"});
    EXPECT_EQ(run.status, kExitOk);
    for (const char* word : {"--date", "--time", "--zone", "--lat", "--lon", "--dst", "--json",
                             "--zones", "--save", "Unknown", "Exit status"}) {
        EXPECT_THAT(run.out, HasSubstr(word));
    }
}

TEST(ReadingCliEntry, DaysTheMonthLacksGetTheCalendarMessages) {
    const CliRun april = Cli(Replaced(AnnFlags(), "--date", "1990-04-31"));
    EXPECT_EQ(april.status, kExitRefused);
    EXPECT_THAT(april.out, IsEmpty());
    EXPECT_EQ(april.err, "kovrel-reading: Please Enter Correct Date Or Month !\n");

    const CliRun february = Cli(Replaced(AnnFlags(), "--date", "1999-02-29"));
    EXPECT_EQ(february.status, kExitRefused);
    EXPECT_THAT(february.out, IsEmpty());
    EXPECT_EQ(february.err, "kovrel-reading: Please Enter Correct Date Or Month!\n");

    EXPECT_EQ(Cli(Replaced(AnnFlags(), "--date", "2000-02-29")).status, kExitOk);
    EXPECT_EQ(Cli(Replaced(AnnFlags(), "--date", "1990-04-30")).status, kExitOk);
}

TEST(ReadingCliEntry, EmptyTextsGetTheWindowsMessagesAndOmittedOnesAreFilled) {
    const CliRun emptyName = Cli(Replaced(AnnFlags(), "--name", ""));
    EXPECT_EQ(emptyName.status, kExitRefused);
    EXPECT_THAT(emptyName.out, IsEmpty());
    EXPECT_THAT(emptyName.err, HasSubstr("Please Enter Your Name"));

    const CliRun emptyCity = Cli(With(AnnFlags(), {"--city", ""}));
    EXPECT_EQ(emptyCity.status, kExitRefused);
    EXPECT_THAT(emptyCity.err, HasSubstr("Please Enter Your City name"));

    const CliRun omitted = Cli(With(Without(AnnFlags(), "--name"), {"--json"}));
    ASSERT_EQ(omitted.status, kExitOk) << omitted.err;
    EXPECT_EQ(json::parse(omitted.out).at("name"), "Unknown");
    // A name of one blank passes, as in the window, and is kept as typed.
    const CliRun blank = Cli(With(Replaced(AnnFlags(), "--name", " "), {"--json"}));
    ASSERT_EQ(blank.status, kExitOk) << blank.err;
    EXPECT_EQ(json::parse(blank.out).at("name"), " ");
}

TEST(ReadingCliEntry, AcceptsWhatTheEntryPanelHolds) {
    // The hour list ends with 24, which carries into the next day.
    const CliRun late = Cli(With(Replaced(AnnFlags(), "--time", "24:00"), {"--json"}));
    ASSERT_EQ(late.status, kExitOk) << late.err;
    const CliRun nextDay = Cli(With(
        Replaced(Replaced(AnnFlags(), "--time", "00:00"), "--date", "1990-03-16"), {"--json"}));
    EXPECT_EQ(json::parse(late.out).at("planets"), json::parse(nextDay.out).at("planets"));

    // Three digits, no range check.
    EXPECT_EQ(Cli(Replaced(AnnFlags(), "--lat", "999:999N")).status, kExitOk);
    EXPECT_EQ(Cli(Replaced(AnnFlags(), "--lon", "999:0W")).status, kExitOk);
    EXPECT_EQ(Cli(Replaced(AnnFlags(), "--lat", "1000:0N")).status, kExitUsage);
    // Single digits and hemispheres in lower case.
    EXPECT_EQ(Cli(Replaced(AnnFlags(), "--date", "1990-3-5")).status, kExitOk);
    EXPECT_EQ(Cli(Replaced(AnnFlags(), "--lat", "0:0s")).status, kExitOk);
    // The ends of the year list.
    EXPECT_EQ(Cli(Replaced(AnnFlags(), "--date", "1901-01-01")).status, kExitOk);
    EXPECT_EQ(Cli(Replaced(AnnFlags(), "--date", "2050-12-31")).status, kExitOk);
}

TEST(ReadingCliEntry, HemispheresAndDaylightSavingReachTheReading) {
    const std::string east = Cli(With(AnnFlags(), {"--json"})).out;
    EXPECT_NE(Cli(With(Replaced(AnnFlags(), "--lon", "77:12W"), {"--json"})).out, east);
    EXPECT_NE(Cli(With(AnnFlags(), {"--json", "--dst"})).out, east);
}

class ReadingCliFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::path(::testing::TempDir()) /
                  (std::string("kovrel_cli_") + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

TEST_F(ReadingCliFiles, SavedFileReadsBackToTheSameReading) {
    const auto flags = With(
        AnnFlags(), {"--city", "New Delhi", "--state", "Delhi", "--country", "India", "--json"});
    const std::string file = Path("ann.kvr");
    const CliRun saved = Cli(With(flags, {"--save", file}));
    ASSERT_EQ(saved.status, kExitOk) << saved.err;
    EXPECT_EQ(saved.out, Cli(flags).out) << "saving prints the reading it saved";

    const CliRun opened = Cli({file, "--json"});
    ASSERT_EQ(opened.status, kExitOk) << opened.err;
    EXPECT_EQ(opened.out, saved.out);

    // The file holds the 17 values a window save of this birth holds.
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_THAT(DecodeChartFile(bytes),
                ElementsAre("Ann", "3", "15", "1990", "8", "30", "34", "77", "12", "28", "36",
                            "True", "False", "False", "New Delhi", "Delhi", "India"));
}

TEST_F(ReadingCliFiles, SaveIsRefusedWithoutWritingAnything) {
    const std::string badDate = Path("bad.kvr");
    const CliRun refused =
        Cli(With(Replaced(AnnFlags(), "--date", "1990-04-31"), {"--save", badDate}));
    EXPECT_EQ(refused.status, kExitRefused);
    EXPECT_FALSE(std::filesystem::exists(badDate));

    const std::string noExtension = Path("ann.txt");
    const CliRun wrongName = Cli(With(AnnFlags(), {"--save", noExtension}));
    EXPECT_EQ(wrongName.status, kExitUsage);
    EXPECT_THAT(wrongName.err, HasSubstr("--save expects"));
    EXPECT_FALSE(std::filesystem::exists(noExtension));

    const CliRun noFolder = Cli(With(AnnFlags(), {"--save", Path("missing/ann.kvr")}));
    EXPECT_EQ(noFolder.status, kExitRefused);
    EXPECT_THAT(noFolder.out, IsEmpty()) << "a failed save prints no reading";
    EXPECT_EQ(Lines(noFolder.err).size(), 1u);
}

TEST_F(ReadingCliFiles, BadFilesAreReportedAndTheOthersStillRead) {
    const std::string good = Path("ann.kvr");
    ASSERT_EQ(Cli(With(AnnFlags(), {"--save", good})).status, kExitOk);
    const std::string capitals = Path("ann.KVR");
    std::filesystem::copy_file(good, capitals);
    const std::string missing = Path("missing.kvr");
    const std::string reading = Cli(With(AnnFlags(), {"--json"})).out;

    const CliRun run = Cli({good, capitals, missing, good, "--json"});
    EXPECT_EQ(run.status, kExitRefused);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0] + "\n", reading);
    EXPECT_EQ(json::parse(lines[1]),
              json({{"file", capitals}, {"error", "Please Check The File."}}));
    const json missingLine = json::parse(lines[2]);
    EXPECT_EQ(missingLine.at("file"), missing);
    EXPECT_FALSE(missingLine.at("error").get<std::string>().empty());
    EXPECT_EQ(lines[3] + "\n", reading);

    const CliRun text = Cli({good, capitals, missing, good});
    EXPECT_EQ(text.status, kExitRefused);
    const auto errors = Lines(text.err);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], capitals + ": Please Check The File.");
    EXPECT_THAT(errors[1], ::testing::StartsWith(missing + ": "));
    EXPECT_EQ(Lines(text.out).size(), 2 * Lines(Cli(AnnFlags()).out).size() + 3)
        << "two reports, each after a File line, one blank line between";
}

TEST_F(ReadingCliFiles, ShortFileStopsAtTheWindowsValidation) {
    // Twelve lines: South and daylight saving count as true, and the city is empty.
    ChartLines lines{"Ann", "3", "15", "1990", "8", "30", "34", "77", "12", "28", "36", "True"};
    std::string bytes = EncodeChartFile(lines);
    std::size_t at = 0;
    for (int i = 0; i < 12; ++i) {
        at = bytes.find("\r\n", at) + 2;
    }
    bytes.resize(at);
    const std::string file = Path("short.kvr");
    std::ofstream(file, std::ios::binary) << bytes;

    const CliRun run = Cli({file, "--json"});
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_EQ(json::parse(run.out),
              json({{"file", file}, {"error", "Please Enter Your City name"}}));
}

TEST_F(ReadingCliFiles, FilesTakeNoBirthFlags) {
    const std::string good = Path("ann.kvr");
    ASSERT_EQ(Cli(With(AnnFlags(), {"--save", good})).status, kExitOk);
    EXPECT_EQ(Cli({good, "--dst"}).status, kExitUsage);
    EXPECT_EQ(Cli(With(AnnFlags(), {good})).status, kExitUsage);
}

} // namespace
} // namespace kovrel
