// Arbitrary bytes as a saved reading: decoding, unscrambling, applying onto a fresh entry and
// validating must never crash; the lists stay on their items, the boxes take their lines as
// they stand (a number box only a number), and a reading that opens saves and opens again to the
// same record.
#include "app/ChartFormat.h"
#include "app/EntryValidation.h"
#include "app/TimeZoneCatalog.h"
#include "common/Text.h"
#include "common/TextCodec.h"

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

bool InList(EntryList list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < ListItems(list).size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The single-byte helpers on their own.
    const std::string unscrambled = UnscrambleText(bytes);
    Require(unscrambled.size() <= bytes.size());
    Require(Latin1FromUtf8(Utf8FromLatin1(bytes)) == bytes);
    std::string upTo170;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) <= 170) {
            upTo170.push_back(c);
        }
    }
    Require(UnscrambleText(ScrambleText(bytes)) == upTo170);

    // The file as the window opens it: onto the entry of a fresh window.
    const ChartLines lines = DecodeChartFile(bytes);
    EntryForm entry;
    ApplyChartLines(lines, entry);
    Require(InList(EntryList::Day, entry.dayIndex) && InList(EntryList::Month, entry.monthIndex) &&
            InList(EntryList::Year, entry.yearIndex) && InList(EntryList::Hour, entry.hourIndex) &&
            InList(EntryList::Minute, entry.minuteIndex) &&
            InList(EntryList::TimeZone, entry.zoneIndex));
    // A degree or minute box takes its line when it is a number (or empty); otherwise it keeps
    // what the fresh entry showed.
    const EntryForm fresh;
    const auto numberBox = [](const std::string& line, const std::string& box,
                              const std::string& before) {
        return box == ((line.empty() || NumberFromText(line)) ? line : before);
    };
    Require(entry.name == lines[0] && numberBox(lines[7], entry.lonDeg, fresh.lonDeg) &&
            numberBox(lines[8], entry.lonMin, fresh.lonMin) &&
            numberBox(lines[9], entry.latDeg, fresh.latDeg) &&
            numberBox(lines[10], entry.latMin, fresh.latMin) && entry.city == lines[14] &&
            entry.state == lines[15] && entry.country == lines[16]);

    if (!ValidateInput(entry)) {
        return 0;
    }
    // A reading that opens must save and open again to the same record.
    const BirthDetails details = CopyEntry(entry, BirthDetails{});
    const std::string saved = EncodeChartFile(ChartLinesFor(details, entry.zoneIndex));
    EntryForm reopened;
    ApplyChartLines(DecodeChartFile(saved), reopened);
    BirthDetails again = CopyEntry(reopened, BirthDetails{});
    Require(again.Name == TrimBlanks(details.Name));
    again.Name = details.Name;
    Require(again == details);
    return 0;
}
