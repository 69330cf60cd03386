#include "common/Words.h"
#include "relationships/RelationTexts.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

TEST(Words, CompiledTablesSayTheLanguageAndFallBackToEnglish) {
    // The Hindi compound terms of the field: अधिमित्र .. अधिशत्रु.
    EXPECT_EQ(CompiledWords(Language::Hindi).Say(kCompoundTexts[0]),
              "\u0905\u0927\u093F\u092E\u093F\u0924\u094D\u0930");
    EXPECT_EQ(CompiledWords(Language::Hindi).Say(kCompoundTexts[4]),
              "\u0905\u0927\u093F\u0936\u0924\u094D\u0930\u0941");
    for (const Language language : kLanguages) {
        const Words& words = CompiledWords(language);
        EXPECT_EQ(words.Say(KOVREL_WORD("Nowhere", "Not a text of the program")),
                  "Not a text of the program");
        // Every language has its own word for each relation, and English has the specified one.
        for (const Word relation : kCompoundTexts) {
            EXPECT_EQ(words.Say(relation) == relation.english, language == Language::English)
                << Info(language).code << " " << relation.english;
        }
    }
}

TEST(Words, CodesNameTheLanguagesAndAnUnknownCodeIsEnglish) {
    for (const LanguageInfo& info : kLanguageInfos) {
        bool known = false;
        EXPECT_EQ(LanguageOfCode(info.code, &known), info.language);
        EXPECT_TRUE(known);
    }
    bool known = true;
    EXPECT_EQ(LanguageOfCode("fr", &known), Language::English);
    EXPECT_FALSE(known);
}

TEST(Words, FillPutsEachPartWhereTheSentencePlacesIt) {
    EXPECT_EQ(Fill("%2 - %1 (%3)", {"a", "b", "c"}), "b - a (c)");
    // A percent sign that names no given part stays as written.
    EXPECT_EQ(Fill("100% and %4", {"x"}), "100% and %4");
}

} // namespace
} // namespace kovrel
