#include "relationships/Dignity.h"

#include "common/Signs.h"

namespace kovrel {

std::optional<Dignity> DignityOf(const Placements& placements, const Relationships& relationships,
                                 Planet planet) {
    const Placement& placement = placements[Index(planet)];
    if (!placement.hasSign()) {
        return std::nullopt;
    }
    const int sign = placement.sign();
    const int exaltation = kExaltationSigns[Index(planet)];
    if (sign == exaltation) {
        return Dignity::Exalted;
    }
    if (sign == (exaltation + kSignCount / 2) % kSignCount) {
        return Dignity::Debilitated;
    }
    const Planet lord = kSignLords[static_cast<std::size_t>(sign)];
    if (lord == planet) {
        return Dignity::OwnSign;
    }
    // The compound kinds and the relational dignities run in the same order.
    const CompoundKind relation = relationships.compound[Index(planet)][Index(lord)];
    return static_cast<Dignity>(static_cast<int>(Dignity::GreatFriendsSign) +
                                static_cast<int>(relation));
}

} // namespace kovrel
