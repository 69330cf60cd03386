#pragma once

#include <QClipboard>
#include <QLineEdit>

class QMenu;

namespace kovrel {

// A text box whose every character passes a filter: letters (name, city, state, country) or
// digits (degrees and minutes). A typed character that the filter refuses is discarded; pasted
// or dropped text that does not pass as a whole is refused and the box keeps its text. Each
// refusal emits `refused`; the window tells the user.
//
// The typing limit is kept apart from QLineEdit's maxLength, which would also cut what the
// program itself puts into the box: typing, pasting and dropping stop at the limit (silently,
// as a full box does), while setText takes any text a saved reading holds.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    enum class Filter { Letters, Digits };

    explicit FilteredLineEdit(Filter filter, QWidget* parent = nullptr);

    Filter filter() const { return filter_; }
    // The most characters typing may leave in the box; 0 for no limit.
    void setTypingLimit(int characters) { typingLimit_ = characters; }
    int typingLimit() const { return typingLimit_; }
    // Whether every character of the text may stand in this box.
    bool accepts(const QString& text) const;

    // The standard context menu, its Paste entry routed through the filter.
    QMenu* createFilteredContextMenu();
    // Pastes from the clipboard (or the mouse selection) when its text passes the filter.
    void guardedPaste(QClipboard::Mode mode = QClipboard::Clipboard);

  signals:
    void refused();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    bool acceptsCharacter(char32_t code) const;
    void refuse();
    void checkUserEdit(const QString& text);
    // How much of `inserted` fits the typing limit in place of the selection.
    QString fitting(const QString& inserted) const;

    Filter filter_;
    QString lastText_; // the text before the latest change
    bool reverting_ = false;
    int typingLimit_ = 0;
};

} // namespace kovrel
