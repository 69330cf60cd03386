#include "app/MainWindow.h"

#include "app/ChartFile.h"
#include "app/Dialogs.h"
#include "app/FilteredLineEdit.h"
#include "app/TimeZoneCatalog.h"
#include "links/LinkLabel.h"
#include "links/Links.h"
#include "links/OpenLink.h"
#include "relationships/ResultPanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace kovrel {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QComboBox* MakeList(const QString& name, EntryList list, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(false); // the lists only offer their items
    for (const std::string& item : ListItems(list)) {
        box->addItem(QString::fromStdString(item));
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

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kovrel v1.15"));

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* column = new QVBoxLayout(central);
    // The window keeps the size its panels need.
    column->setSizeConstraint(QLayout::SetFixedSize);

    stack_ = new QStackedWidget(central);
    stack_->setObjectName(QStringLiteral("PanelStack"));
    stack_->addWidget(buildEntryPanel());
    results_ = new ResultPanels;
    results_->setReading(&session_.reading);
    stack_->addWidget(results_);
    column->addWidget(stack_);
    column->addWidget(buildFooter());
    setCentralWidget(central);

    connect(results_, &ResultPanels::saveRequested, this, &MainWindow::SaveReading);
    connect(results_, &ResultPanels::backRequested, this, &MainWindow::ShowEntryPanel);

    buildMenus();
    LoadBuiltInTables();
    ShowEntryPanel();
}

