#include "common/Calendar.h"
#include "common/Text.h"
#include "common/TextCodec.h"

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

TEST(ColumnWidth, CombiningSignsTakeNoColumnOfTheirOwn) {
    EXPECT_EQ(ColumnWidth("Mercury"), 7u);
    // सूर्य: sa, the vowel sign uu, ra, virama, ya; the sign and the virama join their letters.
    EXPECT_EQ(ColumnWidth("\u0938\u0942\u0930\u094D\u092F"), 3u);
    EXPECT_EQ(ColumnWidth("\u00B0"), 1u);
}

TEST(TrimBlanks, OnlyBlanksAtTheEnds) {
    EXPECT_EQ(TrimBlanks("  New Delhi  "), "New Delhi");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("a  b"), "a  b");
}

TEST(EqualsIgnoringCase, LettersMatchInEitherCaseAndNothingElseDoes) {
    EXPECT_TRUE(EqualsIgnoringCase("True", "tRUE"));
    EXPECT_TRUE(EqualsIgnoringCase("", ""));
    EXPECT_FALSE(EqualsIgnoringCase("True", "True "));
    EXPECT_FALSE(EqualsIgnoringCase("[", "{")); // one case step apart, but not letters
}

TEST(ShiftedDateTime, CarriesThroughDaysMonthsYearsAndLeapDays) {
    // Worked by hand from the calendar.
    EXPECT_EQ(ShiftedDateTime({1990, 12, 31, 24, 30}, 0), (CivilDateTime{1991, 1, 1, 0, 30}));
    EXPECT_EQ(ShiftedDateTime({1990, 3, 15, 8, 30}, -330), (CivilDateTime{1990, 3, 15, 3, 0}));
    EXPECT_EQ(ShiftedDateTime({2000, 3, 1, 2, 0}, -180), (CivilDateTime{2000, 2, 29, 23, 0}));
    EXPECT_EQ(ShiftedDateTime({1900, 3, 1, 2, 0}, -180), (CivilDateTime{1900, 2, 28, 23, 0}));
    EXPECT_EQ(ShiftedDateTime({1990, 2, 29, 0, 0}, 0), std::nullopt);
    EXPECT_EQ(ShiftedDateTime({1990, 1, 1, 25, 0}, 0), std::nullopt);
    EXPECT_EQ(ShiftedDateTime({1990, 13, 1, 0, 0}, 0), std::nullopt);
}

} // namespace
} // namespace kovrel
