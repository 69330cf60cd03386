#pragma once

#include "app/BirthDetails.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kovrel {

inline constexpr int kPlanetCount = 7;
inline constexpr std::array<std::string_view, kPlanetCount> PlanetNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

// Nine-character placements such as "05 Tau 07", in PlanetNames order.
using Placements = std::array<std::string, kPlanetCount>;

// Compact form of a long placement text: two-digit degrees, sign, two-digit minutes.
std::string CompactPlacement(std::string_view longText);

// CompactPlacement(FormatLongitude(longitude)), written without the long text in between.
std::string CompactPlacementOf(double longitude);

// The seven placements for the birth, or nothing when the UT date and time cannot be formed.
std::optional<Placements> ComputePlanetPlacements(const BirthDetails& details, double ayanamsa,
                                                  const std::string& moonLongitudeText);

} // namespace kovrel
