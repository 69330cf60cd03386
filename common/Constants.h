#pragma once

namespace kovrel {

// The readings were always computed with these truncated literals, not with std::numbers::pi:
// using the exact values would move borderline placements across a minute or a sign.
inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

// Julian Day Numbers of the two epochs the time arguments count from: 2000 January 1.5 (J2000,
// the Moon and the planets) and 1900 January 0.5 (the ayanamsa).
inline constexpr double kJ2000Day = 2451545.0;
inline constexpr double kJ1900Day = 2415020.0;
inline constexpr double kDaysPerJulianCentury = 36525.0;
inline constexpr double kArcSecondsPerDegree = 3600.0;

} // namespace kovrel
