#pragma once

#include "common/Words.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kovrel {

inline constexpr int kSignCount = 12;

// Zodiac order, Aries first; position = sign index. The abbreviations are what placements hold.
// Saved files and placements keep the English abbreviations; other languages show their own.
inline constexpr std::array<Word, kSignCount> SignAbbreviations = {
    KOVREL_WORD("Sign abbreviations", "Ari"), KOVREL_WORD("Sign abbreviations", "Tau"),
    KOVREL_WORD("Sign abbreviations", "Gem"), KOVREL_WORD("Sign abbreviations", "Can"),
    KOVREL_WORD("Sign abbreviations", "Leo"), KOVREL_WORD("Sign abbreviations", "Vir"),
    KOVREL_WORD("Sign abbreviations", "Lib"), KOVREL_WORD("Sign abbreviations", "Sco"),
    KOVREL_WORD("Sign abbreviations", "Sag"), KOVREL_WORD("Sign abbreviations", "Cap"),
    KOVREL_WORD("Sign abbreviations", "Aqu"), KOVREL_WORD("Sign abbreviations", "Pis")};

inline constexpr std::array<Word, kSignCount> SignNames = {
    KOVREL_WORD("Signs", "Aries"),       KOVREL_WORD("Signs", "Taurus"),
    KOVREL_WORD("Signs", "Gemini"),      KOVREL_WORD("Signs", "Cancer"),
    KOVREL_WORD("Signs", "Leo"),         KOVREL_WORD("Signs", "Virgo"),
    KOVREL_WORD("Signs", "Libra"),       KOVREL_WORD("Signs", "Scorpio"),
    KOVREL_WORD("Signs", "Sagittarius"), KOVREL_WORD("Signs", "Capricorn"),
    KOVREL_WORD("Signs", "Aquarius"),    KOVREL_WORD("Signs", "Pisces")};

inline std::string SignName(int sign, const Words& words) {
    return words.Say(SignNames[static_cast<std::size_t>(sign)]);
}

} // namespace kovrel
