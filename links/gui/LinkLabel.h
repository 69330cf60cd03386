#pragma once

#include <QLabel>

namespace kovrel {

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

} // namespace kovrel
