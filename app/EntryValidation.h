#pragma once

#include "app/EntryForm.h"

#include <optional>
#include <string>
#include <string_view>

namespace kovrel {

enum class MessageIcon { Error, Information };

// Which control takes the focus after a fault, or which option gets selected.
enum class EntryControl {
    None,
    Name,
    LatDeg,
    LatMin,
    LonDeg,
    LonMin,
    City,
    State,
    Country,
    SelectNorth,
    SelectEast,
};

struct EntryFault {
    std::string message;
    MessageIcon icon;
    EntryControl focus;

    bool operator==(const EntryFault&) const = default;
};

// The first fault of the entry, in the fixed order of the checks, or nothing when it may be
// calculated.
std::optional<EntryFault> ValidateInput(const EntryForm& entry);

inline constexpr std::string_view kLettersOnlyMessage = "Please enter only letters";
inline constexpr std::string_view kDigitsOnlyMessage = "Please enter only numbers";

// Keystroke filters: the character code (single-byte set; 8 is backspace) is returned when it
// is accepted, 0 when it must be discarded.
int LettersOnlyFilter(int code);
int DigitsOnlyFilter(int code);

// Whether every character of a UTF-8 text (pasted or dropped) passes the filter.
bool LettersOnlyText(std::string_view utf8);
bool DigitsOnlyText(std::string_view utf8);

} // namespace kovrel
