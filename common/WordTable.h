#pragma once

#include "common/Words.h"

#include <cstddef>
#include <span>

namespace kovrel {

// One translated text as the translation files give it.
struct WordEntry {
    const char* context;
    const char* english;
    const char* translation;
};

// A language's finished entries, sorted by context and then by English text (bytewise), as the
// build generates them from translations/kovrel_<code>.ts; empty for English.
std::span<const WordEntry> CompiledEntries(Language language);

} // namespace kovrel
