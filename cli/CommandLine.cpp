#include "cli/CommandLine.h"

#include "app/ChartFormat.h"
#include "app/EntryValidation.h"
#include "app/PositionsKeywords.h"
#include "app/TimeZoneCatalog.h"
#include "common/Text.h"
#include "places/PlaceEntry.h"
#include "places/PlaceQuery.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <iterator>
#include <string_view>
#include <utility>

namespace kovrel {

namespace {

constexpr std::string_view kProgram = "kovrel-reading";

// A text flag left out is filled with this, so that a reading needs only the date, time, zone
// and place; the window itself insists on all four texts, and so does the tool when one is given
// empty.
constexpr std::string_view kOmittedText = "Unknown";

// The flags, in the order of kFlags, so that a flag's row and its values are found by position.
enum class Flag {
    Date,
    Time,
    Zone,
    Lat,
    Lon,
    Dst,
    Name,
    City,
    State,
    Country,
    Place,
    Places,
    Pdf,
    ChartSvg,
    ChartStyle,
    Json,
    Zones,
    Save,
    Positions,
    Ayanamsa,
    Language
};

// Which flags a reading from flags cannot do without. The date and time are always needed, the
// atlas too needs them to choose the zone row, so they are applied before it.
enum class Need { No, Always, WithoutPlace };

struct FlagRow;

// Puts a flag's value in the entry; `given` is false for a flag left out.
using ApplyToEntry = Result<> (*)(const FlagRow& row, std::string_view value, bool given,
                                  EntryForm& entry);

struct FlagRow {
    Flag id;
    FlagSummary summary;
    // When a message of CLI11 names several flags, the lowest rank is the one reported, as the
    // tool has always reported it.
    int rank;
    bool birth = false;      // a birth flag or --save: refused with FILE.kvr, --zones, --places
    Need need = Need::No;    // for a reading from flags
    bool atlasFills = false; // with --place, the atlas value stands unless the flag is given
    ApplyToEntry apply = nullptr; // nullptr: ParseCommandLine takes the value for the request
};

Fault RefuseValue(const FlagRow& row, std::string_view value);

// The offending value, quoted, with control characters masked so the error stays on one line.
std::string Quoted(std::string_view value) {
    return "\"" + MaskControlCharacters(value) + "\"";
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// A plain decimal of minDigits..maxDigits digits, or nothing.
std::optional<int> Digits(std::string_view text, std::size_t minDigits, std::size_t maxDigits) {
    if (!AllDigits(text) || text.size() < minDigits || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The parts of a text between separators ("1990-03-15" gives three).
std::vector<std::string_view> Parts(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (auto at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    parts.push_back(text);
    return parts;
}

// Position of a number's item in one of the entry panel's lists, or -1. Going through the lists
// themselves means the tool accepts exactly what the window offers.
int ListPosition(EntryList list, std::optional<int> value) {
    return value ? FindListItem(list, std::to_string(*value)) : -1;
}

Result<> ApplyDate(const FlagRow& row, std::string_view value, bool, EntryForm& entry) {
    const auto parts = Parts(value, '-');
    if (parts.size() != 3) {
        return RefuseValue(row, value);
    }
    const int year = ListPosition(EntryList::Year, Digits(parts[0], 4, 4));
    const std::optional<int> month = Digits(parts[1], 1, 2);
    const int day = ListPosition(EntryList::Day, Digits(parts[2], 1, 2));
    if (year < 0 || !month || *month < 1 || *month > 12 || day < 0) {
        return RefuseValue(row, value);
    }
    entry.yearIndex = year;
    entry.monthIndex = *month - 1;
    entry.dayIndex = day;
    return Success();
}

Result<> ApplyTime(const FlagRow& row, std::string_view value, bool, EntryForm& entry) {
    const auto parts = Parts(value, ':');
    const int hour = parts.size() == 2 ? ListPosition(EntryList::Hour, Digits(parts[0], 1, 2)) : -1;
    const int minute =
        parts.size() == 2 ? ListPosition(EntryList::Minute, Digits(parts[1], 1, 2)) : -1;
    if (hour < 0 || minute < 0) {
        return RefuseValue(row, value);
    }
    entry.hourIndex = hour;
    entry.minuteIndex = minute;
    return Success();
}

Result<> ApplyZone(const FlagRow& flag, std::string_view value, bool, EntryForm& entry) {
    if (AllDigits(value)) {
        const std::optional<int> row = Digits(value, 1, 2);
        if (!row || !FindZoneRow(*row)) {
            return RefuseValue(flag, value);
        }
        entry.zoneIndex = *row;
        return Success();
    }
    std::vector<int> rows;
    for (int row = 0; row < static_cast<int>(ZoneRows().size()); ++row) {
        if (EqualsIgnoringCase(ZoneAbbreviation(row), value)) {
            rows.push_back(row);
        }
    }
    if (rows.empty()) {
        return RefuseValue(flag, value);
    }
    if (rows.size() > 1) {
        // NST is both Newfoundland and North Sumatra: guessing would shift the birth by hours.
        std::string listed;
        for (int row : rows) {
            listed += (listed.empty() ? "" : ", ") + std::to_string(row) + " \"" +
                      std::string(ZoneRowText(row)) + "\"";
        }
        return Fault{std::string(flag.summary.name) + " " + Quoted(value) +
                     " names several rows: " + listed + "; give the row number"};
    }
    entry.zoneIndex = rows.front();
    return Success();
}

// "DD:MM" plus one hemisphere letter; the digits are kept as typed, as the window's boxes keep
// them. No range check: the window has none either.
template <typename Choice>
Result<> ApplyAngle(const FlagRow& row, std::string_view value, char first, Choice firstChoice,
                    char second, Choice secondChoice, std::string& degrees, std::string& minutes,
                    Choice& choice) {
    const char hemisphere =
        value.empty() ? '\0'
                      : static_cast<char>(std::toupper(static_cast<unsigned char>(value.back())));
    const auto parts = Parts(value.substr(0, value.empty() ? 0 : value.size() - 1), ':');
    if ((hemisphere != first && hemisphere != second) || parts.size() != 2 ||
        !Digits(parts[0], 1, 3) || !Digits(parts[1], 1, 3)) {
        return RefuseValue(row, value);
    }
    degrees = std::string(parts[0]);
    minutes = std::string(parts[1]);
    choice = hemisphere == first ? firstChoice : secondChoice;
    return Success();
}

Result<> ApplyLat(const FlagRow& row, std::string_view value, bool, EntryForm& entry) {
    return ApplyAngle(row, value, 'N', LatitudeChoice::North, 'S', LatitudeChoice::South,
                      entry.latDeg, entry.latMin, entry.latitude);
}

Result<> ApplyLon(const FlagRow& row, std::string_view value, bool, EntryForm& entry) {
    return ApplyAngle(row, value, 'E', LongitudeChoice::East, 'W', LongitudeChoice::West,
                      entry.lonDeg, entry.lonMin, entry.longitude);
}

template <std::string EntryForm::*field>
Result<> ApplyText(const FlagRow& row, std::string_view value, bool given, EntryForm& entry) {
    if (!given) {
        entry.*field = std::string(kOmittedText);
        return Success();
    }
    if (!LettersOnlyText(value)) {
        return RefuseValue(row, value);
    }
    entry.*field = std::string(value);
    return Success();
}

constexpr FlagRow kFlags[] = {
    {.id = Flag::Date,
     .summary = {"--date", "YYYY-MM-DD", "Birth date (years 1901 to 2050)",
                 "YYYY-MM-DD with a year from 1901 to 2050"},
     .rank = 2,
     .birth = true,
     .need = Need::Always,
     .apply = ApplyDate},
    {.id = Flag::Time,
     .summary = {"--time", "HH:MM", "Local clock time (hours 0 to 24)",
                 "HH:MM with hours 0 to 24 and minutes 0 to 59"},
     .rank = 3,
     .birth = true,
     .need = Need::Always,
     .apply = ApplyTime},
    {.id = Flag::Zone,
     .summary = {"--zone", "N|ABBR", "Time zone: row number 0..69 or abbreviation (IST)",
                 "a row number 0 to 69 or an abbreviation such as IST (see --zones)"},
     .rank = 1,
     .birth = true,
     .need = Need::WithoutPlace,
     .atlasFills = true,
     .apply = ApplyZone},
    {.id = Flag::Lat,
     .summary = {"--lat", "DD:MMN|S", "Latitude, e.g. 28:36N (up to 3 digits each, unchecked)",
                 "DD:MM followed by N or S, degrees and minutes of 1 to 3 digits"},
     .rank = 4,
     .birth = true,
     .need = Need::WithoutPlace,
     .atlasFills = true,
     .apply = ApplyLat},
    {.id = Flag::Lon,
     .summary = {"--lon", "DDD:MME|W", "Longitude, e.g. 77:12E (up to 3 digits each, unchecked)",
                 "DDD:MM followed by E or W, degrees and minutes of 1 to 3 digits"},
     .rank = 5,
     .birth = true,
     .need = Need::WithoutPlace,
     .atlasFills = true,
     .apply = ApplyLon},
    {.id = Flag::Dst,
     .summary = {"--dst", "", "The clock time was daylight saving time", "no value"},
     .rank = 15,
     .birth = true},
    {.id = Flag::Name,
     .summary = {"--name", "TEXT", "Name (letters and blanks)", "only letters A-Z, a-z and blanks"},
     .rank = 6,
     .birth = true,
     .apply = ApplyText<&EntryForm::name>},
    {.id = Flag::City,
     .summary = {"--city", "TEXT", "City (letters and blanks)", "only letters A-Z, a-z and blanks"},
     .rank = 7,
     .birth = true,
     .atlasFills = true,
     .apply = ApplyText<&EntryForm::city>},
    {.id = Flag::State,
     .summary = {"--state", "TEXT", "State (letters and blanks)",
                 "only letters A-Z, a-z and blanks"},
     .rank = 8,
     .birth = true,
     .atlasFills = true,
     .apply = ApplyText<&EntryForm::state>},
    {.id = Flag::Country,
     .summary = {"--country", "TEXT", "Country (letters and blanks)",
                 "only letters A-Z, a-z and blanks"},
     .rank = 9,
     .birth = true,
     .atlasFills = true,
     .apply = ApplyText<&EntryForm::country>},
    {.id = Flag::Place,
     .summary = {"--place", "\"CITY[, STATE[, COUNTRY]]\"",
                 "Birth place from the atlas: fills latitude, longitude, city, state, country and "
                 "the zone",
                 "\"City\", \"City, State\" or \"City, State, Country\" from the atlas"},
     .rank = 12,
     .birth = true},
    {.id = Flag::Places,
     .summary = {"--places", "PREFIX", "List the atlas places whose name starts so and exit",
                 "the start of a city's name, and no other flags"},
     .rank = 11},
    {.id = Flag::Pdf,
     .summary = {"--pdf", "FILE.pdf", "Also write the printed reading as a PDF file",
                 "a file name for the printed reading"},
     .rank = 13},
    {.id = Flag::ChartSvg,
     .summary = {"--chart-svg", "FILE.svg", "Also write the rasi chart as an SVG picture",
                 "a file name for the chart picture"},
     .rank = 14},
    {.id = Flag::ChartStyle,
     .summary = {"--chart-style", "south|north",
                 "Draw the chart of --pdf and --chart-svg South Indian (the default) or North "
                 "Indian",
                 "south or north"},
     .rank = 17},
    {.id = Flag::Json,
     .summary = {"--json", "", "One JSON object per reading, one per line", "no value"},
     .rank = 16},
    {.id = Flag::Zones,
     .summary = {"--zones", "", "List the 70 time-zone rows and exit",
                 "no value and no other flags"},
     .rank = 0},
    {.id = Flag::Save,
     .summary = {"--save", "FILE.kvr", "Also write the entry as a saved reading the window opens",
                 "a file name ending in kvr, followed by the birth flags"},
     .rank = 10,
     .birth = true},
    {.id = Flag::Positions,
     .summary = {"--positions", "classic|precise",
                 "Positions: classic (the default), or precise from an accurate ephemeris",
                 "classic or precise"},
     .rank = 17},
    {.id = Flag::Ayanamsa,
     .summary = {"--ayanamsa", "lahiri|raman|krishnamurti",
                 "Ayanamsa of the precise positions (default lahiri)",
                 "lahiri, raman or krishnamurti"},
     .rank = 18},
    {.id = Flag::Language,
     .summary = {"--language", "en|hi|ta|te|kn|ml",
                 "Language of the text report, --pdf and --chart-svg (default en); JSON stays "
                 "English",
                 "en, hi, ta, te, kn or ml"},
     .rank = 19},
};
constexpr std::size_t kFlagCount = std::size(kFlags);

constexpr bool RowsInFlagOrder() {
    for (std::size_t i = 0; i < kFlagCount; ++i) {
        if (static_cast<std::size_t>(kFlags[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInFlagOrder(), "kFlags must list the flags in the order of enum Flag");

constexpr const FlagRow& RowOf(Flag flag) {
    return kFlags[static_cast<std::size_t>(flag)];
}

const FlagRow* FindRow(std::string_view name) {
    for (const FlagRow& row : kFlags) {
        if (row.summary.name == name) {
            return &row;
        }
    }
    return nullptr;
}

bool TakesValue(const FlagRow& row) {
    return !row.summary.valueName.empty();
}

Fault RefuseValue(const FlagRow& row, std::string_view value) {
    return Fault{std::string(row.summary.name) + " expects " + std::string(row.summary.expects) +
                 "; got " + Quoted(value)};
}

// Whether `message` names `flag` itself, not a longer flag that starts with it.
bool Names(std::string_view message, std::string_view flag) {
    for (std::size_t at = message.find(flag); at != std::string_view::npos;
         at = message.find(flag, at + 1)) {
        const std::size_t end = at + flag.size();
        if (end == message.size() || !std::isalnum(static_cast<unsigned char>(message[end]))) {
            return true;
        }
    }
    return false;
}

// The message for a command line CLI11 itself refused, naming the flag it is about.
std::string ParseErrorLine(const CLI::ParseError& error) {
    const std::string what = error.what();
    const FlagRow* named = nullptr;
    for (const FlagRow& row : kFlags) {
        if ((named == nullptr || row.rank < named->rank) && Names(what, row.summary.name)) {
            named = &row;
        }
    }
    if (named == nullptr) {
        return what + "; see --help";
    }
    const std::string flag(named->summary.name);
    const std::string expects(named->summary.expects);
    if (what.find("At Most") != std::string::npos) {
        return flag + " is given more than once; it expects, once, " + expects;
    }
    return flag + " expects " + expects + " (" + what + ")";
}

struct CommandLine {
    CLI::App app{"Planetary relationships reading of a birth, without the window.",
                 std::string(kProgram)};
    std::array<std::string, kFlagCount> texts;
    std::array<bool, kFlagCount> switches{};
    std::array<CLI::Option*, kFlagCount> options{};
    std::vector<std::string> files;

    CommandLine() {
        app.set_help_flag("-h,--help", "Show this help and exit");
        for (std::size_t i = 0; i < kFlagCount; ++i) {
            const FlagSummary& flag = kFlags[i].summary;
            const std::string name(flag.name);
            const std::string help(flag.help);
            options[i] =
                TakesValue(kFlags[i])
                    ? app.add_option(name, texts[i], help)->type_name(std::string(flag.valueName))
                    : app.add_flag(name, switches[i], help);
        }
        app.add_option("files", files, "Saved readings to read, as the window opens them")
            ->type_name("FILE.kvr");
        app.footer(
            "A reading from flags needs --date, --time, --zone, --lat and --lon. --name, --city,\n"
            "--state and --country are filled with \"Unknown\" when left out; given empty, they\n"
            "are refused as the window refuses an empty box.\n"
            "\n"
            "--place \"Pune, Maharashtra, India\" with --date and --time takes the latitude,\n"
            "longitude, city, state, country and the zone row in force then (daylight saving\n"
            "box unticked) from the GeoNames atlas; --lat, --lon, --zone, --dst, --city, --state\n"
            "and --country given as well take precedence. A name several places share is refused\n"
            "with a list of them; a clock time that never happened or happened twice there is\n"
            "refused unless --zone is given. --places PREFIX lists the atlas places.\n"
            "\n"
            "--pdf and --chart-svg write the printed reading and the chart picture of a reading\n"
            "from flags or of a single saved reading; the reading is printed as well. Both draw\n"
            "the chart in the style --chart-style names.\n"
            "\n"
            "--positions precise takes the placements and the relationships from an accurate\n"
            "ephemeris with the --ayanamsa chosen; the JSON object's \"precise\" key gives those\n"
            "positions in either mode, and the text report says where they put a planet in\n"
            "another sign than the classic reading.\n"
            "\n"
            "Every entry passes the window's own checks before it is calculated, and a saved\n"
            "reading is opened exactly as the window opens it.\n"
            "\n"
            "Exit status: 0 all readings printed; 1 an entry, file or save was refused (its\n"
            "message on stderr, or {\"file\": ..., \"error\": ...} on stdout with --json);\n"
            "2 a malformed or missing flag.");
    }

    bool given(Flag flag) const { return options[static_cast<std::size_t>(flag)]->count() > 0; }
    const std::string& text(Flag flag) const { return texts[static_cast<std::size_t>(flag)]; }
    bool on(Flag flag) const { return switches[static_cast<std::size_t>(flag)]; }

    bool anyBirthFlag() const {
        return std::any_of(std::begin(kFlags), std::end(kFlags),
                           [&](const FlagRow& row) { return row.birth && given(row.id); });
    }
};

// The entry the birth flags describe, as the entry panel would hold it. With --place, what the
// atlas gives is filled in first and the flags given as well are applied over it, as a user
// would correct the boxes after choosing a place.
Result<EntryForm> EntryFromFlags(const CommandLine& line, std::optional<PlaceRequest>& place) {
    const bool fromAtlas = line.given(Flag::Place);
    for (const FlagRow& row : kFlags) {
        const bool needed =
            row.need == Need::Always || (row.need == Need::WithoutPlace && !fromAtlas);
        if (needed && !line.given(row.id)) {
            return Fault{std::string(row.summary.name) + " is missing; it expects " +
                         std::string(row.summary.expects)};
        }
    }
    EntryForm entry;
    // The first flag in the table's order that is refused is the one reported.
    for (const FlagRow& row : kFlags) {
        if (row.apply != nullptr && row.need == Need::Always) {
            if (Result<> applied = row.apply(row, line.text(row.id), true, entry); !applied) {
                return applied.fault();
            }
        }
    }
    std::optional<AtlasCity> city;
    if (fromAtlas) {
        const Result<AtlasCity> found = ResolvePlace(line.text(Flag::Place));
        if (!found) {
            return Fault{std::string(RowOf(Flag::Place).summary.name) + " " +
                         Quoted(line.text(Flag::Place)) + ": " + found.fault().message};
        }
        city = *found;
        entry = FillEntryFromCity(*city, entry).entry;
        if (entry.state.empty()) {
            // Not every atlas city has a state, but the window refuses an empty box.
            entry.state = std::string(kOmittedText);
        }
    }
    for (const FlagRow& row : kFlags) {
        if (row.apply == nullptr || row.need == Need::Always ||
            (fromAtlas && row.atlasFills && !line.given(row.id))) {
            continue;
        }
        if (Result<> applied = row.apply(row, line.text(row.id), line.given(row.id), entry);
            !applied) {
            return applied.fault();
        }
    }
    if (city) {
        // Chosen again after --lat and --lon, whose hemisphere the notes depend on.
        const bool zoneGiven = line.given(Flag::Zone);
        PlaceFill fill = RechooseZone(city->ianaZone, entry);
        if (!zoneGiven) {
            entry.zoneIndex = fill.entry.zoneIndex;
        }
        place = PlaceRequest{*city, std::move(fill.zone), zoneGiven, {}};
        const std::pair<Flag, const char*> overrides[] = {
            {Flag::City, "city"},    {Flag::State, "state"},   {Flag::Country, "country"},
            {Flag::Lat, "latitude"}, {Flag::Lon, "longitude"}, {Flag::Zone, "zone_row"}};
        for (const auto& [flag, key] : overrides) {
            if (line.given(flag)) {
                place->overridden.emplace_back(key);
            }
        }
    }
    entry.dst = line.on(Flag::Dst);
    return entry;
}

// --positions and --ayanamsa; each left out keeps its default.
Result<> ApplyPositions(const CommandLine& line, PositionsChoice& choice) {
    if (line.given(Flag::Positions)) {
        const std::optional<PositionsMode> mode = PositionsModeNamed(line.text(Flag::Positions));
        if (!mode) {
            return RefuseValue(RowOf(Flag::Positions), line.text(Flag::Positions));
        }
        choice.mode = *mode;
    }
    if (line.given(Flag::Ayanamsa)) {
        const std::optional<AyanamsaKind> kind = AyanamsaNamed(line.text(Flag::Ayanamsa));
        if (!kind) {
            return RefuseValue(RowOf(Flag::Ayanamsa), line.text(Flag::Ayanamsa));
        }
        choice.ayanamsa = *kind;
    }
    return Success();
}

// Whether an argument is one of the flags, alone or with its value after "=".
bool IsKnownFlag(std::string_view arg) {
    const std::string_view name = arg.substr(0, arg.find('='));
    return name == "--help" || name == "-h" || FindRow(name) != nullptr;
}

// A flag that takes a value followed straight by another flag: CLI11 would take the second flag
// as the value and complain about what follows, far from the real mistake.
Result<> EveryValueGiven(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        const std::string_view flag = args[i];
        if (flag == "--") {
            break; // only file names after it
        }
        const FlagRow* row = FindRow(flag);
        if (row != nullptr && TakesValue(*row) && args[i + 1].starts_with("--") &&
            IsKnownFlag(args[i + 1])) {
            return Fault{std::string(flag) + " expects " + std::string(row->summary.expects) +
                         "; its value is missing before " + Quoted(args[i + 1])};
        }
    }
    return Success();
}

} // namespace

std::vector<FlagSummary> CommandLineFlags() {
    std::vector<FlagSummary> flags;
    for (const FlagRow& row : kFlags) {
        flags.push_back(row.summary);
    }
    return flags;
}

Result<CommandRequest> ParseCommandLine(const std::vector<std::string>& args) {
    if (const Result<> given = EveryValueGiven(args); !given) {
        return given.fault();
    }
    CommandLine line;
    CommandRequest request;
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend()); // CLI11 pops from the back
        line.app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        request.mode = RunMode::Help;
        request.helpText = line.app.help();
        return request;
    } catch (const CLI::ParseError& error) {
        return Fault{ParseErrorLine(error)};
    }
    request.json = line.on(Flag::Json);
    const bool positionsGiven = line.given(Flag::Positions) || line.given(Flag::Ayanamsa);
    if (line.given(Flag::Places)) {
        if (line.anyBirthFlag() || line.on(Flag::Zones) || line.given(Flag::Json) ||
            positionsGiven || !line.files.empty() || line.given(Flag::Pdf) ||
            line.given(Flag::ChartSvg) || line.given(Flag::ChartStyle)) {
            return Fault{"--places takes no other flags"};
        }
        request.mode = RunMode::Places;
        request.placesPrefix = line.text(Flag::Places);
        return request;
    }
    for (const auto& [flag, path] : {std::pair{Flag::Pdf, &CommandRequest::pdfPath},
                                     std::pair{Flag::ChartSvg, &CommandRequest::svgPath}}) {
        if (line.given(flag)) {
            if (line.text(flag).empty()) {
                return RefuseValue(RowOf(flag), line.text(flag));
            }
            request.*path = line.text(flag);
        }
    }
    if (line.given(Flag::ChartStyle)) {
        const auto style = ChartStyleOfWord(line.text(Flag::ChartStyle));
        if (!style) {
            return RefuseValue(RowOf(Flag::ChartStyle), line.text(Flag::ChartStyle));
        }
        request.chartStyle = *style;
    }
    if (line.given(Flag::Language)) {
        bool known = false;
        request.language = LanguageOfCode(line.text(Flag::Language), &known);
        if (!known) {
            return RefuseValue(RowOf(Flag::Language), line.text(Flag::Language));
        }
    }
    if (line.on(Flag::Zones)) {
        if (line.anyBirthFlag() || line.given(Flag::Json) || !line.files.empty() ||
            request.pdfPath || request.svgPath || line.given(Flag::ChartStyle) || positionsGiven) {
            return Fault{"--zones takes no other flags"};
        }
        request.mode = RunMode::Zones;
        return request;
    }
    if (const Result<> chosen = ApplyPositions(line, request.positions); !chosen) {
        return chosen.fault();
    }
    if (!line.files.empty()) {
        if (line.anyBirthFlag()) {
            return Fault{"FILE.kvr arguments take no birth flags or --save (only --json)"};
        }
        if ((request.pdfPath || request.svgPath) && line.files.size() != 1) {
            return Fault{"--pdf and --chart-svg take a single FILE.kvr argument"};
        }
        request.mode = RunMode::Files;
        request.files = line.files;
        return request;
    }
    if (!line.anyBirthFlag()) {
        return Fault{"expects the birth flags (--date, --time, --zone, --lat, --lon, or --place "
                     "for the last three), FILE.kvr arguments, --zones or --places; see --help"};
    }
    request.mode = RunMode::Flags;
    if (line.given(Flag::Save)) {
        if (!HasChartExtension(line.text(Flag::Save))) {
            return RefuseValue(RowOf(Flag::Save), line.text(Flag::Save));
        }
        request.savePath = line.text(Flag::Save);
    }
    Result<EntryForm> entry = EntryFromFlags(line, request.place);
    if (!entry) {
        return entry.fault();
    }
    request.entry = std::move(entry).value();
    return request;
}

} // namespace kovrel
