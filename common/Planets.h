#pragma once

#include "common/Words.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kovrel {

// The seven planets in the order of every row, column and list on screen and in reports.
enum class Planet : int { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn };

inline constexpr int kPlanetCount = 7;
inline constexpr std::array<Word, kPlanetCount> PlanetNames = {
    KOVREL_WORD("Planets", "Sun"),     KOVREL_WORD("Planets", "Moon"),
    KOVREL_WORD("Planets", "Mercury"), KOVREL_WORD("Planets", "Venus"),
    KOVREL_WORD("Planets", "Mars"),    KOVREL_WORD("Planets", "Jupiter"),
    KOVREL_WORD("Planets", "Saturn")};

// Every planet, for loops in planet order.
inline constexpr std::array<Planet, kPlanetCount> kPlanets = {
    Planet::Sun,  Planet::Moon,    Planet::Mercury, Planet::Venus,
    Planet::Mars, Planet::Jupiter, Planet::Saturn};

// The planet's position in PlanetNames and in every per-planet array.
constexpr std::size_t Index(Planet planet) {
    return static_cast<std::size_t>(planet);
}

// The English name, which files and JSON keep whatever the language.
constexpr std::string_view PlanetName(Planet planet) {
    return PlanetNames[Index(planet)].text();
}

inline std::string PlanetName(Planet planet, const Words& words) {
    return words.Say(PlanetNames[Index(planet)]);
}

} // namespace kovrel
