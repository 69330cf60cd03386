#include "sky/SkyTexts.h"

#include <array>

namespace kovrel {

std::string_view AyanamsaName(AyanamsaKind kind) {
    static constexpr std::array<std::string_view, 3> kNames = {"Lahiri", "Raman", "Krishnamurti"};
    return kNames.at(static_cast<std::size_t>(kind));
}

std::string PositionsCaption(const PositionsChoice& choice) {
    if (choice.mode == PositionsMode::Classic)
        return {};
    return "Precise positions, " + std::string(AyanamsaName(choice.ayanamsa)) + " ayanamsa";
}

} // namespace kovrel
