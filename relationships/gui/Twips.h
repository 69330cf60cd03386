#pragma once

#include <QWidget>

namespace kovrel {

// The design measures the window in twips: 15 twips are one pixel on a 96 dpi screen. `scale`
// enlarges the whole design, as a large system font enlarges the texts in it.
class Twips {
  public:
    explicit Twips(const QWidget* widget, double scale = 1.0)
        : perPixelX_(widget->logicalDpiX() / 96.0 * scale),
          perPixelY_(widget->logicalDpiY() / 96.0 * scale) {}
    int x(int twips) const { return qRound(twips / 15.0 * perPixelX_); }
    int y(int twips) const { return qRound(twips / 15.0 * perPixelY_); }

  private:
    double perPixelX_;
    double perPixelY_;
};

} // namespace kovrel
