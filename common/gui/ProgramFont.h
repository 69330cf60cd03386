#pragma once

#include <QStringList>

namespace kovrel {

// The families every text of the result area, the chart and the printout asks for: Verdana where
// it is installed, else the nearest sans serif that Debian ships; then, for the letters those
// lack, one font for each Indian script the program speaks (Debian's fonts-lohit-*). Digits and
// Latin letters stay in the first family.
inline QStringList ProgramFontFamilies() {
    return {QStringLiteral("Verdana"),          QStringLiteral("DejaVu Sans"),
            QStringLiteral("Lohit Devanagari"), QStringLiteral("Lohit Tamil"),
            QStringLiteral("Lohit Telugu"),     QStringLiteral("Lohit Kannada"),
            QStringLiteral("Lohit Malayalam")};
}

} // namespace kovrel
