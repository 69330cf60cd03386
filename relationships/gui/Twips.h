#pragma once

#include <QWidget>

namespace kovrel {

// The design measures the window in twips: 15 twips are one pixel on a 96 dpi screen.
class Twips {
  public:
    explicit Twips(const QWidget* widget)
        : perPixelX_(widget->logicalDpiX() / 96.0), perPixelY_(widget->logicalDpiY() / 96.0) {}
    int x(int twips) const { return qRound(twips / 15.0 * perPixelX_); }
    int y(int twips) const { return qRound(twips / 15.0 * perPixelY_); }

  private:
    double perPixelX_;
    double perPixelY_;
};

} // namespace kovrel
