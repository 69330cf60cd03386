#pragma once

#include <array>
#include <string_view>

namespace kovrel {

inline constexpr int kSignCount = 12;

// Zodiac order, Aries first; position = sign index. The abbreviations are what placements hold.
inline constexpr std::array<std::string_view, kSignCount> SignAbbreviations = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

inline constexpr std::array<std::string_view, kSignCount> SignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

} // namespace kovrel
