#pragma once

// The compiled-in atlas as the build step writes it (AtlasData.cpp in the build folder). Read it
// through Atlas.h; this layout is shared by the generator and the library only.

#include <cstdint>
#include <span>
#include <string_view>

namespace kovrel::atlas {

// One city: 20 bytes. Cities are sorted by SearchKey(name), the most populous first among equal
// names, so that a name prefix is one contiguous run. The name is letters and blanks only.
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

// The real name, UTF-8, of a city whose letters-only name differs from it ("Köln" for "Koln"),
// sorted by city.
struct ShownNameRecord {
    std::uint16_t city; // index into cities
    std::uint16_t length;
    std::uint32_t offset; // into shownPool
};

enum class OtherNameKind : std::uint8_t {
    Spelling,  // the city's own name as others spell it: GeoNames' ASCII form, St for Saint
    Alternate, // one of its alternate names: a former name, another language's name
};

// A name besides its own that finds a city, as a search key (lower-case letters and blanks).
// Sorted by the key, the most populous city first among equal keys.
struct OtherNameRecord {
    std::uint32_t offset; // into otherNamePool
    std::uint16_t city;   // index into cities
    std::uint8_t length;
    std::uint8_t kind; // OtherNameKind
};

// A first-level division: its letters-only name, then in the pool its real name (empty when
// the same), the letters-only ASCII form when it is another name ("Vaestra Goetaland" beside
// "Vastra Gotaland"), and its postal abbreviation ("IL", "ON", "NSW"), each possibly empty.
struct StateRecord {
    std::uint32_t offset; // into statePool
    std::uint8_t nameLength;
    std::uint8_t shownLength;
    std::uint8_t asciiLength;
    std::uint8_t abbreviationLength;
};

struct CountryRecord {
    std::string_view code; // ISO 3166 two letters
    std::string_view name; // letters only
};

struct Tables {
    std::span<const CityRecord> cities;
    std::string_view namePool;
    std::span<const ShownNameRecord> shownNames;
    std::string_view shownPool;
    std::span<const OtherNameRecord> otherNames;
    std::string_view otherNamePool;
    std::span<const StateRecord> states; // the first is the empty state
    std::string_view statePool;
    std::span<const CountryRecord> countries;
    std::span<const std::string_view> zones;
};

const Tables& AtlasTables();

} // namespace kovrel::atlas
