#pragma once

// The command line's way into the atlas: `--place "City[, State[, Country]]"` and
// `--places PREFIX`.

#include "common/Result.h"
#include "places/Atlas.h"

#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

// The one city a text names. The name must be the whole name (case, accents and marks do not
// matter), the name as others spell it ("Koeln", "St Petersburg") or, when no place has that
// name, one of a city's alternate names ("Bombay"). A second part is the state, or the country
// when no state of that name has the city; a third part is the country; either as PlaceSearch
// takes them ("IL", "UK"). Places that nothing in the atlas tells apart (same name, state and
// country) count as one: the most populous. A name several places share is refused with up to
// ten of them, "Name, State, Country" most populous first, after "It could be: " and separated
// by "; ", so the user can copy one back.
Result<AtlasCity> ResolvePlace(std::string_view text);

// One line per city whose name or other name starts with the text's first part, narrowed by
// its other parts as in ResolvePlace, most populous first, then every other place of exactly
// that name: "Pune, Maharashtra, India  18:31N 73:51E  Asia/Kolkata".
std::vector<std::string> PlaceListing(std::string_view text, int limit = 12);

} // namespace kovrel
