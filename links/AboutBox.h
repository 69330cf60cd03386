#pragma once

#include "links/LinkLabel.h"

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

} // namespace kovrel
