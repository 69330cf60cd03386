#pragma once

#include <QWidget>

namespace kovrel {

// The design measures the window in twips, a twentieth of a point: 1440 to the inch, so 15 to a
// pixel of the 96 dpi screen it was drawn on. `scale` enlarges the whole design, as a large
// system font enlarges the texts in it.
class Twips {
  public:
    static constexpr double kPerPixel = 15.0;
    static constexpr double kDesignDpi = 96.0;

    explicit Twips(const QWidget* widget, double scale = 1.0)
        : perPixelX_(widget->logicalDpiX() / kDesignDpi * scale),
          perPixelY_(widget->logicalDpiY() / kDesignDpi * scale) {}
    int x(int twips) const { return qRound(twips / kPerPixel * perPixelX_); }
    int y(int twips) const { return qRound(twips / kPerPixel * perPixelY_); }

  private:
    double perPixelX_;
    double perPixelY_;
};

} // namespace kovrel
