#include "desktop/gui/QtDialogs.h"

#include "common/gui/Translation.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace kovrel {

namespace {

// How long an opener has to fail for its failure to be the address's: xdg-open gives up at once
// when it finds no browser, or as soon as the browsers it tries have refused.
constexpr qint64 kOpenerPatienceMilliseconds = 15000;
// How long an opener let go at the end is waited for.
constexpr int kOpenerGoneMilliseconds = 1000;

} // namespace

void QtDialogs::showMessage(const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    kApplicationTitle, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool QtDialogs::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Information, kApplicationTitle, text,
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::chooseSaveFile(const QString& initialPath) {
    QFileDialog dialog(parent_, kApplicationTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(kChartFileFilter);
    // Appended when the user types a name without an extension.
    dialog.setDefaultSuffix(QStringLiteral("kvr"));
    // Replacing an existing reading is confirmed by the dialog itself (the default).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!initialPath.isEmpty()) {
        dialog.selectFile(initialPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::chooseExportFile(const QString& suggestedPath) {
    QFileDialog dialog(parent_, kApplicationTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::runModal(QDialog& dialog) {
    dialog.exec();
}

std::optional<QString> QtDialogs::chooseOpenFile() {
    QFileDialog dialog(parent_, Say(KOVREL_WORD("QtDialogs", "Select the source file")));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(kChartFileFilter);
    dialog.setDefaultSuffix(QStringLiteral("kvr"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

QtDialogs::~QtDialogs() {
    // An opener still waiting for its browser is let go: the browser, in a session of its own,
    // stays open.
    for (QProcess* opener : openers_.findChildren<QProcess*>()) {
        opener->disconnect();
        opener->kill();
        opener->waitForFinished(kOpenerGoneMilliseconds);
    }
}

void QtDialogs::openAddress(const QUrl& address, std::function<void()> unopened) {
    // xdg-open is what Qt itself would start, but only its exit status tells whether a browser
    // took the address; Qt reports a started opener as success.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(address)) {
            unopened();
        }
        return;
    }
    auto* process = new QProcess(&openers_);
    process->setProgram(opener);
    process->setArguments({address.toString(QUrl::FullyEncoded)});
    // As a detached start would: a session of its own, so that the browser outlives the program
    // and a Ctrl+C in its terminal, and no terminal input for a text-mode browser to take.
    process->setChildProcessModifier([] { ::setsid(); });
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer started;
    started.start();
    QObject::connect(process, &QProcess::finished, &openers_,
                     [process, unopened, started](int code, QProcess::ExitStatus status) {
                         // Without a desktop, xdg-open waits for the browser it started; how that
                         // browser ends, long after the page was shown, is no failure to open.
                         if ((status != QProcess::NormalExit || code != 0) &&
                             started.elapsed() < kOpenerPatienceMilliseconds) {
                             unopened();
                         }
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, &openers_,
                     [process, unopened](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             unopened();
                             process->deleteLater();
                         }
                     });
    process->start();
}

} // namespace kovrel
