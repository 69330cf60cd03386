// Every entry the entry panel can hold, calculated and reported: the lists on one of their
// items, any texts in the eight boxes, any hemisphere choice (or none) and daylight saving.
// Validation, the calculation and both reports must hold together for all of them.
#include "app/Calculation.h"
#include "app/EntryValidation.h"
#include "cli/ReadingReport.h"
#include "common/Signs.h"
#include "relationships/RelationTexts.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace kovrel;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Reads the entry from the input: six list positions, the choices, then eight NUL-separated
// box texts.
class EntryBytes {
  public:
    explicit EntryBytes(std::string_view bytes) : bytes_(bytes) {}

    int position(EntryList list) {
        const auto count = static_cast<unsigned>(ListItems(list).size());
        return static_cast<int>(next() % count);
    }
    unsigned choice(unsigned count) { return next() % count; }
    std::string text() {
        const std::size_t end = std::min(bytes_.find('\0'), bytes_.size());
        std::string box(bytes_.substr(0, end));
        bytes_.remove_prefix(std::min(end + 1, bytes_.size()));
        return box;
    }

  private:
    unsigned next() {
        if (bytes_.empty()) {
            return 0;
        }
        const auto value = static_cast<unsigned char>(bytes_.front());
        bytes_.remove_prefix(1);
        return value;
    }
    std::string_view bytes_;
};

bool IsPlacement(std::string_view placement) {
    // "00 Pis 41": two-digit degrees, the sign, two-digit minutes.
    const auto digits = [&](std::size_t at) {
        return std::isdigit(static_cast<unsigned char>(placement[at])) &&
               std::isdigit(static_cast<unsigned char>(placement[at + 1]));
    };
    return placement.size() == 9 && digits(0) && placement[2] == ' ' && placement[6] == ' ' &&
           digits(7) &&
           std::any_of(SignAbbreviations.begin(), SignAbbreviations.end(),
                       [&](kovrel::Word sign) { return placement.substr(3, 3) == sign.text(); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    EntryBytes in(std::string_view(reinterpret_cast<const char*>(data), size));
    EntryForm entry;
    entry.dayIndex = in.position(EntryList::Day);
    entry.monthIndex = in.position(EntryList::Month);
    entry.yearIndex = in.position(EntryList::Year);
    entry.hourIndex = in.position(EntryList::Hour);
    entry.minuteIndex = in.position(EntryList::Minute);
    entry.zoneIndex = in.position(EntryList::TimeZone);
    const unsigned choices = in.choice(3 * 3 * 2);
    entry.latitude = static_cast<LatitudeChoice>(choices % 3);
    entry.longitude = static_cast<LongitudeChoice>(choices / 3 % 3);
    entry.dst = choices / 9 == 1;
    for (std::string* box : {&entry.name, &entry.latDeg, &entry.latMin, &entry.lonDeg,
                             &entry.lonMin, &entry.city, &entry.state, &entry.country}) {
        *box = in.text();
    }

    Session session;
    const Result<Reading> reading = RunCalculation(entry, session);
    Require(reading.ok() == ValidateInput(entry).ok());
    if (!reading) {
        Require(!reading.fault().message.empty());
        return 0;
    }
    for (const Placement& placement : reading->PlanetPlacements) {
        Require(IsPlacement(placement.text()) && placement.hasDegrees());
    }
    for (const auto& row : reading->relationships.compound) {
        for (const CompoundKind cell : row) {
            Require(Index(cell) < kCompoundTexts.size());
        }
    }
    const std::string text = TextReport(session);
    Require(!text.empty() && text.back() == '\n');
    const std::string json = JsonReport(session);
    Require(json.find('\n') == std::string::npos);
    const nlohmann::json report = nlohmann::json::parse(json);
    Require(report.at("planets").size() == 7 && report.at("compound").size() == 7);
    return 0;
}
