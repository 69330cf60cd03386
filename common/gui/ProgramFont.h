#pragma once

#include <QStringList>

namespace kovrel {

// The families every text of the result area, the chart and the printout asks for: Verdana where
// it is installed, else the nearest sans serif that Debian ships.
inline QStringList ProgramFontFamilies() {
    return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
}

} // namespace kovrel
