#include "app/EntryValidation.h"

#include "common/Calendar.h"
#include "common/Text.h"
#include "common/TextCodec.h"
#include "common/Words.h"

namespace kovrel {

namespace {

// The window says these in its language: they are filed under "Messages" in English.
Fault ErrorAt(Word message, EntryControl focus) {
    return Fault{message.english, MessageIcon::Error, focus};
}

Fault CalendarFault(Word message) {
    return Fault{message.english, MessageIcon::Information, EntryControl::None};
}

// A pasted text is accepted only when typing it character by character would have been:
// characters without a single-byte code can never pass a filter.
bool EveryCharacterPasses(std::string_view utf8, int (*filter)(int)) {
    const std::string latin1 = Latin1FromUtf8(utf8);
    if (Utf8FromLatin1(latin1) != utf8) {
        return false; // malformed, or a character beyond the single-byte set was left out
    }
    for (const char c : latin1) {
        // Backspace and DEL pass the keystroke filters because they edit a box; inside a pasted
        // or given text they are neither letters, blanks nor digits.
        const int code = static_cast<unsigned char>(c);
        if (code == 8 || code == 127 || filter(code) == 0) {
            return false;
        }
    }
    return true;
}

} // namespace

Result<> ValidateInput(const EntryForm& entry) {
    // A box counts as empty only when it holds nothing at all: a text of blanks is not empty.
    if (entry.name.empty()) {
        return ErrorAt(KOVREL_WORD("Messages", "Please Enter Your Name"), EntryControl::Name);
    }
    if (entry.latDeg.empty()) {
        return ErrorAt(KOVREL_WORD("Messages", "Please Enter Degree of Latitude"),
                       EntryControl::LatDeg);
    }
    if (entry.latMin.empty()) {
        return ErrorAt(KOVREL_WORD("Messages", "Please Enter Minutes of Latitude"),
                       EntryControl::LatMin);
    }
    if (entry.lonDeg.empty()) {
        return ErrorAt(KOVREL_WORD("Messages", "Please Enter Degree of Longitude"),
                       EntryControl::LonDeg);
    }
    if (entry.lonMin.empty()) {
        return ErrorAt(KOVREL_WORD("Messages", "Please Enter Minute of Longitude"),
                       EntryControl::LonMin);
    }
    if (entry.city.empty()) {
        return ErrorAt(KOVREL_WORD("Messages", "Please Enter Your City name"), EntryControl::City);
    }
    if (entry.state.empty()) {
        return ErrorAt(KOVREL_WORD("Messages", "Please Enter Your State name"),
                       EntryControl::State);
    }
    if (entry.country.empty()) {
        return ErrorAt(KOVREL_WORD("Messages", "Please Enter Your Country name"),
                       EntryControl::Country);
    }
    if (entry.latitude == LatitudeChoice::None) {
        return ErrorAt(KOVREL_WORD("Messages", "Please Select Direction For The Latitude"),
                       EntryControl::SelectNorth);
    }
    if (entry.longitude == LongitudeChoice::None) {
        return ErrorAt(KOVREL_WORD("Messages", "Please Select Direction For The Longitude"),
                       EntryControl::SelectEast);
    }

    // A year that cannot be read is taken as a common year, the stricter February test.
    const auto year = WholeNumberFromText(ListItemText(EntryList::Year, entry.yearIndex));
    const bool leapYear = year && IsLeapYear(*year);
    const int day = entry.dayIndex; // 0 = the 1st
    if (entry.monthIndex == 1) {
        const int firstMissingDay = leapYear ? 29 : 28;
        if (day >= firstMissingDay && day <= 30) {
            return CalendarFault(KOVREL_WORD("Messages", "Please Enter Correct Date Or Month!"));
        }
    }
    const int month = entry.monthIndex;
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30) {
        return CalendarFault(KOVREL_WORD("Messages", "Please Enter Correct Date Or Month !"));
    }
    return Success();
}

int LettersOnlyFilter(int code) {
    const bool accepted = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') ||
                          code == ' ' || code == 8 || code == 127;
    return accepted ? code : 0;
}

int DigitsOnlyFilter(int code) {
    const bool accepted = (code >= '0' && code <= '9') || code == 8 || code == 127;
    return accepted ? code : 0;
}

bool LettersOnlyText(std::string_view utf8) {
    return EveryCharacterPasses(utf8, LettersOnlyFilter);
}

bool DigitsOnlyText(std::string_view utf8) {
    return EveryCharacterPasses(utf8, DigitsOnlyFilter);
}

} // namespace kovrel
