#pragma once

#include "common/Planets.h"
#include "common/Words.h"
#include "relationships/Dignity.h"
#include "relationships/Relations.h"

#include <array>
#include <string>
#include <string_view>

namespace kovrel {

// The words of the relationships, shared by the panels, the reports and the printed reading.

// The five compound relations in CompoundKind order, from the best to the worst.
inline constexpr std::array<Word, kCompoundKindCount> kCompoundTexts = {
    KOVREL_WORD("Relations", "Great Friend"), KOVREL_WORD("Relations", "Friend"),
    KOVREL_WORD("Relations", "Neutral"), KOVREL_WORD("Relations", "Enemy"),
    KOVREL_WORD("Relations", "Great Enemy")};

constexpr std::string_view CompoundText(CompoundKind kind) {
    return kCompoundTexts[Index(kind)].text();
}

inline std::string CompoundText(CompoundKind kind, const Words& words) {
    return words.Say(kCompoundTexts[Index(kind)]);
}

// Names in one list cell are joined with this.
inline constexpr std::string_view kListSeparator = "/ ";

// A list cell as shown: "Moon/ Mars/ Jupiter"; the empty text for no planets.
inline std::string ListText(const PlanetList& list, const Words& words = English()) {
    std::string text;
    for (const Planet planet : list) {
        if (!text.empty()) {
            text += kListSeparator;
        }
        text += words.Say(PlanetNames[Index(planet)]);
    }
    return text;
}

// The column headings of the list panel.
inline constexpr Word kPlanetHeading = KOVREL_WORD("Relations", "Planet");
inline constexpr Word kFriendsHeading = KOVREL_WORD("Relations", "Friends (mitra)");
inline constexpr Word kEnemiesHeading = KOVREL_WORD("Relations", "Enemies (satru)");
inline constexpr Word kNeutralsHeading = KOVREL_WORD("Relations", "Neutral (sama)");

// The three tabs, in tab order, and the titles of the panels they show.
inline constexpr std::array<Word, 3> kResultTabCaptions = {
    KOVREL_WORD("Relations", "Natural (Naisargika)"),
    KOVREL_WORD("Relations", "Temporary (Tatkalika)"),
    KOVREL_WORD("Relations", "Compound (Panchadha)")};
inline constexpr Word kNaturalTitle = KOVREL_WORD("Relations", "Natural Relationship");
inline constexpr Word kTemporaryTitle = KOVREL_WORD("Relations", "Temporary Relationship");
inline constexpr Word kCompoundTitle = KOVREL_WORD("Relations", "Compound Relationship");
inline constexpr Word kResultAreaTitle = KOVREL_WORD("Relations", "Kovrel Result");

// "exalted", "debilitated", "own sign", or the compound relation towards the sign's lord in the
// words of the compound tab: "in a Great Friend's sign" .. "in an Enemy's sign". Each is one
// whole text, so that a language can say it in its own order.
inline std::string DignityText(Dignity dignity, const Words& words = English()) {
    static constexpr std::array<Word, 8> kDignityTexts = {
        KOVREL_WORD("Dignity", "exalted"),
        KOVREL_WORD("Dignity", "debilitated"),
        KOVREL_WORD("Dignity", "own sign"),
        KOVREL_WORD("Dignity", "in a Great Friend's sign"),
        KOVREL_WORD("Dignity", "in a Friend's sign"),
        KOVREL_WORD("Dignity", "in a Neutral's sign"),
        KOVREL_WORD("Dignity", "in an Enemy's sign"),
        KOVREL_WORD("Dignity", "in a Great Enemy's sign")};
    return words.Say(kDignityTexts[static_cast<std::size_t>(dignity)]);
}

} // namespace kovrel