QWidget* MainWindow::buildEntryPanel() {
    fraMain_ = new QGroupBox(QStringLiteral("Personal Details"));
    fraMain_->setObjectName(QStringLiteral("fraMain"));
    auto* grid = new QGridLayout(fraMain_);
    grid->setHorizontalSpacing(10);

    // Row 1: what the program does.
    auto* description = MakeCaption(
        QStringLiteral("lblDescription"),
        QStringLiteral("Kovrel  displays the kind of relationship shared between different "
                       "planets. This includes natural, temporary and compound relationships. "),
        fraMain_);
    description->setWordWrap(true);
    // The description keeps its own height; the rows of controls take the rest.
    description->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    grid->addWidget(description, 0, 0, 1, 5);

    // Row 2: open a saved reading; latitude.
    cmdOpen_ = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), fraMain_);
    cmdOpen_->setObjectName(QStringLiteral("cmdOpen"));
    grid->addWidget(cmdOpen_, 1, 0, 1, 2);

    auto makeDegreeBox = [this](const QString& name) {
        auto* box = new FilteredLineEdit(FilteredLineEdit::Filter::Digits, fraMain_);
        box->setObjectName(name);
        box->setMaxLength(3);
        box->setFixedWidth(DegreeBoxWidth(box));
        connectFilter(box);
        return box;
    };
    auto makeTextBox = [this](const QString& name) {
        auto* box = new FilteredLineEdit(FilteredLineEdit::Filter::Letters, fraMain_);
        box->setObjectName(name);
        connectFilter(box);
        return box;
    };
    // A hemisphere pair in its own frame, so that each pair is exclusive on its own.
    auto makeDirection = [this](const QString& frameName, const QString& name, const QString& first,
                                const QString& second) {
        auto* frame = new QFrame(fraMain_);
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
        row->addWidget(MakeCaption(unitName, QStringLiteral("DEG/MIN"), fraMain_));
        row->addStretch(1);
        return row;
    };

    txtLatDeg_ = makeDegreeBox(QStringLiteral("txtLatDeg"));
    txtLatMin_ = makeDegreeBox(QStringLiteral("txtLatMin"));
    auto [frame3, north, south] = makeDirection(QStringLiteral("Frame3"), QStringLiteral("optLat"),
                                                QStringLiteral("North"), QStringLiteral("South"));
    optNorth_ = north;
    optSouth_ = south;
    grid->addWidget(
        MakeCaption(QStringLiteral("lblLatitude"), QStringLiteral("Latitude"), fraMain_), 1, 2);
    grid->addLayout(makeCoordinateRow(txtLatDeg_, frame3, txtLatMin_, QStringLiteral("lblLatUnit")),
                    1, 3, 1, 2);

    // Row 3: name; longitude.
    txtName_ = makeTextBox(QStringLiteral("txtName"));
    grid->addWidget(MakeCaption(QStringLiteral("lblName"), QStringLiteral("Name"), fraMain_), 2, 0);
    grid->addWidget(txtName_, 2, 1);
    txtLonDeg_ = makeDegreeBox(QStringLiteral("txtLonDeg"));
    txtLonMin_ = makeDegreeBox(QStringLiteral("txtLonMin"));
    auto [frame4, east, west] = makeDirection(QStringLiteral("Frame4"), QStringLiteral("optLong"),
                                              QStringLiteral("East"), QStringLiteral("West"));
    optEast_ = east;
    optWest_ = west;
    grid->addWidget(
        MakeCaption(QStringLiteral("lblLongitude"), QStringLiteral("Longitude"), fraMain_), 2, 2);
    grid->addLayout(makeCoordinateRow(txtLonDeg_, frame4, txtLonMin_, QStringLiteral("lblLonUnit")),
                    2, 3, 1, 2);

    // Row 4: date of birth (month, day, year side by side); city and the coordinates search.
    cboMonth_ = MakeList(QStringLiteral("cboMonth"), EntryList::Month, fraMain_);
    cboDate_ = MakeList(QStringLiteral("cboDate"), EntryList::Day, fraMain_);
    cboYear_ = MakeList(QStringLiteral("cboYear"), EntryList::Year, fraMain_);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(cboMonth_);
    dateRow->addWidget(cboDate_);
    dateRow->addWidget(cboYear_);
    dateRow->addStretch(1);
    grid->addWidget(
        MakeCaption(QStringLiteral("lblDateOfBirth"), QStringLiteral("Date of Birth"), fraMain_), 3,
        0);
    grid->addLayout(dateRow, 3, 1);
    txtCity_ = makeTextBox(QStringLiteral("txtCity"));
    grid->addWidget(MakeCaption(QStringLiteral("lblCity"), QStringLiteral("City"), fraMain_), 3, 2);
    grid->addWidget(txtCity_, 3, 3);
    command1_ =
        new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), fraMain_);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    grid->addWidget(command1_, 3, 4, 3, 1);

    // Row 5: time of birth; state.
    cboHour_ = MakeList(QStringLiteral("cboHour"), EntryList::Hour, fraMain_);
    cboMinute_ = MakeList(QStringLiteral("cboMinute"), EntryList::Minute, fraMain_);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(cboHour_);
    timeRow->addWidget(cboMinute_);
    timeRow->addWidget(
        MakeCaption(QStringLiteral("lblTimeUnit"), QStringLiteral("HH/MM"), fraMain_));
    timeRow->addStretch(1);
    grid->addWidget(
        MakeCaption(QStringLiteral("lblTimeOfBirth"), QStringLiteral("Time of Birth"), fraMain_), 4,
        0);
    grid->addLayout(timeRow, 4, 1);
    txtState_ = makeTextBox(QStringLiteral("txtState"));
    grid->addWidget(MakeCaption(QStringLiteral("lblState"), QStringLiteral("State"), fraMain_), 4,
                    2);
    grid->addWidget(txtState_, 4, 3);

    // Row 6: time zone caption and daylight saving; country.
    chkDST_ = new QCheckBox(QStringLiteral("Daylight Saving Time"), fraMain_);
    chkDST_->setObjectName(QStringLiteral("chkDST"));
    grid->addWidget(
        MakeCaption(QStringLiteral("lblTimeZone"), QStringLiteral("Time Zone"), fraMain_), 5, 0);
    grid->addWidget(chkDST_, 5, 1);
    txtCountry_ = makeTextBox(QStringLiteral("txtCountry"));
    grid->addWidget(MakeCaption(QStringLiteral("lblCountry"), QStringLiteral("Country"), fraMain_),
                    5, 2);
    grid->addWidget(txtCountry_, 5, 3);

    // Row 7: the zone list; calculate.
    cboTimeZone_ = MakeList(QStringLiteral("cboTimeZone"), EntryList::TimeZone, fraMain_);
    grid->addWidget(cboTimeZone_, 6, 0, 1, 2);
    cmdCalculate_ =
        new QPushButton(QStringLiteral("&Get My Planetary Relationships Reading"), fraMain_);
    cmdCalculate_->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate_->setDefault(true);
    grid->addWidget(cmdCalculate_, 6, 2, 1, 3);
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

    connect(cmdCalculate_, &QPushButton::clicked, this, &MainWindow::RunCalculation);
    connect(cmdOpen_, &QPushButton::clicked, this, &MainWindow::OpenReading);
    connect(command1_, &QPushButton::clicked, this, &MainWindow::FindCoordinatesOnline);
    return fraMain_;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* calculate = file->addAction(QStringLiteral("Get My &Rasi Chart"));
    calculate->setObjectName(QStringLiteral("mnuCalculate"));
    connect(calculate, &QAction::triggered, this, &MainWindow::RunCalculation);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    auto addLink = [this, help](const QString& name, const QString& caption, Link link) {
        QAction* action = help->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, link] { OpenLink(link, dialogs_); });
    };
    addLink(QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"), Link::OnlineHelp);
    addLink(QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"), Link::Home);
    help->addSeparator();
    addLink(QStringLiteral("mnuUpdate"), QStringLiteral("Check for Software &Update"),
            Link::Update);
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, [this] { ShowAboutBox(this, dialogs_); });

    // A menu-bar entry of its own, without a menu: it opens the branding page at once.
    QAction* makeMoney = menuBar()->addAction(QStringLiteral("Make Money &Online"));
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    connect(makeMoney, &QAction::triggered, this, [this] { OpenLink(Link::Branding, dialogs_); });
}

