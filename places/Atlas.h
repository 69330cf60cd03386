#pragma once

// The atlas: GeoNames cities of 15,000 people or more (https://www.geonames.org/, CC BY 4.0),
// compiled into the program, and finding them by the start of their name.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

// One city of the atlas. The texts are letters and blanks only, so that they fit the entry
// boxes; they point into the compiled-in table and stay valid for the whole run.
struct AtlasCity {
    int index = -1; // position in the atlas
    std::string_view name;
    std::string_view state; // first-level division; may be empty
    std::string_view country;
    std::string_view countryCode; // ISO 3166 two letters
    std::string_view ianaZone;    // e.g. "Asia/Kolkata", corrected for zones split off since 2015
    std::int32_t latitudeE5 = 0;  // hundred-thousandths of a degree, north positive
    std::int32_t longitudeE5 = 0; // hundred-thousandths of a degree, east positive
    std::uint32_t population = 0;
};

int AtlasSize();

// The city at `index` (0 <= index < AtlasSize()).
AtlasCity AtlasCityAt(int index);

// "Pune, Maharashtra, India"; without the state when it is empty.
std::string PlaceLabel(const AtlasCity& city);

struct PlaceSearch {
    std::string_view prefix;  // start of the name; case, accents and marks do not matter
    std::string_view state;   // empty, or the whole name of the division (case, accents ignored)
    std::string_view country; // empty, the whole country name, or the two-letter code
    int limit = 12;
};

// Cities whose name starts with the prefix, most populous first (equal populations in name
// order). An empty prefix (after folding) finds nothing.
std::vector<AtlasCity> FindPlaces(const PlaceSearch& search);
std::vector<AtlasCity> FindPlaces(std::string_view prefix, int limit = 12);

// Cities whose whole name is `name` (folded as a search is), narrowed as in PlaceSearch, most
// populous first, at most `limit`.
std::vector<AtlasCity> FindPlacesNamed(std::string_view name, std::string_view state,
                                       std::string_view country, int limit);

} // namespace kovrel
