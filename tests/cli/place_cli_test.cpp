#include "app/TimeZoneCatalog.h"
#include "cli/ProgramRun.h"
#include "cli/ReadingCli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kovrel::test {
namespace {

using nlohmann::json;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& args, const ReadingExports& exports = {}) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunReadingCli(args, out, err, exports);
    return {status, out.str(), err.str()};
}

std::string RowText(const json& reading) {
    return std::string(ZoneRowText(reading.at("place").at("zone_row").get<int>()));
}

TEST(PlaceCli, PuneFillsThePlaceAndTheIndianRow) {
    // Pune, 15 March 1990 08:30: the place assistant's worked example.
    const CliRun run =
        Cli({"--place", "Pune", "--date", "1990-03-15", "--time", "08:30", "--json"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const json reading = json::parse(run.out);
    const json& place = reading.at("place");
    EXPECT_EQ(place.at("city"), "Pune");
    EXPECT_EQ(place.at("state"), "Maharashtra");
    EXPECT_EQ(place.at("country"), "India");
    EXPECT_EQ(place.at("latitude"), "18:31N");
    EXPECT_EQ(place.at("longitude"), "73:51E");
    EXPECT_EQ(place.at("iana_zone"), "Asia/Kolkata");
    EXPECT_EQ(place.at("utc_offset"), "+05:30");
    EXPECT_EQ(place.at("dst"), false);
    EXPECT_EQ(RowText(reading), "Indian Time, IST, +5.3");
    EXPECT_THAT(place.at("notes"), IsEmpty());
}

TEST(PlaceCli, AtlasPlaceReadsAsTheSameValuesTypedByHand) {
    // The same Pune birth typed as the boxes the atlas fills (18:31N 73:51E, row 34).
    const CliRun byHand =
        Cli({"--date", "1990-03-15", "--time", "08:30", "--zone", "34", "--lat", "18:31N", "--lon",
             "73:51E", "--city", "Pune", "--state", "Maharashtra", "--country", "India", "--json"});
    const CliRun fromAtlas = Cli({"--place", "Pune, Maharashtra, India", "--date", "1990-03-15",
                                  "--time", "08:30", "--json"});
    ASSERT_EQ(byHand.status, kExitOk) << byHand.err;
    ASSERT_EQ(fromAtlas.status, kExitOk) << fromAtlas.err;
    EXPECT_THAT(byHand.out, Not(HasSubstr("\"place\"")));
    json atlasReading = json::parse(fromAtlas.out);
    atlasReading.erase("place");
    EXPECT_EQ(atlasReading, json::parse(byHand.out));
}

TEST(PlaceCli, NewYorkInSummerTakesTheDaylightRow) {
    // New York, 4 July 1990 12:00: the place assistant's worked example.
    const CliRun run =
        Cli({"--place", "New York", "--date", "1990-07-04", "--time", "12:00", "--json"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const json reading = json::parse(run.out);
    EXPECT_EQ(RowText(reading), "Eastern Daylight Time,EDT,-4.0");
    EXPECT_EQ(reading.at("place").at("utc_offset"), "-04:00");
    EXPECT_EQ(reading.at("place").at("dst"), true);
    EXPECT_EQ(reading.at("place").at("longitude"), "74:00W");
}

TEST(PlaceCli, ClockTimeThatNeverHappenedNamesTheRowsUnlessZoneIsGiven) {
    // New York, 1 April 1990 02:30: the spring-forward gap of the place assistant's examples.
    const std::vector<std::string> gap = {"--place",    "New York City", "--date",
                                          "1990-04-01", "--time",        "02:30"};
    const CliRun refused = Cli(gap);
    EXPECT_EQ(refused.status, kExitRefused);
    EXPECT_THAT(refused.out, IsEmpty());
    EXPECT_THAT(refused.err, HasSubstr("never happened"));
    EXPECT_THAT(refused.err, HasSubstr("\"Eastern Standard Time,EST,-5.0\""));
    EXPECT_THAT(refused.err, HasSubstr("\"Eastern Daylight Time,EDT,-4.0\""));

    std::vector<std::string> withZone = gap;
    withZone.insert(withZone.end(), {"--zone", "27", "--json"});
    const CliRun chosen = Cli(withZone);
    ASSERT_EQ(chosen.status, kExitOk) << chosen.err;
    EXPECT_EQ(RowText(json::parse(chosen.out)), "Eastern Standard Time,EST,-5.0");
}

TEST(PlaceCli, ClockTimeThatHappenedTwiceIsRefused) {
    // New York, 28 October 1990 01:30: the fall-back hour of the place assistant's examples.
    const CliRun run = Cli({"--place", "New York City", "--date", "1990-10-28", "--time", "01:30"});
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_THAT(run.err, HasSubstr("happened twice"));
}

TEST(PlaceCli, FlagsGivenAsWellTakePrecedence) {
    // Pune, 15 March 1990 08:30 with the user's own row 8, latitude and city.
    const CliRun run = Cli({"--place", "Pune", "--date", "1990-03-15", "--time", "08:30", "--zone",
                            "8", "--lat", "18:00N", "--city", "Poona"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_THAT(run.out, HasSubstr(std::string(ZoneRowText(8))));
    EXPECT_THAT(run.out, HasSubstr("Place:     Poona, Maharashtra, India"));
    EXPECT_THAT(run.out, HasSubstr("Latitude:  18° 0' North"));
    EXPECT_THAT(run.out, HasSubstr("Longitude: 73° 51' East"));
}

TEST(PlaceCli, OverridesAreReportedAndAGivenRowIsNoted) {
    // New York, 4 July 1990 12:00 kept EDT -4:00 (zdump); row 54 is Pacific Standard Time,
    // -8:00: the reading's moment 4 hours later than the true one.
    const CliRun pst = Cli({"--place", "New York", "--date", "1990-07-04", "--time", "12:00",
                            "--zone", "54", "--json"});
    ASSERT_EQ(pst.status, kExitOk) << pst.err;
    const auto place = nlohmann::ordered_json::parse(pst.out).at("place");
    std::vector<std::string> keys;
    for (const auto& item : place.items()) {
        keys.push_back(item.key());
    }
    EXPECT_THAT(keys, ElementsAre("city", "state", "country", "latitude", "longitude", "iana_zone",
                                  "utc_offset", "dst", "zone_row", "notes", "overridden"));
    EXPECT_EQ(place.at("utc_offset"), "-04:00");
    ASSERT_EQ(place.at("notes").size(), 1u);
    EXPECT_THAT(place.at("notes")[0].get<std::string>(), HasSubstr("4 hours later"));
    EXPECT_THAT(place.at("overridden"), ElementsAre("zone_row"));

    // 1 April 1990 02:30 never happened there (zdump): EDT stands for the offset after the
    // change, and says so as the row before it does.
    for (const char* zone : {"EDT", "27"}) {
        const CliRun gap = Cli({"--place", "New York", "--date", "1990-04-01", "--time", "02:30",
                                "--zone", zone, "--json"});
        ASSERT_EQ(gap.status, kExitOk) << gap.err;
        const json gapPlace = json::parse(gap.out).at("place");
        EXPECT_EQ(gapPlace.at("utc_offset"), std::string(zone) == "EDT" ? "-04:00" : "-05:00");
        ASSERT_EQ(gapPlace.at("notes").size(), 1u) << zone;
        EXPECT_THAT(gapPlace.at("notes")[0].get<std::string>(), HasSubstr("never happened"));
    }

    // Pune with the user's latitude, longitude and city: the place says what the reading used.
    const CliRun own = Cli({"--place", "Pune", "--date", "1990-03-15", "--time", "08:30", "--lat",
                            "18:00N", "--lon", "073:5E", "--city", "Poona", "--json"});
    ASSERT_EQ(own.status, kExitOk) << own.err;
    const json ownPlace = json::parse(own.out).at("place");
    EXPECT_EQ(ownPlace.at("city"), "Poona");
    EXPECT_EQ(ownPlace.at("state"), "Maharashtra");
    EXPECT_EQ(ownPlace.at("latitude"), "18:00N");
    EXPECT_EQ(ownPlace.at("longitude"), "73:05E");
    EXPECT_THAT(ownPlace.at("overridden"), ElementsAre("city", "latitude", "longitude"));
    const CliRun atlas =
        Cli({"--place", "Pune", "--date", "1990-03-15", "--time", "08:30", "--json"});
    EXPECT_THAT(json::parse(atlas.out).at("place").at("overridden"), IsEmpty());
}

TEST(PlaceCli, AmbiguousAndUnknownNamesAreUsageErrors) {
    // Springfield: a name many United States cities of the atlas share.
    const CliRun ambiguous =
        Cli({"--place", "Springfield", "--date", "1990-03-15", "--time", "08:30"});
    EXPECT_EQ(ambiguous.status, kExitUsage);
    EXPECT_THAT(ambiguous.err,
                StartsWith("kovrel-reading: --place \"Springfield\": Several places are called "
                           "\"Springfield\"; add the state or the country to say which. It could "
                           "be: Springfield, Missouri, United States; Springfield, Massachusetts"));
    EXPECT_THAT(ambiguous.err, HasSubstr("Springfield, Illinois, United States"));
    EXPECT_THAT(ambiguous.err, HasSubstr("Springfield, Massachusetts, United States"));
    EXPECT_EQ(
        Cli({"--place", "Springfield, Illinois", "--date", "1990-03-15", "--time", "08:30"}).status,
        kExitOk);

    const CliRun unknown = Cli({"--place", "Qqqzz", "--date", "1990-03-15", "--time", "08:30"});
    EXPECT_EQ(unknown.status, kExitUsage);
    EXPECT_THAT(unknown.err, HasSubstr("The atlas has no place \"Qqqzz\"."));

    const CliRun noTime = Cli({"--place", "Pune", "--date", "1990-03-15"});
    EXPECT_EQ(noTime.status, kExitUsage);
    EXPECT_THAT(noTime.err, HasSubstr("--time is missing"));
}

TEST(PlaceCli, PlacesListsMatchesMostPopulousFirst) {
    const CliRun run = Cli({"--places", "Pun"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    // Pune, 18:31N 73:51E in Asia/Kolkata: the place assistant's worked example.
    EXPECT_THAT(run.out, StartsWith("Pune, Maharashtra, India  18:31N 73:51E  Asia/Kolkata\n"));
    EXPECT_EQ(Cli({"--places", "Pun", "--json"}).status, kExitUsage);

    // No match, or nothing to match: said on stderr with status 1, nothing listed.
    for (const char* prefix : {"Zzzqq", ""}) {
        const CliRun none = Cli({"--places", prefix});
        EXPECT_EQ(none.status, kExitRefused) << prefix;
        EXPECT_EQ(none.out, "");
        EXPECT_THAT(none.err, HasSubstr("no atlas place starts with"));
    }
}

TEST(PlaceCli, HelpNamesTheNewFlags) {
    const CliRun run = Cli({"--help"});
    ASSERT_EQ(run.status, kExitOk);
    for (const char* flag : {"--place", "--places", "--pdf", "--chart-svg"}) {
        EXPECT_THAT(run.out, HasSubstr(flag));
    }
}

// The Pune birth of the place assistant's worked example, from flags.
const std::vector<std::string> kPuneFlags = {"--place", "Pune",  "--date", "1990-03-15",
                                             "--time",  "08:30", "--name", "Ann"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(ExportCli, WithoutTheWindowThePicturesAreNotAvailable) {
    for (const char* flag : {"--pdf", "--chart-svg"}) {
        const CliRun run = Cli(With(kPuneFlags, {flag, "out.file"}));
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_THAT(run.err, HasSubstr(std::string(flag) + " is not available in this build"));
        EXPECT_THAT(run.out, IsEmpty());
    }
}

TEST(ExportCli, OnlyAPictureRequestThatParsesIsHandedOver) {
    int handedOver = 0;
    ReadingExports exports;
    exports.handOver = [&] { ++handedOver; };
    const std::vector<std::vector<std::string>> staying = {
        kPuneFlags, {"--help"}, With(kPuneFlags, {"--pdf", ""}), {"--zones", "--pdf", "a.pdf"}};
    for (const std::vector<std::string>& args : staying) {
        Cli(args, exports);
    }
    EXPECT_EQ(handedOver, 0);

    // No program took the run: refused as without the window, before anything is printed.
    const CliRun run = Cli(With(kPuneFlags, {"--chart-svg", "a.svg"}), exports);
    EXPECT_EQ(handedOver, 1);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_THAT(run.err, HasSubstr("--chart-svg is not available in this build"));
    EXPECT_THAT(run.out, IsEmpty());
}

TEST(ExportCli, WritersGetTheCalculatedReadingAndAFailureStopsThePrint) {
    std::vector<std::string> written;
    ReadingExports exports;
    exports.pdf = [&](const std::string& path, const Session& session, ChartStyle, Language) {
        written.push_back("pdf " + path + " " + session.birth.Name + " " +
                          std::string(ZoneRowText(session.zoneRow)));
        return Success();
    };
    exports.svg = [&](const std::string& path, const Session&, ChartStyle, Language) {
        written.push_back("svg " + path);
        return path == "bad.svg" ? Result<>(Fault{"The disk is full."}) : Success();
    };
    const CliRun run = Cli(With(kPuneFlags, {"--pdf", "a.pdf", "--chart-svg", "a.svg"}), exports);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_THAT(written, ElementsAre("pdf a.pdf Ann Indian Time, IST, +5.3", "svg a.svg"));
    EXPECT_THAT(run.out, HasSubstr("Name:      Ann"));

    const CliRun failed = Cli(With(kPuneFlags, {"--chart-svg", "bad.svg"}), exports);
    EXPECT_EQ(failed.status, kExitRefused);
    EXPECT_THAT(failed.err, HasSubstr("bad.svg: The disk is full."));
    EXPECT_THAT(failed.out, IsEmpty());
}

TEST(ExportCli, TheChartStyleReachesBothWritersAndABadOneIsAUsageError) {
    std::vector<ChartStyle> styles;
    ReadingExports exports;
    exports.pdf =
        exports.svg = [&](const std::string&, const Session&, ChartStyle style, Language) {
            styles.push_back(style);
            return Success();
        };
    EXPECT_EQ(Cli(With(kPuneFlags, {"--pdf", "a.pdf", "--chart-svg", "a.svg"}), exports).status,
              kExitOk);
    EXPECT_EQ(
        Cli(With(kPuneFlags, {"--chart-style", "north", "--chart-svg", "a.svg"}), exports).status,
        kExitOk);
    EXPECT_THAT(styles, ElementsAre(ChartStyle::South, ChartStyle::South, ChartStyle::North));

    const CliRun bad = Cli(With(kPuneFlags, {"--chart-style", "North", "--pdf", "a.pdf"}), exports);
    EXPECT_EQ(bad.status, kExitUsage);
    EXPECT_THAT(bad.err, HasSubstr("--chart-style expects south or north; got \"North\""));
    EXPECT_THAT(bad.out, IsEmpty());
    EXPECT_EQ(styles.size(), 3u) << "nothing written";
}

std::string FileStart(const std::filesystem::path& path, std::size_t size) {
    std::ifstream file(path, std::ios::binary);
    std::string start(size, '\0');
    file.read(start.data(), static_cast<std::streamsize>(size));
    start.resize(static_cast<std::size_t>(file.gcount()));
    return start;
}

// Built with the window, the tool must paint (through its helper), whatever its own links.
constexpr bool kToolPaints = KOVREL_READING_PAINTS != 0;

TEST(ExportProgram, WritesThePdfAndTheChartOrSaysTheyAreMissing) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kovrel_export_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path pdf = folder / "Ann.pdf";
    const std::filesystem::path svg = folder / "Ann.svg";
    // As on a server: no display and no runtime folder.
    unsetenv("XDG_RUNTIME_DIR");
    const ProgramRun run = RunProgram("--place Pune --date 1990-03-15 --time 08:30 --name Ann "
                                      "--pdf " +
                                      pdf.string() + " --chart-svg " + svg.string());
    if (!kToolPaints) {
        // Built without the window: the flags are refused and nothing is written.
        EXPECT_EQ(run.status, kExitUsage);
        EXPECT_FALSE(std::filesystem::exists(pdf));
    } else {
        ASSERT_EQ(run.status, kExitOk);
        EXPECT_EQ(FileStart(pdf, 4), "%PDF");
        EXPECT_THAT(FileStart(svg, 200), HasSubstr("<svg"));
        EXPECT_THAT(run.out, HasSubstr("Name:      Ann"));
        // Scripts take anything on standard error for a fault of the run.
        EXPECT_EQ(run.err, "");

        // A folder that does not exist: refused, and no file appears.
        const std::filesystem::path missing = folder / "none" / "Ann.pdf";
        EXPECT_EQ(
            RunProgram("--place Pune --date 1990-03-15 --time 08:30 --pdf " + missing.string())
                .status,
            kExitRefused);
        EXPECT_FALSE(std::filesystem::exists(missing));
    }
    std::filesystem::remove_all(folder);
}

TEST(ExportProgram, TheNorthIndianChartNumbersItsSigns) {
    if (!kToolPaints) {
        GTEST_SKIP() << "built without the window";
    }
    const std::filesystem::path svg = std::filesystem::temp_directory_path() /
                                      ("kovrel_north_" + std::to_string(getpid()) + ".svg");
    const ProgramRun run =
        RunProgram(std::string(KOVREL_TEST_DATA) +
                   "/ann_new_delhi.kvr --chart-style north --chart-svg " + svg.string());
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const std::string picture = FileStart(svg, 1 << 20);
    std::filesystem::remove(svg);
    for (int number = 1; number <= 12; ++number) {
        EXPECT_THAT(picture, HasSubstr(">" + std::to_string(number) + "</text>"));
    }
}

} // namespace
} // namespace kovrel::test
