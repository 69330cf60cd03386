#pragma once

// A strip that shows whose reading it is and the seven placements in planet order, beside the
// result panels. Every text can be selected and copied.

#include "app/Reading.h"
#include "common/BirthDetails.h"

#include <QFrame>

#include <array>

class QLabel;

namespace kovrel {

class PositionsStrip : public QFrame {
  public:
    explicit PositionsStrip(QWidget* parent = nullptr);
    void showReading(const CalculatedReading& calculated);

    // "Ann - 15 March 1990 08:30 - New Delhi, Delhi, India".
    QLabel* readingOf() const { return readingOf_; }
    // "Sun 00 Pis 41", the sign's full name as its tool tip.
    QLabel* placement(int planet) const { return placements_[static_cast<std::size_t>(planet)]; }

  private:
    QLabel* readingOf_;
    std::array<QLabel*, kPlanetCount> placements_{};
};

} // namespace kovrel
