#include "places/PlaceText.h"

#include <array>
#include <cstdint>

namespace kovrel {

namespace {

// Plain lower-case letter of each code point from U+00C0 to U+017F; '*' marks a letter that
// becomes two (Æ, Þ, ß, Ĳ, Œ), a blank a sign that is no letter (×, ÷).
constexpr std::string_view kLatin1Letters = "aaaaaa*ceeeeiiiidnooooo ouuuuy**"
                                            "aaaaaa*ceeeeiiiidnooooo ouuuuy*y";
constexpr std::string_view kLatinExtendedALetters = "aaaaaa"
                                                    "cccccccc"
                                                    "dddd"
                                                    "eeeeeeeeee"
                                                    "gggggggg"
                                                    "hhhh"
                                                    "iiiiiiiiii"
                                                    "**"
                                                    "jj"
                                                    "kkk"
                                                    "llllllllll"
                                                    "nnnnnnnnn"
                                                    "oooooo"
                                                    "**"
                                                    "rrrrrr"
                                                    "ssssssss"
                                                    "tttttt"
                                                    "uuuuuuuuuuuu"
                                                    "ww"
                                                    "yyy"
                                                    "zzzzzz"
                                                    "s";
static_assert(kLatin1Letters.size() == 0x100 - 0xC0);
static_assert(kLatinExtendedALetters.size() == 0x180 - 0x100);

std::string_view TwoLetters(char32_t code) {
    switch (code) {
    case 0xC6:
    case 0xE6:
        return "ae";
    case 0xDE:
    case 0xFE:
        return "th";
    case 0xDF:
        return "ss";
    case 0x132:
    case 0x133:
        return "ij";
    case 0x152:
    case 0x153:
        return "oe";
    default:
        return " ";
    }
}

// Vietnamese letters with two marks (U+1EA0..U+1EF9), in runs of one base letter.
char VietnameseLetter(char32_t code) {
    if (code <= 0x1EB7) {
        return 'a';
    }
    if (code <= 0x1EC7) {
        return 'e';
    }
    if (code <= 0x1ECB) {
        return 'i';
    }
    if (code <= 0x1EE3) {
        return 'o';
    }
    if (code <= 0x1EF1) {
        return 'u';
    }
    return 'y';
}

// Lower-case plain letters for one code point, or a blank.
std::string_view PlainLetters(char32_t code, std::array<char, 1>& buffer) {
    char letter = ' ';
    if ((code >= 'a' && code <= 'z')) {
        letter = static_cast<char>(code);
    } else if (code >= 'A' && code <= 'Z') {
        letter = static_cast<char>(code - 'A' + 'a');
    } else if (code >= 0xC0 && code < 0x100) {
        letter = kLatin1Letters[code - 0xC0];
    } else if (code >= 0x100 && code < 0x180) {
        letter = kLatinExtendedALetters[code - 0x100];
    } else if (code == 0x1A0 || code == 0x1A1) {
        letter = 'o';
    } else if (code == 0x1AF || code == 0x1B0) {
        letter = 'u';
    } else if (code == 0x218 || code == 0x219) {
        letter = 's';
    } else if (code == 0x21A || code == 0x21B) {
        letter = 't';
    } else if (code >= 0x1EA0 && code <= 0x1EF9) {
        letter = VietnameseLetter(code);
    }
    if (letter == '*') {
        return TwoLetters(code);
    }
    buffer[0] = letter;
    return {buffer.data(), 1};
}

bool IsUpperCase(char32_t code) {
    if (code >= 'A' && code <= 'Z') {
        return true;
    }
    if (code >= 0xC0 && code <= 0xDE) {
        return code != 0xD7;
    }
    if ((code >= 0x100 && code <= 0x137) || (code >= 0x14A && code <= 0x177) ||
        (code >= 0x1EA0 && code <= 0x1EF9) || (code >= 0x218 && code <= 0x21B)) {
        return code % 2 == 0;
    }
    if ((code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E)) {
        return code % 2 == 1;
    }
    return code == 0x178 || code == 0x1A0 || code == 0x1AF;
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

std::string Fold(std::string_view utf8, bool keepCase) {
    std::string out;
    out.reserve(utf8.size());
    bool pendingBlank = false;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const char32_t code = NextCodePoint(utf8, at);
        std::array<char, 1> buffer{};
        const std::string_view letters = PlainLetters(code, buffer);
        if (letters == " ") {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) {
            out += ' ';
            pendingBlank = false;
        }
        const std::size_t first = out.size();
        out += letters;
        if (keepCase && IsUpperCase(code)) {
            out[first] = static_cast<char>(out[first] - 'a' + 'A');
            // Æ in "ÆRØ" stays all capitals; Æ in "Ærø" becomes "Ae".
            if (letters.size() == 2 && at < utf8.size()) {
                std::size_t peek = at;
                if (IsUpperCase(NextCodePoint(utf8, peek))) {
                    out[first + 1] = static_cast<char>(out[first + 1] - 'a' + 'A');
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

} // namespace kovrel
