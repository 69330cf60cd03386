#include "desktop/gui/EntryPanel.h"

#include "app/EntryValidation.h"
#include "common/Calendar.h"
#include "common/ProgramText.h"
#include "common/gui/Dialogs.h"
#include "common/gui/QtText.h"
#include "common/gui/Translation.h"
#include "desktop/gui/EntryAccessibility.h"
#include "desktop/gui/FilteredLineEdit.h"
#include "places/gui/PlaceAssistant.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kovrel {

namespace {

QComboBox* MakeList(const QString& name, EntryList list, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(false); // the lists only offer their items
    for (const std::string& item : ListItems(list)) {
        box->addItem(Text(item));
    }
    box->setCurrentIndex(0);
    return box;
}

QLabel* MakeCaption(const QString& name, Word caption, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    SetText(label, caption);
    return label;
}

// Degrees and minutes take up to three digits.
int DegreeBoxWidth(const QWidget* box) {
    return box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16;
}

// A hemisphere pair in its own frame, so that each pair is exclusive on its own.
struct Hemispheres {
    QFrame* frame;
    QRadioButton* first;
    QRadioButton* second;
};

Hemispheres MakeHemispheres(const QString& frameName, const QString& name, Word first, Word second,
                            QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(frameName);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(4, 0, 4, 0);
    auto* a = new QRadioButton(frame);
    a->setObjectName(name + QStringLiteral("_0"));
    SetText(a, first);
    auto* b = new QRadioButton(frame);
    b->setObjectName(name + QStringLiteral("_1"));
    SetText(b, second);
    row->addWidget(a);
    row->addWidget(b);
    a->setChecked(true);
    return {frame, a, b};
}

QHBoxLayout* MakeCoordinateRow(QWidget* degrees, QFrame* hemispheres, QWidget* minutes,
                               const QString& unitName, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->addWidget(degrees);
    row->addWidget(hemispheres);
    row->addWidget(minutes);
    row->addSpacing(4);
    row->addWidget(MakeCaption(unitName, KOVREL_WORD("EntryPanel", "DEG/MIN"), parent));
    row->addStretch(1);
    return row;
}

} // namespace

EntryPanel::EntryPanel(Dialogs& dialogs, QWidget* parent) : QGroupBox(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("fraMain"));
    SetText(this, KOVREL_WORD("EntryPanel", "Personal Details"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);

    addDescription(*grid, 0);
    addOpenButton(*grid, 1);
    addLatitude(*grid, 1);
    addName(*grid, 2);
    addLongitude(*grid, 2);
    addDate(*grid, 3);
    addCity(*grid, 3); // with the coordinates search beside rows 3 to 5
    addTime(*grid, 4);
    addState(*grid, 4);
    addZoneCaptionAndDst(*grid, 5);
    addCountry(*grid, 5);
    addZoneList(*grid, 6);
    addCalculateButton(*grid, 6);
    addPlaceNote(*grid, 7);
    connectPlaceAssistant();
    // The rows of controls share the height of the panel evenly.
    for (int row = 1; row < 7; ++row) {
        grid->setRowStretch(row, 1);
    }

    setKeyboardOrder();
    NameEntryControls(this);
    sayTexts();

    connect(cmdCalculate_, &QPushButton::clicked, this, &EntryPanel::calculateRequested);
    connect(cmdOpen_, &QPushButton::clicked, this, &EntryPanel::openRequested);
    connect(command1_, &QPushButton::clicked, this, &EntryPanel::findCoordinatesRequested);
}

EntryPanel::~EntryPanel() = default;

// What Retranslate cannot say again by itself: the description's blank and the month names.
void EntryPanel::sayTexts() {
    description_->setText(Say(kProgramDescription) + QLatin1Char(' '));
    for (int month = 0; month < cboMonth_->count(); ++month) {
        cboMonth_->setItemText(month, Say(kMonthNames[static_cast<std::size_t>(month)]));
    }
}

void EntryPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate(this);
        sayTexts();
    }
    QGroupBox::changeEvent(event);
}

QAbstractButton* EntryPanel::openButton() const {
    return cmdOpen_;
}

void EntryPanel::addCaptioned(QGridLayout& grid, int row, int column, const QString& captionName,
                              Word text, QWidget* control) {
    grid.addWidget(MakeCaption(captionName, text, this), row, column);
    grid.addWidget(control, row, column + 1);
}

void EntryPanel::addCaptioned(QGridLayout& grid, int row, int column, const QString& captionName,
                              Word text, QLayout* controls) {
    grid.addWidget(MakeCaption(captionName, text, this), row, column);
    grid.addLayout(controls, row, column + 1);
}

