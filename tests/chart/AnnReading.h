#pragma once

// Ann's New Delhi reading, computed the way the window computes it.

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
// With the precise sky beside it, in classic positions, as the window shows it at first.
inline CalculatedReading AnnCalculated() {
    return CalculateReading(AnnBirth(), AnnZoneRow(), PositionsChoice{});
}

} // namespace kovrel::test
