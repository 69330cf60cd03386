#include "app/gui/MainWindow.h"

#include "app/ChartFile.h"
#include "app/ProgramText.h"
#include "app/SafeFile.h"
#include "app/TimeZoneCatalog.h"
#include "app/gui/Dialogs.h"
#include "app/gui/EntryPanel.h"
#include "chart/ReadingDocument.h"
#include "chart/gui/ChartWindow.h"
#include "chart/gui/PositionsStrip.h"
#include "chart/gui/ReadingPrint.h"
#include "common/gui/QtText.h"
#include "links/Links.h"
#include "links/gui/AboutBox.h"
#include "links/gui/LinkLabel.h"
#include "links/gui/OpenLink.h"
#include "relationships/gui/ResultPanels.h"

#include <QFile>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>
#include <string>
#include <utility>

namespace kovrel {

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Text(kWindowCaption));

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* column = new QVBoxLayout(central);
    // The window keeps the size its panels need.
    column->setSizeConstraint(QLayout::SetFixedSize);

    stack_ = new QStackedWidget(central);
    stack_->setObjectName(QStringLiteral("PanelStack"));
    entryPanel_ = new EntryPanel(dialogs_);
    stack_->addWidget(entryPanel_);
    results_ = new ResultPanels;
    stack_->addWidget(results_);
    column->addWidget(stack_);
    // Whose reading it is and the seven placements, beside the specified panels.
    strip_ = new PositionsStrip(central);
    column->addWidget(strip_);
    column->addWidget(buildFooter());
    setCentralWidget(central);

    connect(entryPanel_, &EntryPanel::calculateRequested, this, &MainWindow::RunCalculation);
    connect(entryPanel_, &EntryPanel::openRequested, this, &MainWindow::OpenReading);
    connect(entryPanel_, &EntryPanel::findCoordinatesRequested, this,
            &MainWindow::FindCoordinatesOnline);
    connect(results_, &ResultPanels::saveRequested, this, &MainWindow::SaveReading);
    connect(results_, &ResultPanels::backRequested, this, &MainWindow::ShowEntryPanel);
    connect(results_, &ResultPanels::chartRequested, this, &MainWindow::showChartWindow);

    buildMenus();
    LoadBuiltInTables();
    ShowEntryPanel();
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* calculate = file->addAction(QStringLiteral("Get My &Rasi Chart"));
    calculate->setObjectName(QStringLiteral("mnuCalculate"));
    connect(calculate, &QAction::triggered, this, &MainWindow::RunCalculation);
    file->addSeparator();
    chartAction_ = file->addAction(QStringLiteral("Show Rasi &Chart..."));
    chartAction_->setObjectName(QStringLiteral("mnuShowChart"));
    connect(chartAction_, &QAction::triggered, this, &MainWindow::showChartWindow);
    printAction_ = file->addAction(QStringLiteral("&Print Reading..."));
    printAction_->setObjectName(QStringLiteral("mnuPrint"));
    printAction_->setShortcut(QKeySequence::Print);
    connect(printAction_, &QAction::triggered, this, &MainWindow::printReading);
    exportAction_ = file->addAction(QStringLiteral("Export Reading as P&DF..."));
    exportAction_->setObjectName(QStringLiteral("mnuExportPdf"));
    connect(exportAction_, &QAction::triggered, this, &MainWindow::exportReadingPdf);
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

EntryForm MainWindow::entry() const {
    return entryPanel_->entry();
}

void MainWindow::setEntry(const EntryForm& form) {
    entryPanel_->setEntry(form);
}

void MainWindow::RunCalculation() {
    const Result<Reading> reading = kovrel::RunCalculation(entry(), session_);
    if (!reading) {
        dialogs_.showMessage(Text(reading.fault().message), reading.fault().icon);
        entryPanel_->applyFault(reading.fault().focus);
        return;
    }
    results_->showReading(*reading);
    strip_->showReading(session_.birth, session_.zoneRow, session_.reading);
    if (chartWindow_ != nullptr) {
        chartWindow_->showReading(session_.birth, session_.zoneRow, session_.reading);
    }
    ShowRelationships(1);
}

