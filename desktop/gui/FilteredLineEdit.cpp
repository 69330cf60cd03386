#include "desktop/gui/FilteredLineEdit.h"

#include "app/EntryValidation.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <algorithm>
#include <memory>

namespace kovrel {

namespace {

// Keys that edit or move inside the box without inserting a character of their own.
bool IsEditingKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
           event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Undo) ||
           event->matches(QKeySequence::Redo) || event->matches(QKeySequence::Deselect);
}

bool IsEnterKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

FilteredLineEdit::FilteredLineEdit(Filter filter, QWidget* parent)
    : QLineEdit(parent), filter_(filter) {
    // Catch-all for any way of inserting text not handled below: an edit whose inserted part
    // does not pass is undone.
    connect(this, &QLineEdit::textEdited, this, &FilteredLineEdit::checkUserEdit);
    // The current text, not the signal's argument: after an edit is undone inside textEdited,
    // textChanged still reports the undone text.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!reverting_) {
            lastText_ = text();
        }
    });
}

bool FilteredLineEdit::acceptsCharacter(char32_t code) const {
    const int value = code > 0xFFFF ? 0xFFFF : static_cast<int>(code);
    return filter_ == Filter::Letters ? LettersOnlyFilter(value) != 0
                                      : DigitsOnlyFilter(value) != 0;
}

bool FilteredLineEdit::accepts(const QString& text) const {
    const std::string utf8 = text.toStdString();
    return filter_ == Filter::Letters ? LettersOnlyText(utf8) : DigitsOnlyText(utf8);
}

void FilteredLineEdit::refuse() {
    emit refused();
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        guardedPaste(QClipboard::Clipboard);
        event->accept();
        return;
    }
    if (IsEditingKey(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Enter while a list of suggestions is open below the box chooses from that list: the list
    // owns the key, so it is passed on instead of being refused as a character.
    if (IsEnterKey(event) && QApplication::activePopupWidget() != nullptr) {
        event->ignore();
        return;
    }
    const QString text = event->text();
    // Enter reaches the filter as character 13 and is refused like any other non-letter.
    const bool typesCharacter =
        IsEnterKey(event) || (!text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.isPrint() || c.isSurrogate();
        }));
    if (!typesCharacter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const auto codes = IsEnterKey(event) ? QList<uint>{13u} : text.toUcs4();
    const bool allAccepted = std::all_of(codes.begin(), codes.end(), [this](uint code) {
        return acceptsCharacter(static_cast<char32_t>(code));
    });
    if (!allAccepted) {
        event->accept();
        refuse();
        return;
    }
    if (fitting(text).size() < text.size()) {
        event->accept(); // a full box takes no more, without a word
        return;
    }
    QLineEdit::keyPressEvent(event);
}

QString FilteredLineEdit::fitting(const QString& inserted) const {
    if (typingLimit_ <= 0) {
        return inserted;
    }
    const qsizetype kept = text().size() - selectedText().size();
    return inserted.left(std::max<qsizetype>(0, typingLimit_ - kept));
}

void FilteredLineEdit::guardedPaste(QClipboard::Mode mode) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr || isReadOnly()) {
        return;
    }
    const QString text = clipboard->text(mode);
    if (text.isEmpty()) {
        return;
    }
    if (!accepts(text)) {
        refuse();
        return;
    }
    if (typingLimit_ > 0) {
        const QString part = fitting(text);
        if (!part.isEmpty()) {
            insert(part);
        }
    } else if (mode == QClipboard::Clipboard) {
        paste();
    } else {
        insert(text);
    }
}

// Qt's own entry, in whatever language Qt speaks (its translations, not the program's).
constexpr const char* kQtPaste = "&Paste";

QMenu* FilteredLineEdit::createFilteredContextMenu() {
    QMenu* menu = createStandardContextMenu();
    const auto actions = menu->actions();
    for (QAction* action : actions) {
        const bool isPaste =
            action->objectName() == QLatin1String("edit-paste") ||
            action->text().startsWith(QCoreApplication::translate("QLineEdit", kQtPaste));
        if (isPaste) {
            action->setObjectName(QStringLiteral("edit-paste"));
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { guardedPaste(); });
        }
    }
    return menu;
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createFilteredContextMenu());
    menu->exec(event->globalPos());
}

void FilteredLineEdit::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data != nullptr && data->hasText() && !accepts(data->text())) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        refuse();
        return;
    }
    QLineEdit::dropEvent(event);
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the mouse selection on X11.
    if (event->button() == Qt::MiddleButton) {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard != nullptr && clipboard->supportsSelection() &&
            !accepts(clipboard->text(QClipboard::Selection))) {
            event->accept();
            refuse();
            return;
        }
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && !accepts(event->commitString())) {
        event->accept();
        refuse();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void FilteredLineEdit::checkUserEdit(const QString& text) {
    // The inserted part is what lies between the common beginning and the common end.
    const QString& before = lastText_;
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(before.size(), text.size());
    while (prefix < shorter && before[prefix] == text[prefix]) {
        ++prefix;
    }
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == text[text.size() - 1 - suffix]) {
        ++suffix;
    }
    const QString inserted = text.mid(prefix, text.size() - prefix - suffix);
    if (inserted.isEmpty()) {
        lastText_ = text;
        return;
    }
    if (accepts(inserted)) {
        // Dropped or composed text beyond the typing limit: keep what fits.
        const qsizetype room = typingLimit_ - prefix - suffix;
        if (typingLimit_ > 0 && text.size() > typingLimit_ && text.size() > before.size()) {
            const QString kept = text.left(prefix) + inserted.left(std::max<qsizetype>(0, room)) +
                                 text.right(suffix);
            reverting_ = true;
            setText(kept);
            setCursorPosition(static_cast<int>(kept.size() - suffix));
            reverting_ = false;
            lastText_ = kept;
            return;
        }
        lastText_ = text;
        return;
    }
    const QString restore = before;
    reverting_ = true;
    setText(restore);
    setCursorPosition(static_cast<int>(std::min<qsizetype>(prefix, restore.size())));
    reverting_ = false;
    lastText_ = restore;
    refuse();
}

} // namespace kovrel
