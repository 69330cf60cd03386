#pragma once

#include "common/BirthDetails.h"
#include "common/Planets.h"
#include "common/Result.h"
#include "common/Words.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kovrel {

// Sign index 0..11 from characters 4 to 6 of a placement text, or nothing.
std::optional<int> SignIndexOf(std::string_view placement);

// One planet's place, worked out once: the text every view shows ("05 Tau 07") and, beside it,
// the numbers the rules and the chart work with, so that nothing reads the text back. The
// numbers say exactly what the text says: the sign is there only where SignIndexOf(text) finds
// one, the degrees and minutes only where the text is the full nine-character form.
class Placement {
  public:
    static constexpr int kNoSign = -1;
    // Room for the text: a placement is nine characters, the odd texts of a longitude without a
    // sign fewer. A longer text (only ever made by hand) is cut here.
    static constexpr std::size_t kCapacity = 15;

    // No placement yet: the empty text, no sign.
    constexpr Placement() = default;

    // "DD Sss MM" for sign 0..11, degrees 0..29 and minutes 0..59.
    static Placement InSign(int sign, int degrees, int minutes);
    // Whatever text a compact form came out as, with the numbers it holds.
    static Placement FromText(std::string_view text);

    constexpr std::string_view text() const { return {characters_.data(), length_}; }
    constexpr bool hasSign() const { return sign_ != kNoSign; }
    // 0 = Aries .. 11 = Pisces, or kNoSign.
    constexpr int sign() const { return sign_; }
    // Degrees within the sign and minutes, when the text is the full form (which has a sign).
    constexpr bool hasDegrees() const { return degrees_ >= 0; }
    constexpr int degrees() const { return degrees_; }
    constexpr int minutes() const { return minutes_; }

    bool operator==(const Placement&) const = default;
    friend constexpr bool operator==(const Placement& placement, std::string_view text) {
        return placement.text() == text;
    }

  private:
    std::array<char, kCapacity> characters_{};
    std::uint8_t length_ = 0;
    std::int8_t sign_ = kNoSign;
    std::int8_t degrees_ = -1;
    std::int8_t minutes_ = -1;
};

// In PlanetNames order.
using Placements = std::array<Placement, kPlanetCount>;

// The placement as a reader of `words` sees it, with the sign's abbreviation in their language
// and ASCII digits: "00 Pis 41" in English. Texts without degrees stay as they are.
std::string PlacementText(const Placement& placement, const Words& words);

// Compact form of a long placement text: two-digit degrees, sign, two-digit minutes.
std::string CompactPlacement(std::string_view longText);

// The placement of a longitude: the text is CompactPlacement(FormatLongitude(longitude)),
// written without the long text in between where the longitude has a sign.
Placement PlacementOf(double longitude);

// The seven placements for the birth, the Moon's from its sidereal longitude; a fault when the
// universal date and time cannot be formed.
Result<Placements> ComputePlanetPlacements(const BirthDetails& details, double ayanamsa,
                                           double moonLongitude);

} // namespace kovrel
