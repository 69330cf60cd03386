#pragma once

// The words for what the precise route adds to a reading: the ascendant, each planet's dignity
// and the second opinion on a sign. The positions strip, the printed reading and the tool's
// reports all say them with these.

#include "app/Reading.h"
#include "chart/ChartLayout.h"
#include "common/Planets.h"
#include "positions/Placements.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

inline constexpr Word kAscendantName = KOVREL_WORD("Reading", "Ascendant");

// The ascendant as a placement ("10 Ari 21"); nothing before one is computed.
std::optional<Placement> AscendantPlacement(const CalculatedReading& calculated);

// "exalted", "debilitated", "own sign" or "in a Great Friend's sign" .. "in a Great Enemy's
// sign", for the planet in the reading's own placements; "" for a planet without a sign.
std::string DignityTextOf(const CalculatedReading& calculated, Planet planet,
                          const Words& words = English());

// "A precise ephemeris puts Mars at 29° 58' Sagittarius", where the reading has a second
// opinion on the planet's sign; "" where it has none. The strip and the printed table mark such
// a planet with the chart's kSecondOpinionMark, and the printed footnote starts with it.
std::string SecondOpinionText(const CalculatedReading& calculated, Planet planet,
                              const Words& words = English());

// Those texts for every planet that has one, in planet order.
std::vector<std::string> SecondOpinionTexts(const CalculatedReading& calculated,
                                            const Words& words = English());

} // namespace kovrel
