#pragma once

// The compiled-in atlas as the build step writes it (AtlasData.cpp in the build folder). Read it
// through Atlas.h; this layout is shared by the generator and the library only.

#include <cstdint>
#include <span>
#include <string_view>

namespace kovrel::atlas {

// One city: 20 bytes. Cities are sorted by SearchKey(name), the most populous first among equal
// names, so that a name prefix is one contiguous run.
struct CityRecord {
    std::uint32_t nameOffset; // into namePool
    std::int32_t latitudeE5;  // hundred-thousandths of a degree, north positive (GeoNames)
    std::int32_t longitudeE5; // hundred-thousandths of a degree, east positive
    std::uint32_t population;
    std::uint16_t state;  // index into states; 0 is the empty text
    std::uint16_t zone;   // index into zones
    std::uint8_t country; // index into countries
    std::uint8_t nameLength;
};

struct CountryRecord {
    std::string_view code; // ISO 3166 two letters
    std::string_view name; // letters only
};

struct Tables {
    std::span<const CityRecord> cities;
    std::string_view namePool;
    std::span<const std::string_view> states;
    std::span<const CountryRecord> countries;
    std::span<const std::string_view> zones;
};

const Tables& AtlasTables();

} // namespace kovrel::atlas
