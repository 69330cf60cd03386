#pragma once

#include <string>
#include <string_view>

namespace kovrel {

// The pages the program opens. All lie under one site address, set when the program is built.
enum class Link { OnlineHelp, Home, Update, Branding, CoBrand };

std::string_view SiteAddress();
// The full address of a page.
std::string LinkAddress(Link link);

// The address of a web search for a place's coordinates: the search text properly encoded.
std::string CoordinatesSearchAddress(std::string_view searchTextUtf8);

} // namespace kovrel
