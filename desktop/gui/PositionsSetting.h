#pragma once

#include "sky/PreciseSky.h"

#include <QString>

class QSettings;

namespace kovrel {

// The positions choice as the settings store keeps it, under keys of its own, as the keywords the
// tool's flags take ("precise", "raman"). It never goes into a saved reading.
QString PositionsModeKey();
QString AyanamsaKey();

// What the store holds; the default choice without a store, and for a value missing or one that
// names nothing.
PositionsChoice StoredPositions(const QSettings* settings);
// Writes both values at once; without a store nothing is kept.
void StorePositions(QSettings* settings, PositionsChoice choice);

} // namespace kovrel
