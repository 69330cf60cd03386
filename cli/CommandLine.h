#pragma once

#include "app/EntryForm.h"
#include "common/Result.h"

#include <optional>
#include <string>
#include <vector>

namespace kovrel {

// What a command line of kovrel-reading asks for.
enum class RunMode { Help, Zones, Files, Flags };

struct CommandRequest {
    RunMode mode = RunMode::Flags;
    std::string helpText;           // Help
    bool json = false;              // Files and Flags
    std::vector<std::string> files; // Files: saved readings, in the order given
    EntryForm entry;                // Flags: the entry the birth flags describe
    std::optional<std::string> savePath;
};

// The request of `args` (without the program name). A refused command line is a fault whose
// message is one line naming the flag and what it expects; the tool exits with status 2.
Result<CommandRequest> ParseCommandLine(const std::vector<std::string>& args);

} // namespace kovrel