FilteredLineEdit* EntryPanel::degreeBox(const QString& name) {
    auto* box = new FilteredLineEdit(FilteredLineEdit::Filter::Digits, this);
    box->setObjectName(name);
    // Typing stops at three characters; a saved reading may put in more.
    box->setTypingLimit(3);
    box->setFixedWidth(DegreeBoxWidth(box));
    connectFilter(box);
    return box;
}

FilteredLineEdit* EntryPanel::lettersBox(const QString& name) {
    auto* box = new FilteredLineEdit(FilteredLineEdit::Filter::Letters, this);
    box->setObjectName(name);
    connectFilter(box);
    return box;
}

// What the program does, across the panel; it keeps its own height.
void EntryPanel::addDescription(QGridLayout& grid, int row) {
    // The entry panel's description ends with a blank; the about box's does not.
    auto* description = new QLabel(this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setTextFormat(Qt::PlainText);
    description_ = description;
    description->setWordWrap(true);
    description->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    grid.addWidget(description, row, 0, 1, 5);
}

void EntryPanel::addOpenButton(QGridLayout& grid, int row) {
    cmdOpen_ = new QPushButton(this);
    cmdOpen_->setObjectName(QStringLiteral("cmdOpen"));
    SetText(cmdOpen_, KOVREL_WORD("EntryPanel", "&Open Previously Saved Reading"));
    grid.addWidget(cmdOpen_, row, 0, 1, 2);
}

void EntryPanel::addLatitude(QGridLayout& grid, int row) {
    txtLatDeg_ = degreeBox(QStringLiteral("txtLatDeg"));
    txtLatMin_ = degreeBox(QStringLiteral("txtLatMin"));
    const Hemispheres hemispheres = MakeHemispheres(
        QStringLiteral("Frame3"), QStringLiteral("optLat"), KOVREL_WORD("EntryPanel", "North"),
        KOVREL_WORD("EntryPanel", "South"), this);
    optNorth_ = hemispheres.first;
    optSouth_ = hemispheres.second;
    grid.addWidget(
        MakeCaption(QStringLiteral("lblLatitude"), KOVREL_WORD("EntryPanel", "Latitude"), this),
        row, 2);
    grid.addLayout(MakeCoordinateRow(txtLatDeg_, hemispheres.frame, txtLatMin_,
                                     QStringLiteral("lblLatUnit"), this),
                   row, 3, 1, 2);
}

void EntryPanel::addName(QGridLayout& grid, int row) {
    txtName_ = lettersBox(QStringLiteral("txtName"));
    addCaptioned(grid, row, 0, QStringLiteral("lblName"), KOVREL_WORD("EntryPanel", "Name"),
                 txtName_);
}

void EntryPanel::addLongitude(QGridLayout& grid, int row) {
    txtLonDeg_ = degreeBox(QStringLiteral("txtLonDeg"));
    txtLonMin_ = degreeBox(QStringLiteral("txtLonMin"));
    const Hemispheres hemispheres =
        MakeHemispheres(QStringLiteral("Frame4"), QStringLiteral("optLong"),
                        KOVREL_WORD("EntryPanel", "East"), KOVREL_WORD("EntryPanel", "West"), this);
    optEast_ = hemispheres.first;
    optWest_ = hemispheres.second;
    grid.addWidget(
        MakeCaption(QStringLiteral("lblLongitude"), KOVREL_WORD("EntryPanel", "Longitude"), this),
        row, 2);
    grid.addLayout(MakeCoordinateRow(txtLonDeg_, hemispheres.frame, txtLonMin_,
                                     QStringLiteral("lblLonUnit"), this),
                   row, 3, 1, 2);
}

// Month, day and year side by side.
void EntryPanel::addDate(QGridLayout& grid, int row) {
    cboMonth_ = MakeList(QStringLiteral("cboMonth"), EntryList::Month, this);
    cboDate_ = MakeList(QStringLiteral("cboDate"), EntryList::Day, this);
    cboYear_ = MakeList(QStringLiteral("cboYear"), EntryList::Year, this);
    auto* lists = new QHBoxLayout;
    lists->addWidget(cboMonth_);
    lists->addWidget(cboDate_);
    lists->addWidget(cboYear_);
    lists->addStretch(1);
    addCaptioned(grid, row, 0, QStringLiteral("lblDateOfBirth"),
                 KOVREL_WORD("EntryPanel", "Date of Birth"), lists);
}

void EntryPanel::addCity(QGridLayout& grid, int row) {
    txtCity_ = lettersBox(QStringLiteral("txtCity"));
    addCaptioned(grid, row, 2, QStringLiteral("lblCity"), KOVREL_WORD("EntryPanel", "City"),
                 txtCity_);
    command1_ = new QPushButton(this);
    command1_->setObjectName(QStringLiteral("Command1"));
    SetText(command1_, KOVREL_WORD("EntryPanel", "Click here to find Latitude && Longitude"));
    command1_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    grid.addWidget(command1_, row, 4, 3, 1);
}

void EntryPanel::addTime(QGridLayout& grid, int row) {
    cboHour_ = MakeList(QStringLiteral("cboHour"), EntryList::Hour, this);
    cboMinute_ = MakeList(QStringLiteral("cboMinute"), EntryList::Minute, this);
    auto* lists = new QHBoxLayout;
    lists->addWidget(cboHour_);
    lists->addWidget(cboMinute_);
    lists->addWidget(
        MakeCaption(QStringLiteral("lblTimeUnit"), KOVREL_WORD("EntryPanel", "HH/MM"), this));
    lists->addStretch(1);
    addCaptioned(grid, row, 0, QStringLiteral("lblTimeOfBirth"),
                 KOVREL_WORD("EntryPanel", "Time of Birth"), lists);
}

void EntryPanel::addState(QGridLayout& grid, int row) {
    txtState_ = lettersBox(QStringLiteral("txtState"));
    addCaptioned(grid, row, 2, QStringLiteral("lblState"), KOVREL_WORD("EntryPanel", "State"),
                 txtState_);
}

// The zone list itself stands on the row below its caption.
void EntryPanel::addZoneCaptionAndDst(QGridLayout& grid, int row) {
    chkDST_ = new QCheckBox(this);
    chkDST_->setObjectName(QStringLiteral("chkDST"));
    SetText(chkDST_, KOVREL_WORD("EntryPanel", "Daylight Saving Time"));
    addCaptioned(grid, row, 0, QStringLiteral("lblTimeZone"),
                 KOVREL_WORD("EntryPanel", "Time Zone"), chkDST_);
}

void EntryPanel::addCountry(QGridLayout& grid, int row) {
    txtCountry_ = lettersBox(QStringLiteral("txtCountry"));
    addCaptioned(grid, row, 2, QStringLiteral("lblCountry"), KOVREL_WORD("EntryPanel", "Country"),
                 txtCountry_);
}

void EntryPanel::addZoneList(QGridLayout& grid, int row) {
    cboTimeZone_ = MakeList(QStringLiteral("cboTimeZone"), EntryList::TimeZone, this);
    grid.addWidget(cboTimeZone_, row, 0, 1, 2);
}

void EntryPanel::addCalculateButton(QGridLayout& grid, int row) {
    cmdCalculate_ = new QPushButton(this);
    cmdCalculate_->setObjectName(QStringLiteral("cmdCalculate"));
    SetText(cmdCalculate_, KOVREL_WORD("EntryPanel", "&Get My Planetary Relationships Reading"));
    cmdCalculate_->setDefault(true);
    grid.addWidget(cmdCalculate_, row, 2, 1, 3);
}

// What the place assistant chose, and why; empty until a place is chosen.
void EntryPanel::addPlaceNote(QGridLayout& grid, int row) {
    placeNote_ = new QLabel(this);
    placeNote_->setObjectName(QStringLiteral("lblPlaceNote"));
    placeNote_->setTextFormat(Qt::PlainText);
    placeNote_->setWordWrap(true);
    placeNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid.addWidget(placeNote_, row, 0, 1, 5);
}

void EntryPanel::connectPlaceAssistant() {
    placeAssistant_ = std::make_unique<PlaceAssistant>(
        txtCity_, placeNote_, [this] { return entry(); },
        [this](const EntryForm& form) { showEntry(form); });
    PlaceAssistant* assistant = placeAssistant_.get();
    // Only the user activates the list and clicks the box; the owner's writes do neither.
    connect(cboTimeZone_, &QComboBox::activated, assistant, &PlaceAssistant::zoneChosenByHand);
    connect(chkDST_, &QCheckBox::clicked, assistant, &PlaceAssistant::zoneChosenByHand);
    for (QComboBox* list : {cboDate_, cboMonth_, cboYear_, cboHour_, cboMinute_, cboTimeZone_}) {
        connect(list, &QComboBox::currentIndexChanged, assistant, &PlaceAssistant::formChanged);
    }
    for (FilteredLineEdit* box :
         {txtLatDeg_, txtLatMin_, txtLonDeg_, txtLonMin_, txtCity_, txtState_, txtCountry_}) {
        connect(box, &QLineEdit::textChanged, assistant, &PlaceAssistant::formChanged);
    }
    const QList<QAbstractButton*> options = {optNorth_, optSouth_, optEast_, optWest_, chkDST_};
    for (QAbstractButton* option : options) {
        connect(option, &QAbstractButton::toggled, assistant, &PlaceAssistant::formChanged);
    }
}

// The day list comes before the month list, although it stands right of it.
void EntryPanel::setKeyboardOrder() {
    const QList<QWidget*> order = {txtName_,   cboDate_,     cboMonth_,  cboYear_,    cboHour_,
                                   cboMinute_, cboTimeZone_, txtLatDeg_, txtLatMin_,  txtLonDeg_,
                                   txtLonMin_, txtCity_,     txtState_,  txtCountry_, cmdCalculate_,
                                   cmdOpen_,   chkDST_,      optEast_,   optWest_,    optNorth_,
                                   optSouth_,  command1_};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void EntryPanel::connectFilter(FilteredLineEdit* box) {
    connect(box, &FilteredLineEdit::refused, this, [this, box] {
        if (box->filter() == FilteredLineEdit::Filter::Letters) {
            dialogs_.showMessage(Say(kLettersOnlyMessage), MessageIcon::Error);
            box->setFocus();
        } else {
            // The digit boxes leave the focus where it is.
            dialogs_.showMessage(Say(kDigitsOnlyMessage), MessageIcon::Error);
        }
    });
}

EntryForm EntryPanel::entry() const {
    EntryForm form;
    form.name = Utf8(txtName_->text());
    form.latDeg = Utf8(txtLatDeg_->text());
    form.latMin = Utf8(txtLatMin_->text());
    form.lonDeg = Utf8(txtLonDeg_->text());
    form.lonMin = Utf8(txtLonMin_->text());
    form.city = Utf8(txtCity_->text());
    form.state = Utf8(txtState_->text());
    form.country = Utf8(txtCountry_->text());
    form.dayIndex = cboDate_->currentIndex();
    form.monthIndex = cboMonth_->currentIndex();
    form.yearIndex = cboYear_->currentIndex();
    form.hourIndex = cboHour_->currentIndex();
    form.minuteIndex = cboMinute_->currentIndex();
    form.zoneIndex = cboTimeZone_->currentIndex();
    form.latitude = optNorth_->isChecked()   ? LatitudeChoice::North
                    : optSouth_->isChecked() ? LatitudeChoice::South
                                             : LatitudeChoice::None;
    form.longitude = optEast_->isChecked()   ? LongitudeChoice::East
                     : optWest_->isChecked() ? LongitudeChoice::West
                                             : LongitudeChoice::None;
    form.dst = chkDST_->checkState() != Qt::Unchecked;
    return form;
}

void EntryPanel::setEntry(const EntryForm& form) {
    placeAssistant_->forget();
    showEntry(form);
}

void EntryPanel::showEntry(const EntryForm& form) {
    txtName_->setText(Text(form.name));
    txtLatDeg_->setText(Text(form.latDeg));
    txtLatMin_->setText(Text(form.latMin));
    txtLonDeg_->setText(Text(form.lonDeg));
    txtLonMin_->setText(Text(form.lonMin));
    txtCity_->setText(Text(form.city));
    txtState_->setText(Text(form.state));
    txtCountry_->setText(Text(form.country));
    cboDate_->setCurrentIndex(form.dayIndex);
    cboMonth_->setCurrentIndex(form.monthIndex);
    cboYear_->setCurrentIndex(form.yearIndex);
    cboHour_->setCurrentIndex(form.hourIndex);
    cboMinute_->setCurrentIndex(form.minuteIndex);
    cboTimeZone_->setCurrentIndex(form.zoneIndex);

    // Exclusive buttons cannot all be cleared while they are exclusive.
    auto choose = [](QRadioButton* first, QRadioButton* second, int which) {
        first->setAutoExclusive(false);
        second->setAutoExclusive(false);
        first->setChecked(which == 0);
        second->setChecked(which == 1);
        first->setAutoExclusive(true);
        second->setAutoExclusive(true);
    };
    choose(optNorth_, optSouth_,
           form.latitude == LatitudeChoice::North   ? 0
           : form.latitude == LatitudeChoice::South ? 1
                                                    : -1);
    choose(optEast_, optWest_,
           form.longitude == LongitudeChoice::East   ? 0
           : form.longitude == LongitudeChoice::West ? 1
                                                     : -1);
    chkDST_->setChecked(form.dst);
}

FilteredLineEdit* EntryPanel::textBox(EntryControl control) const {
    switch (control) {
    case EntryControl::Name:
        return txtName_;
    case EntryControl::LatDeg:
        return txtLatDeg_;
    case EntryControl::LatMin:
        return txtLatMin_;
    case EntryControl::LonDeg:
        return txtLonDeg_;
    case EntryControl::LonMin:
        return txtLonMin_;
    case EntryControl::City:
        return txtCity_;
    case EntryControl::State:
        return txtState_;
    case EntryControl::Country:
        return txtCountry_;
    default:
        return nullptr;
    }
}

void EntryPanel::applyFault(EntryControl control) {
    if (control == EntryControl::SelectNorth) {
        optNorth_->setChecked(true);
    } else if (control == EntryControl::SelectEast) {
        optEast_->setChecked(true);
    } else if (FilteredLineEdit* box = textBox(control)) {
        box->setFocus();
    }
}

} // namespace kovrel
