#pragma once

#include "common/Words.h"

#include <QString>
#include <QTranslator>

#include <memory>

class QObject;
class QWidget;

namespace kovrel {

// A word in the language the program's translators speak now.
QString Say(Word word);

// The core's words in the window's language, through the installed translators.
class QtWords final : public Words {
  public:
    std::string Say(Word word) const override;
};
const Words& WindowWords();

// Sets a widget's or action's text, tool tip or accessible name to a word, and remembers the
// word so that Retranslate says it again in a new language. Labels, buttons, group boxes,
// actions and menus take the text in their own way.
void SetText(QObject* object, Word word);
void SetToolTip(QWidget* widget, Word word);
void SetAccessibleName(QWidget* widget, Word word);
void SetAccessibleDescription(QWidget* widget, Word word);
// A message of the core, said in the window's language where it is one of the core's fixed
// sentences (filed under "Messages"); other messages as they are.
QString SayMessage(const std::string& message);
// Every remembered word of `root` and of the objects under it, said again.
void Retranslate(QObject* root);

// The program's translations and Qt's own (for its dialogs, where Debian has them), installed
// into the application. Owned by the program's session; one language at a time.
class Translators {
  public:
    Translators() = default;
    ~Translators();
    Translators(const Translators&) = delete;
    Translators& operator=(const Translators&) = delete;

    // Installs `language`'s translations (English removes them); Qt then tells every widget.
    // False when the program has no translations for it, which leaves English.
    bool use(Language language);
    Language language() const { return language_; }

  private:
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
    Language language_ = Language::English;
};

// The compiled-in translation of `language`, ":/i18n/kovrel_<code>.qm".
QString TranslationResource(Language language);

} // namespace kovrel
