#pragma once

#include "common/Version.h"

#include <string_view>

namespace kovrel {

// What the program does, as the entry panel and the about box say it. The entry panel's text
// ends with a blank, the about box's does not; both keep the two blanks after the name.
inline constexpr std::string_view kProgramDescription =
    "Kovrel  displays the kind of relationship shared between different planets. This includes "
    "natural, temporary and compound relationships.";
inline constexpr std::string_view kEntryPanelDescription =
    "Kovrel  displays the kind of relationship shared between different planets. This includes "
    "natural, temporary and compound relationships. ";

} // namespace kovrel
