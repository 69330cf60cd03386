// Whole readings over a spread of births that the entry panel accepts: the classic one (ayanamsa,
// Moon, the six planets, the seven placements and the 49 compound cells) and the precise sky.
#include "app/ChartFile.h"
#include "app/Reading.h"
#include "app/TimeZoneCatalog.h"
#include "sky/PreciseSky.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

std::vector<kovrel::BirthDetails> SpreadOfBirths(std::size_t count) {
    std::vector<kovrel::BirthDetails> births;
    births.reserve(count);
    std::uint32_t state = 12345u;
    auto next = [&state](std::uint32_t range) {
        state = state * 1664525u + 1013904223u; // a plain linear congruential sequence
        return static_cast<std::int16_t>((state >> 8) % range);
    };
    for (std::size_t k = 0; k < count; ++k) {
        kovrel::BirthDetails birth;
        birth.Name = "Bench";
        birth.Year = static_cast<std::int16_t>(1901 + next(150));
        birth.Month = static_cast<std::int16_t>(1 + next(12));
        birth.Day = static_cast<std::int16_t>(1 + next(28));
        birth.Hour = next(25);
        birth.Minute = next(60);
        const kovrel::TimeZoneRow zone = *kovrel::FindZoneRow(next(kovrel::kTimeZoneCount));
        birth.TzHoursSigned = zone.hourValue;
        birth.TzMinutesSigned = zone.minuteValue;
        birth.TzHoursAbs =
            static_cast<std::int16_t>(zone.hourValue < 0 ? -zone.hourValue : zone.hourValue);
        birth.TzMinutesAbs =
            static_cast<std::int16_t>(zone.minuteValue < 0 ? -zone.minuteValue : zone.minuteValue);
        birth.LonDegrees = next(180);
        birth.LonMinutes = next(60);
        birth.LatDegrees = next(90);
        birth.LatMinutes = next(60);
        birth.EastFlag = next(2) == 1;
        birth.SouthFlag = next(2) == 1;
        birth.DstFlag = next(4) == 0;
        births.push_back(birth);
    }
    return births;
}

void BM_WholeReading(benchmark::State& state) {
    const std::vector<kovrel::BirthDetails> births = SpreadOfBirths(512);
    // Every birth of the spread forms its date, so the previous reading is never consulted.
    const kovrel::Reading previous;
    std::size_t k = 0;
    for (auto _ : state) {
        kovrel::Reading reading = kovrel::ComputeReading(births[k], previous);
        benchmark::DoNotOptimize(reading);
        k = (k + 1) % births.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WholeReading);

// The precise route for one birth: the seven bodies, the ayanamsa and the ascendant. Target: at
// most half of what Swiss Ephemeris' built-in (Moshier) mode takes for the seven bodies alone,
// 60-90 us on the development machines, so 30-45 us.
void BM_PreciseReading(benchmark::State& state) {
    const std::vector<kovrel::BirthDetails> births = SpreadOfBirths(512);
    std::size_t k = 0;
    for (auto _ : state) {
        kovrel::PreciseSky sky = kovrel::PreciseSkyOf(births[k], kovrel::AyanamsaKind::Lahiri);
        benchmark::DoNotOptimize(sky);
        k = (k + 1) % births.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PreciseReading);

// Opening a sparse 1 GB file that is one line without an end: refused after reading a few
// pieces of it. Target: well under a millisecond, and the peak resident size (reported as
// peak_rss_kib) far below 100 MB.
void BM_RefuseGigabyteFile(benchmark::State& state) {
    char path[] = "/tmp/kovrel-bench-XXXXXX.kvr";
    const int fd = mkstemps(path, 4);
    if (fd < 0 || ftruncate(fd, std::int64_t{1} << 30) != 0) {
        state.SkipWithError("no temporary file");
        return;
    }
    close(fd);
    for (auto _ : state) {
        const kovrel::Result<kovrel::ChartLines> lines = kovrel::ReadChartFile(path);
        if (lines.ok()) {
            state.SkipWithError("a gigabyte line was taken for a reading");
            break;
        }
        benchmark::DoNotOptimize(lines);
    }
    unlink(path);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_kib"] = static_cast<double>(usage.ru_maxrss);
}
BENCHMARK(BM_RefuseGigabyteFile);

} // namespace

BENCHMARK_MAIN();
