#include "app/BirthDetails.h"
#include "app/TimeZoneCatalog.h"

#include <gtest/gtest.h>

#include <set>

namespace kovrel {
namespace {

// ---------------------------------------------------------------- whole numbers from text

TEST(WholeNumberFromText, PlainNumbers) {
    EXPECT_EQ(WholeNumberFromText("12"), 12);
    EXPECT_EQ(WholeNumberFromText("0"), 0);
    EXPECT_EQ(WholeNumberFromText("-7"), -7);
    EXPECT_EQ(WholeNumberFromText("+7"), 7);
    EXPECT_EQ(WholeNumberFromText("  12 "), 12);
    EXPECT_EQ(WholeNumberFromText("0999"), 999);
}

TEST(WholeNumberFromText, NearestWholeNumberHalvesToEven) {
    EXPECT_EQ(WholeNumberFromText("2.5"), 2);
    EXPECT_EQ(WholeNumberFromText("3.5"), 4);
    EXPECT_EQ(WholeNumberFromText("0.5"), 0);
    EXPECT_EQ(WholeNumberFromText("-2.5"), -2);
    EXPECT_EQ(WholeNumberFromText("-3.5"), -4);
    EXPECT_EQ(WholeNumberFromText("2.4999"), 2);
    EXPECT_EQ(WholeNumberFromText("2.5001"), 3);
    EXPECT_EQ(WholeNumberFromText(".7"), 1);
}

TEST(WholeNumberFromText, NotANumber) {
    EXPECT_EQ(WholeNumberFromText(""), std::nullopt);
    EXPECT_EQ(WholeNumberFromText("   "), std::nullopt);
    EXPECT_EQ(WholeNumberFromText("abc"), std::nullopt);
    EXPECT_EQ(WholeNumberFromText("12a"), std::nullopt);
    EXPECT_EQ(WholeNumberFromText("1 2"), std::nullopt);
    EXPECT_EQ(WholeNumberFromText("-"), std::nullopt);
    EXPECT_EQ(WholeNumberFromText("inf"), std::nullopt);
    EXPECT_EQ(WholeNumberFromText("nan"), std::nullopt);
    EXPECT_EQ(WholeNumberFromText("0x10"), std::nullopt);
}

TEST(WholeNumberFromText, SixteenBitRange) {
    EXPECT_EQ(WholeNumberFromText("32767"), 32767);
    EXPECT_EQ(WholeNumberFromText("-32768"), -32768);
    EXPECT_EQ(WholeNumberFromText("32767.4"), 32767);
    EXPECT_EQ(WholeNumberFromText("32768"), std::nullopt);
    EXPECT_EQ(WholeNumberFromText("-32769"), std::nullopt);
    // Rounding happens before the range test.
    EXPECT_EQ(WholeNumberFromText("32767.5"), std::nullopt);
    EXPECT_EQ(WholeNumberFromText("-32768.5"), -32768);
    EXPECT_EQ(WholeNumberFromText("99999999999999999999"), std::nullopt);
}

TEST(TrimBlanks, OnlyBlanksAtTheEnds) {
    EXPECT_EQ(TrimBlanks("  New Delhi  "), "New Delhi");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks("a  b"), "a  b");
}

// ---------------------------------------------------------------- zone catalogue

TEST(TimeZoneCatalog, SeventyRowsInListOrder) {
    ASSERT_EQ(TimeZoneCatalog.size(), 70u);
    EXPECT_EQ(TimeZoneCatalog.front().displayText, "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(TimeZoneCatalog.back().displayText, "Yukon Standard Time,YST,-9.0");
}

TEST(TimeZoneCatalog, EdgeRows) {
    EXPECT_EQ(TimeZoneCatalog[34].displayText, "Indian Time, IST, +5.3");
    EXPECT_EQ(TimeZoneCatalog[34].hourValue, -5);
    EXPECT_EQ(TimeZoneCatalog[34].minuteValue, -30);
    EXPECT_EQ(TimeZoneCatalog[50].displayText, "Newfoundland Standard Time,NST,-3.5");
    EXPECT_EQ(TimeZoneCatalog[50].hourValue, 3);
    EXPECT_EQ(TimeZoneCatalog[50].minuteValue, 30);
    EXPECT_EQ(TimeZoneCatalog[29].displayText, "Greenwich Mean Time,GMT,0.0");
    EXPECT_EQ(TimeZoneCatalog[29].hourValue, 0);
    EXPECT_EQ(TimeZoneCatalog[29].minuteValue, 0);
    EXPECT_EQ(TimeZoneCatalog[61].displayText, "Universal Time, UT, 0.0");
    EXPECT_EQ(TimeZoneCatalog[61].hourValue, 0);
    EXPECT_EQ(TimeZoneCatalog[61].minuteValue, 0);
    EXPECT_EQ(TimeZoneCatalog[46].displayText, "New Zealand Std Summer Time,NZST,+13.0");
    EXPECT_EQ(TimeZoneCatalog[46].hourValue, -13);
    EXPECT_EQ(TimeZoneCatalog[46].minuteValue, 0);
    EXPECT_EQ(TimeZoneCatalog[36].displayText, "Int'l Date Line West,IDLW,-12.0");
    EXPECT_EQ(TimeZoneCatalog[36].hourValue, 12);
    EXPECT_EQ(TimeZoneCatalog[36].minuteValue, 0);
}

TEST(TimeZoneCatalog, DuplicateNamesStay) {
    EXPECT_NE(TimeZoneCatalog[50].displayText.find(",NST,"), std::string_view::npos);
    EXPECT_NE(TimeZoneCatalog[52].displayText.find(",NST,"), std::string_view::npos);
    EXPECT_EQ(TimeZoneCatalog[56].hourValue, TimeZoneCatalog[57].hourValue);
    EXPECT_EQ(TimeZoneCatalog[58].minuteValue, TimeZoneCatalog[59].minuteValue);
}

TEST(TimeZoneCatalog, ValuesAreTheReversedOffset) {
    for (const TimeZoneRow& row : TimeZoneCatalog) {
        // Minutes are 0 or 30 in size and share the sign of the hours.
        EXPECT_TRUE(row.minuteValue == 0 || row.minuteValue == 30 || row.minuteValue == -30)
            << row.displayText;
        EXPECT_TRUE(row.minuteValue == 0 || (row.minuteValue > 0) == (row.hourValue > 0))
            << row.displayText;
        // The label after the last comma is the UTC offset: opposite sign to the hour value.
        const std::string_view text = row.displayText;
        const std::string_view label = text.substr(text.rfind(',') + 1);
        if (label.find('-') != std::string_view::npos) {
            EXPECT_GT(row.hourValue, 0) << text;
        } else if (label.find('+') != std::string_view::npos) {
            EXPECT_LT(row.hourValue, 0) << text;
        } else {
            EXPECT_EQ(row.hourValue, 0) << text;
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
    EXPECT_EQ(SignAbbreviations.front(), "Ari");
    EXPECT_EQ(SignAbbreviations.back(), "Pis");
}

} // namespace
} // namespace kovrel
