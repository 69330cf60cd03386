#pragma once

#include "common/Words.h"

#include <string>
#include <string_view>

namespace kovrel {

// One row of the list panel as a screen reader says it, for example
// "Sun: friends Moon, Mars, Jupiter; enemies Venus, Saturn; neutral Mercury". The cells are the
// panel's texts, names joined with "/ ". An empty friends or enemies cell is said ("no
// enemies"); an empty neutral cell is left out, as on the temporary panel, which has none.
std::string RowSentence(std::string_view planet, std::string_view friends, std::string_view enemies,
                        std::string_view neutrals, const Words& words = English());

} // namespace kovrel
