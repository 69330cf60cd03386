#pragma once

#include <string>
#include <string_view>

namespace kovrel {

// Single-byte texts: every char is one ISO-8859-1 code 0..255.
// Reverses the text and raises every code by 85; a code that would pass 255 is left out.
std::string ScrambleText(std::string_view latin1);
// Reverses the text and lowers every code by 85; a code below 85 is left out.
std::string UnscrambleText(std::string_view latin1);

// UTF-8 <-> ISO-8859-1 at the file and settings boundary. Characters above U+00FF (and
// malformed UTF-8) have no single-byte form and are left out.
std::string Latin1FromUtf8(std::string_view utf8);
std::string Utf8FromLatin1(std::string_view latin1);

} // namespace kovrel
