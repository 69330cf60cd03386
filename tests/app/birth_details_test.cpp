#include "app/BirthDetails.h"
#include "app/TimeZoneCatalog.h"

#include <gtest/gtest.h>

#include <optional>

namespace kovrel {
namespace {

TEST(WholeNumberFromText, NearestWholeNumberHalvesToEvenWithinSixteenBits) {
    // Halves go to the even neighbour; the 16-bit range is tested after rounding.
    const std::pair<const char*, int> numbers[] = {
        {"12", 12},         {"0", 0},           {"-7", -7},          {"+7", 7},  {"  12 ", 12},
        {"0999", 999},      {"2.5", 2},         {"3.5", 4},          {"0.5", 0}, {"-2.5", -2},
        {"-3.5", -4},       {"2.4999", 2},      {"2.5001", 3},       {".7", 1},  {"32767", 32767},
        {"-32768", -32768}, {"32767.4", 32767}, {"-32768.5", -32768}};
    for (const auto& [text, number] : numbers) {
        EXPECT_EQ(WholeNumberFromText(text), number) << '"' << text << '"';
    }
    for (const char* text : {"", "   ", "abc", "12a", "1 2", "-", "inf", "nan", "0x10", "32768",
                             "-32769", "32767.5", "99999999999999999999"}) {
        EXPECT_EQ(WholeNumberFromText(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(TrimBlanks, OnlyBlanksAtTheEnds) {
    EXPECT_EQ(TrimBlanks("  New Delhi  "), "New Delhi");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("a  b"), "a  b");
}

TEST(TimeZoneCatalog, SeventyRowsWithTheReversedOffsets) {
    ASSERT_EQ(TimeZoneCatalog.size(), 70u);
    const struct {
        std::size_t row;
        const char* text;
        int hours, minutes;
    } rows[] = {{0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
                {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
                {34, "Indian Time, IST, +5.3", -5, -30},
                {36, "Int'l Date Line West,IDLW,-12.0", 12, 0},
                {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
                {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
                {61, "Universal Time, UT, 0.0", 0, 0},
                {69, "Yukon Standard Time,YST,-9.0", 9, 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(TimeZoneCatalog[r.row].displayText, r.text);
        EXPECT_EQ(TimeZoneCatalog[r.row].hourValue, r.hours);
        EXPECT_EQ(TimeZoneCatalog[r.row].minuteValue, r.minutes);
    }
}

// Catches a mistyped row anywhere in the table: the label after the last comma is the UTC
// offset, the values are its opposite, and the minutes share the sign of the hours.
TEST(TimeZoneCatalog, EveryRowAgreesWithItsLabel) {
    for (const TimeZoneRow& row : TimeZoneCatalog) {
        const std::string_view text = row.displayText;
        SCOPED_TRACE(text);
        EXPECT_TRUE(row.minuteValue == 0 || row.minuteValue == 30 || row.minuteValue == -30);
        EXPECT_TRUE(row.minuteValue == 0 || (row.minuteValue > 0) == (row.hourValue > 0));
        const std::string_view label = text.substr(text.rfind(',') + 1);
        if (label.find('-') != std::string_view::npos) {
            EXPECT_GT(row.hourValue, 0);
        } else if (label.find('+') != std::string_view::npos) {
            EXPECT_LT(row.hourValue, 0);
        } else {
            EXPECT_EQ(row.hourValue, 0);
        }
    }
}

TEST(TimeZoneCatalog, LoadingTwiceChangesNothing) {
    const auto before = TimeZoneCatalog;
    const auto signsBefore = SignAbbreviations;
    LoadBuiltInTables();
    LoadBuiltInTables();
    for (std::size_t k = 0; k < before.size(); ++k) {
        EXPECT_EQ(TimeZoneCatalog[k].displayText, before[k].displayText);
        EXPECT_EQ(TimeZoneCatalog[k].hourValue, before[k].hourValue);
        EXPECT_EQ(TimeZoneCatalog[k].minuteValue, before[k].minuteValue);
    }
    EXPECT_EQ(SignAbbreviations, signsBefore);
}

} // namespace
} // namespace kovrel
