#include "Examples.h"
#include "app/ChartFile.h"
#include "cli/ReadingCli.h"
#include "common/Text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <sstream>
#include <streambuf>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace kovrel::test {
namespace {

using nlohmann::json;
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

// The New Delhi birth as flags.
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
    const auto at = std::find(args.begin(), args.end(), flag);
    if (at != args.end()) {
        args.erase(at, at + 2);
    }
    return args;
}

TEST(ReadingCliJson, NewDelhiReadingOnOneLine) {
    const CliRun run = Cli(With(AnnFlags(), {"--json"}));
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_THAT(run.err, IsEmpty());
    ASSERT_EQ(Lines(run.out).size(), 1u);
    const json reading = json::parse(run.out);
    EXPECT_EQ(reading.at("name"), "Ann");
    EXPECT_NEAR(reading.at("ayanamsa").get<double>(), kAnnAyanamsa, 5e-6);
    EXPECT_EQ(reading.at("moon_longitude"), kAnnMoon);
    // The degree sign is written as UTF-8, not escaped.
    EXPECT_THAT(run.out, HasSubstr("\xC2\xB0"));

    ASSERT_EQ(reading.at("planets").size(), 7u);
    for (std::size_t i = 0; i < kPlanetCount; ++i) {
        EXPECT_EQ(reading.at("planets")[i],
                  json({{"name", PlanetNames[i].text()}, {"placement", kAnnPlacements[i].text()}}));
        for (std::size_t c = 0; c < kPlanetCount; ++c) {
            EXPECT_EQ(reading.at("compound")[i][c], CompoundText(kAnnCompound[i][c]))
                << PlanetNames[i].text() << " toward " << PlanetNames[c].text();
        }
        EXPECT_EQ(reading.at("compound")[i].size(), kPlanetCount);
    }
    EXPECT_EQ(reading.at("compound").size(), 7u);

    // Lists as the window's panels show them: natural in table order, temporary in house order.
    const json& natural = reading.at("natural");
    ASSERT_EQ(natural.size(), 7u);
    EXPECT_EQ(natural[1], json({{"planet", "Moon"},
                                {"friends", {"Sun", "Mercury"}},
                                {"enemies", json::array()},
                                {"neutrals", {"Mars", "Jupiter", "Venus", "Saturn"}}}));
    EXPECT_EQ(natural[2].at("friends"), json({"Sun", "Venus"}));
    const json& temporary = reading.at("temporary");
    ASSERT_EQ(temporary.size(), 7u);
    EXPECT_EQ(temporary[0], json({{"planet", "Sun"},
                                  {"friends", {"Jupiter", "Saturn", "Venus", "Mars", "Mercury"}},
                                  {"enemies", {"Moon"}}})); // the temporary panel has no neutrals
    EXPECT_EQ(temporary[1].at("friends"), json({"Saturn", "Venus", "Mars"}));
    EXPECT_EQ(temporary[1].at("enemies"), json({"Mercury", "Sun", "Jupiter"}));
}

