#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kovrel {

// Leading and trailing blanks removed (only the blank, code 32, as the entry boxes hold no
// other white space).
std::string TrimBlanks(std::string_view text);
std::string_view TrimBlanksView(std::string_view text);

// Equal letter for letter, A-Z matching a-z; other characters must be the same.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// A number from text: plain decimal with optional sign, fraction and exponent, blanks allowed
// around it. Words such as "inf" or "nan" and hexadecimal forms are not numbers.
std::optional<double> NumberFromText(std::string_view text);

// Whole number from text: nearest whole number with halves to the even neighbour; nothing for
// text that is not a number or a value outside the 16-bit range. Leading and trailing blanks
// are allowed, as in "  12 ".
std::optional<std::int16_t> WholeNumberFromText(std::string_view text);

// The text with every control character (codes 0-31 and 127, and U+0080-U+009F written as
// UTF-8) replaced by '?', so a message shows on one line and cannot steer a terminal.
std::string MaskControlCharacters(std::string_view text);

// The columns a terminal gives UTF-8 text: one per character, none for the combining vowel
// signs and viramas of the Indian scripts or for joiners. Bytes for ASCII.
std::size_t ColumnWidth(std::string_view utf8);

} // namespace kovrel
