#pragma once

#include "app/EntryForm.h"
#include "common/Result.h"
#include "common/Words.h"

#include <QGroupBox>

#include <memory>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QPushButton;
class QRadioButton;

namespace kovrel {

class Dialogs;
class FilteredLineEdit;
class PlaceAssistant;

// The entry panel "Personal Details" (fraMain): its controls, the EntryForm they show, and the
// focus move after a fault. It computes nothing; its buttons ask the window to act.
class EntryPanel : public QGroupBox {
    Q_OBJECT
  public:
    // Refused keystrokes and pastes are told to the user through `dialogs`.
    explicit EntryPanel(Dialogs& dialogs, QWidget* parent = nullptr);
    ~EntryPanel() override;

    EntryForm entry() const;
    // Puts a whole form into the boxes, as opening a reading does: the place assistant forgets
    // the place it filled.
    void setEntry(const EntryForm& form);

    // Moves the focus to the box a fault is about, or selects the option it names.
    void applyFault(EntryControl control);

    // "Open Previously Saved Reading" (cmdOpen), whose mnemonic the window's menu bar shares.
    QAbstractButton* openButton() const;

  protected:
    void changeEvent(QEvent* event) override;

  signals:
    void calculateRequested();
    void openRequested();
    void findCoordinatesRequested();

  private:
    // The rows of the form, top to bottom; on each row the left part, then the right part.
    void addDescription(QGridLayout& grid, int row);
    void addOpenButton(QGridLayout& grid, int row);
    void addLatitude(QGridLayout& grid, int row);
    void addName(QGridLayout& grid, int row);
    void addLongitude(QGridLayout& grid, int row);
    void addDate(QGridLayout& grid, int row);
    void addCity(QGridLayout& grid, int row);
    void addTime(QGridLayout& grid, int row);
    void addState(QGridLayout& grid, int row);
    void addZoneCaptionAndDst(QGridLayout& grid, int row);
    void addCountry(QGridLayout& grid, int row);
    void addZoneList(QGridLayout& grid, int row);
    void addCalculateButton(QGridLayout& grid, int row);
    void addPlaceNote(QGridLayout& grid, int row);

    // The caption `text` left of `control`, made after it.
    void addCaptioned(QGridLayout& grid, int row, int column, const QString& captionName, Word text,
                      QWidget* control);
    void addCaptioned(QGridLayout& grid, int row, int column, const QString& captionName, Word text,
                      QLayout* controls);
    void sayTexts();
    FilteredLineEdit* degreeBox(const QString& name);
    FilteredLineEdit* lettersBox(const QString& name);
    void connectPlaceAssistant();
    void showEntry(const EntryForm& form);
    void setKeyboardOrder();
    void connectFilter(FilteredLineEdit* box);
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
    QLabel* description_ = nullptr;
    std::unique_ptr<PlaceAssistant> placeAssistant_;
};

} // namespace kovrel
