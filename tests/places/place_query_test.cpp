// The command line's place lookup. Places and populations are those of GeoNames'
// cities15000.txt.
#include "places/PlaceQuery.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace kovrel::test {
namespace {

constexpr std::string_view kCandidatesFollow = " It could be: ";

// The places a refusal lists, in its order; none when it lists none.
std::vector<std::string> Candidates(const Fault& fault) {
    const std::size_t start = fault.message.find(kCandidatesFollow);
    if (start == std::string::npos) {
        return {};
    }
    std::vector<std::string> listed;
    std::string_view rest =
        std::string_view(fault.message).substr(start + kCandidatesFollow.size());
    while (true) {
        const std::size_t apart = rest.find("; ");
        listed.emplace_back(rest.substr(0, apart));
        if (apart == std::string_view::npos) {
            return listed;
        }
        rest.remove_prefix(apart + 2);
    }
}

TEST(ResolvePlace, FindsTheOneCityATextNames) {
    for (const char* text : {"Pune", "pune", " Pune , Maharashtra ", "Pune, Maharashtra, India",
                             "Pune, India", "Pune,,IN", "PUNE, maharashtra, in"}) {
        const Result<AtlasCity> city = ResolvePlace(text);
        ASSERT_TRUE(city) << text << ": " << city.fault().message;
        EXPECT_EQ(PlaceLabel(*city), "Pune, Maharashtra, India") << text;
    }
    // A second part that is no state of a London is taken as the country.
    EXPECT_EQ(ResolvePlace("London, GB")->ianaZone, "Europe/London");
    EXPECT_EQ(ResolvePlace("London, England")->ianaZone, "Europe/London");
    EXPECT_EQ(ResolvePlace("London, Canada")->ianaZone, "America/Toronto");
    EXPECT_EQ(ResolvePlace("Springfield, Illinois")->ianaZone, "America/Chicago");
    EXPECT_EQ(ResolvePlace("São Paulo, Brazil")->name, "Sao Paulo");
}

TEST(ResolvePlace, ListsThePlacesANameLeavesOpen) {
    const Result<AtlasCity> city = ResolvePlace("Springfield");
    ASSERT_FALSE(city);
    const std::vector<std::string> candidates = Candidates(city.fault());
    // Eight Springfields in eight states.
    ASSERT_EQ(candidates.size(), 8u);
    // Most populous first: Missouri 159498, Massachusetts 153060, Illinois 116250.
    EXPECT_EQ(candidates[0], "Springfield, Missouri, United States");
    EXPECT_EQ(candidates[1], "Springfield, Massachusetts, United States");
    EXPECT_EQ(candidates[2], "Springfield, Illinois, United States");
    EXPECT_EQ(city.fault().message.rfind("Several places are called \"Springfield\"; add the "
                                         "state or the country to say which.",
                                         0),
              0u);
    // Seven "Richmond"s, in four countries.
    const Result<AtlasCity> richmond = ResolvePlace("Richmond");
    ASSERT_FALSE(richmond);
    EXPECT_EQ(Candidates(richmond.fault()).size(), 7u);
    // The United States has several; the state still narrows it.
    const Result<AtlasCity> inUs = ResolvePlace("Springfield, , US");
    ASSERT_FALSE(inUs);
    EXPECT_FALSE(Candidates(inUs.fault()).empty());
}

TEST(ResolvePlace, SaysWhenNothingMatches) {
    for (const char* text : {"Xyzzy", "", "  ", "Pun", "Pune, Nepal", "a, b, c, d"}) {
        const Result<AtlasCity> city = ResolvePlace(text);
        ASSERT_FALSE(city) << text;
        EXPECT_FALSE(city.fault().message.empty()) << text;
        EXPECT_TRUE(Candidates(city.fault()).empty()) << text;
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
