#pragma once

namespace kovrel {

// The readings were always computed with these truncated literals, not with std::numbers::pi:
// using the exact values would move borderline placements across a minute or a sign.
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

} // namespace kovrel
