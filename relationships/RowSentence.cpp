#include "relationships/RowSentence.h"

#include "relationships/RelationTexts.h"

namespace kovrel {

namespace {

// The names of a cell as spoken: "Moon/ Mars" becomes "Moon, Mars".
std::string Spoken(std::string_view cell) {
    std::string spoken;
    for (std::size_t at = 0;;) {
        const std::size_t next = cell.find(kListSeparator, at);
        spoken += cell.substr(at, next - at);
        if (next == std::string_view::npos) {
            return spoken;
        }
        spoken += ", ";
        at = next + kListSeparator.size();
    }
}

} // namespace

std::string RowSentence(std::string_view planet, std::string_view friends, std::string_view enemies,
                        std::string_view neutrals) {
    std::string sentence(planet);
    sentence += ": ";
    sentence += friends.empty() ? std::string("no friends") : "friends " + Spoken(friends);
    sentence += "; ";
    sentence += enemies.empty() ? std::string("no enemies") : "enemies " + Spoken(enemies);
    if (!neutrals.empty()) {
        sentence += "; neutral " + Spoken(neutrals);
    }
    return sentence;
}

} // namespace kovrel
