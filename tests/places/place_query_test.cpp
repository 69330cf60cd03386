// The command line's place lookup. Places and populations are those of GeoNames'
// cities15000.txt.
#include "places/PlaceQuery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
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

TEST(ResolvePlace, TakesNamesAsPeopleWriteThem) {
    // GeoNames' alternate names of cities15000.txt, its ASCII forms, St for Saint, and the
    // postal abbreviations of the states.
    const std::pair<const char*, const char*> cases[] = {
        {"Bombay", "Mumbai, Maharashtra, India"},
        {"Madras", "Chennai, Tamil Nadu, India"},
        {"Peking", "Beijing, Beijing, China"},
        {"Saigon", "Ho Chi Minh City, Ho Chi Minh City, Vietnam"},
        {"Bengaluru", "Bangalore, Karnataka, India"},
        {"Koeln", "Koln, North Rhine Westphalia, Germany"},
        {"Köln", "Koln, North Rhine Westphalia, Germany"},
        {"St Petersburg, Florida", "Saint Petersburg, Florida, United States"},
        {"Saint Catharines", "St Catharines, Ontario, Canada"},
        {"Springfield, IL", "Springfield, Illinois, United States"},
        {"Springfield, Illinois, USA", "Springfield, Illinois, United States"},
        {"London, ON", "London, Ontario, Canada"},
        {"London, UK", "London, England, United Kingdom"},
        {"Sydney, NSW", "Sydney, New South Wales, Australia"},
    };
    for (const auto& [text, label] : cases) {
        const Result<AtlasCity> city = ResolvePlace(text);
        ASSERT_TRUE(city) << text << ": " << city.fault().message;
        EXPECT_EQ(PlaceLabel(*city), label) << text;
    }
    // A former name counts only where no place has it as its own: Harare was Salisbury.
    const Result<AtlasCity> salisbury = ResolvePlace("Salisbury");
    ASSERT_FALSE(salisbury);
    for (const std::string& candidate : Candidates(salisbury.fault())) {
        EXPECT_EQ(candidate.rfind("Salisbury, ", 0), 0u) << candidate;
    }
}

TEST(ResolvePlace, ReachesEveryPlaceByItsLabel) {
    for (int k = 0; k < AtlasSize(); ++k) {
        const std::string label = PlaceLabel(AtlasCityAt(k));
        const Result<AtlasCity> city = ResolvePlace(label);
        ASSERT_TRUE(city) << label << ": " << city.fault().message;
        ASSERT_EQ(PlaceLabel(*city), label);
    }
    // --places narrows as --place does: the three Santa Cruz of the Philippines (cities15000.txt)
    // among its Santa Cruz places, all on Asia/Manila.
    const std::vector<std::string> lines = PlaceListing("Santa Cruz, Philippines");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind("Santa Cruz, ", 0) == 0; }),
              3);
    for (const std::string& line : lines) {
        EXPECT_NE(line.find("Philippines  "), std::string::npos) << line;
        EXPECT_NE(line.find("Asia/Manila"), std::string::npos) << line;
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
