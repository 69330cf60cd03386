#pragma once

#include <string>
#include <string_view>

namespace kovrel {

// Place names go into boxes that take only the letters A-Z, a-z and blanks. These turn any
// UTF-8 text into such a text: Latin letters with marks, precomposed or combining, become their
// plain letters (é -> e, ß -> ss, Æ -> AE, ø -> o, ł -> l, ı -> i, ḩ -> h, Vietnamese ạ -> a),
// every other character becomes a blank, and blanks are collapsed and trimmed.

// Keeps the case of each letter: "Ciudad Juárez" -> "Ciudad Juarez", "Astrakhan'" -> "Astrakhan",
// "Kamen'-na-Obi" -> "Kamen na Obi".
std::string LettersOnlyName(std::string_view utf8);

// The same in lower case: the form names are compared in. "São Paulo" -> "sao paulo".
std::string SearchKey(std::string_view utf8);

// Whether `key` begins with `prefix`, both already search keys (lower case ASCII).
bool KeyStartsWith(std::string_view key, std::string_view prefix);

// Whether a text has no letters of another script than Latin (Cyrillic, Arabic, ...), so that
// LettersOnlyName keeps all of its letters. Marks, digits and punctuation do not count.
bool WrittenInLatin(std::string_view utf8);

// Whether two letters-only names are the same words, whatever their case, "St" and "Saint"
// (and "Ste" and "Sainte") counting as the same word.
bool SameName(std::string_view a, std::string_view b);

// The letters-only name with each "St" written "Saint" and each "Saint" written "St" (and the
// same for "Ste" and "Sainte"): the name as others spell it; empty when it has no such word.
std::string OtherSaintSpelling(std::string_view name);

} // namespace kovrel
