#pragma once

#include "common/gui/Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace kovrel {

// The program's own dialogs: Qt message boxes and file dialogs, and the desktop's browser.
class QtDialogs final : public Dialogs {
  public:
    // The window the dialogs are centred on; none before the main window exists.
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& text, MessageIcon icon) override;
    bool askYesNo(const QString& text) override;
    std::optional<QString> chooseSaveFile(const QString& initialPath) override;
    std::optional<QString> chooseOpenFile() override;
    std::optional<QString> chooseExportFile(const QString& suggestedPath) override;
    void runModal(QDialog& dialog) override;
    void openAddress(const QUrl& address) override;

  private:
    QPointer<QWidget> parent_;
};

// The title of message boxes and of the save dialog: the product name.
inline const QString kApplicationTitle = QStringLiteral("Kovrel");
// The one entry of the file dialogs' filter list.
inline const QString kChartFileFilter = QStringLiteral("Kovrel (*.kvr)");

} // namespace kovrel
