#include "cli/CommandLine.h"

#include "app/ChartFormat.h"
#include "app/EntryValidation.h"
#include "app/TimeZoneCatalog.h"
#include "common/Text.h"
#include "places/PlaceEntry.h"
#include "places/PlaceQuery.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>
#include <tuple>
#include <utility>

namespace kovrel {

namespace {

constexpr std::string_view kProgram = "kovrel-reading";

// A text flag left out is filled with this, so that a reading needs only the date, time, zone
// and place; the window itself insists on all four texts, and so does the tool when one is given
// empty.
constexpr std::string_view kOmittedText = "Unknown";

// What each flag expects, for the one-line usage errors.
struct FlagExpectation {
    std::string_view flag;
    std::string_view expects;
};
constexpr FlagExpectation kExpectations[] = {
    {"--zones", "no value and no other flags"},
    {"--zone", "a row number 0 to 69 or an abbreviation such as IST (see --zones)"},
    {"--date", "YYYY-MM-DD with a year from 1901 to 2050"},
    {"--time", "HH:MM with hours 0 to 24 and minutes 0 to 59"},
    {"--lat", "DD:MM followed by N or S, degrees and minutes of 1 to 3 digits"},
    {"--lon", "DDD:MM followed by E or W, degrees and minutes of 1 to 3 digits"},
    {"--name", "only letters A-Z, a-z and blanks"},
    {"--city", "only letters A-Z, a-z and blanks"},
    {"--state", "only letters A-Z, a-z and blanks"},
    {"--country", "only letters A-Z, a-z and blanks"},
    {"--save", "a file name ending in kvr, followed by the birth flags"},
    {"--places", "the start of a city's name, and no other flags"},
    {"--place", "\"City\", \"City, State\" or \"City, State, Country\" from the atlas"},
    {"--pdf", "a file name for the printed reading"},
    {"--chart-svg", "a file name for the chart picture"},
    {"--dst", "no value"},
    {"--json", "no value"},
};

std::string_view ExpectationOf(std::string_view flag) {
    for (const FlagExpectation& e : kExpectations) {
        if (e.flag == flag) {
            return e.expects;
        }
    }
    return {};
}

// The offending value, quoted, with control characters masked so the error stays on one line.
std::string Quoted(std::string_view value) {
    return "\"" + MaskControlCharacters(value) + "\"";
}

Fault RefuseValue(std::string_view flag, std::string_view value) {
    return Fault{std::string(flag) + " expects " + std::string(ExpectationOf(flag)) + "; got " +
                 Quoted(value)};
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

Result<> ApplyDate(std::string_view value, EntryForm& entry) {
    const auto parts = Parts(value, '-');
    if (parts.size() != 3) {
        return RefuseValue("--date", value);
    }
    const int year = ListPosition(EntryList::Year, Digits(parts[0], 4, 4));
    const std::optional<int> month = Digits(parts[1], 1, 2);
    const int day = ListPosition(EntryList::Day, Digits(parts[2], 1, 2));
    if (year < 0 || !month || *month < 1 || *month > 12 || day < 0) {
        return RefuseValue("--date", value);
    }
    entry.yearIndex = year;
    entry.monthIndex = *month - 1;
    entry.dayIndex = day;
    return Success();
}

Result<> ApplyTime(std::string_view value, EntryForm& entry) {
    const auto parts = Parts(value, ':');
    const int hour = parts.size() == 2 ? ListPosition(EntryList::Hour, Digits(parts[0], 1, 2)) : -1;
    const int minute =
        parts.size() == 2 ? ListPosition(EntryList::Minute, Digits(parts[1], 1, 2)) : -1;
    if (hour < 0 || minute < 0) {
        return RefuseValue("--time", value);
    }
    entry.hourIndex = hour;
    entry.minuteIndex = minute;
    return Success();
}

Result<> ApplyZone(std::string_view value, EntryForm& entry) {
    if (AllDigits(value)) {
        const std::optional<int> row = Digits(value, 1, 2);
        if (!row || !FindZoneRow(*row)) {
            return RefuseValue("--zone", value);
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
        return RefuseValue("--zone", value);
    }
    if (rows.size() > 1) {
        // NST is both Newfoundland and North Sumatra: guessing would shift the birth by hours.
        std::string listed;
        for (int row : rows) {
            listed += (listed.empty() ? "" : ", ") + std::to_string(row) + " \"" +
                      std::string(ZoneRowText(row)) + "\"";
        }
        return Fault{"--zone " + Quoted(value) + " names several rows: " + listed +
                     "; give the row number"};
    }
    entry.zoneIndex = rows.front();
    return Success();
}

// "DD:MM" plus one hemisphere letter; the digits are kept as typed, as the window's boxes keep
// them. No range check: the window has none either.
template <typename Choice>
Result<> ApplyAngle(std::string_view flag, std::string_view value, char first, Choice firstChoice,
                    char second, Choice secondChoice, std::string& degrees, std::string& minutes,
                    Choice& choice) {
    const char hemisphere =
        value.empty() ? '\0'
                      : static_cast<char>(std::toupper(static_cast<unsigned char>(value.back())));
    const auto parts = Parts(value.substr(0, value.empty() ? 0 : value.size() - 1), ':');
    if ((hemisphere != first && hemisphere != second) || parts.size() != 2 ||
        !Digits(parts[0], 1, 3) || !Digits(parts[1], 1, 3)) {
        return RefuseValue(flag, value);
    }
    degrees = std::string(parts[0]);
    minutes = std::string(parts[1]);
    choice = hemisphere == first ? firstChoice : secondChoice;
    return Success();
}

Result<> ApplyText(std::string_view flag, const CLI::Option* option, const std::string& value,
                   std::string& field) {
    if (option->count() == 0) {
        field = std::string(kOmittedText);
        return Success();
    }
    if (!LettersOnlyText(value)) {
        return RefuseValue(flag, value);
    }
    field = value;
    return Success();
}

// The message for a command line CLI11 itself refused, naming the flag it is about.
std::string ParseErrorLine(const CLI::ParseError& error) {
    const std::string what = error.what();
    for (const FlagExpectation& e : kExpectations) {
        for (std::size_t at = what.find(e.flag); at != std::string::npos;
             at = what.find(e.flag, at + 1)) {
            const std::size_t end = at + e.flag.size();
            if (end == what.size() || !std::isalnum(static_cast<unsigned char>(what[end]))) {
                if (what.find("At Most") != std::string::npos) {
                    return std::string(e.flag) + " is given more than once; it expects, once, " +
                           std::string(e.expects);
                }
                return std::string(e.flag) + " expects " + std::string(e.expects) + " (" + what +
                       ")";
            }
        }
    }
    return what + "; see --help";
}

struct CommandLine {
    CLI::App app{"Planetary relationships reading of a birth, without the window.",
                 std::string(kProgram)};
    std::string date, time, zone, lat, lon, name, city, state, country, save, place, places, pdf,
        svg;
    bool dst = false;
    bool json = false;
    bool zones = false;
    std::vector<std::string> files;

    CLI::Option* dateOption;
    CLI::Option* timeOption;
    CLI::Option* zoneOption;
    CLI::Option* latOption;
    CLI::Option* lonOption;
    CLI::Option* dstOption;
    CLI::Option* nameOption;
    CLI::Option* cityOption;
    CLI::Option* stateOption;
    CLI::Option* countryOption;
    CLI::Option* saveOption;
    CLI::Option* jsonOption;
    CLI::Option* placeOption;
    CLI::Option* placesOption;
    CLI::Option* pdfOption;
    CLI::Option* svgOption;

    CommandLine() {
        app.set_help_flag("-h,--help", "Show this help and exit");
        dateOption = app.add_option("--date", date, "Birth date (years 1901 to 2050)")
                         ->type_name("YYYY-MM-DD");
        timeOption =
            app.add_option("--time", time, "Local clock time (hours 0 to 24)")->type_name("HH:MM");
        zoneOption =
            app.add_option("--zone", zone, "Time zone: row number 0..69 or abbreviation (IST)")
                ->type_name("N|ABBR");
        latOption =
            app.add_option("--lat", lat, "Latitude, e.g. 28:36N (up to 3 digits each, unchecked)")
                ->type_name("DD:MMN|S");
        lonOption =
            app.add_option("--lon", lon, "Longitude, e.g. 77:12E (up to 3 digits each, unchecked)")
                ->type_name("DDD:MME|W");
        dstOption = app.add_flag("--dst", dst, "The clock time was daylight saving time");
        nameOption = app.add_option("--name", name, "Name (letters and blanks)")->type_name("TEXT");
        cityOption = app.add_option("--city", city, "City (letters and blanks)")->type_name("TEXT");
        stateOption =
            app.add_option("--state", state, "State (letters and blanks)")->type_name("TEXT");
        countryOption =
            app.add_option("--country", country, "Country (letters and blanks)")->type_name("TEXT");
        placeOption = app.add_option("--place", place,
                                     "Birth place from the atlas: fills latitude, longitude, city, "
                                     "state, country and the zone")
                          ->type_name("\"CITY[, STATE[, COUNTRY]]\"");
        placesOption = app.add_option("--places", places,
                                      "List the atlas places whose name starts so and exit")
                           ->type_name("PREFIX");
        pdfOption = app.add_option("--pdf", pdf, "Also write the printed reading as a PDF file")
                        ->type_name("FILE.pdf");
        svgOption =
            app.add_option("--chart-svg", svg, "Also write the rasi chart as an SVG picture")
                ->type_name("FILE.svg");
        jsonOption = app.add_flag("--json", json, "One JSON object per reading, one per line");
        app.add_flag("--zones", zones, "List the 70 time-zone rows and exit");
        saveOption = app.add_option("--save", save,
                                    "Also write the entry as a saved reading the window opens")
                         ->type_name("FILE.kvr");
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
            "from flags or of a single saved reading; the reading is printed as well.\n"
            "\n"
            "Every entry passes the window's own checks before it is calculated, and a saved\n"
            "reading is opened exactly as the window opens it.\n"
            "\n"
            "Exit status: 0 all readings printed; 1 an entry, file or save was refused (its\n"
            "message on stderr, or {\"file\": ..., \"error\": ...} on stdout with --json);\n"
            "2 a malformed or missing flag.");
    }

    bool anyBirthFlag() const {
        for (const CLI::Option* option :
             {dateOption, timeOption, zoneOption, latOption, lonOption, dstOption, nameOption,
              cityOption, stateOption, countryOption, saveOption, placeOption}) {
            if (option->count() > 0) {
                return true;
            }
        }
        return false;
    }
};

// The entry the birth flags describe, as the entry panel would hold it. With --place, what the
// atlas gives is filled in first and the flags given as well are applied over it, as a user
// would correct the boxes after choosing a place.
Result<EntryForm> EntryFromFlags(const CommandLine& line, std::optional<PlaceRequest>& place) {
    const bool fromAtlas = line.placeOption->count() > 0;
    std::vector<std::pair<std::string_view, const CLI::Option*>> required = {
        {"--date", line.dateOption}, {"--time", line.timeOption}};
    if (!fromAtlas) {
        required.insert(
            required.end(),
            {{"--zone", line.zoneOption}, {"--lat", line.latOption}, {"--lon", line.lonOption}});
    }
    for (const auto& [flag, option] : required) {
        if (option->count() == 0) {
            return Fault{std::string(flag) + " is missing; it expects " +
                         std::string(ExpectationOf(flag))};
        }
    }
    EntryForm entry;
    if (Result<> date = ApplyDate(line.date, entry); !date) {
        return date.fault();
    }
    if (Result<> time = ApplyTime(line.time, entry); !time) {
        return time.fault();
    }
    std::optional<AtlasCity> city;
    if (fromAtlas) {
        const Result<AtlasCity> found = ResolvePlace(line.place);
        if (!found) {
            return Fault{"--place " + Quoted(line.place) + ": " + found.fault().message};
        }
        city = *found;
        entry = FillEntryFromCity(*city, entry).entry;
        if (entry.state.empty()) {
            // Not every atlas city has a state, but the window refuses an empty box.
            entry.state = std::string(kOmittedText);
        }
    }
    const auto given = [&](const CLI::Option* option) { return !fromAtlas || option->count() > 0; };
    std::vector<Result<>> steps;
    if (given(line.zoneOption)) {
        steps.push_back(ApplyZone(line.zone, entry));
    }
    if (given(line.latOption)) {
        steps.push_back(ApplyAngle("--lat", line.lat, 'N', LatitudeChoice::North, 'S',
                                   LatitudeChoice::South, entry.latDeg, entry.latMin,
                                   entry.latitude));
    }
    if (given(line.lonOption)) {
        steps.push_back(ApplyAngle("--lon", line.lon, 'E', LongitudeChoice::East, 'W',
                                   LongitudeChoice::West, entry.lonDeg, entry.lonMin,
                                   entry.longitude));
    }
    steps.push_back(ApplyText("--name", line.nameOption, line.name, entry.name));
    const std::tuple<std::string_view, const CLI::Option*, const std::string*, std::string*>
        texts[] = {{"--city", line.cityOption, &line.city, &entry.city},
                   {"--state", line.stateOption, &line.state, &entry.state},
                   {"--country", line.countryOption, &line.country, &entry.country}};
    for (const auto& [flag, option, value, field] : texts) {
        if (given(option)) {
            steps.push_back(ApplyText(flag, option, *value, *field));
        }
    }
    // The first flag in this order that is refused is the one reported.
    for (const Result<>& step : steps) {
        if (!step) {
            return step.fault();
        }
    }
    if (city) {
        // Chosen again after --lat and --lon, whose hemisphere the notes depend on.
        const bool zoneGiven = line.zoneOption->count() > 0;
        PlaceFill fill = RechooseZone(city->ianaZone, entry);
        if (!zoneGiven) {
            entry.zoneIndex = fill.entry.zoneIndex;
        }
        place = PlaceRequest{*city, std::move(fill.zone), zoneGiven};
    }
    entry.dst = line.dst;
    return entry;
}

// Whether an argument is one of the flags, alone or with its value after "=".
bool IsKnownFlag(std::string_view arg) {
    const std::string_view name = arg.substr(0, arg.find('='));
    return name == "--help" || name == "-h" || !ExpectationOf(name).empty();
}

// A flag that takes a value followed straight by another flag: CLI11 would take the second flag
// as the value and complain about what follows, far from the real mistake.
Result<> EveryValueGiven(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        const std::string_view flag = args[i];
        if (flag == "--") {
            break; // only file names after it
        }
        const bool takesValue = flag != "--dst" && flag != "--json" && flag != "--zones" &&
                                !ExpectationOf(flag).empty();
        if (takesValue && args[i + 1].starts_with("--") && IsKnownFlag(args[i + 1])) {
            return Fault{std::string(flag) + " expects " + std::string(ExpectationOf(flag)) +
                         "; its value is missing before " + Quoted(args[i + 1])};
        }
    }
    return Success();
}

} // namespace

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
    request.json = line.json;
    if (line.placesOption->count() > 0) {
        if (line.anyBirthFlag() || line.zones || line.jsonOption->count() > 0 ||
            !line.files.empty() || line.pdfOption->count() > 0 || line.svgOption->count() > 0) {
            return Fault{"--places takes no other flags"};
        }
        request.mode = RunMode::Places;
        request.placesPrefix = line.places;
        return request;
    }
    if (line.pdfOption->count() > 0) {
        if (line.pdf.empty()) {
            return RefuseValue("--pdf", line.pdf);
        }
        request.pdfPath = line.pdf;
    }
    if (line.svgOption->count() > 0) {
        if (line.svg.empty()) {
            return RefuseValue("--chart-svg", line.svg);
        }
        request.svgPath = line.svg;
    }
    if (line.zones) {
        if (line.anyBirthFlag() || line.jsonOption->count() > 0 || !line.files.empty() ||
            request.pdfPath || request.svgPath) {
            return Fault{"--zones takes no other flags"};
        }
        request.mode = RunMode::Zones;
        return request;
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
    if (line.saveOption->count() > 0) {
        if (!HasChartExtension(line.save)) {
            return RefuseValue("--save", line.save);
        }
        request.savePath = line.save;
    }
    Result<EntryForm> entry = EntryFromFlags(line, request.place);
    if (!entry) {
        return entry.fault();
    }
    request.entry = std::move(entry).value();
    return request;
}

} // namespace kovrel
