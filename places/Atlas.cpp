#include "places/Atlas.h"

#include "places/AtlasData.h"
#include "places/PlaceText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kovrel {

namespace {

using atlas::AtlasTables;
using atlas::CityRecord;
using atlas::OtherNameKind;
using atlas::OtherNameRecord;

// Enough for every place that shares its whole name with others: 17 are called Marseille.
constexpr std::size_t kWholeNamesAtMost = 40;

// Other names count from the fourth character typed: before that, other languages' spellings
// of the largest cities ("Xangai" for Shanghai) would crowd out the places whose own names
// start so.
constexpr std::size_t kOtherNamesFrom = 4;

// Country names people write beside the atlas's names and codes.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kCountryNames = {{
    {"USA", "US"},
    {"United States of America", "US"},
    {"UK", "GB"},
    {"Great Britain", "GB"},
}};

std::string_view RecordName(const CityRecord& record) {
    return AtlasTables().namePool.substr(record.nameOffset, record.nameLength);
}

std::string_view RecordName(const OtherNameRecord& record) {
    return AtlasTables().otherNamePool.substr(record.offset, record.length);
}

const CityRecord& CityOf(const OtherNameRecord& record) {
    return AtlasTables().cities[record.city];
}

struct StateTexts {
    std::string_view name, shown, ascii, abbreviation;
};

