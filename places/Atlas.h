#pragma once

// The atlas: GeoNames cities of 15,000 people or more (https://www.geonames.org/, CC BY 4.0),
// compiled into the program, and finding them by the start of their name, of their name as
// others spell it, or of one of their alternate names.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

// One city of the atlas. The texts point into the compiled-in table and stay valid for the
// whole run. `name`, `state` and `country` are letters and blanks only, so that they fit the
// entry boxes; the shown names are the real ones, in UTF-8.
struct AtlasCity {
    int index = -1;              // position in the atlas
    std::string_view name;       // "Koln", "Sao Paulo"
    std::string_view shownName;  // "Köln", "São Paulo"; `name` when the same
    std::string_view state;      // first-level division; may be empty
    std::string_view shownState; // "Västra Götaland" for "Vastra Gotaland"
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

// "Pune, Maharashtra, India"; without the state when it is empty. Letters only, as the boxes
// and the command line take it.
std::string PlaceLabel(const AtlasCity& city);

// The same with the real names: "Köln, North Rhine-Westphalia, Germany".
std::string ShownPlaceLabel(const AtlasCity& city);

// A state or country to narrow by is its whole name (case, accents and marks do not matter,
// "St" and "Saint" are one word), the name in GeoNames' ASCII form, a postal abbreviation of a
// United States state, Canadian province or Australian state ("IL", "ON", "NSW"), and for a
// country its two-letter code, "USA" or "UK".
struct PlaceSearch {
    std::string_view prefix;  // start of the name; case, accents and marks do not matter
    std::string_view state;   // empty, or a state as above
    std::string_view country; // empty, or a country as above
    int limit = 12;
    // Whether the city's other names count too, from the fourth character of the prefix on:
    // its name as others spell it ("Koeln", "St Petersburg") and its alternate names ("Bombay",
    // "Peking").
    bool otherNames = false;
    // The places outside the state and country come after the places inside, instead of not at
    // all: boxes that still hold an earlier place do not hide the one now typed.
    bool narrowingOnlyOrders = false;
    // Every place whose whole name is the prefix comes too, after the others, when the limit
    // leaves it out, so that no place is out of reach (there are 17 called Marseille).
    bool everyWholeName = false;
};

// Cities whose name (or other name, when asked) starts with the prefix, most populous first
// (equal populations in name order), each once. An empty prefix (after folding) finds nothing.
std::vector<AtlasCity> FindPlaces(const PlaceSearch& search);
std::vector<AtlasCity> FindPlaces(std::string_view prefix, int limit = 12);

// The search the city completer runs as the user types: other names too, the State and Country
// boxes putting their places first, and every place of exactly the typed name.
PlaceSearch SuggestionSearch(std::string_view prefix, std::string_view state,
                             std::string_view country, int limit);

enum class NamesCompared {
    Own,       // the city's name
    Spelling,  // its name as others spell it ("Koeln", "St Petersburg")
    Alternate, // its alternate names ("Bombay", "Peking")
};

// Cities whose whole name is `name` (folded as a search is), narrowed as in PlaceSearch, most
// populous first, at most `limit`.
std::vector<AtlasCity> FindPlacesNamed(std::string_view name, std::string_view state,
                                       std::string_view country, int limit,
                                       NamesCompared compared = NamesCompared::Own);

} // namespace kovrel