void MainWindow::ShowRelationships(int panel) {
    results_->ShowRelationships(panel);
    updateReadingActions();
}

void MainWindow::ShowEntryPanel() {
    stack_->setCurrentWidget(entryPanel_);
    updateReadingActions();
}

void MainWindow::updateReadingActions() {
    const bool readingShown = stack_->currentWidget() == results_;
    strip_->setVisible(readingShown);
    for (QAction* action : {printAction_, exportAction_, chartAction_}) {
        if (action != nullptr) {
            action->setEnabled(readingShown);
        }
    }
}

void MainWindow::showChartWindow() {
    if (chartWindow_ == nullptr) {
        chartWindow_ = new ChartWindow(this);
        chartWindow_->setWindowFlag(Qt::Window);
    }
    chartWindow_->showReading(session_.birth, session_.zoneRow, session_.reading);
    chartWindow_->show();
    chartWindow_->raise();
    chartWindow_->activateWindow();
}

void MainWindow::printReading() {
    std::unique_ptr<QPrintPreviewDialog> preview =
        MakePrintPreview(this, session_.birth, session_.zoneRow, session_.reading);
    dialogs_.runModal(*preview);
}

void MainWindow::exportReadingPdf() {
    const QString suggested = Text(DocumentFileStem(session_.birth) + ".pdf");
    const auto path = dialogs_.chooseExportFile(suggested);
    if (!path) {
        return;
    }
    const std::string error = WriteReadingPdf(QFile::encodeName(*path).toStdString(),
                                              session_.birth, session_.zoneRow, session_.reading);
    if (!error.empty()) {
        dialogs_.showMessage(Text(error), MessageIcon::Error);
    }
}

void MainWindow::FindCoordinatesOnline() {
    const EntryForm form = entry();
    const std::pair<const std::string&, EntryControl> checks[] = {
        {form.city, EntryControl::City},
        {form.state, EntryControl::State},
        {form.country, EntryControl::Country},
    };
    const char* const messages[] = {"Please Enter City", "Please Enter State",
                                    "Please Enter Country"};
    for (std::size_t i = 0; i < std::size(checks); ++i) {
        if (checks[i].first.empty()) {
            dialogs_.showMessage(QString::fromLatin1(messages[i]), MessageIcon::Error);
            entryPanel_->applyFault(checks[i].second);
            return;
        }
    }
    // The texts as typed, blanks and all.
    const std::string search =
        form.city + ' ' + form.state + ' ' + form.country + " Latitude Longitude";
    dialogs_.openAddress(QUrl(Text(CoordinatesSearchAddress(search))));
}

void MainWindow::SaveReading() {
    auto path = dialogs_.chooseSaveFile(Text(session_.LastSavePath));
    // A write-protected file is not accepted: said before anything is written, then the dialog
    // opens again where the user was.
    while (path && IsReadOnlyFile(QFile::encodeName(*path).toStdString())) {
        dialogs_.showMessage(Text(ReadOnlyFileMessage(Utf8(*path))), MessageIcon::Error);
        path = dialogs_.chooseSaveFile(*path);
    }
    if (!path) {
        return;
    }
    session_.LastSavePath = Utf8(*path);
    const Result<> saved = WriteChartFile(QFile::encodeName(*path).toStdString(),
                                          ChartLinesFor(session_.birth, session_.zoneRow));
    if (!saved) {
        dialogs_.showMessage(Text(saved.fault().message), saved.fault().icon);
    }
}

void MainWindow::OpenReading() {
    const auto path = dialogs_.chooseOpenFile();
    if (!path) {
        return;
    }
    const Result<EntryForm> opened =
        ApplyChartFile(QFile::encodeName(*path).toStdString(), entry());
    if (!opened) {
        dialogs_.showMessage(Text(opened.fault().message), opened.fault().icon);
        return;
    }
    setEntry(*opened);
    RunCalculation();
}

} // namespace kovrel
