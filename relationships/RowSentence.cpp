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
                        std::string_view neutrals, const Words& words) {
    const auto part = [&words](std::string_view names, Word none, Word some) {
        return names.empty() ? words.Say(none) : Fill(words.Say(some), {Spoken(names)});
    };
    std::string sentence(planet);
    sentence += ": ";
    sentence += part(friends, KOVREL_WORD("RowSentence", "no friends"),
                     KOVREL_WORD("RowSentence", "friends %1"));
    sentence += "; ";
    sentence += part(enemies, KOVREL_WORD("RowSentence", "no enemies"),
                     KOVREL_WORD("RowSentence", "enemies %1"));
    if (!neutrals.empty()) {
        sentence +=
            "; " + Fill(words.Say(KOVREL_WORD("RowSentence", "neutral %1")), {Spoken(neutrals)});
    }
    return sentence;
}

} // namespace kovrel
