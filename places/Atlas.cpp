#include "places/Atlas.h"

#include "places/AtlasData.h"
#include "places/PlaceText.h"

#include <algorithm>

namespace kovrel {

namespace {

using atlas::AtlasTables;
using atlas::CityRecord;

std::string_view RecordName(const CityRecord& record) {
    return AtlasTables().namePool.substr(record.nameOffset, record.nameLength);
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares the first prefix.size() characters of a name, in lower case, with the prefix: the
// order the generator sorted the table in.
int ComparePrefix(std::string_view name, std::string_view prefix) {
    const std::size_t n = std::min(name.size(), prefix.size());
    for (std::size_t k = 0; k < n; ++k) {
        const char a = Lower(name[k]);
        if (a != prefix[k]) {
            return a < prefix[k] ? -1 : 1;
        }
    }
    return name.size() < prefix.size() ? -1 : 0;
}

// The run of records whose name starts with `key`.
std::span<const CityRecord> RunStartingWith(std::string_view key) {
    const auto cities = AtlasTables().cities;
    const auto first = std::partition_point(cities.begin(), cities.end(), [key](const auto& r) {
        return ComparePrefix(RecordName(r), key) < 0;
    });
    const auto last = std::partition_point(first, cities.end(), [key](const auto& r) {
        return ComparePrefix(RecordName(r), key) == 0;
    });
    return {first, last};
}

// Whether a letters-only text, in lower case, is `key`.
bool EqualsKey(std::string_view text, std::string_view key) {
    return text.size() == key.size() && ComparePrefix(text, key) == 0;
}

// A narrowing by state and country, folded once.
struct Narrowing {
    std::string state;
    std::string country;

    Narrowing(std::string_view stateText, std::string_view countryText)
        : state(SearchKey(stateText)), country(SearchKey(countryText)) {}

    bool Accepts(const CityRecord& record) const {
        const auto& tables = AtlasTables();
        if (!state.empty() && !EqualsKey(tables.states[record.state], state)) {
            return false;
        }
        if (!country.empty()) {
            const auto& c = tables.countries[record.country];
            return EqualsKey(c.name, country) || EqualsKey(c.code, country);
        }
        return true;
    }
};

int IndexOf(const CityRecord& record) {
    return static_cast<int>(&record - AtlasTables().cities.data());
}

// The `limit` most populous of the records that pass `accept`, equal populations in table
// (that is name) order.
template <typename Accept>
std::vector<AtlasCity> MostPopulous(std::span<const CityRecord> run, int limit, Accept accept) {
    std::vector<const CityRecord*> chosen;
    if (limit <= 0) {
        return {};
    }
    const auto before = [](const CityRecord* a, const CityRecord* b) {
        return a->population != b->population ? a->population > b->population : a < b;
    };
    const auto size = static_cast<std::size_t>(limit);
    chosen.reserve(size + 1);
    for (const CityRecord& record : run) {
        if (chosen.size() == size && !before(&record, chosen.back())) {
            continue;
        }
        if (!accept(record)) {
            continue;
        }
        chosen.insert(std::upper_bound(chosen.begin(), chosen.end(), &record, before), &record);
        if (chosen.size() > size) {
            chosen.pop_back();
        }
    }
    std::vector<AtlasCity> found;
    found.reserve(chosen.size());
    for (const CityRecord* record : chosen) {
        found.push_back(AtlasCityAt(IndexOf(*record)));
    }
    return found;
}

} // namespace

int AtlasSize() {
    return static_cast<int>(AtlasTables().cities.size());
}

AtlasCity AtlasCityAt(int index) {
    const auto& tables = AtlasTables();
    const CityRecord& r = tables.cities[static_cast<std::size_t>(index)];
    const auto& country = tables.countries[r.country];
    return {index,        RecordName(r), tables.states[r.state],
            country.name, country.code,  tables.zones[r.zone],
            r.latitudeE5, r.longitudeE5, r.population};
}

std::string PlaceLabel(const AtlasCity& city) {
    std::string label(city.name);
    if (!city.state.empty()) {
        label += ", ";
        label += city.state;
    }
    label += ", ";
    label += city.country;
    return label;
}

std::vector<AtlasCity> FindPlaces(const PlaceSearch& search) {
    const std::string key = SearchKey(search.prefix);
    if (key.empty()) {
        return {};
    }
    const Narrowing narrowing(search.state, search.country);
    return MostPopulous(RunStartingWith(key), search.limit,
                        [&](const CityRecord& r) { return narrowing.Accepts(r); });
}

std::vector<AtlasCity> FindPlaces(std::string_view prefix, int limit) {
    return FindPlaces(PlaceSearch{prefix, "", "", limit});
}

std::vector<AtlasCity> FindPlacesNamed(std::string_view name, std::string_view state,
                                       std::string_view country, int limit) {
    const std::string key = SearchKey(name);
    if (key.empty()) {
        return {};
    }
    const Narrowing narrowing(state, country);
    return MostPopulous(RunStartingWith(key), limit, [&](const CityRecord& r) {
        return RecordName(r).size() == key.size() && narrowing.Accepts(r);
    });
}

} // namespace kovrel
