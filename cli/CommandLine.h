#pragma once

#include "app/EntryForm.h"
#include "common/Result.h"
#include "places/Atlas.h"
#include "places/ZoneChoice.h"

#include <optional>
#include <string>
#include <vector>

namespace kovrel {

// What a command line of kovrel-reading asks for.
enum class RunMode { Help, Zones, Places, Files, Flags };

// The atlas place a `--place` flag named, and the zone row the assistant chose for it.
struct PlaceRequest {
    AtlasCity city;
    Result<ZoneChoice> zone; // for the date, time and longitude of the entry
    bool zoneGiven = false;  // --zone was given: its row stands, whatever the atlas says
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
};

// The request of `args` (without the program name). A refused command line is a fault whose
// message is one line naming the flag and what it expects; the tool exits with status 2.
Result<CommandRequest> ParseCommandLine(const std::vector<std::string>& args);

} // namespace kovrel
