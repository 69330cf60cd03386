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
// so six places are enough; they are kept as bytes, so that a whole cell is a few bytes to copy.
class PlanetList {
  public:
    class Iterator {
      public:
        constexpr explicit Iterator(const std::uint8_t* at) : at_(at) {}
        constexpr Planet operator*() const { return static_cast<Planet>(*at_); }
        constexpr Iterator& operator++() {
            ++at_;
            return *this;
        }
        constexpr bool operator==(const Iterator&) const = default;

      private:
        const std::uint8_t* at_;
    };

    constexpr PlanetList() = default;
    template <std::size_t N> constexpr PlanetList(const std::array<Planet, N>& planets, int count) {
        for (int k = 0; k < count; ++k) {
            push_back(planets[static_cast<std::size_t>(k)]);
        }
    }
    // The first `count` (at most six) PlanetNames positions of `indices`.
    static constexpr PlanetList FromIndices(const std::array<std::uint8_t, 8>& indices,
                                            std::size_t count) {
        PlanetList list;
        list.planets_ = indices;
        list.count_ = static_cast<std::uint8_t>(count);
        return list;
    }

    constexpr void push_back(Planet planet) {
        planets_[count_++] = static_cast<std::uint8_t>(planet);
    }
    constexpr Iterator begin() const { return Iterator(planets_.data()); }
    constexpr Iterator end() const { return Iterator(planets_.data() + count_); }
    constexpr std::size_t size() const { return count_; }
    constexpr bool empty() const { return count_ == 0; }

    friend constexpr bool operator==(const PlanetList& a, const PlanetList& b) {
        return a.count_ == b.count_ &&
               std::equal(a.planets_.begin(), a.planets_.begin() + a.count_, b.planets_.begin());
    }

  private:
    std::array<std::uint8_t, 8> planets_{};
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
