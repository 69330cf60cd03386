#pragma once

#include "common/Planets.h"
#include "positions/Placements.h"
#include "relationships/Relations.h"

#include <array>
#include <optional>

namespace kovrel {

// How well a planet stands in the sign it occupies, from the best to the worst: its exaltation
// and its fall first, then its own sign, then the reading's compound relation of the planet
// towards the sign's lord. RelationTexts.h gives the words.
enum class Dignity : int {
    Exalted,
    Debilitated,
    OwnSign,
    GreatFriendsSign,
    FriendsSign,
    NeutralsSign,
    EnemysSign,
    GreatEnemysSign
};
static_assert(static_cast<int>(Dignity::GreatEnemysSign) -
                      static_cast<int>(Dignity::GreatFriendsSign) + 1 ==
                  kCompoundKindCount,
              "one relational dignity for each compound relation, in the same order");

// The planet that rules each sign, Aries first: the classical lordships of Brihat Parashara Hora
// Shastra, which every Jyotisha text repeats. Mars Aries and Scorpio, Venus Taurus and Libra,
// Mercury Gemini and Virgo, the Moon Cancer, the Sun Leo, Jupiter Sagittarius and Pisces, Saturn
// Capricorn and Aquarius.
inline constexpr std::array<Planet, 12> kSignLords = {
    Planet::Mars,  Planet::Venus, Planet::Mercury, Planet::Moon,   Planet::Sun,    Planet::Mercury,
    Planet::Venus, Planet::Mars,  Planet::Jupiter, Planet::Saturn, Planet::Saturn, Planet::Jupiter};

// The sign of each planet's exaltation, in planet order (the same source): Sun Aries, Moon
// Taurus, Mercury Virgo, Venus Pisces, Mars Capricorn, Jupiter Cancer, Saturn Libra. A planet
// falls (is debilitated) in the sign opposite.
inline constexpr std::array<int, kPlanetCount> kExaltationSigns = {0, 1, 5, 11, 9, 3, 6};

// The dignity of `planet` in these placements, read with the compound relations of the same
// reading; nothing while the planet has no sign.
std::optional<Dignity> DignityOf(const Placements& placements, const Relationships& relationships,
                                 Planet planet);

} // namespace kovrel
