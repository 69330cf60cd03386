#include "app/InstanceGuard.h"
#include "app/MainWindow.h"
#include "app/QtDialogs.h"
#include "links/OpenLink.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSettings>

#include <cmath>

namespace {

// The program's icon. The drawing is an SVG resource; where no SVG support is installed the same
// picture is painted here.
QIcon ProgramIcon() {
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

} // namespace

int main(int argc, char** argv) {
    // The icon lives in the static window library; its resources must be registered by name.
    Q_INIT_RESOURCE(kovrel);
    QApplication app(argc, argv);
    const QString appName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QCoreApplication::setApplicationName(appName);
    QGuiApplication::setDesktopFileName(QStringLiteral("kovrel"));
    QApplication::setWindowIcon(ProgramIcon());
    // Closing the main window, by its close box or File Exit, ends the program.
    QApplication::setQuitOnLastWindowClosed(true);

    kovrel::QtDialogs dialogs;
    kovrel::InstanceGuard guard;
    if (!guard.acquire()) {
        dialogs.showMessage(QStringLiteral("Application is already running"),
                            kovrel::MessageIcon::Information);
        return 0;
    }

    QSettings settings(QSettings::IniFormat, QSettings::UserScope, appName, appName);
    kovrel::UpdateReminder(settings, QDate::currentDate(), dialogs);

    kovrel::MainWindow window(dialogs);
    dialogs.setParentWidget(&window);
    window.show();
    return QApplication::exec();
}
