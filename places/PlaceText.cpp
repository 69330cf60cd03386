#include "places/PlaceText.h"

#include <cstdint>

namespace kovrel {

namespace {

// The plain letter of each Latin letter with marks, from U+00C0 to U+02AF and from U+1E00 to
// U+1EFF, after the letters' Unicode names: a capital for a capital, a blank for what is no
// letter (x, the click letters) or has no plain form, a digit for a letter that becomes two
// (kTwoLetters). Schwa becomes "a", as GeoNames' own ASCII forms write it (Lankaran).
constexpr std::string_view kLatinLetters = "AAAAAA0CEEEEIIIIDNOOOOO OUUUUY12" // U+00C0
                                           "aaaaaa3ceeeeiiiidnooooo ouuuuy4y" // U+00E0
                                           "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGg" // U+0100
                                           "GgGgHhHhIiIiIiIiIi56JjKkkLlLlLlL" // U+0120
                                           "lLlNnNnNn NnOoOoOo78RrRrRrSsSsSs" // U+0140
                                           "SsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs" // U+0160
                                           "bBBb  OCcDDDddEAEFfGG IIKkl MNnO" // U+0180
                                           "Oo  Pp     tTtTUuUVYyZzZZzz     " // U+01A0
                                           "             AaIiOoUuUuUuUuUuaAa" // U+01C0
                                           "Aa03GgGgKkOoOoZzj   Gg WNnAa03Oo" // U+01E0
                                           "AaAaEeEeIiIiOoOoRrRrUuUuSsTtYyHh" // U+0200
                                           "Nd  ZzAaEeOoOoOoOoYylntj  ACcLTs" // U+0220
                                           "z  B VEeJj qRrYy aabocddeaae   j" // U+0240
                                           "g  g  h ii lll mmmnn o      rrr " // U+0260
                                           "  s j   t uvvwy zzzz         j  " // U+0280
                                           "q               ";                // U+02A0

constexpr std::string_view kLatinExtendedAdditionalLetters =
    "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFf"  // U+1E00
    "GgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"  // U+1E20
    "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRr"  // U+1E40
    "SsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"  // U+1E60
    "WwWwWwWwWwXxXxYyZzZzZzhtwyasss d"  // U+1E80
    "AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"  // U+1EA0
    "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOo"  // U+1EC0
    "OoOoUuUuUuUuUuUuUuYyYyYyYy  VvYy"; // U+1EE0

static_assert(kLatinLetters.size() == 0x2B0 - 0xC0);
static_assert(kLatinExtendedAdditionalLetters.size() == 0x100);

struct TwoLetters {
    std::string_view letters;
    bool capital;
};
constexpr TwoLetters kTwoLetters[] = {{"ae", true},  {"th", true},  {"ss", false},
                                      {"ae", false}, {"th", false}, {"ij", true},
                                      {"ij", false}, {"oe", true},  {"oe", false}};

// What one code point becomes: lower-case plain letters (or a blank) and whether it was a
// capital; no letters at all for a combining mark, which belongs to the letter before it.
struct Folded {
    std::string_view letters;
    bool capital = false;
};

bool IsCombiningMark(char32_t code) {
    return (code >= 0x300 && code <= 0x36F) || (code >= 0x1AB0 && code <= 0x1AFF) ||
           (code >= 0x1DC0 && code <= 0x1DFF) || (code >= 0x200B && code <= 0x200D) ||
           (code >= 0xFE00 && code <= 0xFE0F);
}

constexpr std::string_view kLowerLetters = "abcdefghijklmnopqrstuvwxyz";

Folded FoldCodePoint(char32_t code) {
    char entry = ' ';
    if (code < 0x80) {
        const bool letter = (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z');
        entry = letter ? static_cast<char>(code) : ' ';
    } else if (IsCombiningMark(code)) {
        return {"", false};
    } else if (code >= 0xC0 && code < 0x2B0) {
        entry = kLatinLetters[code - 0xC0];
    } else if (code >= 0x1E00 && code <= 0x1EFF) {
        entry = kLatinExtendedAdditionalLetters[code - 0x1E00];
    }
    if (entry >= '0' && entry <= '8') {
        const TwoLetters& two = kTwoLetters[entry - '0'];
        return {two.letters, two.capital};
    }
    if (entry >= 'a' && entry <= 'z') {
        return {kLowerLetters.substr(static_cast<std::size_t>(entry - 'a'), 1), false};
    }
    if (entry >= 'A' && entry <= 'Z') {
        return {kLowerLetters.substr(static_cast<std::size_t>(entry - 'A'), 1), true};
    }
    return {" ", false};
}

// Next code point of a UTF-8 text; a byte that starts no valid sequence counts as one unknown
// character (and so becomes a blank).
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        code = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < length; ++k) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    return code;
}

char Upper(char c) {
    return static_cast<char>(c - 'a' + 'A');
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (Lower(a[k]) != Lower(b[k])) {
            return false;
        }
    }
    return true;
}

