#include "common/gui/ProgramIcon.h"
#include "common/gui/Translation.h"
#include "desktop/gui/InstanceChannel.h"
#include "desktop/gui/InstanceGuard.h"
#include "desktop/gui/MainWindow.h"
#include "desktop/gui/QtDialogs.h"
#include "desktop/gui/SettingsFile.h"
#include "desktop/gui/UpdateReminder.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>

#include <iostream>

namespace {

// Every argument Qt leaves is a saved reading to open, named as the caller's folder sees it.
QStringList FileArguments() {
    QStringList files = QCoreApplication::arguments();
    files.removeFirst();
    for (QString& file : files) {
        file = QFileInfo(file).absoluteFilePath();
    }
    return files;
}

// A running copy is given a moment to take the files; the second start ends well within two
// seconds either way.
constexpr int kHandOverMilliseconds = 1500;

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString appName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QCoreApplication::setApplicationName(appName);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.kovrel"));
    QApplication::setWindowIcon(kovrel::ProgramIcon());
    // Closing the main window, by its close box or File Exit, ends the program.
    QApplication::setQuitOnLastWindowClosed(true);
    const QStringList files = FileArguments();

    kovrel::QtDialogs dialogs;
    kovrel::InstanceGuard guard;
    const kovrel::LockOutcome lock = guard.take();
    if (lock != kovrel::LockOutcome::Held) {
        // A file is the running copy's to open, if one answers.
        if (!files.isEmpty() &&
            kovrel::InstanceChannel::Send(guard.socketPath(), files, kHandOverMilliseconds)) {
            return 0;
        }
    }
    if (lock == kovrel::LockOutcome::AnotherCopyRuns) {
        // Said before the settings are read, so always in English.
        dialogs.showMessage(QStringLiteral("Application is already running"),
                            kovrel::MessageIcon::Information);
        return 0;
    }
    if (lock == kovrel::LockOutcome::Unavailable) {
        // Nothing is known to run: the user works on, told what is wrong and where.
        dialogs.showMessage(kovrel::LockUnavailableMessage(guard.lockPath(), guard.problem()),
                            kovrel::MessageIcon::Information);
    }
    // Listening starts before the reminder, so that files sent while it asks are kept.
    kovrel::InstanceChannel channel(guard.socketPath());
    channel.listen();

    kovrel::SettingsStore store(kovrel::UserSettingsPath(appName), std::cerr);
    // English unless the user chose another language; the reminder already speaks it.
    kovrel::Translators translators;
    translators.use(kovrel::MainWindow::StoredLanguage(&store.settings()));
    kovrel::UpdateReminder(store.settings(), QDate::currentDate(), dialogs);

    kovrel::MainWindow window(dialogs, nullptr, &store.settings(), &translators);
    dialogs.setParentWidget(&window);
    window.show();
    for (const QString& file : files) {
        window.openReadingFile(file);
    }
    QObject::connect(&channel, &kovrel::InstanceChannel::filesReceived, &window,
                     [&] { window.receiveFiles(channel.takeReceived()); });
    window.receiveFiles(channel.takeReceived());
    return QApplication::exec();
}
