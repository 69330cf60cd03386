#include "app/EntryValidation.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

constexpr std::string_view kFebruaryMessage = "Please Enter Correct Date Or Month!";
constexpr std::string_view kThirtyDayMessage = "Please Enter Correct Date Or Month !";

EntryForm CompleteEntry() {
    EntryForm entry;
    entry.name = "Ann";
    entry.latDeg = "28";
    entry.latMin = "36";
    entry.lonDeg = "77";
    entry.lonMin = "12";
    entry.city = "New Delhi";
    entry.state = "Delhi";
    entry.country = "India";
    entry.dayIndex = 14;
    entry.monthIndex = 2;
    entry.yearIndex = FindListItem(EntryList::Year, "1990");
    return entry;
}

EntryForm OnDate(int day, int month, std::string_view year) {
    EntryForm entry = CompleteEntry();
    entry.dayIndex = day - 1;
    entry.monthIndex = month - 1;
    entry.yearIndex = FindListItem(EntryList::Year, year);
    return entry;
}

EntryFault Error(std::string_view message, EntryControl focus) {
    return {std::string(message), MessageIcon::Error, focus};
}

TEST(ValidateInput, CompleteEntryPasses) {
    EXPECT_EQ(ValidateInput(CompleteEntry()), std::nullopt);
}

TEST(ValidateInput, EachEmptyFieldIsReportedWithItsMessageAndFocus) {
    struct Case {
        std::string EntryForm::*field;
        EntryFault fault;
    };
    const Case cases[] = {
        {&EntryForm::name, Error("Please Enter Your Name", EntryControl::Name)},
        {&EntryForm::latDeg, Error("Please Enter Degree of Latitude", EntryControl::LatDeg)},
        {&EntryForm::latMin, Error("Please Enter Minutes of Latitude", EntryControl::LatMin)},
        {&EntryForm::lonDeg, Error("Please Enter Degree of Longitude", EntryControl::LonDeg)},
        {&EntryForm::lonMin, Error("Please Enter Minute of Longitude", EntryControl::LonMin)},
        {&EntryForm::city, Error("Please Enter Your City name", EntryControl::City)},
        {&EntryForm::state, Error("Please Enter Your State name", EntryControl::State)},
        {&EntryForm::country, Error("Please Enter Your Country name", EntryControl::Country)},
    };
    for (const Case& c : cases) {
        EntryForm entry = CompleteEntry();
        entry.*c.field = "";
        EXPECT_EQ(ValidateInput(entry), c.fault) << c.fault.message;
    }
}

TEST(ValidateInput, MissingDirectionsSelectNorthAndEast) {
    EntryForm entry = CompleteEntry();
    entry.latitude = LatitudeChoice::None;
    entry.longitude = LongitudeChoice::None;
    EXPECT_EQ(ValidateInput(entry),
              Error("Please Select Direction For The Latitude", EntryControl::SelectNorth));
    entry.latitude = LatitudeChoice::South;
    EXPECT_EQ(ValidateInput(entry),
              Error("Please Select Direction For The Longitude", EntryControl::SelectEast));
    entry.longitude = LongitudeChoice::West;
    EXPECT_EQ(ValidateInput(entry), std::nullopt);
}

TEST(ValidateInput, OnlyTheFirstFaultInOrderIsReported) {
    // Every check fails at once: the name hides all the others.
    EntryForm entry = OnDate(31, 2, "1999");
    entry.name = entry.latDeg = entry.latMin = entry.lonDeg = entry.lonMin = "";
    entry.city = entry.state = entry.country = "";
    entry.latitude = LatitudeChoice::None;
    entry.longitude = LongitudeChoice::None;
    EXPECT_EQ(ValidateInput(entry)->message, "Please Enter Your Name");

    entry.name = "Ann";
    EXPECT_EQ(ValidateInput(entry)->message, "Please Enter Degree of Latitude");
    entry.latDeg = entry.latMin = entry.lonDeg = entry.lonMin = "1";
    EXPECT_EQ(ValidateInput(entry)->message, "Please Enter Your City name");
    entry.city = entry.state = entry.country = "X";
    EXPECT_EQ(ValidateInput(entry)->message, "Please Select Direction For The Latitude");
    entry.latitude = LatitudeChoice::North;
    entry.longitude = LongitudeChoice::East;
    EXPECT_EQ(ValidateInput(entry)->message, kFebruaryMessage);
}

TEST(ValidateInput, TextOfBlanksIsNotEmpty) {
    EntryForm entry = CompleteEntry();
    entry.name = " ";
    entry.city = "  ";
    EXPECT_EQ(ValidateInput(entry), std::nullopt);
}

