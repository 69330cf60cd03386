#pragma once

#include "common/Planets.h"
#include "relationships/Dignity.h"
#include "relationships/Relations.h"

#include <array>
#include <string>
#include <string_view>

namespace kovrel {

// The words of the relationships, shared by the panels, the reports and the printed reading.

// The five compound relations in CompoundKind order, from the best to the worst.
inline constexpr std::array<std::string_view, kCompoundKindCount> kCompoundTexts = {
    "Great Friend", "Friend", "Neutral", "Enemy", "Great Enemy"};

constexpr std::string_view CompoundText(CompoundKind kind) {
    return kCompoundTexts[Index(kind)];
}

// Names in one list cell are joined with this.
inline constexpr std::string_view kListSeparator = "/ ";

// A list cell as shown: "Moon/ Mars/ Jupiter"; the empty text for no planets.
inline std::string ListText(const PlanetList& list) {
    std::string text;
    for (const Planet planet : list) {
        if (!text.empty()) {
            text += kListSeparator;
        }
        text += PlanetName(planet);
    }
    return text;
}

// The column headings of the list panel.
inline constexpr std::string_view kPlanetHeading = "Planet";
inline constexpr std::string_view kFriendsHeading = "Friends (mitra)";
inline constexpr std::string_view kEnemiesHeading = "Enemies (satru)";
inline constexpr std::string_view kNeutralsHeading = "Neutral (sama)";

// The three tabs, in tab order, and the titles of the panels they show.
inline constexpr std::array<std::string_view, 3> kResultTabCaptions = {
    "Natural (Naisargika)", "Temporary (Tatkalika)", "Compound (Panchadha)"};
inline constexpr std::string_view kNaturalTitle = "Natural Relationship";
inline constexpr std::string_view kTemporaryTitle = "Temporary Relationship";
inline constexpr std::string_view kCompoundTitle = "Compound Relationship";
inline constexpr std::string_view kResultAreaTitle = "Kovrel Result";

// "exalted", "debilitated", "own sign", or the compound relation towards the sign's lord in the
// words of the compound tab: "in a Great Friend's sign" .. "in an Enemy's sign".
inline std::string DignityText(Dignity dignity) {
    switch (dignity) {
    case Dignity::Exalted:
        return "exalted";
    case Dignity::Debilitated:
        return "debilitated";
    case Dignity::OwnSign:
        return "own sign";
    default:
        break;
    }
    const std::string_view relation = CompoundText(static_cast<CompoundKind>(
        static_cast<int>(dignity) - static_cast<int>(Dignity::GreatFriendsSign)));
    const bool vowel = relation.front() == 'E';
    return std::string(vowel ? "in an " : "in a ").append(relation).append("'s sign");
}

} // namespace kovrel
