#include "Examples.h"
#include "app/EntryValidation.h"

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

constexpr const char* kFebruaryMessage = "Please Enter Correct Date Or Month!";
constexpr const char* kThirtyDayMessage = "Please Enter Correct Date Or Month !";

EntryForm OnDate(int day, int month, std::string_view year) {
    EntryForm entry = AnnEntry();
    entry.dayIndex = day - 1;
    entry.monthIndex = month - 1;
    entry.yearIndex = FindListItem(EntryList::Year, year);
    return entry;
}

Fault Error(std::string_view message, EntryControl focus) {
    return {std::string(message), MessageIcon::Error, focus};
}

TEST(ValidateInput, EachEmptyFieldIsReportedWithItsMessageAndFocus) {
    EXPECT_EQ(FaultOf(ValidateInput(AnnEntry())), std::nullopt);
    const struct {
        std::string EntryForm::*field;
        Fault fault;
    } cases[] = {
        {&EntryForm::name, Error("Please Enter Your Name", EntryControl::Name)},
        {&EntryForm::latDeg, Error("Please Enter Degree of Latitude", EntryControl::LatDeg)},
        {&EntryForm::latMin, Error("Please Enter Minutes of Latitude", EntryControl::LatMin)},
        {&EntryForm::lonDeg, Error("Please Enter Degree of Longitude", EntryControl::LonDeg)},
        {&EntryForm::lonMin, Error("Please Enter Minute of Longitude", EntryControl::LonMin)},
        {&EntryForm::city, Error("Please Enter Your City name", EntryControl::City)},
        {&EntryForm::state, Error("Please Enter Your State name", EntryControl::State)},
        {&EntryForm::country, Error("Please Enter Your Country name", EntryControl::Country)},
    };
    for (const auto& c : cases) {
        EntryForm entry = AnnEntry();
        entry.*c.field = "";
        EXPECT_EQ(FaultOf(ValidateInput(entry)), c.fault) << c.fault.message;
    }
}

TEST(ValidateInput, MissingDirectionsSelectNorthAndEast) {
    EntryForm entry = AnnEntry();
    entry.latitude = LatitudeChoice::None;
    entry.longitude = LongitudeChoice::None;
    EXPECT_EQ(FaultOf(ValidateInput(entry)),
              Error("Please Select Direction For The Latitude", EntryControl::SelectNorth));
    entry.latitude = LatitudeChoice::South;
    EXPECT_EQ(FaultOf(ValidateInput(entry)),
              Error("Please Select Direction For The Longitude", EntryControl::SelectEast));
    entry.longitude = LongitudeChoice::West;
    EXPECT_EQ(FaultOf(ValidateInput(entry)), std::nullopt);
}

TEST(ValidateInput, OnlyTheFirstFaultInOrderIsReported) {
    // Every check fails at once: the name hides all the others.
    EntryForm entry = OnDate(31, 2, "1999");
    entry.name = entry.latDeg = entry.latMin = entry.lonDeg = entry.lonMin = "";
    entry.city = entry.state = entry.country = "";
    entry.latitude = LatitudeChoice::None;
    entry.longitude = LongitudeChoice::None;
    EXPECT_EQ(FaultOf(ValidateInput(entry))->message, "Please Enter Your Name");

    entry.name = "Ann";
    EXPECT_EQ(FaultOf(ValidateInput(entry))->message, "Please Enter Degree of Latitude");
    entry.latDeg = entry.latMin = entry.lonDeg = entry.lonMin = "1";
    EXPECT_EQ(FaultOf(ValidateInput(entry))->message, "Please Enter Your City name");
    entry.city = entry.state = entry.country = "X";
    EXPECT_EQ(FaultOf(ValidateInput(entry))->message, "Please Select Direction For The Latitude");
    entry.latitude = LatitudeChoice::North;
    entry.longitude = LongitudeChoice::East;
    EXPECT_EQ(FaultOf(ValidateInput(entry))->message, kFebruaryMessage);
}

