// The atlas search over every one- to three-letter prefix, the --place lookup, the zone row
// choice, and the size of the compiled-in tables.
#include "places/Atlas.h"
#include "places/AtlasData.h"
#include "places/PlaceQuery.h"
#include "places/ZoneChoice.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using kovrel::FindPlaces;
using kovrel::ResolvePlace;

std::vector<std::string> Prefixes(int length) {
    std::vector<std::string> prefixes{""};
    for (int k = 0; k < length; ++k) {
        std::vector<std::string> longer;
        for (const auto& p : prefixes) {
            for (char c = 'a'; c <= 'z'; ++c) {
                longer.push_back(p + c);
            }
        }
        prefixes = std::move(longer);
    }
    return prefixes;
}

// One query per iteration, going round every prefix of the length.
void BM_FindPlacesEveryPrefix(benchmark::State& state) {
    const auto prefixes = Prefixes(static_cast<int>(state.range(0)));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindPlaces(prefixes[next]));
        next = (next + 1) % prefixes.size();
    }
    state.counters["prefixes"] = static_cast<double>(prefixes.size());
}
BENCHMARK(BM_FindPlacesEveryPrefix)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

// The completer's search as the user types, round every prefix of the length: other names
// too, from the fourth letter on.
void BM_SuggestionsEveryPrefix(benchmark::State& state) {
    const auto prefixes = Prefixes(static_cast<int>(state.range(0)));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindPlaces(kovrel::SuggestionSearch(prefixes[next], "", "", 12)));
        next = (next + 1) % prefixes.size();
    }
    state.counters["prefixes"] = static_cast<double>(prefixes.size());
}
BENCHMARK(BM_SuggestionsEveryPrefix)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

// The same with State and Country boxes that still hold another place, so that every name of
// the run is checked against them: the slowest the completer gets.
void BM_SuggestionsWithStaleBoxes(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            FindPlaces(kovrel::SuggestionSearch("sant", "Maharashtra", "India", 12)));
    }
}
BENCHMARK(BM_SuggestionsWithStaleBoxes)->Unit(benchmark::kMicrosecond);

// The slowest kind of query: the longest run of names ("s"), narrowed to a country that
// rejects most of it, so the whole run is read.
void BM_FindPlacesLongestRunNarrowed(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindPlaces({"s", "", "Nepal", 12}));
    }
}
BENCHMARK(BM_FindPlacesLongestRunNarrowed)->Unit(benchmark::kMicrosecond);

// The slowest single prefix of one to three letters, found by timing each once outside the
// loop; the loop then times that prefix alone.
void BM_FindPlacesSlowestPrefix(benchmark::State& state) {
    std::string slowest = "s";
    std::size_t longestRun = 0;
    for (int length = 1; length <= 3; ++length) {
        for (const auto& p : Prefixes(length)) {
            const auto run = FindPlaces(p, 1 << 20).size();
            if (run > longestRun) {
                longestRun = run;
                slowest = p;
            }
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindPlaces(slowest));
    }
    state.SetLabel("prefix \"" + slowest + "\"");
    state.counters["run"] = static_cast<double>(longestRun);
}
BENCHMARK(BM_FindPlacesSlowestPrefix)->Unit(benchmark::kMicrosecond);

void BM_ResolvePlace(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ResolvePlace("Springfield, Illinois"));
    }
}
BENCHMARK(BM_ResolvePlace)->Unit(benchmark::kMicrosecond);

void BM_ChooseZoneRow(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            kovrel::ChooseZoneRow("America/New_York", {1990, 7, 4, 12, 0}, false));
    }
}
BENCHMARK(BM_ChooseZoneRow)->Unit(benchmark::kMicrosecond);

// Bytes the compiled-in tables take (records, texts and their views).
std::size_t AtlasTableBytes() {
    const auto& t = kovrel::atlas::AtlasTables();
    std::size_t bytes = t.cities.size_bytes() + t.namePool.size() + t.shownNames.size_bytes() +
                        t.shownPool.size() + t.otherNames.size_bytes() + t.otherNamePool.size() +
                        t.states.size_bytes() + t.statePool.size() + t.countries.size_bytes() +
                        t.zones.size_bytes();
    for (const auto& z : t.zones) {
        bytes += z.size() + 1;
    }
    for (const auto& c : t.countries) {
        bytes += c.code.size() + c.name.size() + 2;
    }
    return bytes;
}

// Not a timing: reports the bytes of the compiled-in atlas (records, texts and their views).
void BM_AtlasTableBytes(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(AtlasTableBytes());
    }
    state.counters["cities"] = kovrel::AtlasSize();
    state.counters["other_names"] =
        static_cast<double>(kovrel::atlas::AtlasTables().otherNames.size());
    state.counters["table_bytes"] = static_cast<double>(AtlasTableBytes());
}
BENCHMARK(BM_AtlasTableBytes);

} // namespace

BENCHMARK_MAIN();
