#include "common/gui/Translation.h"

#include "common/gui/QtText.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QVariant>
#include <QWidget>

#include <optional>

namespace kovrel {

namespace {

// Where a remembered word lives on its object: the property holds "context\nEnglish".
constexpr const char* kTextProperty = "kovrelText";
constexpr const char* kToolTipProperty = "kovrelToolTip";
constexpr const char* kAccessibleNameProperty = "kovrelAccessibleName";
constexpr const char* kAccessibleDescriptionProperty = "kovrelAccessibleDescription";

void Remember(QObject* object, const char* property, Word word) {
    object->setProperty(property, QByteArray(word.context) + '\n' + QByteArray(word.english));
}

// The translation of a remembered word, or nothing when the object has none.
std::optional<QString> Recalled(const QObject* object, const char* property) {
    const QVariant stored = object->property(property);
    if (!stored.isValid()) {
        return std::nullopt;
    }
    const QByteArray bytes = stored.toByteArray();
    const qsizetype split = bytes.indexOf('\n');
    const QByteArray context = bytes.left(split);
    const QByteArray english = bytes.mid(split + 1);
    return QCoreApplication::translate(context.constData(), english.constData());
}

void ShowText(QObject* object, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(object)) {
        box->setTitle(text);
    } else if (auto* widget = qobject_cast<QWidget*>(object)) {
        widget->setWindowTitle(text);
    }
}

void RetranslateOne(QObject* object) {
    if (const auto text = Recalled(object, kTextProperty)) {
        ShowText(object, *text);
    }
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        if (const auto tip = Recalled(object, kToolTipProperty)) {
            widget->setToolTip(*tip);
        }
        if (const auto name = Recalled(object, kAccessibleNameProperty)) {
            widget->setAccessibleName(*name);
        }
        if (const auto description = Recalled(object, kAccessibleDescriptionProperty)) {
            widget->setAccessibleDescription(*description);
        }
    }
}

// Qt posts the news of a changed translator; every widget hears it before this returns, so that
// whoever chose the language finds it said everywhere.
void SayAgainNow() {
    if (QCoreApplication::instance() != nullptr) {
        // The application hears it first and posts it on to every window.
        QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::LanguageChange);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
}

} // namespace

QString Say(Word word) {
    return QCoreApplication::translate(word.context, word.english);
}

std::string QtWords::Say(Word word) const {
    return Utf8(kovrel::Say(word));
}

const Words& WindowWords() {
    static const QtWords words;
    return words;
}

void SetText(QObject* object, Word word) {
    Remember(object, kTextProperty, word);
    ShowText(object, Say(word));
}

void SetToolTip(QWidget* widget, Word word) {
    Remember(widget, kToolTipProperty, word);
    widget->setToolTip(Say(word));
}

void SetAccessibleName(QWidget* widget, Word word) {
    Remember(widget, kAccessibleNameProperty, word);
    widget->setAccessibleName(Say(word));
}

void SetAccessibleDescription(QWidget* widget, Word word) {
    Remember(widget, kAccessibleDescriptionProperty, word);
    widget->setAccessibleDescription(Say(word));
}

QString SayMessage(const std::string& message) {
    return QCoreApplication::translate("Messages", message.c_str());
}

void Retranslate(QObject* root) {
    RetranslateOne(root);
    for (QObject* object : root->findChildren<QObject*>()) {
        RetranslateOne(object);
    }
}

QString TranslationResource(Language language) {
    return QStringLiteral(":/i18n/kovrel_%1.qm").arg(QLatin1String(Info(language).code));
}

Translators::~Translators() {
    use(Language::English);
}

bool Translators::use(Language language) {
    for (std::unique_ptr<QTranslator>* translator : {&program_, &qt_}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    language_ = Language::English;
    if (language == Language::English) {
        SayAgainNow();
        return true;
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(TranslationResource(language))) {
        return false;
    }
    // Qt's own texts (buttons of its dialogs, the print preview) where Debian ships them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(QLatin1String(Info(language).code)),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qt_ = std::move(qt);
    }
    QCoreApplication::installTranslator(program.get());
    program_ = std::move(program);
    language_ = language;
    SayAgainNow();
    return true;
}

} // namespace kovrel
