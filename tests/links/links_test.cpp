#include "links/Links.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kovrel {
namespace {

TEST(LinkTable, FivePagesOfTheirOwnUnderOneSiteAddress) {
    const std::string site(SiteAddress());
    EXPECT_TRUE(site.starts_with("https://") || site.starts_with("http://")) << site;
    EXPECT_NE(site.back(), '/');
    std::set<std::string> addresses;
    for (const Link link :
         {Link::OnlineHelp, Link::Home, Link::Update, Link::Branding, Link::CoBrand}) {
        const std::string address = LinkAddress(link);
        EXPECT_TRUE(address.starts_with(site + "/")) << address;
        EXPECT_GT(address.size(), site.size() + 1) << "a page, not the bare site: " << address;
        EXPECT_EQ(address.find(' '), std::string::npos) << address;
        addresses.insert(address);
    }
    EXPECT_EQ(addresses.size(), 5u);
}

TEST(CoordinatesSearch, EncodesEveryByteButTheUnreservedOnes) {
    const std::string query = "https://duckduckgo.com/?q=";
    const struct {
        std::string text;
        const char* encoded;
    } cases[] = {
        {"Pune Maharashtra India Latitude Longitude",
         "Pune%20Maharashtra%20India%20Latitude%20Longitude"},
        // Characters that would end or split the query must not reach it raw.
        {"A&B=C+D#E?F/G%H", "A%26B%3DC%2BD%23E%3FF%2FG%25H"},
        {"az-AZ_09.~", "az-AZ_09.~"},
        // Each UTF-8 byte in capital hex: "São Paulo".
        {"S\xC3\xA3o Paulo", "S%C3%A3o%20Paulo"},
        {std::string("\x00\x7F\xFF", 3), "%00%7F%FF"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CoordinatesSearchAddress(c.text), query + c.encoded) << c.text;
    }
}

} // namespace
} // namespace kovrel
