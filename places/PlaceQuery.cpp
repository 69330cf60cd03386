#include "places/PlaceQuery.h"

#include "common/BirthDetails.h"
#include "common/Text.h"
#include "places/PlaceEntry.h"

#include <algorithm>

namespace kovrel {

namespace {

constexpr int kCandidatesShown = 10;
// Enough to tell whether the matches are one place in several GeoNames entries.
constexpr int kCandidatesExamined = 1000;

std::vector<std::string> SplitCommas(std::string_view text) {
    std::vector<std::string> parts;
    while (true) {
        const auto comma = text.find(',');
        parts.push_back(TrimBlanks(text.substr(0, comma)));
        if (comma == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(comma + 1);
    }
}

} // namespace

Result<AtlasCity> ResolvePlace(std::string_view text) {
    const std::vector<std::string> parts = SplitCommas(text);
    if (parts.size() > 3 || parts[0].empty()) {
        return Fault{"Give the place as \"City\", \"City, State\" or \"City, State, Country\"."};
    }
    const auto lookFor = [&parts](const std::string& name, NamesCompared compared) {
        if (parts.size() == 1) {
            return FindPlacesNamed(name, "", "", kCandidatesExamined, compared);
        }
        if (parts.size() == 2) {
            std::vector<AtlasCity> inState =
                FindPlacesNamed(name, parts[1], "", kCandidatesExamined, compared);
            return inState.empty()
                       ? FindPlacesNamed(name, "", parts[1], kCandidatesExamined, compared)
                       : inState;
        }
        return FindPlacesNamed(name, parts[1], parts[2], kCandidatesExamined, compared);
    };
    // The name itself before its other spellings ("Saint Albans" and "St Albans" are two places
    // of Victoria), and a former or foreign name only when no place has it: "Salisbury" stays
    // the English city, "Bombay" is Mumbai. GeoNames calls some cities "... City" that people
    // name without it (New York, Mexico).
    std::vector<AtlasCity> found;
    for (const NamesCompared compared :
         {NamesCompared::Own, NamesCompared::Spelling, NamesCompared::Alternate}) {
        found = lookFor(parts[0], compared);
        if (found.empty()) {
            found = lookFor(parts[0] + " City", compared);
        }
        if (!found.empty()) {
            break;
        }
    }
    if (found.empty()) {
        return Fault{"The atlas has no place \"" + std::string(TrimBlanks(text)) + "\"."};
    }
    const std::string first = PlaceLabel(found.front());
    const bool allAlike = std::all_of(found.begin(), found.end(), [&first](const AtlasCity& c) {
        return PlaceLabel(c) == first;
    });
    if (allAlike) {
        return found.front();
    }
    std::vector<std::string> candidates;
    for (const AtlasCity& city : found) {
        std::string label = PlaceLabel(city);
        if (std::find(candidates.begin(), candidates.end(), label) == candidates.end()) {
            candidates.push_back(std::move(label));
        }
        if (static_cast<int>(candidates.size()) == kCandidatesShown) {
            break;
        }
    }
    std::string listed;
    for (const std::string& candidate : candidates) {
        listed += (listed.empty() ? "" : "; ") + candidate;
    }
    return Fault{"Several places are called \"" + parts[0] +
                 "\"; add the state or the country to say which. It could be: " + listed};
}

std::vector<std::string> PlaceListing(std::string_view text, int limit) {
    const std::vector<std::string> parts = SplitCommas(text);
    if (parts.size() > 3) {
        return {};
    }
    PlaceSearch search{parts[0], "", "", limit, true, false, true};
    std::vector<AtlasCity> found;
    if (parts.size() == 2) {
        search.state = parts[1];
        found = FindPlaces(search);
        if (found.empty()) {
            search.state = "";
            search.country = parts[1];
        }
    } else if (parts.size() == 3) {
        search.state = parts[1];
        search.country = parts[2];
    }
    if (found.empty()) {
        found = FindPlaces(search);
    }
    std::vector<std::string> lines;
    for (const AtlasCity& city : found) {
        lines.push_back(PlaceLabel(city) + "  " + LatitudeText(city.latitudeE5) + " " +
                        LongitudeText(city.longitudeE5) + "  " + std::string(city.ianaZone));
    }
    return lines;
}

} // namespace kovrel
