#pragma once

#include "app/EntryForm.h"
#include "common/Result.h"
#include "common/Words.h"

#include <string>
#include <string_view>

namespace kovrel {

// The first fault of the entry, in the fixed order of the checks, or nothing when it may be
// calculated.
Result<> ValidateInput(const EntryForm& entry);

inline constexpr Word kLettersOnlyMessage = KOVREL_WORD("Messages", "Please enter only letters");
inline constexpr Word kDigitsOnlyMessage = KOVREL_WORD("Messages", "Please enter only numbers");

// Keystroke filters: the character code (single-byte set; 8 is backspace) is returned when it
// is accepted, 0 when it must be discarded.
int LettersOnlyFilter(int code);
int DigitsOnlyFilter(int code);

// Whether every character of a UTF-8 text (pasted or dropped) passes the filter.
bool LettersOnlyText(std::string_view utf8);
bool DigitsOnlyText(std::string_view utf8);

} // namespace kovrel
