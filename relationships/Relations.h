#pragma once

#include "common/Planets.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace kovrel {

// The relationships of one reading as data; RelationTexts.h turns them into words.

// The five compound relations, from the best to the worst.
enum class CompoundKind : std::uint8_t { GreatFriend, Friend, Neutral, Enemy, GreatEnemy };
inline constexpr int kCompoundKindCount = 5;

constexpr std::size_t Index(CompoundKind kind) {
    return static_cast<std::size_t>(kind);
}

// The planets of one list cell, in the order shown. A cell never holds the row planet itself,
// so six places are enough.
class PlanetList {
  public:
    constexpr PlanetList() = default;
    template <std::size_t N> constexpr PlanetList(const std::array<Planet, N>& planets, int count) {
        for (int k = 0; k < count; ++k) {
            push_back(planets[static_cast<std::size_t>(k)]);
        }
    }

    constexpr void push_back(Planet planet) { planets_[count_++] = planet; }
    constexpr const Planet* begin() const { return planets_.data(); }
    constexpr const Planet* end() const { return planets_.data() + count_; }
    constexpr std::size_t size() const { return count_; }
    constexpr bool empty() const { return count_ == 0; }

    friend constexpr bool operator==(const PlanetList& a, const PlanetList& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

  private:
    std::array<Planet, kPlanetCount - 1> planets_{};
    std::uint8_t count_ = 0;
};

// The cells of the list panel, one per row planet in PlanetNames order.
struct RelationLists {
    std::array<PlanetList, kPlanetCount> friends;
    std::array<PlanetList, kPlanetCount> enemies;
    std::array<PlanetList, kPlanetCount> neutrals;
    bool operator==(const RelationLists&) const = default;
};

// Row planet toward column planet, both in PlanetNames order.
using CompoundTable = std::array<std::array<CompoundKind, kPlanetCount>, kPlanetCount>;

// What the three result tabs show.
struct Relationships {
    RelationLists natural;
    RelationLists temporary;
    CompoundTable compound{};
    bool operator==(const Relationships&) const = default;
};

} // namespace kovrel
