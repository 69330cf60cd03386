#include "desktop/gui/QtDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace kovrel {

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
    QFileDialog dialog(parent_, QStringLiteral("Select the source file"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(kChartFileFilter);
    dialog.setDefaultSuffix(QStringLiteral("kvr"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::openAddress(const QUrl& address) {
    // The browser runs on its own; whether it could be started is not reported.
    QDesktopServices::openUrl(address);
}

} // namespace kovrel