// "Saint" for "St", "Sainte" for "Ste", and the other way round; empty for any other word.
std::string_view OtherSaintWord(std::string_view word) {
    constexpr std::string_view kPairs[][2] = {{"st", "saint"}, {"ste", "sainte"}};
    for (const auto& pair : kPairs) {
        for (int side = 0; side < 2; ++side) {
            if (EqualIgnoringCase(word, pair[side])) {
                return pair[1 - side];
            }
        }
    }
    return {};
}

// The next blank-separated word of a letters-only text, from `at` on.
std::string_view NextWord(std::string_view text, std::size_t& at) {
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    const std::size_t start = at;
    while (at < text.size() && text[at] != ' ') {
        ++at;
    }
    return text.substr(start, at - start);
}

std::string Fold(std::string_view utf8, bool keepCase) {
    std::string out;
    out.reserve(utf8.size());
    bool pendingBlank = false;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const Folded folded = FoldCodePoint(NextCodePoint(utf8, at));
        if (folded.letters.empty()) {
            continue;
        }
        if (folded.letters == " ") {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) {
            out += ' ';
            pendingBlank = false;
        }
        const std::size_t first = out.size();
        out += folded.letters;
        if (keepCase && folded.capital) {
            out[first] = Upper(out[first]);
            // Æ in "ÆRØ" stays all capitals; Æ in "Ærø" becomes "Ae".
            if (folded.letters.size() == 2 && at < utf8.size()) {
                std::size_t peek = at;
                if (FoldCodePoint(NextCodePoint(utf8, peek)).capital) {
                    out[first + 1] = Upper(out[first + 1]);
                }
            }
        }
    }
    return out;
}

} // namespace

std::string LettersOnlyName(std::string_view utf8) {
    return Fold(utf8, true);
}

std::string SearchKey(std::string_view utf8) {
    return Fold(utf8, false);
}

bool KeyStartsWith(std::string_view key, std::string_view prefix) {
    return key.substr(0, prefix.size()) == prefix;
}

bool WrittenInLatin(std::string_view utf8) {
    std::size_t at = 0;
    while (at < utf8.size()) {
        const char32_t code = NextCodePoint(utf8, at);
        // Greek, Cyrillic and every later script up to the Latin letters of U+1E00, and from
        // the end of the general punctuation on; invalid bytes come out as U+FFFD.
        const bool otherScript = (code >= 0x370 && code < 0x1E00) || code > 0x206F;
        if (otherScript && !IsCombiningMark(code)) {
            return false;
        }
    }
    return true;
}

bool SameName(std::string_view a, std::string_view b) {
    std::size_t atA = 0;
    std::size_t atB = 0;
    while (true) {
        const std::string_view wordA = NextWord(a, atA);
        const std::string_view wordB = NextWord(b, atB);
        if (wordA.empty() || wordB.empty()) {
            return wordA.empty() && wordB.empty();
        }
        if (!EqualIgnoringCase(wordA, wordB) && !EqualIgnoringCase(OtherSaintWord(wordA), wordB)) {
            return false;
        }
    }
}

std::string OtherSaintSpelling(std::string_view name) {
    std::string other;
    bool changed = false;
    std::size_t at = 0;
    for (std::string_view word = NextWord(name, at); !word.empty(); word = NextWord(name, at)) {
        std::string_view written = OtherSaintWord(word);
        if (written.empty()) {
            written = word;
        } else {
            changed = true;
        }
        if (!other.empty()) {
            other += ' ';
        }
        const std::size_t first = other.size();
        other += written;
        if (word.front() >= 'A' && word.front() <= 'Z') {
            other[first] = Upper(Lower(other[first]));
        }
    }
    return changed ? other : std::string();
}

} // namespace kovrel
