#pragma once

#include "links/gui/LinkLabel.h"

#include <QDialog>

namespace kovrel {

class Dialogs;

// The about box: the program's name and icon, what it does, and links to the maker's site and
// to the branded editions. Its "OK" button closes it.
class frmAbout : public QDialog {
    Q_OBJECT
  public:
    frmAbout(QWidget* parent, Dialogs& dialogs);
};

// The modal about box over `parent`; returns when it is closed. Its links open through `dialogs`.
void ShowAboutBox(QWidget* parent, Dialogs& dialogs);

} // namespace kovrel
