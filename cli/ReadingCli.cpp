#include "cli/ReadingCli.h"

#include "app/Calculation.h"
#include "app/ChartFile.h"
#include "app/SafeFile.h"
#include "cli/CommandLine.h"
#include "cli/ReadingReport.h"
#include "common/Text.h"
#include "ephemeris/JulianDay.h"
#include "places/PlaceEntry.h"
#include "places/PlaceQuery.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

namespace {

constexpr std::string_view kProgram = "kovrel-reading";

// The one way an error reaches the caller: one line, every control character masked, whatever
// the fault quotes (a file name, a flag library's own words, a value from the command line).
void ReportError(std::ostream& err, std::string_view subject, std::string_view message) {
    err << MaskControlCharacters(subject) << ": " << MaskControlCharacters(message) << '\n';
}

// JSON stays English whatever the language, so that scripts keep their keys and values.
void PrintReading(std::ostream& out, const CommandRequest& request, const Session& session,
                  const PlaceReport* place = nullptr) {
    if (request.json) {
        out << (place != nullptr ? JsonReport(session, *place) : JsonReport(session)) << '\n';
    } else {
        out << TextReport(session, CompiledWords(request.language));
    }
}

// The rows a clock time could stand for when the clocks moved over it: before and after the
// change.
std::string CandidateRows(const ZoneInForce& zone) {
    std::string listed;
    for (const ZoneOffset& offset : {zone.before, zone.after}) {
        const int row = RowForOffset(offset.offsetSeconds, offset.abbreviation);
        listed += (listed.empty() ? "" : " or ") + std::to_string(row) + " \"" +
                  std::string(ZoneRowText(row)) + "\"";
    }
    return listed;
}

// A zone the atlas could not settle is refused before anything is calculated: a guessed row
// would move the birth by an hour without a word.
Result<> SettledZone(const PlaceRequest& place) {
    if (place.zoneGiven) {
        return Success();
    }
    if (!place.zone) {
        return place.zone.fault();
    }
    const ZoneChoice& choice = *place.zone;
    const std::string when =
        "--place \"" + PlaceLabel(place.city) + "\" (" + choice.ianaZone + "): the clock time ";
    switch (choice.inForce.kind) {
    case LocalTimeKind::Unique:
        return Success();
    case LocalTimeKind::Skipped:
        return Fault{when +
                     "never happened there (the clocks moved forward); it could be zone row " +
                     CandidateRows(choice.inForce) + ": give --zone"};
    case LocalTimeKind::Repeated:
        return Fault{when + "happened twice there (the clocks moved back); it could be zone row " +
                     CandidateRows(choice.inForce) + ": give --zone"};
    }
    return Success();
}

// "18:31N": degrees and minutes as the reading holds them.
std::string AngleText(int degrees, int minutes, char hemisphere) {
    char text[24];
    std::snprintf(text, sizeof text, "%d:%02d%c", degrees, minutes, hemisphere);
    return text;
}

// The place as the reading used it: the atlas's values, or the flags' where they overrode them,
// and the zone row's notes, the user's own row's too.
PlaceReport ReportOfPlace(const PlaceRequest& place, const Session& session) {
    const BirthDetails& birth = session.birth;
    const auto overridden = [&place](std::string_view key) {
        return std::find(place.overridden.begin(), place.overridden.end(), key) !=
               place.overridden.end();
    };
    PlaceReport report;
    report.city = overridden("city") ? birth.City : std::string(place.city.name);
    report.state = overridden("state") ? birth.State : std::string(place.city.state);
    report.country = overridden("country") ? birth.Country : std::string(place.city.country);
    report.latitude = overridden("latitude") ? AngleText(birth.LatDegrees, birth.LatMinutes,
                                                         birth.SouthFlag ? 'S' : 'N')
                                             : LatitudeText(place.city.latitudeE5);
    report.longitude = overridden("longitude") ? AngleText(birth.LonDegrees, birth.LonMinutes,
                                                           birth.EastFlag ? 'E' : 'W')
                                               : LongitudeText(place.city.longitudeE5);
    report.ianaZone = std::string(place.city.ianaZone);
    report.zoneRow = session.zoneRow;
    report.overridden = place.overridden;
    if (place.zone) {
        const bool east =
            EngineLongitudeCountsEast(birth.EastFlag, birth.LonDegrees, birth.LonMinutes);
        const ZoneChoice choice = WithGivenRow(*place.zone, session.zoneRow, east);
        report.utcOffset = IsoOffsetText(choice.chosen.offsetSeconds);
        report.dst = choice.chosen.dst;
        report.notes = choice.notes;
    }
    return report;
}

// --pdf and --chart-svg, after the reading is calculated.
int ExportReading(const CommandRequest& request, const Session& session,
                  const ReadingExports& exports, std::ostream& err) {
    const std::pair<const std::optional<std::string>*, const ReadingExports::Writer*> writers[] = {
        {&request.pdfPath, &exports.pdf}, {&request.svgPath, &exports.svg}};
    for (const auto& [path, writer] : writers) {
        if (*path) {
            if (const Result<> written =
                    (*writer)(**path, session, request.chartStyle, request.language);
                !written) {
                ReportError(err, kProgram, **path + ": " + written.fault().message);
                return kExitRefused;
            }
        }
    }
    return kExitOk;
}

int RunFromFlags(const CommandRequest& request, const ReadingExports& exports, std::ostream& out,
                 std::ostream& err) {
    if (request.place) {
        if (const Result<> settled = SettledZone(*request.place); !settled) {
            ReportError(err, kProgram, settled.fault().message);
            return kExitRefused;
        }
    }
    Session session;
    ChoosePositions(session, request.positions);
    if (const Result<Reading> reading = RunCalculation(request.entry, session); !reading) {
        ReportError(err, kProgram, reading.fault().message);
        return kExitRefused;
    }
    if (request.savePath) {
        // As in the window, only an entry that was calculated is saved, and never over a file
        // the window's save dialog refuses; a failed save prints no reading, so a script never
        // mistakes it for success.
        if (const auto readOnly = ReadOnlyReason(*request.savePath)) {
            ReportError(err, kProgram, ReadOnlyFileMessage(*request.savePath, *readOnly));
            return kExitRefused;
        }
        const Result<> saved =
            WriteChartFile(*request.savePath, ChartLinesFor(session.birth, session.zoneRow));
        if (!saved) {
            ReportError(err, kProgram, saved.fault().message);
            return kExitRefused;
        }
    }
    if (const int exported = ExportReading(request, session, exports, err); exported != kExitOk) {
        return exported;
    }
    if (request.place) {
        const PlaceReport place = ReportOfPlace(*request.place, session);
        PrintReading(out, request, session, &place);
    } else {
        PrintReading(out, request, session);
    }
    return kExitOk;
}

// One saved reading, opened as the window opens it into a freshly started window: the lines
// applied onto the default entry, then the same calculation. A fresh session for each file, so
// one file's values never leak into the next.
Result<Session> ReadOneFile(const std::string& path, PositionsChoice positions) {
    const Result<EntryForm> entry = ApplyChartFile(path, EntryForm{});
    if (!entry) {
        return entry.fault();
    }
    Session session;
    ChoosePositions(session, positions);
    if (const Result<Reading> reading = RunCalculation(*entry, session); !reading) {
        return reading.fault();
    }
    return session;
}

int RunFromFiles(const CommandRequest& request, const ReadingExports& exports, std::ostream& out,
                 std::ostream& err) {
    int status = kExitOk;
    bool printed = false;
    for (const std::string& path : request.files) {
        const Result<Session> file = ReadOneFile(path, request.positions);
        if (!file) {
            status = kExitRefused;
            if (request.json) {
                out << JsonFileError(path, file.fault().message) << '\n';
            } else {
                ReportError(err, path, file.fault().message);
            }
            continue;
        }
        if (const int exported = ExportReading(request, *file, exports, err); exported != kExitOk) {
            return exported;
        }
        if (!request.json) {
            out << (printed ? "\n" : "") << "File:      " << MaskControlCharacters(path) << '\n';
        }
        PrintReading(out, request, *file);
        printed = true;
    }
    return status;
}

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const ReadingExports& exports) {
    const Result<CommandRequest> request = ParseCommandLine(args);
    if (!request) {
        ReportError(err, kProgram, request.fault().message);
        return kExitUsage;
    }
    if ((request->pdfPath && !exports.pdf) || (request->svgPath && !exports.svg)) {
        if (exports.handOver) {
            exports.handOver();
        }
        ReportError(err, kProgram,
                    std::string(request->pdfPath && !exports.pdf ? "--pdf" : "--chart-svg") +
                        " is not available in this build (it was built without the window)");
        return kExitUsage;
    }
    switch (request->mode) {
    case RunMode::Help:
        out << request->helpText;
        return kExitOk;
    case RunMode::Zones:
        out << ZoneListText();
        return kExitOk;
    case RunMode::Places: {
        const std::vector<std::string> lines = PlaceListing(request->placesPrefix);
        // Nothing found is said, as grep says it with its status: a silent success would read
        // as an empty atlas.
        if (lines.empty()) {
            ReportError(err, kProgram,
                        "no atlas place starts with \"" + request->placesPrefix + "\"");
            return kExitRefused;
        }
        for (const std::string& line : lines) {
            out << line << '\n';
        }
        return kExitOk;
    }
    case RunMode::Files:
        return RunFromFiles(*request, exports, out, err);
    case RunMode::Flags:
        break;
    }
    return RunFromFlags(*request, exports, out, err);
}

} // namespace

int RunReadingCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const ReadingExports& exports) {
    const int status = RunCommand(args, out, err, exports);
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
