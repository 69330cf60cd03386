// Build step: turns the GeoNames files (cities15000.txt, admin1Codes.txt, countryInfo.txt) into
// AtlasData.cpp, a table compiled into the program, so that nothing is read at run time.
//
//   kovrel_make_atlas CITIES ADMIN1 COUNTRIES OUTPUT
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

struct City {
    std::string name;
    std::string key;
    std::int32_t latitude = 0;
    std::int32_t longitude = 0;
    std::uint32_t population = 0;
    std::size_t state = 0;
    std::size_t country = 0;
    std::size_t zone = 0;
};

// Index of `text` in a pool of distinct texts, adding it when new.
std::size_t Intern(std::vector<std::string>& pool, std::map<std::string, std::size_t>& index,
                   const std::string& text) {
    const auto [it, added] = index.emplace(text, pool.size());
    if (added) {
        pool.push_back(text);
    }
    return it->second;
}

void WriteStringArray(std::ostream& out, const char* name, const std::vector<std::string>& items) {
    out << "constexpr std::string_view " << name << "[] = {\n";
    for (const auto& item : items) {
        out << "    \"" << item << "\",\n";
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

    // admin1Codes.txt: "IN.16<TAB>Mahārāshtra<TAB>Maharashtra<TAB>geonameid"
    std::map<std::string, std::string, std::less<>> admin1Names;
    for (const auto& line : admin1Lines) {
        const auto f = SplitTabs(line);
        if (f.size() >= 3) {
            admin1Names.emplace(std::string(f[0]), kovrel::LettersOnlyName(f[2]));
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

    std::vector<std::string> states{""}, zones;
    std::map<std::string, std::size_t> stateIndex{{"", 0}}, zoneIndex;
    std::vector<City> cities;
    std::size_t corrected = 0;
    for (const auto& line : cityLines) {
        // 1 name, 2 asciiname, 4 latitude, 5 longitude, 8 country, 10 admin1, 14 population,
        // 17 timezone (0-based fields of the GeoNames "geoname" table).
        const auto f = SplitTabs(line);
        if (f.size() < 18) {
            continue;
        }
        City city;
        city.name = kovrel::LettersOnlyName(f[2].empty() ? f[1] : f[2]);
        const auto country = countryIndex.find(f[8]);
        if (city.name.empty() || city.name.size() > 255 || country == countryIndex.end() ||
            !DegreesE5(f[4], city.latitude) || !DegreesE5(f[5], city.longitude) || f[17].empty()) {
            continue;
        }
        city.key = kovrel::SearchKey(city.name);
        std::from_chars(f[14].data(), f[14].data() + f[14].size(), city.population);
        city.country = country->second;
        const auto admin1 = admin1Names.find(std::string(f[8]) + "." + std::string(f[10]));
        city.state = Intern(states, stateIndex, admin1 == admin1Names.end() ? "" : admin1->second);
        const std::string_view zone = kovrel::CorrectedZone(f[8], f[10], f[2], f[17]);
        corrected += zone != f[17] ? 1 : 0;
        city.zone = Intern(zones, zoneIndex, std::string(zone));
        cities.push_back(std::move(city));
    }
    if (cities.empty() || states.size() > 65535 || zones.size() > 65535) {
        std::cerr << "kovrel_make_atlas: no cities read, or too many states or zones\n";
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
    out << "constexpr std::string_view kNamePool =\n";
    std::vector<std::uint32_t> offsets;
    std::uint32_t offset = 0;
    std::string piece;
    for (const auto& city : cities) {
        offsets.push_back(offset);
        offset += static_cast<std::uint32_t>(city.name.size());
        piece += city.name;
        if (piece.size() > 90) {
            out << "    \"" << piece << "\"\n";
            piece.clear();
        }
    }
    out << "    \"" << piece << "\";\n\n";
    WriteStringArray(out, "kStates", states);
    WriteStringArray(out, "kZones", zones);
    out << "constexpr CountryRecord kCountries[] = {\n";
    for (std::size_t k = 0; k < countryCodes.size(); ++k) {
        out << "    {\"" << countryCodes[k] << "\", \"" << countryNames[k] << "\"},\n";
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
    out << "constexpr Tables kTables{kCities, kNamePool, kStates, kCountries, kZones};\n\n"
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
