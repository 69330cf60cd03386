#pragma once

#include "app/Calculation.h"
#include "chart/ChartStyle.h"
#include "common/Result.h"
#include "common/Words.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace kovrel {

// Exit statuses of kovrel-reading.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1; // an entry, a file or a save failed
inline constexpr int kExitUsage = 2;   // a malformed or missing flag

// Writers of a calculated reading to a file, for --pdf and --chart-svg. They paint with Qt, so the
// core tool leaves them empty and only the program built with the window passes them; an empty one
// makes its flag "not available in this build".
//
// handOver lets a tool without the writers pass a command line that asks for a picture, once it
// has parsed cleanly, to a program that has them, before anything is calculated or written; it
// returns only when there is no such program, and then the flag is refused as above.
struct ReadingExports {
    using Writer = std::function<Result<>(const std::string& path, const Session& session,
                                          ChartStyle chartStyle, Language language)>;
    Writer pdf;
    Writer svg;
    std::function<void()> handOver;
};

// The whole command-line tool. `args` are the arguments without the program name; readings go to
// `out`, errors to `err`. Returns the exit status.
//
// Every reading walks the window's road: the flags or a saved file become an EntryForm, which
// passes ValidateInput, is copied into BirthDetails and goes through ComputeReading, then the
// precise step beside it in the positions the flags chose.
int RunReadingCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const ReadingExports& exports = {});

} // namespace kovrel
