#pragma once

#include <QClipboard>
#include <QLineEdit>

class QMenu;

namespace kovrel {

// A text box whose every character passes a filter: letters (name, city, state, country) or
// digits (degrees and minutes). A typed character that the filter refuses is discarded; pasted
// or dropped text that does not pass as a whole is refused and the box keeps its text. Each
// refusal emits `refused`; the window tells the user.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    enum class Filter { Letters, Digits };

    explicit FilteredLineEdit(Filter filter, QWidget* parent = nullptr);

    Filter filter() const { return filter_; }
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

    Filter filter_;
    QString lastText_; // the text before the latest change
    bool reverting_ = false;
};

} // namespace kovrel
