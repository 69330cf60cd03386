#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kovrel {

// Exit statuses of kovrel-reading.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1; // an entry, a file or a save failed
inline constexpr int kExitUsage = 2;   // a malformed or missing flag

// The whole command-line tool. `args` are the arguments without the program name; readings go to
// `out`, errors to `err`. Returns the exit status.
//
// Every reading walks the window's road: the flags or a saved file become an EntryForm, which
// passes ValidateInput, is copied into BirthDetails and goes through ComputeReading.
int RunReadingCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kovrel
