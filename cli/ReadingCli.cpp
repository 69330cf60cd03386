#include "cli/ReadingCli.h"

#include "app/Calculation.h"
#include "app/ChartFile.h"
#include "cli/CommandLine.h"
#include "cli/ReadingReport.h"
#include "common/Text.h"

#include <ostream>
#include <string>
#include <string_view>

namespace kovrel {

namespace {

constexpr std::string_view kProgram = "kovrel-reading";

// The one way an error reaches the caller: one line, every control character masked, whatever
// the fault quotes (a file name, a flag library's own words, a value from the command line).
void ReportError(std::ostream& err, std::string_view subject, std::string_view message) {
    err << MaskControlCharacters(subject) << ": " << MaskControlCharacters(message) << '\n';
}

void PrintReading(std::ostream& out, bool json, const Session& session) {
    if (json) {
        out << JsonReport(session.birth, session.reading) << '\n';
    } else {
        out << TextReport(session.birth, session.zoneRow, session.reading);
    }
}

int RunFromFlags(const CommandRequest& request, std::ostream& out, std::ostream& err) {
    Session session;
    if (const Result<Reading> reading = RunCalculation(request.entry, session); !reading) {
        ReportError(err, kProgram, reading.fault().message);
        return kExitRefused;
    }
    if (request.savePath) {
        // As in the window, only an entry that was calculated is saved; a failed save prints no
        // reading, so a script never mistakes it for success.
        const Result<> saved =
            WriteChartFile(*request.savePath, ChartLinesFor(session.birth, session.zoneRow));
        if (!saved) {
            ReportError(err, kProgram, saved.fault().message);
            return kExitRefused;
        }
    }
    PrintReading(out, request.json, session);
    return kExitOk;
}

// One saved reading, opened as the window opens it into a freshly started window: the lines
// applied onto the default entry, then the same calculation. A fresh session for each file, so
// one file's values never leak into the next.
Result<Session> ReadOneFile(const std::string& path) {
    const Result<EntryForm> entry = ApplyChartFile(path, EntryForm{});
    if (!entry) {
        return entry.fault();
    }
    Session session;
    if (const Result<Reading> reading = RunCalculation(*entry, session); !reading) {
        return reading.fault();
    }
    return session;
}

int RunFromFiles(const CommandRequest& request, std::ostream& out, std::ostream& err) {
    int status = kExitOk;
    bool printed = false;
    for (const std::string& path : request.files) {
        const Result<Session> file = ReadOneFile(path);
        if (!file) {
            status = kExitRefused;
            if (request.json) {
                out << JsonFileError(path, file.fault().message) << '\n';
            } else {
                ReportError(err, path, file.fault().message);
            }
            continue;
        }
        if (!request.json) {
            out << (printed ? "\n" : "") << "File:      " << path << '\n';
        }
        PrintReading(out, request.json, *file);
        printed = true;
    }
    return status;
}

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Result<CommandRequest> request = ParseCommandLine(args);
    if (!request) {
        ReportError(err, kProgram, request.fault().message);
        return kExitUsage;
    }
    switch (request->mode) {
    case RunMode::Help:
        out << request->helpText;
        return kExitOk;
    case RunMode::Zones:
        out << ZoneListText();
        return kExitOk;
    case RunMode::Files:
        return RunFromFiles(*request, out, err);
    case RunMode::Flags:
        break;
    }
    return RunFromFlags(*request, out, err);
}

} // namespace

int RunReadingCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const int status = RunCommand(args, out, err);
    // A reading that did not reach its reader is no success: a full disk or a closed pipe
    // must not look like a printed reading to a script.
    out.flush();
    if (!out) {
        ReportError(err, kProgram, "the output could not be written");
        return status == kExitOk ? kExitRefused : status;
    }
    return status;
}

} // namespace kovrel
