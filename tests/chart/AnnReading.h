#pragma once

// Ann's New Delhi reading, computed the way the window computes it: the classic reading alone,
// and with the precise sky beside it as the window shows it.

#include "Examples.h"
#include "app/Calculation.h"
#include "app/EntryForm.h"
#include "app/Reading.h"

namespace kovrel::test {

inline BirthDetails AnnBirth() {
    return CopyEntry(AnnEntry(), {});
}
inline int AnnZoneRow() {
    return AnnEntry().zoneIndex;
}
inline Reading AnnReading() {
    return ComputeReading(AnnBirth());
}
// The classic reading alone: no precise sky, so no ascendant and no second opinion.
inline CalculatedReading AnnCalculated() {
    return {AnnBirth(), AnnZoneRow(), AnnReading()};
}
// As the window shows it in classic positions: the precise sky and the ascendant beside it.
inline CalculatedReading AnnShown() {
    return CalculateReading(AnnBirth(), AnnZoneRow(), PositionsChoice{});
}

} // namespace kovrel::test
