#include "app/Reading.h"
#include "app/TimeZoneCatalog.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <iostream>

namespace kovrel {
namespace {

// The birth as the driver copies it from the entry panel: the zone by its catalogue row.
BirthDetails Birth(int year, int month, int day, int hour, int minute, int zoneRow, int lonDegrees,
                   int lonMinutes, bool east, int latDegrees, int latMinutes, bool south,
                   bool dst) {
    const TimeZoneRow& zone = TimeZoneCatalog[static_cast<std::size_t>(zoneRow)];
    BirthDetails birth;
    birth.Name = "Ann";
    birth.Year = static_cast<std::int16_t>(year);
    birth.Month = static_cast<std::int16_t>(month);
    birth.Day = static_cast<std::int16_t>(day);
    birth.Hour = static_cast<std::int16_t>(hour);
    birth.Minute = static_cast<std::int16_t>(minute);
    birth.TzHoursSigned = zone.hourValue;
    birth.TzMinutesSigned = zone.minuteValue;
    birth.TzHoursAbs =
        static_cast<std::int16_t>(zone.hourValue < 0 ? -zone.hourValue : zone.hourValue);
    birth.TzMinutesAbs =
        static_cast<std::int16_t>(zone.minuteValue < 0 ? -zone.minuteValue : zone.minuteValue);
    birth.LonDegrees = static_cast<std::int16_t>(lonDegrees);
    birth.LonMinutes = static_cast<std::int16_t>(lonMinutes);
    birth.EastFlag = east;
    birth.LatDegrees = static_cast<std::int16_t>(latDegrees);
    birth.LatMinutes = static_cast<std::int16_t>(latMinutes);
    birth.SouthFlag = south;
    birth.DstFlag = dst;
    return birth;
}

// 15 March 1990, 08:30, Indian Time (row 34), 77° 12' East, 28° 36' North, no daylight saving.
BirthDetails NewDelhi1990() {
    return Birth(1990, 3, 15, 8, 30, 34, 77, 12, true, 28, 36, false, false);
}

std::string SignOf(const std::string& placement) {
    return placement.substr(3, 3);
}

TEST(WholeReading, NewDelhi1990) {
    const BirthDetails birth = NewDelhi1990();
    ASSERT_EQ(birth.TzHoursAbs, 5);
    ASSERT_EQ(birth.TzMinutesAbs, 30);
    ASSERT_EQ(birth.TzHoursSigned, -5);
    ASSERT_EQ(birth.TzMinutesSigned, -30);

    const Reading reading = ComputeReading(birth);

    // Recorded in full for the window tests, which show the same reading.
    std::cout << "Reading of 15 March 1990, 08:30 IST, 77E12 28N36:\n"
              << "  Ayanamsa " << std::setprecision(12) << reading.Ayanamsa << "\n  Moon "
              << reading.MoonLongitudeText << "\n";
    for (std::size_t k = 0; k < kPlanetCount; ++k) {
        std::cout << "  " << PlanetNames[k] << " " << reading.PlanetPlacements[k] << "\n";
    }
    EXPECT_NEAR(reading.Ayanamsa, -23.72442, 5e-6);
    EXPECT_EQ(reading.MoonLongitudeText, "11\u00B0 33' 0\" Lib");
    const Placements expected = {"00 Pis 41", "11 Lib 33", "26 Aqu 55", "15 Cap 14",
                                 "08 Cap 59", "07 Gem 50", "29 Sag 37"};
    EXPECT_EQ(reading.PlanetPlacements, expected);

    const std::array<const char*, kPlanetCount> signs = {"Pis", "Lib", "Aqu", "Cap",
                                                         "Cap", "Gem", "Sag"};
    for (std::size_t k = 0; k < kPlanetCount; ++k) {
        EXPECT_EQ(SignOf(reading.PlanetPlacements[k]), signs[k]) << PlanetNames[k];
    }

    const RelationLists temporary = TemporaryLists(reading.PlanetPlacements);
    EXPECT_EQ(temporary.friends[0], "Jupiter/ Saturn/ Venus/ Mars/ Mercury");
    EXPECT_EQ(temporary.enemies[0], "Moon");
    EXPECT_EQ(temporary.friends[1], "Saturn/ Venus/ Mars");
    EXPECT_EQ(temporary.enemies[1], "Mercury/ Sun/ Jupiter");

    const std::array<std::string_view, kPlanetCount> sunRow = {
        "Neutral", "Neutral", "Friend", "Neutral", "Great Friend", "Great Friend", "Neutral"};
    EXPECT_EQ(reading.CompoundRelationships[0], sunRow);

    const CompoundTable grid = {{
        {"Neutral", "Neutral", "Friend", "Neutral", "Great Friend", "Great Friend", "Neutral"},
        {"Neutral", "Neutral", "Neutral", "Friend", "Friend", "Enemy", "Friend"},
        {"Great Friend", "Great Enemy", "Neutral", "Great Friend", "Friend", "Enemy", "Friend"},
        {"Neutral", "Neutral", "Great Friend", "Neutral", "Neutral", "Enemy", "Great Friend"},
        {"Great Friend", "Great Friend", "Neutral", "Neutral", "Neutral", "Neutral", "Friend"},
        {"Great Friend", "Neutral", "Great Enemy", "Great Enemy", "Neutral", "Neutral", "Enemy"},
        {"Neutral", "Neutral", "Great Friend", "Great Friend", "Neutral", "Enemy", "Neutral"},
    }};
    EXPECT_EQ(reading.CompoundRelationships, grid);
}

TEST(WholeReading, FirstOfJanuary2000AtGreenwich) {
    const Reading reading =
        ComputeReading(Birth(2000, 1, 1, 12, 0, 29, 0, 0, false, 51, 28, false, false));
    EXPECT_NEAR(reading.Ayanamsa, -23.85399, 5e-6);
    EXPECT_EQ(reading.MoonLongitudeText, "19\u00B0 27' 44\" Lib");
    const Placements expected = {"16 Sag 31", "19 Lib 27", "08 Sag 03", "07 Sco 43",
                                 "04 Aqu 07", "01 Ari 30", "16 Ari 21"};
    EXPECT_EQ(reading.PlanetPlacements, expected);
    EXPECT_EQ(reading.CompoundRelationships, ComputeRelationships(expected));
}

TEST(WholeReading, DaylightSavingMovesOnlyTheEngineRoute) {
    BirthDetails birth = NewDelhi1990();
    const Reading plain = ComputeReading(birth);
    birth.DstFlag = true;
    const Reading dst = ComputeReading(birth);
    EXPECT_NE(dst.Ayanamsa, plain.Ayanamsa);
    EXPECT_NE(dst.MoonLongitudeText, plain.MoonLongitudeText);
    for (std::size_t k = 0; k < kPlanetCount; ++k) {
        if (k != 1) {
            EXPECT_EQ(dst.PlanetPlacements[k], plain.PlanetPlacements[k]) << PlanetNames[k];
        }
    }
}

TEST(WholeReading, UnformableDateKeepsThePreviousPlacements) {
    const Reading first = ComputeReading(NewDelhi1990());
    BirthDetails impossible = Birth(2001, 2, 29, 6, 0, 29, 0, 0, false, 0, 0, false, false);
    const Reading second = ComputeReading(impossible, first);
    // Ayanamsa and Moon are formed on their own route and are replaced ...
    EXPECT_NE(second.Ayanamsa, first.Ayanamsa);
    EXPECT_NE(second.MoonLongitudeText, first.MoonLongitudeText);
    // ... while the placements stay, and the table is read again from them.
    EXPECT_EQ(second.PlanetPlacements, first.PlanetPlacements);
    EXPECT_EQ(second.CompoundRelationships, first.CompoundRelationships);
    // The day past the month's end still counts on for the engine: 1 March 2001.
    const Reading march =
        ComputeReading(Birth(2001, 3, 1, 6, 0, 29, 0, 0, false, 0, 0, false, false));
    EXPECT_EQ(second.MoonLongitudeText, march.MoonLongitudeText);
    EXPECT_DOUBLE_EQ(second.Ayanamsa, march.Ayanamsa);
}

TEST(WholeReading, FirstCalculationThatCannotFormItsDate) {
    const Reading reading =
        ComputeReading(Birth(1990, 4, 31, 6, 0, 29, 0, 0, false, 0, 0, false, false));
    for (const auto& placement : reading.PlanetPlacements) {
        EXPECT_EQ(placement, "");
    }
    // Empty placements have no sign and so relate to nothing.
    for (const auto& row : reading.CompoundRelationships) {
        for (const auto& cell : row) {
            EXPECT_EQ(cell, "Neutral");
        }
    }
    EXPECT_FALSE(reading.MoonLongitudeText.empty());
}

TEST(WholeReading, SecondCalculationReplacesEverything) {
    const Reading first = ComputeReading(NewDelhi1990());
    const Reading second =
        ComputeReading(Birth(2000, 1, 1, 12, 0, 29, 0, 0, false, 51, 28, false, false), first);
    EXPECT_EQ(second.PlanetPlacements[0], "16 Sag 31");
    EXPECT_EQ(second.CompoundRelationships, ComputeRelationships(second.PlanetPlacements));
    EXPECT_NE(second.CompoundRelationships, first.CompoundRelationships);
}

TEST(WholeReading, HourTwentyFourReadsAsMidnightOfTheNextDayForThePlanets) {
    const Reading late =
        ComputeReading(Birth(1999, 12, 31, 24, 30, 29, 0, 0, false, 0, 0, false, false));
    const Reading early =
        ComputeReading(Birth(2000, 1, 1, 0, 30, 29, 0, 0, false, 0, 0, false, false));
    EXPECT_EQ(late.PlanetPlacements, early.PlanetPlacements);
    EXPECT_EQ(late.MoonLongitudeText, early.MoonLongitudeText);
}

} // namespace
} // namespace kovrel