StateTexts StateAt(std::size_t index) {
    const auto& tables = AtlasTables();
    const atlas::StateRecord& r = tables.states[index];
    std::string_view rest = tables.statePool.substr(r.offset);
    const auto take = [&rest](std::size_t length) {
        const std::string_view text = rest.substr(0, length);
        rest.remove_prefix(length);
        return text;
    };
    StateTexts texts;
    texts.name = take(r.nameLength);
    texts.shown = take(r.shownLength);
    texts.ascii = take(r.asciiLength);
    texts.abbreviation = take(r.abbreviationLength);
    if (texts.shown.empty()) {
        texts.shown = texts.name;
    }
    return texts;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares the first prefix.size() characters of a name, in lower case, with the prefix: the
// order the generator sorted the tables in.
int ComparePrefix(std::string_view name, std::string_view prefix) {
    const std::size_t n = std::min(name.size(), prefix.size());
    for (std::size_t k = 0; k < n; ++k) {
        const char a = Lower(name[k]);
        if (a != prefix[k]) {
            return a < prefix[k] ? -1 : 1;
        }
    }
    return name.size() < prefix.size() ? -1 : 0;
}

// The run of records whose name starts with `key`.
template <typename Record>
std::span<const Record> RunStartingWith(std::span<const Record> records, std::string_view key) {
    const auto first = std::partition_point(records.begin(), records.end(), [key](const auto& r) {
        return ComparePrefix(RecordName(r), key) < 0;
    });
    const auto last = std::partition_point(first, records.end(), [key](const auto& r) {
        return ComparePrefix(RecordName(r), key) == 0;
    });
    return {first, last};
}

bool EqualsIgnoringCase(std::string_view text, std::string_view other) {
    return text.size() == other.size() &&
           std::equal(text.begin(), text.end(), other.begin(),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

// A narrowing by state and country, folded once. Each state's and country's verdict is
// reached once and kept, since a run holds thousands of cities of a few hundred of them.
class Narrowing {
  public:
    Narrowing(std::string_view stateText, std::string_view countryText)
        : state_(LettersOnlyName(stateText)), country_(LettersOnlyName(countryText)) {
        for (const auto& [name, code] : kCountryNames) {
            if (SameName(country_, name)) {
                countryCode_ = code;
            }
        }
        if (!state_.empty()) {
            stateVerdicts_.assign(AtlasTables().states.size(), kUnknown);
        }
        countryVerdicts_.fill(kUnknown);
    }

    bool Accepts(const CityRecord& record) const {
        if (!state_.empty() &&
            !Verdict(stateVerdicts_[record.state], [&] { return AcceptsState(record.state); })) {
            return false;
        }
        return country_.empty() || Verdict(countryVerdicts_[record.country],
                                           [&] { return AcceptsCountry(record.country); });
    }

  private:
    static constexpr std::int8_t kUnknown = -1;

    template <typename Decide> static bool Verdict(std::int8_t& kept, Decide decide) {
        if (kept == kUnknown) {
            kept = decide() ? 1 : 0;
        }
        return kept == 1;
    }

    bool AcceptsState(std::size_t index) const {
        const StateTexts texts = StateAt(index);
        return SameName(texts.name, state_) ||
               (!texts.ascii.empty() && SameName(texts.ascii, state_)) ||
               (!texts.abbreviation.empty() && EqualsIgnoringCase(texts.abbreviation, state_));
    }

    bool AcceptsCountry(std::size_t index) const {
        const auto& c = AtlasTables().countries[index];
        return SameName(c.name, country_) || EqualsIgnoringCase(c.code, country_) ||
               c.code == countryCode_;
    }

    std::string state_;
    std::string country_;
    std::string_view countryCode_; // of a name people write ("UK"), or empty
    mutable std::vector<std::int8_t> stateVerdicts_;
    mutable std::array<std::int8_t, 256> countryVerdicts_{};
};

int IndexOf(const CityRecord& record) {
    return static_cast<int>(&record - AtlasTables().cities.data());
}

// The best `limit` of the cities offered, each once: those the narrowing accepts first when it
// only orders (else only those), then those found by their own name or its spellings before
// those found by an alternate name, then the most populous, equal populations in table (that
// is name) order.
class Choice {
  public:
    Choice(int limit, const Narrowing& narrowing, bool narrowingOnlyOrders)
        : limit_(static_cast<std::size_t>(std::max(limit, 0))), narrowing_(narrowing),
          onlyOrders_(narrowingOnlyOrders) {}

    // Most of a long run cannot make a full list: that is told without a call.
    void Offer(const CityRecord& record, bool byAlternateName) {
        if (limit_ == 0 || (Full() && !Before({&record, false, byAlternateName}, chosen_.back()))) {
            return; // not even inside the narrowing would it make the list
        }
        Consider(record, byAlternateName);
    }

    std::vector<AtlasCity> Cities() const {
        std::vector<AtlasCity> found;
        found.reserve(chosen_.size());
        for (const Ranked& r : chosen_) {
            found.push_back(AtlasCityAt(IndexOf(*r.record)));
        }
        return found;
    }

  private:
    struct Ranked {
        const CityRecord* record;
        bool outside;
        bool byAlternateName;
    };

    void Consider(const CityRecord& record, bool byAlternateName);

    static bool Before(const Ranked& a, const Ranked& b) {
        if (a.outside != b.outside) {
            return !a.outside;
        }
        if (a.byAlternateName != b.byAlternateName) {
            return !a.byAlternateName;
        }
        if (a.record->population != b.record->population) {
            return a.record->population > b.record->population;
        }
        return a.record < b.record;
    }

    bool Full() const { return chosen_.size() >= limit_; }

    std::size_t limit_;
    const Narrowing& narrowing_;
    bool onlyOrders_;
    std::vector<Ranked> chosen_;
};

void Choice::Consider(const CityRecord& record, bool byAlternateName) {
    const bool inside = narrowing_.Accepts(record);
    if (!inside && !onlyOrders_) {
        return;
    }
    const Ranked candidate{&record, !inside, byAlternateName};
    if (Full() && !Before(candidate, chosen_.back())) {
        return;
    }
    // A city found again by another of its names keeps the better place.
    const auto same = std::find_if(chosen_.begin(), chosen_.end(),
                                   [&record](const Ranked& r) { return r.record == &record; });
    if (same != chosen_.end()) {
        if (!Before(candidate, *same)) {
            return;
        }
        chosen_.erase(same);
    }
    chosen_.insert(std::lower_bound(chosen_.begin(), chosen_.end(), candidate, Before), candidate);
    if (chosen_.size() > limit_) {
        chosen_.pop_back();
    }
}

// Which other names a search compares.
enum class OtherNames { None, Spellings, Alternates, All };

bool Compared(OtherNames compared, OtherNameKind kind) {
    switch (compared) {
    case OtherNames::None:
        return false;
    case OtherNames::Spellings:
        return kind == OtherNameKind::Spelling;
    case OtherNames::Alternates:
        return kind == OtherNameKind::Alternate;
    case OtherNames::All:
        return true;
    }
    return false;
}

// Offers every city whose name (when `ownNames`) or compared other name is `key` (wholeName)
// or starts with it.
void OfferMatches(Choice& choice, std::string_view key, bool wholeName, bool ownNames,
                  OtherNames compared) {
    const auto& tables = AtlasTables();
    if (ownNames) {
        for (const CityRecord& record : RunStartingWith(tables.cities, key)) {
            if (!wholeName || record.nameLength == key.size()) {
                choice.Offer(record, false);
            }
        }
    }
    if (compared == OtherNames::None) {
        return;
    }
    for (const OtherNameRecord& record : RunStartingWith(tables.otherNames, key)) {
        if ((!wholeName || record.length == key.size()) &&
            Compared(compared, static_cast<OtherNameKind>(record.kind))) {
            const auto kind = static_cast<OtherNameKind>(record.kind);
            choice.Offer(CityOf(record), kind == OtherNameKind::Alternate);
        }
    }
}

} // namespace

int AtlasSize() {
    return static_cast<int>(AtlasTables().cities.size());
}

AtlasCity AtlasCityAt(int index) {
    const auto& tables = AtlasTables();
    const CityRecord& r = tables.cities[static_cast<std::size_t>(index)];
    const auto& country = tables.countries[r.country];
    const StateTexts state = StateAt(r.state);
    AtlasCity city{index,        RecordName(r), RecordName(r), state.name,
                   state.shown,  country.name,  country.code,  tables.zones[r.zone],
                   r.latitudeE5, r.longitudeE5, r.population};
    const auto shown =
        std::lower_bound(tables.shownNames.begin(), tables.shownNames.end(), index,
                         [](const atlas::ShownNameRecord& s, int city) { return s.city < city; });
    if (shown != tables.shownNames.end() && shown->city == index) {
        city.shownName = tables.shownPool.substr(shown->offset, shown->length);
    }
    return city;
}

std::string PlaceLabel(const AtlasCity& city) {
    std::string label(city.name);
    if (!city.state.empty()) {
        label += ", ";
        label += city.state;
    }
    label += ", ";
    label += city.country;
    return label;
}

std::string ShownPlaceLabel(const AtlasCity& city) {
    std::string label(city.shownName);
    if (!city.shownState.empty()) {
        label += ", ";
        label += city.shownState;
    }
    label += ", ";
    label += city.country;
    return label;
}

std::vector<AtlasCity> FindPlaces(const PlaceSearch& search) {
    const std::string key = SearchKey(search.prefix);
    if (key.empty()) {
        return {};
    }
    const Narrowing narrowing(search.state, search.country);
    Choice choice(search.limit, narrowing, search.narrowingOnlyOrders);
    const OtherNames compared =
        search.otherNames && key.size() >= kOtherNamesFrom ? OtherNames::All : OtherNames::None;
    OfferMatches(choice, key, false, true, compared);
    std::vector<AtlasCity> found = choice.Cities();
    if (search.everyWholeName) {
        // The whole names the limit left out, in the same order after the others.
        Choice more(static_cast<int>(kWholeNamesAtMost), narrowing, search.narrowingOnlyOrders);
        OfferMatches(more, key, true, true, compared);
        for (const AtlasCity& city : more.Cities()) {
            const bool listed = std::any_of(found.begin(), found.end(), [&city](const auto& f) {
                return f.index == city.index;
            });
            if (!listed) {
                found.push_back(city);
            }
        }
    }
    return found;
}

std::vector<AtlasCity> FindPlaces(std::string_view prefix, int limit) {
    return FindPlaces(PlaceSearch{prefix, "", "", limit});
}

PlaceSearch SuggestionSearch(std::string_view prefix, std::string_view state,
                             std::string_view country, int limit) {
    return {prefix, state, country, limit, true, true, true};
}

std::vector<AtlasCity> FindPlacesNamed(std::string_view name, std::string_view state,
                                       std::string_view country, int limit,
                                       NamesCompared compared) {
    const std::string key = SearchKey(name);
    if (key.empty()) {
        return {};
    }
    const Narrowing narrowing(state, country);
    Choice choice(limit, narrowing, false);
    const OtherNames others = compared == NamesCompared::Own        ? OtherNames::None
                              : compared == NamesCompared::Spelling ? OtherNames::Spellings
                                                                    : OtherNames::Alternates;
    OfferMatches(choice, key, true, compared == NamesCompared::Own, others);
    return choice.Cities();
}

} // namespace kovrel