TEST(ValidateInput, BlanksCountAsTextAndCoordinatesHaveNoRange) {
    EntryForm entry = AnnEntry();
    entry.name = " ";
    entry.city = "  ";
    entry.latDeg = "95";
    entry.latMin = "75";
    entry.lonDeg = "999";
    EXPECT_EQ(FaultOf(ValidateInput(entry)), std::nullopt);
}

TEST(ValidateInput, DaysTheMonthLacksAndTheDivisibleByFourRule) {
    const struct {
        int day, month;
        const char* year;
        const char* message; // nullptr: the date passes
    } cases[] = {
        // clang-format off
        {29, 2, "2000", nullptr}, {29, 2, "1904", nullptr}, {28, 2, "1999", nullptr},
        {29, 2, "1999", kFebruaryMessage}, {29, 2, "1901", kFebruaryMessage},
        {30, 2, "2000", kFebruaryMessage}, {31, 2, "2050", kFebruaryMessage},
        {31, 4, "1990", kThirtyDayMessage}, {31, 6, "1990", kThirtyDayMessage},
        {31, 9, "1990", kThirtyDayMessage}, {31, 11, "1990", kThirtyDayMessage},
        {30, 4, "1990", nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "/" + std::to_string(c.month) + "/" + c.year);
        const auto fault = FaultOf(ValidateInput(OnDate(c.day, c.month, c.year)));
        if (c.message == nullptr) {
            EXPECT_EQ(fault, std::nullopt);
        } else {
            EXPECT_EQ(fault, (Fault{c.message, MessageIcon::Information, EntryControl::None}));
        }
    }
    for (int month : {1, 3, 5, 7, 8, 10, 12}) {
        EXPECT_EQ(FaultOf(ValidateInput(OnDate(31, month, "1990"))), std::nullopt) << month;
    }
}

TEST(KeystrokeFilters, LettersBlankDigitsAndEditingKeys) {
    // The neighbours of each accepted range are refused: '@' and '[' around A-Z, '`' and '{'
    // around a-z, '/' and ':' around 0-9; backspace (8) and delete (127) always pass.
    for (int code : std::initializer_list<int>{'A', 'Z', 'a', 'z', ' ', 8, 127}) {
        EXPECT_EQ(LettersOnlyFilter(code), code) << code;
    }
    for (int code : std::initializer_list<int>{'@', '[', '`', '{', '0', '9', '\'', '-', '.', 0, 9,
                                               13, 0xC0, 0xE9, 0xFF}) {
        EXPECT_EQ(LettersOnlyFilter(code), 0) << code;
    }
    for (int code : std::initializer_list<int>{'0', '5', '9', 8, 127}) {
        EXPECT_EQ(DigitsOnlyFilter(code), code) << code;
    }
    for (int code : std::initializer_list<int>{'/', ':', ' ', 'A', '-', '+', '.', 0, 0xB2, 0xBD}) {
        EXPECT_EQ(DigitsOnlyFilter(code), 0) << code;
    }
}

TEST(PastedText, PassesOnlyWhenEveryCharacterWould) {
    EXPECT_TRUE(LettersOnlyText("New Delhi"));
    EXPECT_TRUE(LettersOnlyText(""));
    // A pasted backspace or DEL is no letter, though the keystroke filter passes them.
    EXPECT_FALSE(LettersOnlyText("New\bDelhi"));
    EXPECT_FALSE(DigitsOnlyText("12\x7f"));
    for (const std::string& bad :
         std::initializer_list<std::string>{"St. Louis", "Ann\n", "Jos\xC3\xA9", "\xE6\x9D\xB1",
                                            "Ann\xC1\x81", "Ann\xC3", std::string("A\0B", 3)}) {
        // The accented letter and the ideograph are no letters A..Z; an overlong 'A', a cut
        // sequence and a NUL are refused as they stand.
        EXPECT_FALSE(LettersOnlyText(bad)) << bad;
    }
    EXPECT_TRUE(DigitsOnlyText("077"));
    EXPECT_TRUE(DigitsOnlyText(""));
    for (const char* bad : {"7 7", "-5", "\xEF\xBC\x97"}) { // the last: fullwidth seven
        EXPECT_FALSE(DigitsOnlyText(bad)) << bad;
    }
}

} // namespace
} // namespace kovrel::test
