#include "links/Links.h"

#ifndef KOVREL_SITE_ADDRESS
#error "KOVREL_SITE_ADDRESS must be set by the build (the CMake cache option of the same name)"
#endif

namespace kovrel {

namespace {

// The search service for a place's coordinates; the query follows "q=".
constexpr std::string_view kSearchPrefix = "https://duckduckgo.com/?q=";

// The path of each page under the site address.
constexpr std::string_view PagePath(Link link) {
    switch (link) {
    case Link::OnlineHelp:
        return "/help/";
    case Link::Home:
        return "/forum/";
    case Link::Update:
        return "/download/";
    case Link::Branding:
        return "/branding/";
    case Link::CoBrand:
        return "/co-branding/";
    }
    return "/";
}

constexpr bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

} // namespace

std::string_view SiteAddress() {
    // A packager may give the address with a trailing slash; the page paths bring their own.
    std::string_view site = KOVREL_SITE_ADDRESS;
    while (!site.empty() && site.back() == '/') {
        site.remove_suffix(1);
    }
    return site;
}

std::string LinkAddress(Link link) {
    std::string address(SiteAddress());
    address += PagePath(link);
    return address;
}

std::string CoordinatesSearchAddress(std::string_view searchTextUtf8) {
    // Percent-encoding of the UTF-8 bytes: everything but the unreserved characters is escaped,
    // the blank as %20, so place names with '&', '#', '+' or accents reach the search intact.
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address(kSearchPrefix);
    address.reserve(address.size() + 3 * searchTextUtf8.size());
    for (const char ch : searchTextUtf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnreserved(c)) {
            address += static_cast<char>(c);
        } else {
            address += '%';
            address += kHex[c >> 4];
            address += kHex[c & 0x0F];
        }
    }
    return address;
}

} // namespace kovrel
