#pragma once

#include <QLabel>

namespace kovrel {

// A label that reads and behaves like a web link: underlined in the link colour, a pointing
// hand over it, and clicked by the mouse or by Space / Enter when it has the focus. Screen
// readers meet it as a link named by its text, which they can press.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // Follows the link as a click does; screen readers' "press" comes here.
    void activate() { emit clicked(); }

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

} // namespace kovrel
