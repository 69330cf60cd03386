#include "positions/Placements.h"

#include "common/Signs.h"
#include "common/Text.h"
#include "ephemeris/FormatLongitude.h"
#include "positions/Ayanamsa.h"
#include "positions/Orbits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace kovrel {

namespace {

constexpr std::string_view kDegreeSign = "\u00B0"; // two bytes in UTF-8

// The bodies in orbit-table order and the planet each one gives: asking for the Earth gives the
// Sun's direction. The Moon is not in the table; it comes from its own series.
constexpr std::array<std::pair<OrbitBody, Planet>, kOrbitBodyCount> kOrbitPlanets = {{
    {kMercury, Planet::Mercury},
    {kVenus, Planet::Venus},
    {kEarth, Planet::Sun},
    {kMars, Planet::Mars},
    {kJupiter, Planet::Jupiter},
    {kSaturn, Planet::Saturn},
}};

// Whole numbers of one digit (or none) get a leading "0".
char* WriteTwoDigits(char* out, std::string_view digits) {
    if (digits.size() <= 1) {
        *out++ = '0';
    }
    return std::copy(digits.begin(), digits.end(), out);
}

} // namespace

std::string CompactPlacement(std::string_view longText) {
    const std::string_view u = TrimBlanksView(longText);
    // Positions are byte positions; the degree sign is the two-byte UTF-8 sequence and the
    // apostrophe a single byte. One pass finds the first of each; a missing separator leaves
    // the part it would end empty.
    constexpr auto npos = std::string_view::npos;
    std::size_t degree = npos;
    std::size_t apostrophe = npos;
    for (std::size_t k = 0; k < u.size() && (degree == npos || apostrophe == npos); ++k) {
        if (degree == npos && u[k] == kDegreeSign[0] && k + 1 < u.size() &&
            u[k + 1] == kDegreeSign[1]) {
            degree = k;
        } else if (apostrophe == npos && u[k] == '\'') {
            apostrophe = k;
        }
    }
    std::string_view degrees;
    std::string_view minutes;
    if (degree != std::string_view::npos) {
        degrees = TrimBlanksView(u.substr(0, degree));
        const auto minutesStart = degree + kDegreeSign.size();
        if (apostrophe != std::string_view::npos && apostrophe > minutesStart) {
            minutes = TrimBlanksView(u.substr(minutesStart, apostrophe - minutesStart));
        }
    }
    // The sign comes from the untrimmed text: its last three characters.
    const std::string_view sign =
        TrimBlanksView(longText.size() <= 3 ? longText : longText.substr(longText.size() - 3));

    const std::size_t padding = (degrees.size() <= 1 ? 1 : 0) + (minutes.size() <= 1 ? 1 : 0);
    std::string compact(degrees.size() + sign.size() + minutes.size() + padding + 2, ' ');
    char* out = WriteTwoDigits(compact.data(), degrees);
    *out++ = ' ';
    out = std::copy(sign.begin(), sign.end(), out);
    *out++ = ' ';
    WriteTwoDigits(out, minutes);
    return compact;
}

std::optional<int> SignIndexOf(std::string_view placement) {
    // Characters 4 to 6 of the compact form are the abbreviation; the comparison is exact.
    if (placement.size() < 6) {
        return std::nullopt;
    }
    const char* abbreviation = placement.data() + 3;
    for (std::size_t s = 0; s < SignAbbreviations.size(); ++s) {
        const std::string_view candidate = SignAbbreviations[s].text();
        if (candidate[0] == abbreviation[0] && candidate[1] == abbreviation[1] &&
            candidate[2] == abbreviation[2]) {
            return static_cast<int>(s);
        }
    }
    return std::nullopt;
}

Placement Placement::InSign(int sign, int degrees, int minutes) {
    const std::string_view abbreviation = SignAbbreviations[static_cast<std::size_t>(sign)].text();
    Placement placement;
    placement.characters_ = {static_cast<char>('0' + degrees / 10),
                             static_cast<char>('0' + degrees % 10),
                             ' ',
                             abbreviation[0],
                             abbreviation[1],
                             abbreviation[2],
                             ' ',
                             static_cast<char>('0' + minutes / 10),
                             static_cast<char>('0' + minutes % 10)};
    placement.length_ = 9;
    placement.sign_ = static_cast<std::int8_t>(sign);
    placement.degrees_ = static_cast<std::int8_t>(degrees);
    placement.minutes_ = static_cast<std::int8_t>(minutes);
    return placement;
}

Placement Placement::FromText(std::string_view text) {
    text = text.substr(0, kCapacity);
    Placement placement;
    std::copy(text.begin(), text.end(), placement.characters_.begin());
    placement.length_ = static_cast<std::uint8_t>(text.size());
    const std::optional<int> sign = SignIndexOf(text);
    placement.sign_ = static_cast<std::int8_t>(sign.value_or(kNoSign));
    const auto digit = [&](std::size_t at) { return text[at] >= '0' && text[at] <= '9'; };
    if (sign && text.size() == 9 && digit(0) && digit(1) && digit(7) && digit(8)) {
        placement.degrees_ = static_cast<std::int8_t>((text[0] - '0') * 10 + (text[1] - '0'));
        placement.minutes_ = static_cast<std::int8_t>((text[7] - '0') * 10 + (text[8] - '0'));
    }
    return placement;
}

Placement PlacementOf(double longitude) {
    const std::optional<LongitudeParts> parts = SplitLongitude(longitude);
    if (!parts || parts->sign >= 12.0) {
        // No abbreviation: the compact form then takes whatever ends the long text.
        return Placement::FromText(CompactPlacement(FormatLongitude(longitude)));
    }
    // Degrees within the sign and minutes are below 60: two digits each, a leading "0" for one.
    return Placement::InSign(static_cast<int>(parts->sign), parts->degrees, parts->minutes);
}

Result<Placements> ComputePlanetPlacements(const BirthDetails& details, double ayanamsa,
                                           double moonLongitude) {
    const std::optional<CivilDateTime> universal = UniversalDateTime(details);
    if (!universal || !std::isfinite(ayanamsa)) {
        return Fault{"The universal date and time of the birth cannot be formed."};
    }
    const double d = PlanetDayNumber(universal->year, universal->month, universal->day,
                                     universal->hour, universal->minute);
    const std::array<double, kOrbitBodyCount> tropical = GeocentricLongitudes(d);
    const double correction = std::fabs(ayanamsa);

    // Compact placement of one body.
    auto placementOf = [&](int body) {
        double sidereal = tropical[static_cast<std::size_t>(body)] - correction;
        while (sidereal < 0.0) {
            sidereal = sidereal + 360.0;
        }
        return PlacementOf(sidereal);
    };

    Placements placements;
    for (const auto& [body, planet] : kOrbitPlanets) {
        placements[Index(planet)] = placementOf(body);
    }
    placements[Index(Planet::Moon)] = PlacementOf(moonLongitude);
    return placements;
}

std::string PlacementText(const Placement& placement, const Words& words) {
    if (!placement.hasDegrees()) {
        return std::string(placement.text());
    }
    char degrees[8];
    char minutes[8];
    std::snprintf(degrees, sizeof degrees, "%02d ", placement.degrees());
    std::snprintf(minutes, sizeof minutes, " %02d", placement.minutes());
    return degrees + words.Say(SignAbbreviations[static_cast<std::size_t>(placement.sign())]) +
           minutes;
}

} // namespace kovrel