TEST(ReadingCliJson, AscendantDignitiesAndThePreciseSkyFollowTheKeysThatWereThere) {
    const CliRun run = Cli(With(AnnFlags(), {"--json"}));
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const auto reading = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : reading.items()) {
        keys.push_back(item.key());
    }
    EXPECT_THAT(keys, ::testing::ElementsAre("name", "ayanamsa", "moon_longitude", "planets",
                                             "natural", "temporary", "compound", "ascendant",
                                             "dignities", "precise"));
    // Ann's figures as the reference library gives them: Lahiri ayanamsa 23.7236, Delta T 56.9 s
    // (TT - UT1; the route takes the clock as UTC, which differs by less than 0.9 s), ascendant
    // 10.3519, Sun 330.5426.
    const auto& precise = reading.at("precise");
    EXPECT_EQ(precise.at("ayanamsa").at("name"), "Lahiri");
    EXPECT_NEAR(precise.at("ayanamsa").at("degrees").get<double>(), 23.7236, 1e-4);
    EXPECT_NEAR(precise.at("delta_t_seconds").get<double>(), 56.9, 0.9);
    EXPECT_NEAR(precise.at("ascendant").at("longitude").get<double>(), 10.3519, 1e-4);
    EXPECT_EQ(precise.at("ascendant").at("placement"), "10 Ari 21");
    ASSERT_EQ(precise.at("planets").size(), 7u);
    const auto& sun = precise.at("planets")[0];
    EXPECT_EQ(sun.at("name"), "Sun");
    EXPECT_NEAR(sun.at("longitude").get<double>(), 330.5426, 1e-4);
    EXPECT_EQ(sun.at("placement"), "00 Pis 32");
    EXPECT_EQ(sun.at("same_sign"), true);
    // Classic positions: the same tropical ascendant made sidereal with Ann's classic ayanamsa.
    // (The classic ayanamsa is kept negative.)
    EXPECT_NEAR(reading.at("ascendant").at("longitude").get<double>(),
                precise.at("ascendant").at("longitude").get<double>() +
                    precise.at("ayanamsa").at("degrees").get<double>() +
                    reading.at("ayanamsa").get<double>(),
                1e-9);
    EXPECT_EQ(reading.at("ascendant").at("placement"), "10 Ari 21");
    // Read off her compound grid: the Sun in Jupiter's Pisces, Jupiter a Great Friend.
    EXPECT_EQ(reading.at("dignities")[0],
              nlohmann::ordered_json({{"name", "Sun"}, {"dignity", "in a Great Friend's sign"}}));
}

TEST(ReadingCliPositions, PreciseTakesThePlacementsAndABadValueIsRefusedNamingItsFlag) {
    const auto ravi = [](std::vector<std::string> more) {
        std::vector<std::string> args = {"--json", "--date", "1981-01-29", "--time",
                                         "17:28",  "--zone", "IST",        "--lat",
                                         "28:36N", "--lon",  "77:12E"};
        args.insert(args.end(), more.begin(), more.end());
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, kExitOk) << run.err;
        return json::parse(run.out);
    };
    // Ravi's Mars (see Examples.h): 00 Aqu 00 classic, 29 Cap 43 precise.
    const json classic = ravi({});
    EXPECT_EQ(classic.at("planets")[4].at("placement"), "00 Aqu 00");
    EXPECT_EQ(classic.at("precise").at("planets")[4].at("placement"), "29 Cap 43");
    EXPECT_EQ(classic.at("precise").at("planets")[4].at("same_sign"), false);
    const json precise = ravi({"--positions", "precise"});
    EXPECT_EQ(precise.at("planets")[4].at("placement"), "29 Cap 43");
    EXPECT_EQ(precise.at("dignities")[4].at("dignity"), "exalted");
    EXPECT_EQ(precise.at("compound")[0][4], "Neutral");
    EXPECT_EQ(precise.at("precise"), classic.at("precise")) << "the same sky in either mode";
    EXPECT_EQ(ravi({"--ayanamsa", "raman"}).at("precise").at("ayanamsa").at("name"), "Raman");
    // The classic keys are as they were whatever the ayanamsa.
    EXPECT_EQ(ravi({"--ayanamsa", "krishnamurti"}).at("compound"), classic.at("compound"));

    for (const auto& [flag, value] :
         {std::pair{"--positions", "exact"}, std::pair{"--ayanamsa", "Lahiri"}}) {
        const CliRun run = Cli(With(AnnFlags(), {flag, value}));
        EXPECT_EQ(run.status, kExitUsage) << flag;
        EXPECT_THAT(run.out, IsEmpty());
        EXPECT_THAT(run.err, HasSubstr(std::string(flag) + " expects")) << run.err;
    }
}

TEST(ReadingCliText, TheReportSaysTheAscendantDignitiesAndSecondOpinion) {
    const CliRun ann = Cli(AnnFlags());
    EXPECT_THAT(ann.out, HasSubstr("Ascendant: 10 Ari 21\n"));
    EXPECT_THAT(ann.out, HasSubstr("\nDignities\n  Sun      in a Great Friend's sign\n"));
    EXPECT_THAT(ann.out, ::testing::Not(HasSubstr("precise ephemeris")));
    const CliRun ravi =
        Cli(Replaced(Replaced(AnnFlags(), "--date", "1981-01-29"), "--time", "17:28"));
    EXPECT_THAT(ravi.out, HasSubstr("\nSecond opinion\n  A precise ephemeris puts Mars at 29\u00B0 "
                                    "43' Capricorn\n\n"));
    const CliRun precise = Cli(With(AnnFlags(), {"--positions", "precise"}));
    EXPECT_THAT(precise.out, HasSubstr("Name:      Ann\nPositions: Precise positions, Lahiri "
                                       "ayanamsa\n"));
}

