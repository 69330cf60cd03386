#pragma once

// The compiled-in VSOP87 series as the build step writes them (VsopData.cpp in the build folder).
// Read them through Vsop87.h; this layout is shared by the generator and the library only.

#include <array>
#include <cstdint>

namespace kovrel::vsop {

// The bodies of the table, in its order.
enum class Body : int { Mercury, Venus, Earth, Mars, Jupiter, Saturn };
inline constexpr int kBodyCount = 6;

// Each body has a series for its heliocentric longitude L, latitude B (radians) and distance R
// (au) and for each power t^0 .. t^5 of the time in Julian millennia from J2000; a series is a
// sum of terms A cos(B + C t).
inline constexpr int kCoordinateCount = 3;
inline constexpr int kPowerCount = 6;
inline constexpr int kSeriesCount = kCoordinateCount * kPowerCount;

// Every series is padded with zero terms to a whole number of this many, the width the sums are
// taken in.
inline constexpr int kLanes = 4;

struct BodySeries {
    const double* amplitude; // A
    const double* phase;     // B, radians
    const double* frequency; // C, radians per Julian millennium
    // Series s = coordinate * kPowerCount + power holds the terms [start[s], start[s + 1]).
    std::array<std::uint16_t, kSeriesCount + 1> start;
};

const std::array<BodySeries, kBodyCount>& Series();

} // namespace kovrel::vsop
