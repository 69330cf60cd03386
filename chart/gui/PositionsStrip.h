#pragma once

// A strip that shows whose reading it is and the seven placements in planet order, beside the
// result panels, with the ascendant after them. Every text can be selected and copied.

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
    // "Precise positions, Lahiri ayanamsa" beside it; empty and hidden for classic positions.
    QLabel* positionsCaption() const { return caption_; }
    // "Sun 00 Pis 41", the sign's full name and the planet's dignity as its tool tip. In classic
    // mode a planet a precise ephemeris puts in another sign is marked, and the tool tip says
    // where.
    QLabel* placement(int planet) const { return placements_[static_cast<std::size_t>(planet)]; }
    // "Ascendant 10 Ari 21"; empty before one is computed.
    QLabel* ascendant() const { return ascendant_; }

  private:
    QLabel* readingOf_;
    QLabel* caption_;
    std::array<QLabel*, kPlanetCount> placements_{};
    QLabel* ascendant_;
};

} // namespace kovrel
