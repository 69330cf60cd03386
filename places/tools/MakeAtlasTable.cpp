// Build step: turns the GeoNames files (cities15000.txt, admin1Codes.txt, countryInfo.txt) into
// AtlasData.cpp, a table compiled into the program, so that nothing is read at run time.
//
//   kovrel_make_atlas CITIES ADMIN1 COUNTRIES OUTPUT
#include "places/AtlasData.h"
#include "places/PlaceText.h"
#include "places/ZoneCorrections.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

bool ReadLines(const char* path, std::vector<std::string>& lines) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "kovrel_make_atlas: cannot read " << path << '\n';
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return true;
}

// "18.51957" -> 1851957: decimal degrees to hundred-thousandths without a detour through binary
// fractions, so the table holds exactly the published figure.
bool DegreesE5(std::string_view text, std::int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    const auto dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    std::string fraction(dot == std::string_view::npos ? "" : text.substr(dot + 1));
    if (fraction.size() > 5) {
        fraction.resize(5); // GeoNames gives at most five places
    }
    fraction.append(5 - fraction.size(), '0');
    std::int64_t w = 0;
    std::int64_t f = 0;
    if (whole.empty() ||
        std::from_chars(whole.data(), whole.data() + whole.size(), w).ec != std::errc{} ||
        std::from_chars(fraction.data(), fraction.data() + fraction.size(), f).ec != std::errc{}) {
        return false;
    }
    const std::int64_t magnitude = w * 100000 + f;
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

// Alternate names are kept for cities of at least this many people: their former names and the
// names other languages give them are the ones people still write (Bombay, Peking, Saigon,
// Cologne); below it the column holds little but other languages' spellings of the name itself,
// which would double the table.
constexpr std::uint32_t kAlternateNamesFrom = 100000;

// Postal abbreviations of the Canadian provinces and Australian states, by GeoNames admin1 code;
// the United States' admin1 codes are their postal abbreviations already.
struct Abbreviation {
    std::string_view code;
    std::string_view abbreviation;
};
constexpr Abbreviation kAbbreviations[] = {
    {"CA.01", "AB"}, {"CA.02", "BC"},  {"CA.03", "MB"}, {"CA.04", "NB"},  {"CA.05", "NL"},
    {"CA.07", "NS"}, {"CA.08", "ON"},  {"CA.09", "PE"}, {"CA.10", "QC"},  {"CA.11", "SK"},
    {"CA.12", "YT"}, {"CA.13", "NT"},  {"CA.14", "NU"}, {"AU.01", "ACT"}, {"AU.02", "NSW"},
    {"AU.03", "NT"}, {"AU.04", "QLD"}, {"AU.05", "SA"}, {"AU.06", "TAS"}, {"AU.07", "VIC"},
    {"AU.08", "WA"},
};

std::string_view AbbreviationOf(std::string_view admin1Code) {
    if (admin1Code.size() == 5 && admin1Code.substr(0, 3) == "US.") {
        return admin1Code.substr(3);
    }
    for (const Abbreviation& a : kAbbreviations) {
        if (a.code == admin1Code) {
            return a.abbreviation;
        }
    }
    return {};
}

// The letters-only form of a GeoNames name for the entry boxes, and the name as shown: the real
// name when it is written in Latin letters (so "Köln", not the ASCII form "Koeln"), else the
// ASCII form.
struct NameForms {
    std::string letters;
    std::string shown;
};

NameForms FormsOf(std::string_view name, std::string_view ascii) {
    if (!name.empty() && kovrel::WrittenInLatin(name)) {
        std::string letters = kovrel::LettersOnlyName(name);
        if (!letters.empty()) {
            return {std::move(letters), std::string(name)};
        }
    }
    std::string letters = kovrel::LettersOnlyName(ascii.empty() ? name : ascii);
    return {letters, letters};
}

struct State {
    std::string name, shown, ascii, abbreviation;
    auto operator<=>(const State&) const = default;
};

// Whether an alternate name is one a person would type rather than a code ("NYC", "BOM") or a
// romanisation GeoNames writes in lower case.
bool TypableAlternate(std::string_view alternate) {
    if (alternate.empty() || !kovrel::WrittenInLatin(alternate) ||
        std::any_of(alternate.begin(), alternate.end(),
                    [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const std::string letters = kovrel::LettersOnlyName(alternate);
    if (letters.empty() || letters.size() > 255 || letters[0] < 'A' || letters[0] > 'Z') {
        return false;
    }
    const bool allCapitals =
        std::none_of(letters.begin(), letters.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    return !(allCapitals && letters.size() <= 5);
}

// Whether `key` holds `part` as whole words after its first word: "gorad mumbai" (Belarusian
// for "city of Mumbai") holds "mumbai".
bool HoldsLater(std::string_view key, std::string_view part) {
    for (std::size_t at = key.find(' '); at != std::string_view::npos; at = key.find(' ', at + 1)) {
        const std::string_view rest = key.substr(at + 1);
        if (rest.substr(0, part.size()) == part &&
            (rest.size() == part.size() || rest[part.size()] == ' ')) {
            return true;
        }
    }
    return false;
}

struct OtherName {
    std::string key;
    std::uint8_t kind;
};

// The names besides its own that find a city, as search keys: the ASCII form, the other
// spelling of "St"/"Saint", and for a large city its alternate names.
std::vector<OtherName> OtherNamesOf(const std::vector<std::string_view>& f,
                                    const std::string& letters, std::uint32_t population) {
    const std::string ownKey = kovrel::SearchKey(letters);
    std::vector<OtherName> names;
    const auto add = [&](std::string key, kovrel::atlas::OtherNameKind kind) {
        const bool known = key == ownKey || std::any_of(names.begin(), names.end(),
                                                        [&](auto& n) { return n.key == key; });
        if (!key.empty() && key.size() <= 255 && !known) {
            names.push_back({std::move(key), static_cast<std::uint8_t>(kind)});
        }
    };
    using kovrel::atlas::OtherNameKind;
    const std::string asciiLetters = kovrel::LettersOnlyName(f[2]);
    add(kovrel::SearchKey(asciiLetters), OtherNameKind::Spelling);
    add(kovrel::SearchKey(kovrel::OtherSaintSpelling(letters)), OtherNameKind::Spelling);
    add(kovrel::SearchKey(kovrel::OtherSaintSpelling(asciiLetters)), OtherNameKind::Spelling);
    if (population < kAlternateNamesFrom) {
        return names;
    }
    const std::size_t spellings = names.size();
    std::size_t start = 0;
    const std::string_view column = f[3];
    while (start < column.size()) {
        const std::size_t comma = std::min(column.find(',', start), column.size());
        const std::string_view alternate = column.substr(start, comma - start);
        start = comma + 1;
        if (TypableAlternate(alternate)) {
            add(kovrel::SearchKey(alternate), OtherNameKind::Alternate);
        }
    }
    // "City of Mumbai" in another language adds nothing to a search for Mumbai.
    const auto builtOnAnother = [&](const OtherName& n) {
        if (HoldsLater(n.key, ownKey)) {
            return true;
        }
        return std::any_of(names.begin(), names.end(), [&](const OtherName& other) {
            return &other != &n && HoldsLater(n.key, other.key);
        });
    };
    std::vector<OtherName> kept(names.begin(), names.begin() + static_cast<long>(spellings));
    for (std::size_t k = spellings; k < names.size(); ++k) {
        if (!builtOnAnother(names[k])) {
            kept.push_back(names[k]);
        }
    }
    return kept;
}

struct City {
    std::string name;
    std::string key;
    std::string shown; // empty when it is `name`
    std::int32_t latitude = 0;
    std::int32_t longitude = 0;
    std::uint32_t population = 0;
    std::size_t state = 0;
    std::size_t country = 0;
    std::size_t zone = 0;
    std::vector<OtherName> otherNames;
};

// Index of `text` in a pool of distinct texts, adding it when new.
template <typename T>
std::size_t Intern(std::vector<T>& pool, std::map<T, std::size_t>& index, const T& text) {
    const auto [it, added] = index.emplace(text, pool.size());
    if (added) {
        pool.push_back(text);
    }
    return it->second;
}

// A C++ string literal of any bytes: UTF-8 and quotes as octal escapes, which never run into
// the character after them.
std::string Literal(std::string_view bytes) {
    std::string text = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || byte < 0x20 || c == '"' || c == '\\' || c == '?') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            text += escape;
        } else {
            text += c;
        }
    }
    return text + "\"";
}

// A pool of texts written as one literal in lines of about 90 bytes.
void WritePool(std::ostream& out, const char* name, const std::string& pool) {
    out << "constexpr std::string_view " << name << " =\n";
    for (std::size_t at = 0; at < pool.size(); at += 90) {
        out << "    " << Literal(std::string_view(pool).substr(at, 90)) << '\n';
    }
    if (pool.empty()) {
        out << "    \"\"\n";
    }
    out << "    \"\";\n\n";
}

void WriteStringArray(std::ostream& out, const char* name, const std::vector<std::string>& items) {
    out << "constexpr std::string_view " << name << "[] = {\n";
    for (const auto& item : items) {
        out << "    " << Literal(item) << ",\n";
    }
    out << "};\n\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: kovrel_make_atlas CITIES ADMIN1 COUNTRIES OUTPUT\n";
        return 2;
    }
    std::vector<std::string> cityLines, admin1Lines, countryLines;
    if (!ReadLines(argv[1], cityLines) || !ReadLines(argv[2], admin1Lines) ||
        !ReadLines(argv[3], countryLines)) {
        return 1;
    }
    using kovrel::atlas::OtherNameKind;

    // admin1Codes.txt: "IN.16<TAB>Mahārāshtra<TAB>Maharashtra<TAB>geonameid"
    std::map<std::string, State, std::less<>> admin1States;
    for (const auto& line : admin1Lines) {
        const auto f = SplitTabs(line);
        if (f.size() >= 3) {
            NameForms forms = FormsOf(f[1], f[2]);
            std::string ascii = kovrel::LettersOnlyName(f[2]);
            if (kovrel::SameName(ascii, forms.letters)) {
                ascii.clear();
            }
            admin1States.emplace(std::string(f[0]),
                                 State{std::move(forms.letters), std::move(forms.shown),
                                       std::move(ascii), std::string(AbbreviationOf(f[0]))});
        }
    }

    // countryInfo.txt: comment lines start with '#'; field 0 the code, field 4 the name.
    std::vector<std::string> countryCodes, countryNames;
    std::map<std::string, std::size_t, std::less<>> countryIndex;
    for (const auto& line : countryLines) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const auto f = SplitTabs(line);
        if (f.size() >= 5 && f[0].size() == 2) {
            countryIndex.emplace(std::string(f[0]), countryCodes.size());
            countryCodes.emplace_back(f[0]);
            countryNames.push_back(kovrel::LettersOnlyName(f[4]));
        }
    }
    if (countryCodes.size() > 255) {
        std::cerr << "kovrel_make_atlas: more countries than the table's one-byte index\n";
        return 1;
    }

    std::vector<State> states{State{}};
    std::map<State, std::size_t> stateIndex{{State{}, 0}};
    std::vector<std::string> zones;
    std::map<std::string, std::size_t> zoneIndex;
    std::vector<City> cities;
    std::size_t corrected = 0;
    for (const auto& line : cityLines) {
        // 1 name, 2 asciiname, 3 alternatenames, 4 latitude, 5 longitude, 8 country, 10 admin1,
        // 14 population, 17 timezone (0-based fields of the GeoNames "geoname" table).
        const auto f = SplitTabs(line);
        if (f.size() < 18) {
            continue;
        }
        City city;
        NameForms forms = FormsOf(f[1], f[2]);
        city.name = std::move(forms.letters);
        if (forms.shown != city.name) {
            city.shown = std::move(forms.shown);
        }
        const auto country = countryIndex.find(f[8]);
        if (city.name.empty() || city.name.size() > 255 || country == countryIndex.end() ||
            !DegreesE5(f[4], city.latitude) || !DegreesE5(f[5], city.longitude) || f[17].empty()) {
            continue;
        }
        city.key = kovrel::SearchKey(city.name);
        std::from_chars(f[14].data(), f[14].data() + f[14].size(), city.population);
        city.otherNames = OtherNamesOf(f, city.name, city.population);
        city.country = country->second;
        const auto admin1 = admin1States.find(std::string(f[8]) + "." + std::string(f[10]));
        city.state =
            Intern(states, stateIndex, admin1 == admin1States.end() ? State{} : admin1->second);
        const std::string_view zone = kovrel::CorrectedZone(f[8], f[10], f[2], f[17]);
        corrected += zone != f[17] ? 1 : 0;
        city.zone = Intern(zones, zoneIndex, std::string(zone));
        cities.push_back(std::move(city));
    }
    const bool stateTooLong = std::any_of(states.begin(), states.end(), [](const State& s) {
        return std::max({s.name.size(), s.shown.size(), s.ascii.size()}) > 255;
    });
    if (cities.empty() || cities.size() > 65535 || states.size() > 65535 || zones.size() > 65535 ||
        stateTooLong) {
        std::cerr
            << "kovrel_make_atlas: no cities read, too many cities, states or zones, or a state "
               "name too long\n";
        return 1;
    }
    std::stable_sort(cities.begin(), cities.end(), [](const City& a, const City& b) {
        if (a.key != b.key) {
            return a.key < b.key;
        }
        return a.population > b.population;
    });

    std::ostringstream out;
    out << "// Generated by kovrel_make_atlas from GeoNames data (https://www.geonames.org/,\n"
           "// CC BY 4.0): "
        << cities.size() << " cities of 15,000 people or more, " << corrected
        << " zones corrected. Do not edit.\n"
           "#include \"places/AtlasData.h\"\n\n"
           "namespace kovrel::atlas {\n\nnamespace {\n\n";

    std::string namePool;
    std::vector<std::uint32_t> offsets;
    for (const auto& city : cities) {
        offsets.push_back(static_cast<std::uint32_t>(namePool.size()));
        namePool += city.name;
    }
    WritePool(out, "kNamePool", namePool);

    // Shown names, by city: the cities are in name order, so these are too.
    std::string shownPool;
    out << "constexpr ShownNameRecord kShownNames[] = {\n";
    for (std::size_t k = 0; k < cities.size(); ++k) {
        if (!cities[k].shown.empty()) {
            out << "    {" << k << ", " << cities[k].shown.size() << ", " << shownPool.size()
                << "},\n";
            shownPool += cities[k].shown;
        }
    }
    out << "};\n\n";
    WritePool(out, "kShownPool", shownPool);

    // Other names, sorted by their key, the most populous city first.
    struct OtherNameEntry {
        std::string_view key;
        std::size_t city;
        std::uint8_t kind;
    };
    std::vector<OtherNameEntry> otherNames;
    for (std::size_t k = 0; k < cities.size(); ++k) {
        for (const OtherName& n : cities[k].otherNames) {
            otherNames.push_back({n.key, k, n.kind});
        }
    }
    std::stable_sort(otherNames.begin(), otherNames.end(), [&](const auto& a, const auto& b) {
        if (a.key != b.key) {
            return a.key < b.key;
        }
        return cities[a.city].population > cities[b.city].population;
    });
    std::string otherPool;
    out << "constexpr OtherNameRecord kOtherNames[] = {\n";
    for (const OtherNameEntry& n : otherNames) {
        out << "    {" << otherPool.size() << ", " << n.city << ", " << n.key.size() << ", "
            << static_cast<int>(n.kind) << "},\n";
        otherPool += n.key;
    }
    out << "};\n\n";
    WritePool(out, "kOtherNamePool", otherPool);

    std::string statePool;
    out << "constexpr StateRecord kStateRecords[] = {\n";
    for (const State& state : states) {
        const std::string shown = state.shown == state.name ? "" : state.shown;
        out << "    {" << statePool.size() << ", " << state.name.size() << ", " << shown.size()
            << ", " << state.ascii.size() << ", " << state.abbreviation.size() << "},\n";
        statePool += state.name + shown + state.ascii + state.abbreviation;
    }
    out << "};\n\n";
    WritePool(out, "kStatePool", statePool);

    WriteStringArray(out, "kZones", zones);
    out << "constexpr CountryRecord kCountries[] = {\n";
    for (std::size_t k = 0; k < countryCodes.size(); ++k) {
        out << "    {\"" << countryCodes[k] << "\", " << Literal(countryNames[k]) << "},\n";
    }
    out << "};\n\n";
    out << "constexpr CityRecord kCities[] = {\n";
    for (std::size_t k = 0; k < cities.size(); ++k) {
        const City& c = cities[k];
        out << "    {" << offsets[k] << ", " << c.latitude << ", " << c.longitude << ", "
            << c.population << ", " << c.state << ", " << c.zone << ", " << c.country << ", "
            << c.name.size() << "},\n";
    }
    out << "};\n\n";
    out << "constexpr Tables kTables{kCities,     kNamePool,  kShownNames,    kShownPool,\n"
           "                        kOtherNames, kOtherNamePool, kStateRecords, kStatePool,\n"
           "                        kCountries,  kZones};\n\n"
           "} // namespace\n\n"
           "const Tables& AtlasTables() { return kTables; }\n\n"
           "} // namespace kovrel::atlas\n";

    const std::string text = out.str();
    std::ofstream file(argv[4], std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush()) {
        std::cerr << "kovrel_make_atlas: cannot write " << argv[4] << '\n';
        return 1;
    }
    return 0;
}
