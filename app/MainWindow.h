#pragma once

#include "app/EntryForm.h"
#include "app/EntryValidation.h"
#include "app/Reading.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace kovrel {

class Dialogs;
class FilteredLineEdit;
class ResultPanels;

// frmMain: the entry panel "Personal Details" and the result area in one place, the menus and
// the promotional links. Everything that waits for the user outside the window goes through
// `dialogs`.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    // What the entry panel shows, read from and written into its controls.
    EntryForm entry() const;
    void setEntry(const EntryForm& form);

    // The last calculated birth, its reading and the last save path.
    const Session& session() const { return session_; }

    // Validates the entry; on a fault tells the user and moves the focus; otherwise copies the
    // entry into the session's birth details, computes the reading and shows the natural panel.
    void RunCalculation();
    void ShowRelationships(int panel);
    void ShowEntryPanel();
    void FindCoordinatesOnline();
    void SaveReading();
    void OpenReading();

  private:
    QWidget* buildEntryPanel();
    void buildMenus();
    QWidget* buildFooter();
    void connectFilter(FilteredLineEdit* box);
    void applyFault(EntryControl control);
    FilteredLineEdit* textBox(EntryControl control) const;

    Dialogs& dialogs_;
    Session session_;

    QStackedWidget* stack_ = nullptr;
    QGroupBox* fraMain_ = nullptr;
    ResultPanels* results_ = nullptr;

    FilteredLineEdit* txtName_ = nullptr;
    FilteredLineEdit* txtLatDeg_ = nullptr;
    FilteredLineEdit* txtLatMin_ = nullptr;
    FilteredLineEdit* txtLonDeg_ = nullptr;
    FilteredLineEdit* txtLonMin_ = nullptr;
    FilteredLineEdit* txtCity_ = nullptr;
    FilteredLineEdit* txtState_ = nullptr;
    FilteredLineEdit* txtCountry_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHour_ = nullptr;
    QComboBox* cboMinute_ = nullptr;
    QComboBox* cboTimeZone_ = nullptr;
    QRadioButton* optNorth_ = nullptr;
    QRadioButton* optSouth_ = nullptr;
    QRadioButton* optEast_ = nullptr;
    QRadioButton* optWest_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    QPushButton* cmdOpen_ = nullptr;
    QPushButton* cmdCalculate_ = nullptr;
    QPushButton* command1_ = nullptr;
};

} // namespace kovrel
