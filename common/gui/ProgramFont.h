#pragma once

#include <QStringList>

namespace kovrel {

// The families every text of the result area, the chart and the printout asks for: Verdana where
// it is installed, else the nearest sans serif that Debian ships; then, for the letters those
// lack, one font for each Indian script the program speaks (Debian's fonts-lohit-*, and SMC's
// Manjari for Malayalam: Qt draws the digits inside a Malayalam text with the Malayalam font,
// and Lohit Malayalam's Latin digits are hard to read).
inline QStringList ProgramFontFamilies() {
    return {QStringLiteral("Verdana"),          QStringLiteral("DejaVu Sans"),
            QStringLiteral("Lohit Devanagari"), QStringLiteral("Lohit Tamil"),
            QStringLiteral("Lohit Telugu"),     QStringLiteral("Lohit Kannada"),
            QStringLiteral("Manjari")};
}

} // namespace kovrel
