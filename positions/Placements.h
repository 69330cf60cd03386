#pragma once

#include "common/BirthDetails.h"
#include "common/Planets.h"
#include "common/Result.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kovrel {

// Nine-character placements such as "05 Tau 07", in PlanetNames order.
using Placements = std::array<std::string, kPlanetCount>;

// Compact form of a long placement text: two-digit degrees, sign, two-digit minutes.
std::string CompactPlacement(std::string_view longText);

// CompactPlacement(FormatLongitude(longitude)), written without the long text in between.
std::string CompactPlacementOf(double longitude);

// The seven placements for the birth; a fault when the universal date and time cannot be formed.
Result<Placements> ComputePlanetPlacements(const BirthDetails& details, double ayanamsa,
                                           const std::string& moonLongitudeText);

} // namespace kovrel
