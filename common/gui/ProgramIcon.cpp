#include "common/gui/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>

// The resources live in the static window library; naming them here makes sure the linker keeps
// them wherever the icon is used. Resource names are global, hence outside the namespace.
static void RegisterProgramResources() {
    Q_INIT_RESOURCE(kovrel);
}

namespace kovrel {

QIcon ProgramIcon() {
    static const bool resourcesReady = (RegisterProgramResources(), true);
    Q_UNUSED(resourcesReady);
    QIcon icon(QStringLiteral(":/kovrel.svg"));
    if (!icon.pixmap(64, 64).isNull()) {
        return icon;
    }
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(38, 92, 44));
    painter.drawEllipse(QRectF(2, 2, 60, 60));
    painter.setBrush(QColor(255, 214, 90));
    painter.drawEllipse(QPointF(32, 32), 7, 7);
    painter.setBrush(QColor(230, 240, 255));
    for (int i = 0; i < 7; ++i) {
        const double angle = -1.5707963267949 + i * 6.28318530717958 / 7.0;
        painter.drawEllipse(QPointF(32 + 20 * std::cos(angle), 32 + 20 * std::sin(angle)), 3, 3);
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace kovrel
