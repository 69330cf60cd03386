#include "links/Links.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kovrel {
namespace {

constexpr Link kAllLinks[] = {Link::OnlineHelp, Link::Home, Link::Update, Link::Branding,
                              Link::CoBrand};

TEST(LinkTable, SiteAddressIsAnHttpAddressWithoutTrailingSlash) {
    const std::string site(SiteAddress());
    ASSERT_FALSE(site.empty());
    EXPECT_TRUE(site.starts_with("https://") || site.starts_with("http://")) << site;
    EXPECT_NE(site.back(), '/');
}

TEST(LinkTable, EveryPageLiesUnderTheSiteAddress) {
    const std::string site(SiteAddress());
    for (const Link link : kAllLinks) {
        const std::string address = LinkAddress(link);
        EXPECT_TRUE(address.starts_with(site + "/")) << address;
        EXPECT_GT(address.size(), site.size() + 1) << "a page, not the bare site: " << address;
        EXPECT_EQ(address.find(' '), std::string::npos) << address;
    }
}

TEST(LinkTable, EveryLinkHasItsOwnPage) {
    std::set<std::string> addresses;
    for (const Link link : kAllLinks) {
        addresses.insert(LinkAddress(link));
    }
    EXPECT_EQ(addresses.size(), std::size(kAllLinks));
}

TEST(CoordinatesSearch, EncodesBlanksAsPercent20) {
    const std::string address =
        CoordinatesSearchAddress("Pune Maharashtra India Latitude Longitude");
    EXPECT_EQ(address,
              "https://duckduckgo.com/?q=Pune%20Maharashtra%20India%20Latitude%20Longitude");
}

TEST(CoordinatesSearch, EscapesReservedCharactersAndKeepsUnreservedOnes) {
    // Characters that would end or split the query must not reach it raw.
    EXPECT_EQ(CoordinatesSearchAddress("A&B=C+D#E?F/G%H"),
              "https://duckduckgo.com/?q=A%26B%3DC%2BD%23E%3FF%2FG%25H");
    EXPECT_EQ(CoordinatesSearchAddress("az-AZ_09.~"), "https://duckduckgo.com/?q=az-AZ_09.~");
}

TEST(CoordinatesSearch, EncodesEachUtf8ByteInCapitalHex) {
    // "São Paulo": ã is U+00E3, two bytes C3 A3 in UTF-8.
    EXPECT_EQ(CoordinatesSearchAddress("S\xC3\xA3o Paulo"),
              "https://duckduckgo.com/?q=S%C3%A3o%20Paulo");
    EXPECT_EQ(CoordinatesSearchAddress(std::string_view("\x00\x7F\xFF", 3)),
              "https://duckduckgo.com/?q=%00%7F%FF");
}

TEST(CoordinatesSearch, EmptyTextGivesTheBareQuery) {
    EXPECT_EQ(CoordinatesSearchAddress(""), "https://duckduckgo.com/?q=");
}

} // namespace
} // namespace kovrel
