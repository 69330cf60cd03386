#include "app/TimeZoneCatalog.h"

#include <gtest/gtest.h>

#include <string_view>

namespace kovrel {
namespace {

TEST(TimeZoneCatalog, SeventyRowsWithTheReversedOffsets) {
    ASSERT_EQ(ZoneRows().size(), 70u);
    EXPECT_FALSE(FindZoneRow(-1));
    EXPECT_FALSE(FindZoneRow(70));
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
        EXPECT_EQ(ZoneRows()[r.row].displayText, r.text);
        EXPECT_EQ(ZoneRows()[r.row].hourValue, r.hours);
        EXPECT_EQ(ZoneRows()[r.row].minuteValue, r.minutes);
    }
}

// Catches a mistyped row anywhere in the table: the label after the last comma is the UTC
// offset, the values are its opposite, and the minutes share the sign of the hours.
TEST(TimeZoneCatalog, EveryRowAgreesWithItsLabel) {
    for (const TimeZoneRow& row : ZoneRows()) {
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

TEST(ZoneAbbreviation, IsTheSecondFieldTrimmed) {
    const std::pair<int, const char*> rows[] = {{0, "AHDT"},  {11, "AT"},  {34, "IST"},
                                                {35, "IDLE"}, {50, "NST"}, {52, "NST"},
                                                {69, "YST"},  {-1, ""},    {70, ""}};
    for (const auto& [row, abbreviation] : rows) {
        EXPECT_EQ(ZoneAbbreviation(row), abbreviation) << row;
    }
}

} // namespace
} // namespace kovrel
