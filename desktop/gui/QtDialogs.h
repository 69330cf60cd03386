#pragma once

#include "common/gui/Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace kovrel {

// The program's own dialogs: Qt message boxes and file dialogs, and the desktop's browser.
class QtDialogs final : public Dialogs {
  public:
    QtDialogs() = default;
    ~QtDialogs() override;
    QtDialogs(const QtDialogs&) = delete;
    QtDialogs& operator=(const QtDialogs&) = delete;

    // The window the dialogs are centred on; none before the main window exists.
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& text, MessageIcon icon) override;
    bool askYesNo(const QString& text) override;
    std::optional<QString> chooseSaveFile(const QString& initialPath) override;
    std::optional<QString> chooseOpenFile() override;
    std::optional<QString> chooseExportFile(const QString& suggestedPath) override;
    void runModal(QDialog& dialog) override;
    void openAddress(const QUrl& address, std::function<void()> unopened) override;

  private:
    QPointer<QWidget> parent_;
    // Holds the openers still running; whatever they would report after the dialogs are gone is
    // dropped with it.
    QObject openers_;
};

// The one entry of the file dialogs' filter list.
inline const QString kChartFileFilter = QStringLiteral("Kovrel (*.kvr)");

} // namespace kovrel
