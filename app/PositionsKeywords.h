#pragma once

#include "sky/PreciseSky.h"

#include <array>
#include <optional>
#include <string_view>

namespace kovrel {

// The words that name a positions choice where it is stored or typed: the settings store and the
// tool's --positions and --ayanamsa flags. Lower case, in enum order.
inline constexpr std::array<std::string_view, 2> kPositionsModeKeywords = {"classic", "precise"};
inline constexpr std::array<std::string_view, 3> kAyanamsaKeywords = {"lahiri", "raman",
                                                                      "krishnamurti"};

std::string_view KeywordOf(PositionsMode mode);
std::string_view KeywordOf(AyanamsaKind kind);

// The value a keyword names, exactly as listed above; nothing for any other text.
std::optional<PositionsMode> PositionsModeNamed(std::string_view keyword);
std::optional<AyanamsaKind> AyanamsaNamed(std::string_view keyword);

} // namespace kovrel
