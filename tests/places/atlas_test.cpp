// The compiled-in atlas and its search. City figures are those of GeoNames' cities15000.txt as
// Debian's libtimezonemap-data installs it (name, latitude, longitude, admin1, population, zone
// columns); zone names are checked against the system's tzdata.
#include "app/EntryValidation.h"
#include "places/Atlas.h"
#include "places/PlaceText.h"
#include "places/ZoneCorrections.h"
#include "places/ZoneInForce.h"

#include <date/tz.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kovrel::test {
namespace {

// Whether the system's zone database knows the zone, asked through an independent reader of it.
bool ZoneKnown(std::string_view ianaZone) {
    try {
        return date::locate_zone(std::string(ianaZone)) != nullptr;
    } catch (const std::runtime_error&) {
        return false;
    }
}

std::vector<std::string> Labels(const std::vector<AtlasCity>& cities) {
    std::vector<std::string> labels;
    for (const auto& city : cities) {
        labels.push_back(PlaceLabel(city));
    }
    return labels;
}

AtlasCity OnlyPlace(std::string_view name, std::string_view state, std::string_view country) {
    const auto found = FindPlacesNamed(name, state, country, 2);
    EXPECT_EQ(found.size(), 1u) << name;
    return found.empty() ? AtlasCity{} : found.front();
}

TEST(PlaceText, TurnsAccentsIntoPlainLettersAndMarksIntoBlanks) {
    const struct {
        const char* utf8;
        const char* name;
    } cases[] = {
        {"Ciudad Juárez", "Ciudad Juarez"},
        {"Astrakhan'", "Astrakhan"},
        {"Kamen'-na-Obi", "Kamen na Obi"},
        {"  São   Paulo ", "Sao Paulo"},
        {"Ærøskøbing", "Aeroskobing"},
        {"Straße", "Strasse"},
        {"Timișoara", "Timisoara"},
        {"Łódź", "Lodz"},
        {"Đà Nẵng", "Da Nang"},
        {"Zürich", "Zurich"},
        {"6th of October", "th of October"},
        {"İstanbul", "Istanbul"},
        {"Provence-Alpes-Côte d'Azur", "Provence Alpes Cote d Azur"},
        {"\xff\xfe", ""}, // bytes that are no UTF-8 become blanks
        {"Al Maḩallah al Kubrá", "Al Mahallah al Kubra"},
        {"Ko\xcc\x88ln", "Koln"}, // o and a combining diaeresis
        {"Bakı Lənkəran", "Baki Lankaran"},
        {"Sjælland Øresund", "Sjaelland Oresund"},
        {"Ḑānā", "Dana"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LettersOnlyName(c.utf8), c.name) << c.utf8;
        EXPECT_TRUE(LettersOnlyText(LettersOnlyName(c.utf8))) << c.utf8;
    }
    EXPECT_TRUE(WrittenInLatin("Al Maḩallah al Kubrá (1)"));
    EXPECT_FALSE(WrittenInLatin("Бережани"));
    EXPECT_TRUE(SameName("St Albans", "saint  albans"));
    EXPECT_FALSE(SameName("Stow", "Saintow"));
    EXPECT_EQ(OtherSaintSpelling("Sainte Foy St Louis"), "Ste Foy Saint Louis");
    EXPECT_EQ(SearchKey("ZÜRICH"), "zurich");
    EXPECT_EQ(SearchKey("Saint-Étienne"), "saint etienne");
}

TEST(Atlas, HoldsEveryCityOfTheGeoNamesFile) {
    // cities15000.txt (2015) has 23461 lines, one city each.
    EXPECT_EQ(AtlasSize(), 23461);
    std::set<std::string_view> zones;
    for (int k = 0; k < AtlasSize(); ++k) {
        const AtlasCity city = AtlasCityAt(k);
        ASSERT_FALSE(city.name.empty()) << k;
        ASSERT_TRUE(LettersOnlyText(city.name)) << city.name;
        ASSERT_TRUE(LettersOnlyText(city.state)) << city.state;
        ASSERT_TRUE(LettersOnlyText(city.country)) << city.country;
        ASSERT_EQ(city.countryCode.size(), 2u) << city.name;
        ASSERT_LE(std::abs(city.latitudeE5), 9000000) << city.name;
        ASSERT_LE(std::abs(city.longitudeE5), 18000000) << city.name;
        zones.insert(city.ianaZone);
    }
    for (const auto zone : zones) {
        EXPECT_TRUE(ZoneKnown(zone)) << zone;
    }
}

TEST(Atlas, KeepsTheFiguresOfACity) {
    // Pune: 18.51957 N, 73.85535 E, IN.16 Maharashtra, population 2935744, Asia/Kolkata.
    const AtlasCity pune = OnlyPlace("Pune", "", "");
    EXPECT_EQ(pune.name, "Pune");
    EXPECT_EQ(pune.state, "Maharashtra");
    EXPECT_EQ(pune.country, "India");
    EXPECT_EQ(pune.countryCode, "IN");
    EXPECT_EQ(pune.ianaZone, "Asia/Kolkata");
    EXPECT_EQ(pune.latitudeE5, 1851957);
    EXPECT_EQ(pune.longitudeE5, 7385535);
    EXPECT_EQ(pune.population, 2935744u);
    EXPECT_EQ(PlaceLabel(pune), "Pune, Maharashtra, India");
    // Sao Paulo: -23.5475, -46.63611, GeoNames' UTF-8 name "São Paulo".
    const AtlasCity saoPaulo = OnlyPlace("São Paulo", "", "BR");
    EXPECT_EQ(saoPaulo.name, "Sao Paulo");
    EXPECT_EQ(saoPaulo.latitudeE5, -2354750);
    EXPECT_EQ(saoPaulo.longitudeE5, -4663611);
}

TEST(AtlasSearch, MatchesTheStartOfTheNameWhateverTheCaseAndAccents) {
    for (const char* typed : {"pun", "PUN", "pUn", "Pune"}) {
        const auto found = FindPlaces(typed);
        ASSERT_FALSE(found.empty()) << typed;
        EXPECT_EQ(PlaceLabel(found.front()), "Pune, Maharashtra, India") << typed;
    }
    // São Paulo (10021295 people) is the most populous "Sao P..." of the file.
    EXPECT_EQ(FindPlaces("São P").front().name, "Sao Paulo");
    EXPECT_EQ(FindPlaces("sao p").front().name, "Sao Paulo");
    EXPECT_EQ(FindPlaces("ZÜR").front().name, "Zurich");
    // A mark typed in a name counts as the blank it became: GeoNames' "Kamen'-na-Obi".
    EXPECT_EQ(FindPlaces("Kamen-na").front().name, "Kamen na Obi");
    EXPECT_EQ(FindPlaces("Astrakhan'").front().name, "Astrakhan");
    EXPECT_TRUE(FindPlaces("").empty());
    EXPECT_TRUE(FindPlaces(" '-").empty());
    EXPECT_TRUE(FindPlaces("qqqq").empty());
}

TEST(AtlasSearch, PutsTheMostPopulousFirstAndStopsAtTheLimit) {
    for (const char* prefix : {"s", "san", "new", "x", "lon"}) {
        const auto found = FindPlaces(prefix);
        EXPECT_EQ(found.size(), 12u) << prefix;
        for (std::size_t k = 0; k < found.size(); ++k) {
            EXPECT_EQ(SearchKey(found[k].name).rfind(SearchKey(prefix), 0), 0u) << found[k].name;
            if (k > 0) {
                EXPECT_GE(found[k - 1].population, found[k].population) << prefix;
            }
        }
    }
    // No city starting with "lon" has more people than London (7556900).
    EXPECT_EQ(PlaceLabel(FindPlaces("lon").front()), "London, England, United Kingdom");
    EXPECT_EQ(FindPlaces("s", 3).size(), 3u);
    EXPECT_TRUE(FindPlaces("s", 0).empty());
    // The whole run of "new" agrees with a plain scan of the atlas for its most populous city.
    std::uint32_t most = 0;
    for (int k = 0; k < AtlasSize(); ++k) {
        const AtlasCity city = AtlasCityAt(k);
        if (SearchKey(city.name).rfind("new", 0) == 0 && city.population > most) {
            most = city.population;
        }
    }
    EXPECT_EQ(FindPlaces("new").front().population, most);
}

TEST(AtlasSearch, NarrowsByStateAndByCountryNameOrCode) {
    // Springfield: MO 159498, MA 153060, IL 116250, ... in cities15000.txt.
    EXPECT_EQ(Labels(FindPlaces("Springfield", 3)),
              (std::vector<std::string>{"Springfield, Missouri, United States",
                                        "Springfield, Massachusetts, United States",
                                        "Springfield, Illinois, United States"}));
    EXPECT_EQ(Labels(FindPlaces({"Springfield", "illinois", ""})),
              (std::vector<std::string>{"Springfield, Illinois, United States"}));
    // London, Ontario: 42.98339 N, 81.23304 W, America/Toronto.
    for (const char* country : {"CA", "ca", "Canada", "CANADA"}) {
        const auto found = FindPlaces({"London", "", country});
        ASSERT_EQ(found.size(), 1u) << country;
        EXPECT_EQ(found.front().ianaZone, "America/Toronto");
    }
    EXPECT_EQ(FindPlaces({"Madrid", "", "Colombia"}).front().ianaZone, "America/Bogota");
    EXPECT_TRUE(FindPlaces({"Pune", "", "Nepal"}).empty());
    EXPECT_TRUE(FindPlaces({"Pune", "Maharash", ""}).empty()); // the state's whole name
}

TEST(AtlasSearch, FindsNamesAsPeopleWriteThemAndShowsTheRealOnes) {
    // cities15000.txt: name, ASCII form and an alternate name of each.
    const struct {
        const char* typed;
        const char* shown;
        const char* box;
    } cases[] = {
        {"Köln", "Köln", "Koln"},
        {"Koln", "Köln", "Koln"},
        {"Koeln", "Köln", "Koln"},
        {"Cologne", "Köln", "Koln"},
        {"Malmoe", "Malmö", "Malmo"},
        {"Goeteborg", "Göteborg", "Goteborg"},
        {"Nuernberg", "Nürnberg", "Nurnberg"},
        {"UEruemqi", "Ürümqi", "Urumqi"},
        {"Al Mahallah", "Al Maḩallah al Kubrá", "Al Mahallah al Kubra"},
        {"Bombay", "Mumbai", "Mumbai"},
        {"Peking", "Beijing", "Beijing"},
        {"St Pete", "Saint Petersburg", "Saint Petersburg"},
    };
    for (const auto& c : cases) {
        const auto found = FindPlaces(SuggestionSearch(c.typed, "", "", 12));
        ASSERT_FALSE(found.empty()) << c.typed;
        EXPECT_EQ(found.front().shownName, c.shown) << c.typed;
        EXPECT_EQ(found.front().name, c.box) << c.typed;
    }
    // The state too: Västra Götaland, ASCII form "Vaestra Goetaland" (admin1Codes.txt SE.28).
    const AtlasCity goteborg = OnlyPlace("Göteborg", "Vaestra Goetaland", "Sweden");
    EXPECT_EQ(ShownPlaceLabel(goteborg), "Göteborg, Västra Götaland, Sweden");
    EXPECT_EQ(PlaceLabel(goteborg), "Goteborg, Vastra Gotaland, Sweden");
    // Postal abbreviations and the usual country names: Springfield, Illinois, 116250 people.
    EXPECT_EQ(Labels(FindPlaces({"Springfield", "IL", "USA"})),
              (std::vector<std::string>{"Springfield, Illinois, United States"}));
    EXPECT_EQ(OnlyPlace("London", "ON", "").ianaZone, "America/Toronto");
    EXPECT_EQ(OnlyPlace("Sydney", "NSW", "").ianaZone, "Australia/Sydney");
    EXPECT_EQ(OnlyPlace("London", "", "UK").state, "England");
    // Other names count from the fourth letter, and own names come first: Salisbury, England
    // (40302 people) before Harare (1542813), once Salisbury.
    const auto bom = FindPlaces(SuggestionSearch("Bom", "", "", 12));
    EXPECT_TRUE(
        std::none_of(bom.begin(), bom.end(), [](const auto& c) { return c.name == "Mumbai"; }));
    const auto salisbury = FindPlaces(SuggestionSearch("Salisbury", "", "", 12));
    ASSERT_GE(salisbury.size(), 2u);
    EXPECT_EQ(PlaceLabel(salisbury.front()), "Salisbury, England, United Kingdom");
    EXPECT_EQ(salisbury.back().name, "Harare");
}

TEST(AtlasSearch, SuggestionsReachEveryPlace) {
    // Typing a place's whole name offers it, whatever the limit, and its State and Country
    // bring it among the first.
    for (int k = 0; k < AtlasSize(); ++k) {
        const AtlasCity city = AtlasCityAt(k);
        const auto has = [k](const std::vector<AtlasCity>& found) {
            return std::any_of(found.begin(), found.end(),
                               [k](const auto& c) { return c.index == k; });
        };
        ASSERT_TRUE(has(FindPlaces(SuggestionSearch(city.name, "", "", 12)))) << city.name;
        ASSERT_TRUE(has(FindPlaces(SuggestionSearch(city.name, city.state, city.country, 12))))
            << city.name;
    }
    // 17 places are called Marseille: the city and its 16 arrondissements (cities15000.txt).
    EXPECT_EQ(FindPlaces(SuggestionSearch("Marseille", "", "", 12)).size(), 17u);
    // The Santa Cruz of the Philippines, three of them called just so, come first once the
    // Country box says so; the more populous Santa Cruz de la Sierra (1364389) still follows.
    const auto santaCruz = FindPlaces(SuggestionSearch("Santa Cruz", "", "Philippines", 12));
    const auto outside = std::find_if(santaCruz.begin(), santaCruz.end(),
                                      [](const AtlasCity& c) { return c.countryCode != "PH"; });
    EXPECT_EQ(std::count_if(santaCruz.begin(), outside,
                            [](const AtlasCity& c) { return c.name == "Santa Cruz"; }),
              3);
    EXPECT_TRUE(std::all_of(outside, santaCruz.end(),
                            [](const AtlasCity& c) { return c.countryCode != "PH"; }));
    EXPECT_TRUE(std::any_of(outside, santaCruz.end(), [](const AtlasCity& c) {
        return c.name == "Santa Cruz de la Sierra";
    }));
}

TEST(ZoneCorrections, NameZonesOfTheSystemDatabaseAndApplyToTheirCities) {
    for (const ZoneCorrection& c : kZoneCorrections) {
        EXPECT_TRUE(ZoneKnown(c.toZone)) << c.toZone;
        EXPECT_TRUE(ZoneKnown(c.fromZone)) << c.fromZone;
        bool used = false;
        for (int k = 0; k < AtlasSize() && !used; ++k) {
            const AtlasCity city = AtlasCityAt(k);
            used = city.countryCode == c.countryCode && city.ianaZone == c.toZone;
        }
        EXPECT_TRUE(used) << c.toZone << " is given to no city";
    }
    // The 2015 file gives Europe/Volgograd, Asia/Qyzylorda and America/Ojinaga.
    EXPECT_EQ(OnlyPlace("Saratov", "", "RU").ianaZone, "Europe/Saratov");
    EXPECT_EQ(OnlyPlace("Balakovo", "", "RU").ianaZone, "Europe/Saratov");
    EXPECT_EQ(OnlyPlace("Kostanay", "", "KZ").ianaZone, "Asia/Qostanay");
    EXPECT_EQ(OnlyPlace("Ciudad Juarez", "", "MX").ianaZone, "America/Ciudad_Juarez");
    EXPECT_EQ(OnlyPlace("Astrakhan", "", "RU").ianaZone, "Europe/Astrakhan");
    EXPECT_EQ(OnlyPlace("Famagusta", "", "CY").ianaZone, "Asia/Famagusta");
    // Protaras, in Famagusta district south of the line, keeps its zone.
    EXPECT_EQ(OnlyPlace("Protaras", "", "CY").ianaZone, "Asia/Nicosia");
    // Arkalyk, in Kostanay region but on Asia/Almaty in the file, keeps the region's clocks:
    // +05 on 1 January 1990 where Almaty had +06 (zdump Asia/Qostanay, Asia/Almaty).
    const AtlasCity arkalyk = OnlyPlace("Arkalyk", "", "KZ");
    EXPECT_EQ(arkalyk.ianaZone, "Asia/Qostanay");
    EXPECT_EQ(ZoneInForceAt(arkalyk.ianaZone, {1990, 1, 1, 12, 0})->before.offsetSeconds, 18000);
    // Coihaique, Aysen region: -03 all year since April 2025, when Santiago went back to -04.
    const AtlasCity coyhaique = OnlyPlace("Coihaique", "", "CL");
    EXPECT_EQ(coyhaique.ianaZone, "America/Coyhaique");
    EXPECT_EQ(ZoneInForceAt(coyhaique.ianaZone, {2025, 7, 1, 12, 0})->before.offsetSeconds, -10800);
    // Every split-off zone kept other clocks than the one it left at some time since 1970, or
    // the correction would change nothing.
    for (const ZoneCorrection& c : kZoneCorrections) {
        bool differs = false;
        for (int year = 1970; year <= 2050 && !differs; ++year) {
            for (const int month : {1, 7}) {
                const LocalDateTime noon{year, month, 1, 12, 0};
                differs = differs || ZoneInForceAt(c.fromZone, noon)->before.offsetSeconds !=
                                         ZoneInForceAt(c.toZone, noon)->before.offsetSeconds;
            }
        }
        EXPECT_TRUE(differs) << c.toZone;
    }
    // Chihuahua, in the same state as Ciudad Juarez, is not moved.
    EXPECT_EQ(OnlyPlace("Chihuahua", "", "MX").ianaZone, "America/Chihuahua");
}

} // namespace
} // namespace kovrel::test