TEST(ReadingCliLanguage, TheReportSpeaksTheLanguageTheJsonStaysEnglishAndAnUnknownCodeIsRefused) {
    const CliRun english = Cli(With(AnnFlags(), {"--language", "en"}));
    EXPECT_EQ(english.out, Cli(AnnFlags()).out);
    const CliRun hindi = Cli(With(AnnFlags(), {"--language", "hi"}));
    ASSERT_EQ(hindi.status, 0) << hindi.err;
    // The planet and relation words the Hindi readers of the field use.
    for (const char* word : {"सूर्य", "शनि", "अधिमित्र"}) {
        EXPECT_THAT(hindi.out, HasSubstr(word));
    }
    EXPECT_THAT(hindi.out, ::testing::Not(HasSubstr("Great Friend")));
    EXPECT_THAT(hindi.out, HasSubstr(" Ann\n")); // the name stays as typed
    EXPECT_EQ(Cli(With(AnnFlags(), {"--language", "hi", "--json"})).out,
              Cli(With(AnnFlags(), {"--json"})).out);
    const CliRun unknown = Cli(With(AnnFlags(), {"--language", "fr"}));
    EXPECT_EQ(unknown.status, 2);
    EXPECT_THAT(unknown.err, HasSubstr("--language expects en, hi, ta, te, kn or ml"));
}

TEST(ReadingCliZone, AbbreviationEqualsItsRowNumber) {
    const std::string byRow = Cli(With(AnnFlags(), {"--json"})).out;
    for (const char* name : {"IST", "ist"}) {
        EXPECT_EQ(Cli(With(Replaced(AnnFlags(), "--zone", name), {"--json"})).out, byRow) << name;
    }
    // A zone with blanks around its abbreviation in the display text.
    EXPECT_EQ(Cli(Replaced(AnnFlags(), "--zone", "AT")).out,
              Cli(Replaced(AnnFlags(), "--zone", "11")).out);
    // A different zone gives a different reading: the zone really reaches the computation.
    EXPECT_NE(Cli(With(Replaced(AnnFlags(), "--zone", "PST"), {"--json"})).out, byRow);
}