QWidget* MainWindow::buildFooter() {
    auto* footer = new QWidget;
    footer->setObjectName(QStringLiteral("Footer"));
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(0, 0, 0, 0);
    auto addLink = [this, footer, row](const QString& name, const QString& caption, Link link) {
        auto* label = new LinkLabel(caption, footer);
        label->setObjectName(name);
        connect(label, &LinkLabel::clicked, this, [this, link] { OpenLink(link, dialogs_); });
        row->addWidget(label);
    };
    addLink(QStringLiteral("Label8"), QStringLiteral("Visit our discussion forum"), Link::Home);
    row->addStretch(1);
    addLink(QStringLiteral("lblFullBrand"),
            QStringLiteral("Get a fully branded edition of this software"), Link::Branding);
    row->addStretch(1);
    addLink(QStringLiteral("lblCobrand"), QStringLiteral("Get a co-branded edition"),
            Link::CoBrand);
    return footer;
}

void MainWindow::connectFilter(FilteredLineEdit* box) {
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

EntryForm MainWindow::entry() const {
    EntryForm form;
    form.name = txtName_->text().toStdString();
    form.latDeg = txtLatDeg_->text().toStdString();
    form.latMin = txtLatMin_->text().toStdString();
    form.lonDeg = txtLonDeg_->text().toStdString();
    form.lonMin = txtLonMin_->text().toStdString();
    form.city = txtCity_->text().toStdString();
    form.state = txtState_->text().toStdString();
    form.country = txtCountry_->text().toStdString();
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

void MainWindow::setEntry(const EntryForm& form) {
    txtName_->setText(QString::fromStdString(form.name));
    txtLatDeg_->setText(QString::fromStdString(form.latDeg));
    txtLatMin_->setText(QString::fromStdString(form.latMin));
    txtLonDeg_->setText(QString::fromStdString(form.lonDeg));
    txtLonMin_->setText(QString::fromStdString(form.lonMin));
    txtCity_->setText(QString::fromStdString(form.city));
    txtState_->setText(QString::fromStdString(form.state));
    txtCountry_->setText(QString::fromStdString(form.country));
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

FilteredLineEdit* MainWindow::textBox(EntryControl control) const {
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

void MainWindow::applyFault(EntryControl control) {
    if (control == EntryControl::SelectNorth) {
        optNorth_->setChecked(true);
    } else if (control == EntryControl::SelectEast) {
        optEast_->setChecked(true);
    } else if (FilteredLineEdit* box = textBox(control)) {
        box->setFocus();
    }
}

void MainWindow::RunCalculation() {
    const EntryForm form = entry();
    if (const auto fault = ValidateInput(form)) {
        dialogs_.showMessage(QString::fromStdString(fault->message), fault->icon);
        applyFault(fault->focus);
        return;
    }
    LoadBuiltInTables();
    session_.birth = CopyEntry(form, session_.birth);
    if (form.zoneIndex >= 0 && form.zoneIndex < kTimeZoneCount) {
        session_.zoneRow = form.zoneIndex;
    }
    session_.reading = ComputeReading(session_.birth, session_.reading);
    ShowRelationships(1);
}

void MainWindow::ShowRelationships(int panel) {
    results_->ShowRelationships(panel);
}

void MainWindow::ShowEntryPanel() {
    stack_->setCurrentWidget(fraMain_);
}

void MainWindow::FindCoordinatesOnline() {
    const std::pair<FilteredLineEdit*, const char*> checks[] = {
        {txtCity_, "Please Enter City"},
        {txtState_, "Please Enter State"},
        {txtCountry_, "Please Enter Country"},
    };
    for (const auto& [box, message] : checks) {
        if (box->text().isEmpty()) {
            dialogs_.showMessage(QString::fromLatin1(message), MessageIcon::Error);
            box->setFocus();
            return;
        }
    }
    // The texts as typed, blanks and all.
    const QString search = txtCity_->text() + QLatin1Char(' ') + txtState_->text() +
                           QLatin1Char(' ') + txtCountry_->text() +
                           QStringLiteral(" Latitude Longitude");
    dialogs_.openAddress(
        QUrl(QString::fromStdString(CoordinatesSearchAddress(search.toStdString()))));
}

void MainWindow::SaveReading() {
    const auto path = dialogs_.chooseSaveFile(QString::fromStdString(session_.LastSavePath));
    if (!path) {
        return;
    }
    session_.LastSavePath = path->toStdString();
    const std::string error = WriteChartFile(QFile::encodeName(*path).toStdString(),
                                             ChartLinesFor(session_.birth, session_.zoneRow));
    if (!error.empty()) {
        dialogs_.showMessage(QString::fromStdString(error), MessageIcon::Error);
    }
}

void MainWindow::OpenReading() {
    const auto path = dialogs_.chooseOpenFile();
    if (!path) {
        return;
    }
    const std::string fileName = QFile::encodeName(*path).toStdString();
    if (!HasChartExtension(fileName)) {
        dialogs_.showMessage(Text(kCheckFileMessage), MessageIcon::Error);
        return;
    }
    const ChartReadResult file = ReadChartFile(fileName);
    if (!file.lines) {
        // Reported, and the entry stays as it was: a reading that cannot be read is not applied
        // as a file of empty lines.
        dialogs_.showMessage(QString::fromStdString(file.error), MessageIcon::Error);
        return;
    }
    EntryForm form = entry();
    ApplyChartLines(*file.lines, form);
    setEntry(form);
    RunCalculation();
}

} // namespace kovrel
