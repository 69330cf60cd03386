#pragma once

#include <string>
#include <string_view>

namespace kovrel {

// Place names go into boxes that take only the letters A-Z, a-z and blanks. These turn any
// UTF-8 text into such a text: Latin letters with accents become their plain letters (é -> e,
// ß -> ss, Æ -> AE, ș -> s, Vietnamese ạ -> a), every other character becomes a blank, and
// blanks are collapsed and trimmed.

// Keeps the case of each letter: "Ciudad Juárez" -> "Ciudad Juarez", "Astrakhan'" -> "Astrakhan",
// "Kamen'-na-Obi" -> "Kamen na Obi".
std::string LettersOnlyName(std::string_view utf8);

// The same in lower case: the form names are compared in. "São Paulo" -> "sao paulo".
std::string SearchKey(std::string_view utf8);

// Whether `key` begins with `prefix`, both already search keys (lower case ASCII).
bool KeyStartsWith(std::string_view key, std::string_view prefix);

} // namespace kovrel
