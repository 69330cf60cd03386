#include "sky/SkyTexts.h"

#include <array>

namespace kovrel {

namespace {

// The names of the people who defined them, as the JSON and the settings spell them.
constexpr std::array<Word, 3> kAyanamsaNames = {KOVREL_WORD("Ayanamsas", "Lahiri"),
                                                KOVREL_WORD("Ayanamsas", "Raman"),
                                                KOVREL_WORD("Ayanamsas", "Krishnamurti")};

} // namespace

std::string_view AyanamsaName(AyanamsaKind kind) {
    return kAyanamsaNames.at(static_cast<std::size_t>(kind)).text();
}

std::string AyanamsaName(AyanamsaKind kind, const Words& words) {
    return words.Say(AyanamsaWord(kind));
}

Word AyanamsaWord(AyanamsaKind kind) {
    return kAyanamsaNames.at(static_cast<std::size_t>(kind));
}

std::string PositionsCaption(const PositionsChoice& choice, const Words& words) {
    if (choice.mode == PositionsMode::Classic)
        return {};
    return Fill(words.Say(KOVREL_WORD("Reading", "Precise positions, %1 ayanamsa")),
                {AyanamsaName(choice.ayanamsa, words)});
}

} // namespace kovrel
