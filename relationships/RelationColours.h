#pragma once

// Backgrounds for the compound grid: five steps from "Great Friend" to "Great Enemy", dark
// enough for white text and told apart by lightness and by a blue / brown hue that survives
// red-green colour blindness.

#include "relationships/Relations.h"

#include <array>
#include <cstdint>

namespace kovrel {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// A diverging blue - grey - brown scale with dark ends and a lighter middle; chosen so that white
// text keeps a contrast of at least 4.5:1 on every step. One step per CompoundKind, in its order.
inline constexpr std::array<Rgb, kCompoundKindCount> CompoundScale = {{
    {0x17, 0x33, 0x5f}, // Great Friend: dark blue
    {0x2c, 0x5c, 0x99}, // Friend: blue
    {0x73, 0x73, 0x73}, // Neutral: grey
    {0x94, 0x46, 0x0c}, // Enemy: orange brown
    {0x5a, 0x26, 0x08}, // Great Enemy: dark brown
}};

inline constexpr Rgb kWhite = {255, 255, 255};

// The background of a compound cell.
constexpr Rgb CompoundBackground(CompoundKind relation) {
    return CompoundScale[Index(relation)];
}

} // namespace kovrel
