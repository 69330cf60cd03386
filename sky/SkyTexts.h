#pragma once

#include "common/Words.h"
#include "sky/PreciseSky.h"

#include <string>
#include <string_view>

namespace kovrel {

// "Lahiri", "Raman", "Krishnamurti".
std::string_view AyanamsaName(AyanamsaKind kind);
std::string AyanamsaName(AyanamsaKind kind, const Words& words);
Word AyanamsaWord(AyanamsaKind kind);

// What a view writes next to whose reading it is: "Precise positions, Lahiri ayanamsa", and
// nothing for classic positions, which look exactly as they always have.
std::string PositionsCaption(const PositionsChoice& choice, const Words& words = English());

} // namespace kovrel
