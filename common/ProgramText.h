#pragma once

#include "common/Version.h"
#include "common/Words.h"

#include <string_view>

namespace kovrel {

// What the program does, as the about box says it; the entry panel adds one blank at the end.
// Both keep the two blanks after the name.
inline constexpr Word kProgramDescription = KOVREL_WORD(
    "Program", "Kovrel  displays the kind of relationship shared between different planets. This "
               "includes natural, temporary and compound relationships.");

} // namespace kovrel
