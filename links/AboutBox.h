#pragma once

#include <QDialog>
#include <QLabel>

namespace kovrel {

class Dialogs;

// A label that reads and behaves like a web link: underlined in the link colour, a pointing
// hand over it, and clicked by the mouse or by Space / Enter when it has the focus.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool pressed_ = false;
};

// The about box: the program's name and icon, what it does, and links to the maker's site and
// to the branded editions. Its "OK" button closes it.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    frmAbout(QWidget* parent, Dialogs& dialogs);
};

} // namespace kovrel
