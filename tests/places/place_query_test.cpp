// The command line's place lookup. Places and populations are those of GeoNames'
// cities15000.txt.
#include "places/PlaceQuery.h"

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

TEST(ResolvePlace, FindsTheOneCityATextNames) {
    for (const char* text : {"Pune", "pune", " Pune , Maharashtra ", "Pune, Maharashtra, India",
                             "Pune, India", "Pune,,IN", "PUNE, maharashtra, in"}) {
        const PlaceLookup lookup = ResolvePlace(text);
        ASSERT_EQ(lookup.outcome, PlaceLookupOutcome::Found) << text << ": " << lookup.message;
        EXPECT_EQ(PlaceLabel(*lookup.city), "Pune, Maharashtra, India") << text;
    }
    // A second part that is no state of a London is taken as the country.
    EXPECT_EQ(ResolvePlace("London, GB").city->ianaZone, "Europe/London");
    EXPECT_EQ(ResolvePlace("London, England").city->ianaZone, "Europe/London");
    EXPECT_EQ(ResolvePlace("London, Canada").city->ianaZone, "America/Toronto");
    EXPECT_EQ(ResolvePlace("Springfield, Illinois").city->ianaZone, "America/Chicago");
    EXPECT_EQ(ResolvePlace("São Paulo, Brazil").city->name, "Sao Paulo");
}

TEST(ResolvePlace, ListsThePlacesANameLeavesOpen) {
    const PlaceLookup lookup = ResolvePlace("Springfield");
    ASSERT_EQ(lookup.outcome, PlaceLookupOutcome::Ambiguous);
    EXPECT_FALSE(lookup.city.has_value());
    // Eight Springfields in eight states.
    ASSERT_EQ(lookup.candidates.size(), 8u);
    // Most populous first: Missouri 159498, Massachusetts 153060, Illinois 116250.
    EXPECT_EQ(lookup.candidates[0], "Springfield, Missouri, United States");
    EXPECT_EQ(lookup.candidates[1], "Springfield, Massachusetts, United States");
    EXPECT_EQ(lookup.candidates[2], "Springfield, Illinois, United States");
    EXPECT_FALSE(lookup.message.empty());
    // Seven "Richmond"s, in four countries.
    EXPECT_EQ(ResolvePlace("Richmond").candidates.size(), 7u);
    // The United States has several; the state still narrows it.
    EXPECT_EQ(ResolvePlace("Springfield, , US").outcome, PlaceLookupOutcome::Ambiguous);
}

TEST(ResolvePlace, SaysWhenNothingMatches) {
    for (const char* text : {"Xyzzy", "", "  ", "Pun", "Pune, Nepal", "a, b, c, d"}) {
        const PlaceLookup lookup = ResolvePlace(text);
        EXPECT_EQ(lookup.outcome, PlaceLookupOutcome::NotFound) << text;
        EXPECT_FALSE(lookup.city.has_value());
        EXPECT_FALSE(lookup.message.empty()) << text;
    }
}

TEST(PlaceListing, OneLinePerCityWithCoordinatesAndZone) {
    // Pune 18.51957 N 73.85535 E.
    EXPECT_EQ(PlaceListing("Pune", 1),
              (std::vector<std::string>{"Pune, Maharashtra, India  18:31N 73:51E  Asia/Kolkata"}));
    EXPECT_EQ(PlaceListing("Spring").size(), 12u);
    EXPECT_TRUE(PlaceListing("Xyzzy").empty());
}

} // namespace
} // namespace kovrel::test
