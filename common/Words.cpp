#include "common/Words.h"

#include "common/WordTable.h"

#include <algorithm>
#include <cstring>

namespace kovrel {

namespace {

class TableWords final : public Words {
  public:
    TableWords() = default;
    explicit TableWords(std::span<const WordEntry> entries) : entries_(entries) {}

    std::string Say(Word word) const override {
        const auto before = [](const WordEntry& entry, const Word& key) {
            const int order = std::strcmp(entry.context, key.context);
            return order < 0 || (order == 0 && std::strcmp(entry.english, key.english) < 0);
        };
        const auto found = std::lower_bound(entries_.begin(), entries_.end(), word, before);
        if (found != entries_.end() && std::strcmp(found->context, word.context) == 0 &&
            std::strcmp(found->english, word.english) == 0) {
            return found->translation;
        }
        return word.english;
    }

  private:
    std::span<const WordEntry> entries_;
};

} // namespace

Language LanguageOfCode(std::string_view code, bool* known) {
    for (const LanguageInfo& info : kLanguageInfos) {
        if (code == info.code) {
            if (known != nullptr) {
                *known = true;
            }
            return info.language;
        }
    }
    if (known != nullptr) {
        *known = false;
    }
    return Language::English;
}

const Words& English() {
    static const EnglishWords english;
    return english;
}

const Words& CompiledWords(Language language) {
    static const std::array<TableWords, kLanguageCount> tables = [] {
        std::array<TableWords, kLanguageCount> made{};
        for (const Language each : kLanguages) {
            made[static_cast<std::size_t>(each)] = TableWords(CompiledEntries(each));
        }
        return made;
    }();
    if (language == Language::English) {
        return English();
    }
    return tables[static_cast<std::size_t>(language)];
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number <= arguments.size()) {
            text += *(arguments.begin() + (number - 1));
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace kovrel
