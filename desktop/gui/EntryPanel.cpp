#include "desktop/gui/EntryPanel.h"

#include "app/EntryValidation.h"
#include "common/ProgramText.h"
#include "common/gui/Dialogs.h"
#include "common/gui/QtText.h"
#include "desktop/gui/EntryAccessibility.h"
#include "desktop/gui/FilteredLineEdit.h"
#include "places/Atlas.h"
#include "places/PlaceEntry.h"
#include "places/gui/PlaceCompleter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <tuple>

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

QLabel* MakeCaption(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Degrees and minutes take up to three digits.
int DegreeBoxWidth(const QWidget* box) {
    return box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16;
}

} // namespace

EntryPanel::EntryPanel(Dialogs& dialogs, QWidget* parent)
    : QGroupBox(QStringLiteral("Personal Details"), parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("fraMain"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);

    // Row 1: what the program does.
    auto* description =
        MakeCaption(QStringLiteral("lblDescription"), Text(kEntryPanelDescription), this);
    description->setWordWrap(true);
    // The description keeps its own height; the rows of controls take the rest.
    description->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    grid->addWidget(description, 0, 0, 1, 5);

    // Row 2: open a saved reading; latitude.
    cmdOpen_ = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), this);
    cmdOpen_->setObjectName(QStringLiteral("cmdOpen"));
    grid->addWidget(cmdOpen_, 1, 0, 1, 2);

    auto makeDegreeBox = [this](const QString& name) {
        auto* box = new FilteredLineEdit(FilteredLineEdit::Filter::Digits, this);
        box->setObjectName(name);
        // Typing stops at three characters; a saved reading may put in more.
        box->setTypingLimit(3);
        box->setFixedWidth(DegreeBoxWidth(box));
        connectFilter(box);
        return box;
    };
    auto makeTextBox = [this](const QString& name) {
        auto* box = new FilteredLineEdit(FilteredLineEdit::Filter::Letters, this);
        box->setObjectName(name);
        connectFilter(box);
        return box;
    };
    // A hemisphere pair in its own frame, so that each pair is exclusive on its own.
    auto makeDirection = [this](const QString& frameName, const QString& name, const QString& first,
                                const QString& second) {
        auto* frame = new QFrame(this);
        frame->setObjectName(frameName);
        auto* row = new QHBoxLayout(frame);
        row->setContentsMargins(4, 0, 4, 0);
        auto* a = new QRadioButton(first, frame);
        a->setObjectName(name + QStringLiteral("_0"));
        auto* b = new QRadioButton(second, frame);
        b->setObjectName(name + QStringLiteral("_1"));
        row->addWidget(a);
        row->addWidget(b);
        a->setChecked(true);
        return std::tuple{frame, a, b};
    };
    auto makeCoordinateRow = [&](FilteredLineEdit* degrees, QFrame* directions,
                                 FilteredLineEdit* minutes, const QString& unitName) {
        auto* row = new QHBoxLayout;
        row->addWidget(degrees);
        row->addWidget(directions);
        row->addWidget(minutes);
        row->addSpacing(4);
        row->addWidget(MakeCaption(unitName, QStringLiteral("DEG/MIN"), this));
        row->addStretch(1);
        return row;
    };

    txtLatDeg_ = makeDegreeBox(QStringLiteral("txtLatDeg"));
    txtLatMin_ = makeDegreeBox(QStringLiteral("txtLatMin"));
    auto [frame3, north, south] = makeDirection(QStringLiteral("Frame3"), QStringLiteral("optLat"),
                                                QStringLiteral("North"), QStringLiteral("South"));
    optNorth_ = north;
    optSouth_ = south;
    grid->addWidget(MakeCaption(QStringLiteral("lblLatitude"), QStringLiteral("Latitude"), this), 1,
                    2);
    grid->addLayout(makeCoordinateRow(txtLatDeg_, frame3, txtLatMin_, QStringLiteral("lblLatUnit")),
                    1, 3, 1, 2);

    // Row 3: name; longitude.
    txtName_ = makeTextBox(QStringLiteral("txtName"));
    grid->addWidget(MakeCaption(QStringLiteral("lblName"), QStringLiteral("Name"), this), 2, 0);
    grid->addWidget(txtName_, 2, 1);
    txtLonDeg_ = makeDegreeBox(QStringLiteral("txtLonDeg"));
    txtLonMin_ = makeDegreeBox(QStringLiteral("txtLonMin"));
    auto [frame4, east, west] = makeDirection(QStringLiteral("Frame4"), QStringLiteral("optLong"),
                                              QStringLiteral("East"), QStringLiteral("West"));
    optEast_ = east;
    optWest_ = west;
    grid->addWidget(MakeCaption(QStringLiteral("lblLongitude"), QStringLiteral("Longitude"), this),
                    2, 2);
    grid->addLayout(makeCoordinateRow(txtLonDeg_, frame4, txtLonMin_, QStringLiteral("lblLonUnit")),
                    2, 3, 1, 2);

    // Row 4: date of birth (month, day, year side by side); city and the coordinates search.
    cboMonth_ = MakeList(QStringLiteral("cboMonth"), EntryList::Month, this);
    cboDate_ = MakeList(QStringLiteral("cboDate"), EntryList::Day, this);
    cboYear_ = MakeList(QStringLiteral("cboYear"), EntryList::Year, this);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(cboMonth_);
    dateRow->addWidget(cboDate_);
    dateRow->addWidget(cboYear_);
    dateRow->addStretch(1);
    grid->addWidget(
        MakeCaption(QStringLiteral("lblDateOfBirth"), QStringLiteral("Date of Birth"), this), 3, 0);
    grid->addLayout(dateRow, 3, 1);
    txtCity_ = makeTextBox(QStringLiteral("txtCity"));
    grid->addWidget(MakeCaption(QStringLiteral("lblCity"), QStringLiteral("City"), this), 3, 2);
    grid->addWidget(txtCity_, 3, 3);
    command1_ = new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    grid->addWidget(command1_, 3, 4, 3, 1);

    // Row 5: time of birth; state.
    cboHour_ = MakeList(QStringLiteral("cboHour"), EntryList::Hour, this);
    cboMinute_ = MakeList(QStringLiteral("cboMinute"), EntryList::Minute, this);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(cboHour_);
    timeRow->addWidget(cboMinute_);
    timeRow->addWidget(MakeCaption(QStringLiteral("lblTimeUnit"), QStringLiteral("HH/MM"), this));
    timeRow->addStretch(1);
    grid->addWidget(
        MakeCaption(QStringLiteral("lblTimeOfBirth"), QStringLiteral("Time of Birth"), this), 4, 0);
    grid->addLayout(timeRow, 4, 1);
    txtState_ = makeTextBox(QStringLiteral("txtState"));
    grid->addWidget(MakeCaption(QStringLiteral("lblState"), QStringLiteral("State"), this), 4, 2);
    grid->addWidget(txtState_, 4, 3);

    // Row 6: time zone caption and daylight saving; country.
    chkDST_ = new QCheckBox(QStringLiteral("Daylight Saving Time"), this);
    chkDST_->setObjectName(QStringLiteral("chkDST"));
    grid->addWidget(MakeCaption(QStringLiteral("lblTimeZone"), QStringLiteral("Time Zone"), this),
                    5, 0);
    grid->addWidget(chkDST_, 5, 1);
    txtCountry_ = makeTextBox(QStringLiteral("txtCountry"));
    grid->addWidget(MakeCaption(QStringLiteral("lblCountry"), QStringLiteral("Country"), this), 5,
                    2);
    grid->addWidget(txtCountry_, 5, 3);

    // Row 7: the zone list; calculate.
    cboTimeZone_ = MakeList(QStringLiteral("cboTimeZone"), EntryList::TimeZone, this);
    grid->addWidget(cboTimeZone_, 6, 0, 1, 2);
    cmdCalculate_ =
        new QPushButton(QStringLiteral("&Get My Planetary Relationships Reading"), this);
    cmdCalculate_->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate_->setDefault(true);
    grid->addWidget(cmdCalculate_, 6, 2, 1, 3);

    // Row 8: what the place assistant chose, and why; empty until a place is chosen.
    placeNote_ = new QLabel(this);
    placeNote_->setObjectName(QStringLiteral("lblPlaceNote"));
    placeNote_->setTextFormat(Qt::PlainText);
    placeNote_->setWordWrap(true);
    placeNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(placeNote_, 7, 0, 1, 5);
    connectPlaceAssistant();
    // The rows of controls share the height of the panel evenly.
    for (int row = 1; row < 7; ++row) {
        grid->setRowStretch(row, 1);
    }

    // Keyboard order: the day list comes before the month list, although it stands right of it.
    const QList<QWidget*> order = {txtName_,   cboDate_,     cboMonth_,  cboYear_,    cboHour_,
                                   cboMinute_, cboTimeZone_, txtLatDeg_, txtLatMin_,  txtLonDeg_,
                                   txtLonMin_, txtCity_,     txtState_,  txtCountry_, cmdCalculate_,
                                   cmdOpen_,   chkDST_,      optEast_,   optWest_,    optNorth_,
                                   optSouth_,  command1_};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }

    NameEntryControls(this);

    connect(cmdCalculate_, &QPushButton::clicked, this, &EntryPanel::calculateRequested);
    connect(cmdOpen_, &QPushButton::clicked, this, &EntryPanel::openRequested);
    connect(command1_, &QPushButton::clicked, this, &EntryPanel::findCoordinatesRequested);
}

