#pragma once

// The births and files the core tests share: the New Delhi reading every layer shows, builders
// for other births, and a throw-away folder. No Qt here: window tests include it as well.

#include "app/Calculation.h"
#include "app/ChartFile.h"
#include "app/EntryForm.h"
#include "app/TimeZoneCatalog.h"
#include "common/BirthDetails.h"
#include "common/Text.h"
#include "common/TextCodec.h"
#include "positions/Placements.h"
#include "relationships/RelationTexts.h"
#include "relationships/RelationshipRules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

namespace kovrel {

// Failures print the texts the views would show.
inline void PrintTo(const Placement& placement, std::ostream* out) {
    *out << '"' << placement.text() << '"';
}
inline void PrintTo(CompoundKind kind, std::ostream* out) {
    *out << CompoundText(kind);
}
inline void PrintTo(const PlanetList& list, std::ostream* out) {
    *out << '"' << ListText(list) << '"';
}

} // namespace kovrel

namespace kovrel::test {

// Placements as their texts show them, for tables written by hand.
inline Placements PlacementsOf(const std::array<std::string_view, kPlanetCount>& texts) {
    Placements placements;
    for (std::size_t k = 0; k < kPlanetCount; ++k) {
        placements[k] = Placement::FromText(texts[k]);
    }
    return placements;
}

namespace fs = std::filesystem;

inline const fs::path kTestData = KOVREL_TEST_DATA;

// The fault of a result, or nothing when it succeeded: lets a test compare a whole fault.
template <typename T> std::optional<Fault> FaultOf(const Result<T>& result) {
    return result ? std::nullopt : std::optional<Fault>(result.fault());
}

// The message of a result's fault, or "" when it succeeded.
template <typename T> std::string ErrorOf(const Result<T>& result) {
    return result ? std::string() : result.fault().message;
}

// The entry that shows `details` with zone row `zoneRow`: the inverse of CopyEntry for the
// values a saved reading or the command line can give. A value its list does not offer (day 0,
// year 1900, zone row 70, ...) gives position -1, a list with nothing selected.
inline EntryForm EntryFromDetails(const BirthDetails& details, int zoneRow) {
    EntryForm entry;
    entry.name = details.Name;
    entry.dayIndex = FindListItem(EntryList::Day, std::to_string(details.Day));
    entry.monthIndex = details.Month >= 1 && details.Month <= 12 ? details.Month - 1 : -1;
    entry.yearIndex = FindListItem(EntryList::Year, std::to_string(details.Year));
    entry.hourIndex = FindListItem(EntryList::Hour, std::to_string(details.Hour));
    entry.minuteIndex = FindListItem(EntryList::Minute, std::to_string(details.Minute));
    entry.zoneIndex = FindZoneRow(zoneRow) ? zoneRow : -1;
    entry.latDeg = std::to_string(details.LatDegrees);
    entry.latMin = std::to_string(details.LatMinutes);
    entry.lonDeg = std::to_string(details.LonDegrees);
    entry.lonMin = std::to_string(details.LonMinutes);
    entry.latitude = details.SouthFlag ? LatitudeChoice::South : LatitudeChoice::North;
    entry.longitude = details.EastFlag ? LongitudeChoice::East : LongitudeChoice::West;
    entry.dst = details.DstFlag;
    entry.city = details.City;
    entry.state = details.State;
    entry.country = details.Country;
    return entry;
}

// ---------------------------------------------------------------- the New Delhi birth
// Ann, 15 March 1990, 08:30, Indian Time (row 34), 77° 12' East, 28° 36' North, no daylight
// saving, New Delhi, Delhi, India.

inline EntryForm AnnEntry() {
    EntryForm entry;
    entry.name = "Ann";
    entry.dayIndex = FindListItem(EntryList::Day, "15");
    entry.monthIndex = FindListItem(EntryList::Month, "March");
    entry.yearIndex = FindListItem(EntryList::Year, "1990");
    entry.hourIndex = FindListItem(EntryList::Hour, "8");
    entry.minuteIndex = FindListItem(EntryList::Minute, "30");
    entry.zoneIndex = FindListItem(EntryList::TimeZone, "Indian Time, IST, +5.3");
    entry.lonDeg = "77";
    entry.lonMin = "12";
    entry.latDeg = "28";
    entry.latMin = "36";
    entry.longitude = LongitudeChoice::East;
    entry.latitude = LatitudeChoice::North;
    entry.dst = false;
    entry.city = "New Delhi";
    entry.state = "Delhi";
    entry.country = "India";
    return entry;
}

// The same birth as the record the calculation copies it into, written out by hand.
inline BirthDetails AnnDetails() {
    BirthDetails d;
    d.Name = "Ann";
    d.Month = 3;
    d.Day = 15;
    d.Year = 1990;
    d.Hour = 8;
    d.Minute = 30;
    d.TzHoursAbs = 5;
    d.TzMinutesAbs = 30;
    d.TzHoursSigned = -5;
    d.TzMinutesSigned = -30;
    d.LonDegrees = 77;
    d.LonMinutes = 12;
    d.LatDegrees = 28;
    d.LatMinutes = 36;
    d.EastFlag = true;
    d.SouthFlag = false;
    d.DstFlag = false;
    d.City = "New Delhi";
    d.State = "Delhi";
    d.Country = "India";
    return d;
}

// The seventeen values of the saved New Delhi file, in file order (worked example).
inline const ChartLines kAnnLines = {"Ann",   "3",     "15",        "1990",  "8",    "30",
                                     "34",    "77",    "12",        "28",    "36",   "True",
                                     "False", "False", "New Delhi", "Delhi", "India"};

// The whole reading of that birth. The signs, the compound Sun row and the temporary rows are the
// worked example; the degrees, minutes, Moon text and ayanamsa were recorded from this build,
// whose readings are checked against independent reference readings.
inline constexpr double kAnnAyanamsa = -23.72442;
inline const std::string kAnnMoon = "11\u00B0 33' 0\" Lib";
inline const Placements kAnnPlacements = PlacementsOf(
    {"00 Pis 41", "11 Lib 33", "26 Aqu 55", "15 Cap 14", "08 Cap 59", "07 Gem 50", "29 Sag 37"});
inline constexpr CompoundTable kAnnCompound = [] {
    using enum CompoundKind;
    return CompoundTable{{
        {Neutral, Neutral, Friend, Neutral, GreatFriend, GreatFriend, Neutral},
        {Neutral, Neutral, Neutral, Friend, Friend, Enemy, Friend},
        {GreatFriend, GreatEnemy, Neutral, GreatFriend, Friend, Enemy, Friend},
        {Neutral, Neutral, GreatFriend, Neutral, Neutral, Enemy, GreatFriend},
        {GreatFriend, GreatFriend, Neutral, Neutral, Neutral, Neutral, Friend},
        {GreatFriend, Neutral, GreatEnemy, GreatEnemy, Neutral, Neutral, Enemy},
        {Neutral, Neutral, GreatFriend, GreatFriend, Neutral, Enemy, Neutral},
    }};
}();

// The placement table of 1 January 2000, 12:00 at Greenwich (worked example).
inline const Placements kJ2000Placements = PlacementsOf(
    {"16 Sag 31", "19 Lib 27", "08 Sag 03", "07 Sco 43", "04 Aqu 07", "01 Ari 30", "16 Ari 21"});

// ---------------------------------------------------------------- other births

// Ravi, 29 January 1981, 17:28 Indian time, New Delhi: a birth where the two routes disagree.
// The classic reading puts Mars at 00 Aqu 00; the reference library (precise_positions.csv,
// 1981-01-29 11:58 UT) puts it at 299.7230, 29° 43' Capricorn, where it is exalted.
inline EntryForm RaviEntry() {
    EntryForm entry = AnnEntry();
    entry.name = "Ravi";
    entry.dayIndex = FindListItem(EntryList::Day, "29");
    entry.monthIndex = FindListItem(EntryList::Month, "January");
    entry.yearIndex = FindListItem(EntryList::Year, "1981");
    entry.hourIndex = FindListItem(EntryList::Hour, "17");
    entry.minuteIndex = FindListItem(EntryList::Minute, "28");
    return entry;
}
inline constexpr double kRaviPreciseMars = 299.7230;

// A local date and time; zone 0, West, no daylight saving, no place.
inline BirthDetails BirthAt(int year, int month, int day, int hour, int minute) {
    BirthDetails birth;
    birth.Year = static_cast<std::int16_t>(year);
    birth.Month = static_cast<std::int16_t>(month);
    birth.Day = static_cast<std::int16_t>(day);
    birth.Hour = static_cast<std::int16_t>(hour);
    birth.Minute = static_cast<std::int16_t>(minute);
    return birth;
}

inline BirthDetails J2000Noon() {
    return BirthAt(2000, 1, 1, 12, 0);
}

// The zone as the catalogue holds it: the hours and minutes to add to local time to reach UT.
inline BirthDetails InZone(BirthDetails birth, int hourValue, int minuteValue) {
    birth.TzHoursSigned = static_cast<std::int16_t>(hourValue);
    birth.TzMinutesSigned = static_cast<std::int16_t>(minuteValue);
    birth.TzHoursAbs = static_cast<std::int16_t>(hourValue < 0 ? -hourValue : hourValue);
    birth.TzMinutesAbs = static_cast<std::int16_t>(minuteValue < 0 ? -minuteValue : minuteValue);
    return birth;
}

// A birth as the Moon's route reads it: the zone's size, and East / West from the longitude
// (10° unless given, so East really counts as East).
inline BirthDetails EngineBirth(int year, int month, int day, int hour, int minute, int zoneHours,
                                int zoneMinutes, bool east, bool dst, int lonDegrees = 10,
                                int lonMinutes = 0) {
    BirthDetails birth = InZone(BirthAt(year, month, day, hour, minute),
                                east ? -zoneHours : zoneHours, east ? -zoneMinutes : zoneMinutes);
    birth.EastFlag = east;
    birth.DstFlag = dst;
    birth.LonDegrees = static_cast<std::int16_t>(lonDegrees);
    birth.LonMinutes = static_cast<std::int16_t>(lonMinutes);
    return birth;
}

// ---------------------------------------------------------------- files

inline std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void PutFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh empty folder for each test, removed afterwards even when a test took its rights away.
class TempFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("kovrel_test_" + std::to_string(std::random_device{}()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder_, ec);
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}));
    }
    fs::path folder_;
};

} // namespace kovrel::test
