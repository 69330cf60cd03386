#pragma once

#include "app/EntryForm.h"
#include "chart/ChartStyle.h"
#include "common/Result.h"
#include "common/Words.h"
#include "places/Atlas.h"
#include "places/ZoneChoice.h"
#include "sky/PreciseSky.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

// What a command line of kovrel-reading asks for.
enum class RunMode { Help, Zones, Places, Files, Flags };

// The atlas place a `--place` flag named, and the zone row the assistant chose for it.
struct PlaceRequest {
    AtlasCity city;
    Result<ZoneChoice> zone; // for the date, time and longitude of the entry
    bool zoneGiven = false;  // --zone was given: its row stands, whatever the atlas says
    // The place values flags gave instead of the atlas, by their keys in the JSON report's
    // "place" object: "city", "state", "country", "latitude", "longitude", "zone_row".
    std::vector<std::string> overridden;
};

struct CommandRequest {
    RunMode mode = RunMode::Flags;
    std::string helpText;           // Help
    bool json = false;              // Files and Flags
    std::vector<std::string> files; // Files: saved readings, in the order given
    EntryForm entry;                // Flags: the entry the birth flags describe
    std::optional<std::string> savePath;
    std::optional<PlaceRequest> place; // Flags with --place
    std::string placesPrefix;          // Places
    std::optional<std::string> pdfPath;
    std::optional<std::string> svgPath;
    ChartStyle chartStyle = ChartStyle::South; // of the chart in both pictures
    PositionsChoice positions;                 // Files and Flags
    Language language = Language::English;     // of the text report and both pictures
};

// A flag of kovrel-reading as --help shows it and as its usage errors describe it.
struct FlagSummary {
    std::string_view name;      // "--date"
    std::string_view valueName; // "YYYY-MM-DD" in --help; empty for a flag that takes no value
    std::string_view help;
    std::string_view expects; // "--date expects ..." in a usage error
};

// Every flag besides --help, in the order --help lists them.
std::vector<FlagSummary> CommandLineFlags();

// The request of `args` (without the program name). A refused command line is a fault whose
// message is one line naming the flag and what it expects; the tool exits with status 2.
Result<CommandRequest> ParseCommandLine(const std::vector<std::string>& args);

} // namespace kovrel
