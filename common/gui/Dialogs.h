#pragma once

#include "common/Result.h"

#include <QString>

class QDialog;
#include <QUrl>

#include <functional>
#include <optional>

namespace kovrel {

// Everything that waits for the user outside the main window, or leaves the program: message
// boxes, file dialogs, opening an address in the browser. The program uses QtDialogs; tests
// use a scripted fake that answers and records.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A modal message box titled with the application title, with an OK button.
    virtual void showMessage(const QString& text, MessageIcon icon) = 0;
    // A modal Yes / No question with the information icon; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // The save dialog for a reading; nothing when cancelled.
    virtual std::optional<QString> chooseSaveFile(const QString& initialPath) = 0;
    // The open dialog for a reading; nothing when cancelled.
    virtual std::optional<QString> chooseOpenFile() = 0;
    // The save dialog for an exported PDF, starting at `suggestedPath`; nothing when cancelled.
    virtual std::optional<QString> chooseExportFile(const QString& suggestedPath) = 0;
    // Runs a modal dialog the window built (the print preview) until it is closed.
    virtual void runModal(QDialog& dialog) = 0;
    // Starts the default browser on a web address and returns at once; the browser runs on its
    // own. `unopened` is called, then or a moment later, when nothing could open the address.
    virtual void openAddress(const QUrl& address, std::function<void()> unopened) = 0;
};

// The title of message boxes and of the save dialog: the product name.
inline const QString kApplicationTitle = QStringLiteral("Kovrel");

} // namespace kovrel