void EntryPanel::connectPlaceAssistant() {
    auto* places = new PlaceCompleter(txtCity_);
    connect(places, &PlaceCompleter::placeChosen, this, [this](int atlasIndex) {
        const AtlasCity city = AtlasCityAt(atlasIndex);
        const PlaceFill fill = FillEntryFromCity(city, entry());
        placeZone_ = std::string(city.ianaZone);
        zoneChosenByHand_ = false;
        showPlaceFill(fill);
    });
    // A zone the user picks wins over the assistant until another place is chosen.
    connect(cboTimeZone_, &QComboBox::activated, this, [this] { zoneChosenByHand_ = true; });
    for (QComboBox* list : {cboDate_, cboMonth_, cboYear_, cboHour_, cboMinute_}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!placeZone_.empty() && !zoneChosenByHand_ && !fillingPlace_) {
                showPlaceFill(RechooseZone(placeZone_, entry()));
            }
        });
    }
}

void EntryPanel::showPlaceFill(const PlaceFill& fill) {
    fillingPlace_ = true;
    setEntry(fill.entry);
    fillingPlace_ = false;
    placeNote_->setText(fill.zone ? Text(fill.zone->explanation) : Text(fill.zone.fault().message));
}

void EntryPanel::connectFilter(FilteredLineEdit* box) {
    connect(box, &FilteredLineEdit::refused, this, [this, box] {
        if (box->filter() == FilteredLineEdit::Filter::Letters) {
            dialogs_.showMessage(Text(kLettersOnlyMessage), MessageIcon::Error);
            box->setFocus();
        } else {
            // The digit boxes leave the focus where it is.
            dialogs_.showMessage(Text(kDigitsOnlyMessage), MessageIcon::Error);
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
