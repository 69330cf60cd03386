#pragma once

// Ann's New Delhi reading, computed the way the window computes it.

#include "Examples.h"
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
inline CalculatedReading AnnCalculated() {
    return {AnnBirth(), AnnZoneRow(), AnnReading()};
}

} // namespace kovrel::test
