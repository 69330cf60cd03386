#include "app/gui/InstanceGuard.h"
#include "app/gui/MainWindow.h"
#include "app/gui/ProgramIcon.h"
#include "app/gui/QtDialogs.h"
#include "links/gui/UpdateReminder.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QSettings>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString appName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QCoreApplication::setApplicationName(appName);
    QGuiApplication::setDesktopFileName(QStringLiteral("kovrel"));
    QApplication::setWindowIcon(kovrel::ProgramIcon());
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
