#include "desktop/gui/PositionsSetting.h"

#include "app/PositionsKeywords.h"
#include "common/gui/QtText.h"

#include <QSettings>

namespace kovrel {

QString PositionsModeKey() {
    return QStringLiteral("Desktop/Positions");
}

QString AyanamsaKey() {
    return QStringLiteral("Desktop/Ayanamsa");
}

PositionsChoice StoredPositions(const QSettings* settings) {
    PositionsChoice choice;
    if (settings == nullptr) {
        return choice;
    }
    const std::string mode = Utf8(settings->value(PositionsModeKey()).toString());
    const std::string ayanamsa = Utf8(settings->value(AyanamsaKey()).toString());
    choice.mode = PositionsModeNamed(mode).value_or(choice.mode);
    choice.ayanamsa = AyanamsaNamed(ayanamsa).value_or(choice.ayanamsa);
    return choice;
}

void StorePositions(QSettings* settings, PositionsChoice choice) {
    if (settings == nullptr) {
        return;
    }
    settings->setValue(PositionsModeKey(), Text(KeywordOf(choice.mode)));
    settings->setValue(AyanamsaKey(), Text(KeywordOf(choice.ayanamsa)));
    settings->sync();
}

} // namespace kovrel
