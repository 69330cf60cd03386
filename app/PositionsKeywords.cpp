#include "app/PositionsKeywords.h"

#include <algorithm>

namespace kovrel {

namespace {

template <typename Value, std::size_t N>
std::optional<Value> Named(const std::array<std::string_view, N>& keywords,
                           std::string_view keyword) {
    const auto found = std::find(keywords.begin(), keywords.end(), keyword);
    if (found == keywords.end()) {
        return std::nullopt;
    }
    return static_cast<Value>(found - keywords.begin());
}

} // namespace

std::string_view KeywordOf(PositionsMode mode) {
    return kPositionsModeKeywords[static_cast<std::size_t>(mode)];
}

std::string_view KeywordOf(AyanamsaKind kind) {
    return kAyanamsaKeywords[static_cast<std::size_t>(kind)];
}

std::optional<PositionsMode> PositionsModeNamed(std::string_view keyword) {
    return Named<PositionsMode>(kPositionsModeKeywords, keyword);
}

std::optional<AyanamsaKind> AyanamsaNamed(std::string_view keyword) {
    return Named<AyanamsaKind>(kAyanamsaKeywords, keyword);
}

} // namespace kovrel
