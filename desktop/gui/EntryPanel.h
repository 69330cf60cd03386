#pragma once

#include "app/EntryForm.h"
#include "common/Result.h"
#include "places/PlaceEntry.h"

#include <QGroupBox>

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kovrel {

class Dialogs;
class FilteredLineEdit;

// The entry panel "Personal Details" (fraMain): its controls, the EntryForm they show, and the
// focus move after a fault. It computes nothing; its buttons ask the window to act.
class EntryPanel : public QGroupBox {
    Q_OBJECT
  public:
    // Refused keystrokes and pastes are told to the user through `dialogs`.
    explicit EntryPanel(Dialogs& dialogs, QWidget* parent = nullptr);

    EntryForm entry() const;
    void setEntry(const EntryForm& form);

    // Moves the focus to the box a fault is about, or selects the option it names.
    void applyFault(EntryControl control);

  signals:
    void calculateRequested();
    void openRequested();
    void findCoordinatesRequested();

  private:
    void connectFilter(FilteredLineEdit* box);
    void connectPlaceAssistant();
    void showPlaceFill(const PlaceFill& fill);
    FilteredLineEdit* textBox(EntryControl control) const;

    Dialogs& dialogs_;
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
    QLabel* placeNote_ = nullptr;

    // The zone of the place last chosen from the atlas; empty for a place typed by hand.
    std::string placeZone_;
    bool zoneChosenByHand_ = false;
    bool fillingPlace_ = false;
};

} // namespace kovrel
