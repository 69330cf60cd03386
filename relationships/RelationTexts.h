#pragma once

#include "common/Planets.h"
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

} // namespace kovrel