TEST(ValidateInput, NoRangeTestOnCoordinates) {
    EntryForm entry = CompleteEntry();
    entry.latDeg = "95";
    entry.latMin = "75";
    entry.lonDeg = "999";
    EXPECT_EQ(ValidateInput(entry), std::nullopt);
}

TEST(ValidateInput, FebruaryFollowsTheDivisibleByFourRule) {
    EXPECT_EQ(ValidateInput(OnDate(29, 2, "2000")), std::nullopt);
    EXPECT_EQ(ValidateInput(OnDate(29, 2, "1904")), std::nullopt);
    EXPECT_EQ(ValidateInput(OnDate(28, 2, "1999")), std::nullopt);

    const EntryFault february{std::string(kFebruaryMessage), MessageIcon::Information,
                              EntryControl::None};
    EXPECT_EQ(ValidateInput(OnDate(29, 2, "1999")), february);
    EXPECT_EQ(ValidateInput(OnDate(29, 2, "1901")), february);
    EXPECT_EQ(ValidateInput(OnDate(30, 2, "2000")), february);
    EXPECT_EQ(ValidateInput(OnDate(31, 2, "2000")), february);
    EXPECT_EQ(ValidateInput(OnDate(31, 2, "2050")), february);
}

TEST(ValidateInput, ThirtyDayMonthsRefuseThe31st) {
    const EntryFault thirtyDays{std::string(kThirtyDayMessage), MessageIcon::Information,
                                EntryControl::None};
    for (int month : {4, 6, 9, 11}) {
        EXPECT_EQ(ValidateInput(OnDate(31, month, "1990")), thirtyDays) << month;
        EXPECT_EQ(ValidateInput(OnDate(30, month, "1990")), std::nullopt) << month;
    }
    for (int month : {1, 3, 5, 7, 8, 10, 12}) {
        EXPECT_EQ(ValidateInput(OnDate(31, month, "1990")), std::nullopt) << month;
    }
}

TEST(LettersOnlyFilter, AcceptsLettersBlankAndEditingKeysOnly) {
    for (int code = 0; code <= 255; ++code) {
        const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
        const bool accepted = letter || code == ' ' || code == 8 || code == 127;
        EXPECT_EQ(LettersOnlyFilter(code), accepted ? code : 0) << code;
    }
    EXPECT_EQ(LettersOnlyFilter('9'), 0);
    EXPECT_EQ(LettersOnlyFilter('-'), 0);
    EXPECT_EQ(LettersOnlyFilter('\''), 0);
    EXPECT_EQ(LettersOnlyFilter(13), 0);   // Enter
    EXPECT_EQ(LettersOnlyFilter(0xE9), 0); // e with acute accent
}

TEST(DigitsOnlyFilter, AcceptsDigitsAndEditingKeysOnly) {
    for (int code = 0; code <= 255; ++code) {
        const bool accepted = (code >= '0' && code <= '9') || code == 8 || code == 127;
        EXPECT_EQ(DigitsOnlyFilter(code), accepted ? code : 0) << code;
    }
    EXPECT_EQ(DigitsOnlyFilter('a'), 0);
    EXPECT_EQ(DigitsOnlyFilter(' '), 0);
    EXPECT_EQ(DigitsOnlyFilter('-'), 0);
}

TEST(PastedText, PassesOnlyWhenEveryCharacterWould) {
    EXPECT_TRUE(LettersOnlyText("New Delhi"));
    EXPECT_TRUE(LettersOnlyText(""));
    EXPECT_FALSE(LettersOnlyText("St. Louis"));
    EXPECT_FALSE(LettersOnlyText("Ann\n"));
    EXPECT_FALSE(LettersOnlyText("Jos\xC3\xA9"));  // U+00E9: single-byte, still no letter A..Z
    EXPECT_FALSE(LettersOnlyText("\xE6\x9D\xB1")); // U+6771: no single-byte form
    EXPECT_FALSE(LettersOnlyText("Ann\xC1\x81"));  // overlong form of 'A'
    EXPECT_FALSE(LettersOnlyText("Ann\xC3"));      // cut short
    EXPECT_FALSE(LettersOnlyText(std::string("A\0B", 3)));

    EXPECT_TRUE(DigitsOnlyText("077"));
    EXPECT_TRUE(DigitsOnlyText(""));
    EXPECT_FALSE(DigitsOnlyText("7 7"));
    EXPECT_FALSE(DigitsOnlyText("-5"));
    EXPECT_FALSE(DigitsOnlyText("\xEF\xBC\x97")); // U+FF17, fullwidth seven
}

} // namespace
} // namespace kovrel
