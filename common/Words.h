#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kovrel {

// A text a person reads, filed under a context as the translations keep it. The English text is
// the key, so English needs no table and stays exactly as it always was.
struct Word {
    const char* context;
    const char* english;

    constexpr std::string_view text() const { return english; }
};

// Marks a text for the translation tools, which read this as QT_TRANSLATE_NOOP.
#define KOVREL_WORD(context, text) (::kovrel::Word{context, text})

// The languages a reading can be said in, English first (the default).
enum class Language { English, Hindi, Tamil, Telugu, Kannada, Malayalam };
inline constexpr int kLanguageCount = 6;
inline constexpr std::array<Language, kLanguageCount> kLanguages = {
    Language::English, Language::Hindi,   Language::Tamil,
    Language::Telugu,  Language::Kannada, Language::Malayalam};

struct LanguageInfo {
    Language language;
    const char* code;    // ISO 639-1, as the settings, the tool and the .ts files name it
    const char* ownName; // as its readers write it, for the Language menu
};
inline constexpr std::array<LanguageInfo, kLanguageCount> kLanguageInfos = {{
    {Language::English, "en", "English"},
    {Language::Hindi, "hi", "\u0939\u093F\u0928\u094D\u0926\u0940"},
    {Language::Tamil, "ta", "\u0BA4\u0BAE\u0BBF\u0BB4\u0BCD"},
    {Language::Telugu, "te", "\u0C24\u0C46\u0C32\u0C41\u0C17\u0C41"},
    {Language::Kannada, "kn", "\u0C95\u0CA8\u0CCD\u0CA8\u0CA1"},
    {Language::Malayalam, "ml", "\u0D2E\u0D32\u0D2F\u0D3E\u0D33\u0D02"},
}};

constexpr const LanguageInfo& Info(Language language) {
    return kLanguageInfos[static_cast<std::size_t>(language)];
}
// The language with this code ("hi"), or English for a code the program does not know.
Language LanguageOfCode(std::string_view code, bool* known = nullptr);

// Says a word in one language. Implementations hold no state that changes.
class Words {
  public:
    virtual ~Words() = default;
    virtual std::string Say(Word word) const = 0;
};

class EnglishWords final : public Words {
  public:
    std::string Say(Word word) const override { return word.english; }
};

// English, the words every function uses unless it is given others.
const Words& English();
// The translations compiled in from the translation files, for code without Qt (the tool);
// English for English, and the English text for any entry a language lacks.
const Words& CompiledWords(Language language);

// `pattern` with %1 .. %9 replaced by `arguments` in order, as a translated sentence that
// places its parts in its own order needs.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace kovrel