TEST(ReadingCliZone, AmbiguousAbbreviationListsItsRows) {
    const CliRun run = Cli(Replaced(AnnFlags(), "--zone", "NST"));
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_THAT(run.out, IsEmpty());
    EXPECT_THAT(run.err, ::testing::AllOf(HasSubstr("--zone"), HasSubstr("50"), HasSubstr("52")));
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

TEST(ReadingCliUsage, MalformedFlagIsRefusedWithTheFlagNamedAndStatusTwo) {
    const std::pair<const char*, const char*> malformed[] = {
        {"--date", "1990/03/15"}, {"--date", "1900-01-01"},   {"--date", "2051-01-01"},
        {"--date", "90-03-15"},   {"--date", "1990-13-01"},   {"--date", "1990-00-10"},
        {"--date", "1990-03-32"}, {"--date", "1990-03-15-1"}, {"--time", "25:00"},
        {"--time", "08:60"},      {"--time", "0830"},         {"--time", "-1:30"},
        {"--zone", "70"},         {"--zone", "XYZ"},          {"--zone", ""},
        {"--lat", "28:36X"},      {"--lat", "28:36E"},        {"--lat", "1000:00N"},
        {"--lat", "28:1000N"},    {"--lat", "28N"},           {"--lat", "28:N"},
        {"--lon", "77:12N"},      {"--lon", "1000:12E"},      {"--lon", ""},
        {"--name", "Ann1"},       {"--name", "O'Neil"},       {"--city", "New-Delhi"}};
    for (const auto& [flag, value] : malformed) {
        SCOPED_TRACE(std::string(flag) + "=" + value);
        const CliRun run =
            Cli(With(Replaced(With(AnnFlags(), {"--city", "X"}), flag, value), {"--json"}));
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_THAT(run.out, IsEmpty()) << "nothing printed as a reading";
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_THAT(run.err, HasSubstr(std::string(flag) + " expects"));
    }
}

TEST(ReadingCliUsage, MissingRepeatedAndUnknownFlagsAreNamed) {
    const struct {
        std::vector<std::string> args;
        const char* named;
    } cases[] = {
        {Without(AnnFlags(), "--date"), "--date is missing"},
        {Without(AnnFlags(), "--lon"), "--lon"},
        {With(Without(AnnFlags(), "--time"), {"--time"}), "--time expects"}, // no value at the end
        {With(AnnFlags(), {"--date", "1990-03-16"}), "--date"},
        {With(AnnFlags(), {"--planet"}), "--planet"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, kExitUsage) << c.named;
        EXPECT_THAT(run.err, HasSubstr(c.named));
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    }
    EXPECT_EQ(Cli({}).status, kExitUsage);
    EXPECT_EQ(Cli({"--json"}).status, kExitUsage);

    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    for (const char* word : {"--date", "--time", "--zone", "--lat", "--lon", "--dst", "--json",
                             "--zones", "--save", "Unknown", "Exit status"}) {
        EXPECT_THAT(help.out, HasSubstr(word));
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

TEST(ReadingCliEntry, AcceptsWhatTheEntryPanelHoldsAndEveryChoiceReachesTheReading) {
    // The hour list ends with 24, which carries into the next day.
    const CliRun late = Cli(With(Replaced(AnnFlags(), "--time", "24:00"), {"--json"}));
    ASSERT_EQ(late.status, kExitOk) << late.err;
    const CliRun nextDay = Cli(With(
        Replaced(Replaced(AnnFlags(), "--time", "00:00"), "--date", "1990-03-16"), {"--json"}));
    EXPECT_EQ(json::parse(late.out).at("planets"), json::parse(nextDay.out).at("planets"));

    // Three digits and no range check; single digits; hemispheres in lower case; the ends of the
    // year list.
    for (const auto& [flag, value] : {std::pair{"--lat", "999:999N"},
                                      {"--lon", "999:0W"},
                                      {"--date", "1990-3-5"},
                                      {"--lat", "0:0s"},
                                      {"--date", "1901-01-01"},
                                      {"--date", "2050-12-31"}}) {
        EXPECT_EQ(Cli(Replaced(AnnFlags(), flag, value)).status, kExitOk) << flag << value;
    }

    const std::string east = Cli(With(AnnFlags(), {"--json"})).out;
    EXPECT_NE(Cli(With(Replaced(AnnFlags(), "--lon", "77:12W"), {"--json"})).out, east);
    EXPECT_NE(Cli(With(AnnFlags(), {"--json", "--dst"})).out, east);
}

using ReadingCliFiles = TempFolderTest;

TEST_F(ReadingCliFiles, SavedFileHoldsTheSeventeenValuesAndReadsBackToTheSameReading) {
    const auto flags = With(
        AnnFlags(), {"--city", "New Delhi", "--state", "Delhi", "--country", "India", "--json"});
    const std::string file = Path("ann.kvr");
    const CliRun saved = Cli(With(flags, {"--save", file}));
    ASSERT_EQ(saved.status, kExitOk) << saved.err;
    EXPECT_EQ(saved.out, Cli(flags).out) << "saving prints the reading it saved";
    EXPECT_EQ(DecodeChartFile(FileBytes(file)), kAnnLines);

    const CliRun opened = Cli({file, "--json"});
    ASSERT_EQ(opened.status, kExitOk) << opened.err;
    EXPECT_EQ(opened.out, saved.out);
}

TEST_F(ReadingCliFiles, SaveIsRefusedWithoutWritingAnything) {
    const std::string badDate = Path("bad.kvr");
    EXPECT_EQ(Cli(With(Replaced(AnnFlags(), "--date", "1990-04-31"), {"--save", badDate})).status,
              kExitRefused);
    EXPECT_FALSE(fs::exists(badDate));

    const std::string noExtension = Path("ann.txt");
    const CliRun wrongName = Cli(With(AnnFlags(), {"--save", noExtension}));
    EXPECT_EQ(wrongName.status, kExitUsage);
    EXPECT_THAT(wrongName.err, HasSubstr("--save expects"));
    EXPECT_FALSE(fs::exists(noExtension));

    const CliRun noFolder = Cli(With(AnnFlags(), {"--save", Path("missing/ann.kvr")}));
    EXPECT_EQ(noFolder.status, kExitRefused);
    EXPECT_THAT(noFolder.out, IsEmpty()) << "a failed save prints no reading";
    EXPECT_EQ(Lines(noFolder.err).size(), 1u);
    EXPECT_THAT(noFolder.err, HasSubstr("\". No such file or directory.")) << "the system's reason";

    // A file the window's save dialog refuses is refused to the tool, even when run as root.
    const std::string marked = Path("marked.kvr");
    PutFile(marked, "kept");
    fs::permissions(marked, fs::perms::owner_read | fs::perms::group_read);
    const CliRun readOnly = Cli(With(AnnFlags(), {"--save", marked}));
    EXPECT_EQ(readOnly.status, kExitRefused);
    EXPECT_EQ(readOnly.err, "kovrel-reading: The file \"" + marked +
                                "\" is read-only. Please choose another file. Permission "
                                "denied.\n");
    EXPECT_EQ(FileBytes(marked), "kept");
}

TEST_F(ReadingCliFiles, BadFilesAreReportedAndTheOthersStillRead) {
    const std::string good = Path("ann.kvr");
    ASSERT_EQ(Cli(With(AnnFlags(), {"--save", good})).status, kExitOk);
    const std::string capitals = Path("ann.KVR");
    fs::copy_file(good, capitals);
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

TEST_F(ReadingCliFiles, ShortFileStopsAtTheWindowsValidationAndFilesTakeNoBirthFlags) {
    // Twelve lines: South and daylight saving count as true, and the city is empty.
    const std::string file = (kTestData / "short_12_lines.kvr").string();
    const CliRun run = Cli({file, "--json"});
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_EQ(json::parse(run.out),
              json({{"file", file}, {"error", "Please Enter Your City name"}}));

    const std::string good = (kTestData / "ann_new_delhi.kvr").string();
    EXPECT_EQ(Cli({good, "--dst"}).status, kExitUsage);
    EXPECT_EQ(Cli(With(AnnFlags(), {good})).status, kExitUsage);
}

TEST(ReadingCliUsage, FlagWithoutItsValueIsNamed) {
    // The next flag is not taken as the value, whichever flags meet.
    const struct {
        std::vector<std::string> args;
        const char* named;
    } cases[] = {
        {With({"--name"}, Without(AnnFlags(), "--name")), "--name expects"},
        {{"--date", "--time", "08:30"}, "--date expects"},
        {With(AnnFlags(), {"--city", "--json"}), "--city expects"},
        {With(AnnFlags(), {"--save", "--state=Delhi"}), "--save expects"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, kExitUsage) << c.named;
        EXPECT_THAT(run.err, HasSubstr(c.named));
        EXPECT_THAT(run.err, HasSubstr("missing"));
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    }
    // A value that merely starts with a dash is still a value, and is judged as one.
    const CliRun dashed = Cli(Replaced(AnnFlags(), "--name", "-Ann"));
    EXPECT_EQ(dashed.status, kExitUsage);
    EXPECT_THAT(dashed.err, HasSubstr("--name expects only letters"));
}

TEST(ReadingCliUsage, ControlCharactersInMessagesAreMasked) {
    // Whatever the flag library, a file name or a value brings along stays on one line.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--zo\nFAKE: all good"},
          Replaced(AnnFlags(), "--zone", "IST\n\x1B[2J"),
          std::vector<std::string>{"/tmp/no\rsuch\n.kvr"}, std::vector<std::string>{"a\x7F.kvr"}}) {
        const CliRun run = Cli(args);
        EXPECT_NE(run.status, kExitOk);
        ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_EQ(run.err.find_first_of("\r\x1B\x7F"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
    }
    EXPECT_EQ(MaskControlCharacters("a\tb\xC2\x9B"
                                    "c\xC2\xA9"),
              "a?b?c\xC2\xA9"); // CSI; (c)
}

TEST_F(ReadingCliFiles, ACraftedFileCannotSteerTheTerminalAndTextFlagsTakeOnlyLetters) {
    // A file name and name and place lines that would set the terminal's title, clear it and
    // forge a line of the report.
    ChartLines lines = kAnnLines;
    lines[0] = "Ann\x1B]0;owned\x07";
    lines[14] = "New\x1B[2JDelhi";
    lines[15] = "Delhi\nMoon:      00 Ari 00";
    lines[16] = "India\x7F\xC2\x9B"
                "1m";
    const std::string file = Path("ann\x1B[31m\r.kvr");
    PutFile(file, EncodeChartFile(lines));
    const CliRun run = Cli({file});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const std::vector<std::string> printed = Lines(run.out);
    EXPECT_EQ(printed.size(), Lines(Cli({kTestData / "ann_new_delhi.kvr"}).out).size());
    ASSERT_GE(printed.size(), 3u);
    EXPECT_EQ(printed[0], "File:      " + Path("ann?[31m?.kvr"));
    EXPECT_EQ(printed[1], "Name:      Ann?]0;owned?");
    EXPECT_EQ(printed[3], "Place:     New?[2JDelhi, Delhi?Moon:      00 Ari 00, India??1m");
    for (const std::string& line : printed) {
        EXPECT_EQ(line.find_first_of("\x1B\x07\r\x7F"), std::string::npos) << line;
        EXPECT_EQ(line.find("\xC2\x9B"), std::string::npos) << line;
    }

    // The help says letters and blanks: backspace and DEL, which the entry boxes' keystroke
    // filter passes for editing, are no letters.
    for (const char* flag : {"--name", "--city", "--state", "--country"}) {
        for (const char* value : {"An\bn", "Ann\x7F"}) {
            const CliRun refused =
                Cli(flag == std::string("--name") ? Replaced(AnnFlags(), flag, value)
                                                  : With(AnnFlags(), {flag, value}));
            EXPECT_EQ(refused.status, kExitUsage) << flag;
            EXPECT_THAT(refused.err, HasSubstr(std::string(flag) + " expects only letters"));
        }
    }
}

// An output that takes nothing, as a full disk or a closed pipe.
class RefusingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(ReadingCliOutput, OutputThatCannotBeWrittenIsAFailure) {
    for (const std::vector<std::string>& args :
         {AnnFlags(), std::vector<std::string>{"--zones"}, std::vector<std::string>{"--help"},
          std::vector<std::string>{(kTestData / "ann_new_delhi.kvr").string()}}) {
        RefusingBuffer refusing;
        std::ostream out(&refusing);
        std::ostringstream err;
        EXPECT_EQ(RunReadingCli(args, out, err), kExitRefused) << args.front();
        EXPECT_EQ(err.str(), "kovrel-reading: the output could not be written\n");
    }
    // A refusal keeps its own status and says why first.
    RefusingBuffer refusing;
    std::ostream out(&refusing);
    std::ostringstream err;
    EXPECT_EQ(RunReadingCli({"--date"}, out, err), kExitUsage);
}

// The built program with its standard output sent to `redirection`; its status and stderr.
std::pair<int, std::string> ProgramStatus(const std::string& redirection) {
    const std::string command = std::string(KOVREL_READING_EXE) +
                                " --date 1990-03-15 --time 08:30 --zone 34 --lat 28:36N "
                                "--lon 77:12E 2>&1 " +
                                redirection;
    FILE* pipe = popen(("{ " + command + "; } 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return {-1, {}};
    }
    std::string text;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        text.append(buffer.data(), n);
    }
    const int raw = pclose(pipe);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text};
}

TEST(ReadingProgramOutput, FullOrClosedOutputEndsWithStatusOne) {
    // 2>&1 comes first, so the messages reach the test while stdout goes elsewhere.
    for (const char* redirection : {"> /dev/full", ">&-"}) {
        const auto [status, messages] = ProgramStatus(redirection);
        EXPECT_EQ(status, 1) << redirection;
        EXPECT_EQ(messages, "kovrel-reading: the output could not be written\n") << redirection;
    }
    EXPECT_EQ(ProgramStatus("> /dev/null").first, 0);
}

} // namespace
} // namespace kovrel::test
