#include "desktop/gui/MainWindow.h"

#include "app/ChartFile.h"
#include "app/SafeFile.h"
#include "app/TimeZoneCatalog.h"
#include "chart/ReadingDocument.h"
#include "chart/gui/ChartWindow.h"
#include "chart/gui/PositionsStrip.h"
#include "chart/gui/ReadingPrint.h"
#include "cli/ReadingReport.h"
#include "common/ProgramText.h"
#include "common/gui/Dialogs.h"
#include "common/gui/QtText.h"
#include "common/gui/Translation.h"
#include "desktop/gui/AboutBox.h"
#include "desktop/gui/EntryPanel.h"
#include "desktop/gui/PositionsSetting.h"
#include "desktop/gui/RecentFiles.h"
#include "links/Links.h"
#include "links/gui/LinkLabel.h"
#include "links/gui/OpenLink.h"
#include "relationships/gui/ResultPanels.h"
#include "sky/SkyTexts.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QSettings>
#include <QShortcutEvent>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <array>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

namespace kovrel {

namespace {

// The local files a drag carries.
QStringList DraggedFiles(const QMimeData* data) {
    QStringList files;
    if (data != nullptr && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                files.append(url.toLocalFile());
            }
        }
    }
    return files;
}

// A menu or an entry of the menu bar or of a menu, whose text Retranslate says again.
template <typename Bar> QMenu* AddMenu(Bar* bar, Word title) {
    QMenu* menu = bar->addMenu(Say(title));
    SetText(menu, title);
    return menu;
}

template <typename Bar> QAction* AddAction(Bar* bar, Word text) {
    QAction* action = bar->addAction(Say(text));
    SetText(action, text);
    return action;
}

// A file name as a menu entry shows it: ampersands doubled so none becomes a mnemonic.
QString MenuText(const QString& text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The window opens at the size its panels are designed for wherever the screen holds it: left to
// Qt it would stop at two thirds of the screen, and the result columns would close up although
// there is room for them.
QSize OpeningSize(const QWidget& window) {
    // What the window manager adds around the window: a title bar and a thin frame.
    const QSize frame(16, 48);
    QSize size = window.sizeHint();
    if (const QScreen* screen = window.screen()) {
        size = size.boundedTo(screen->availableGeometry().size() - frame);
    }
    return size.expandedTo(window.minimumSizeHint());
}

} // namespace

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent, QSettings* settings,
                       Translators* translators)
    : QMainWindow(parent), dialogs_(dialogs), settings_(settings),
      recent_(std::make_unique<RecentFiles>(settings)) {
    if (translators == nullptr) {
        ownTranslators_ = std::make_unique<Translators>();
        translators = ownTranslators_.get();
    }
    translators_ = translators;
    if (translators_->language() != StoredLanguage(settings_)) {
        translators_->use(StoredLanguage(settings_));
    }
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Text(kWindowCaption));
    setAcceptDrops(true);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* column = new QVBoxLayout(central);

    stack_ = new QStackedWidget(central);
    stack_->setObjectName(QStringLiteral("PanelStack"));
    entryPanel_ = new EntryPanel(dialogs_);
    stack_->addWidget(entryPanel_);
    // The result area fills its page; it closes up below its design only where room is short.
    auto* resultPage = resultPage_ = new QWidget;
    resultPage->setObjectName(QStringLiteral("ResultPage"));
    auto* fill = new QVBoxLayout(resultPage);
    fill->setContentsMargins(0, 0, 0, 0);
    results_ = new ResultPanels;
    results_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    fill->addWidget(results_);
    stack_->addWidget(resultPage);
    column->addWidget(stack_, 1);
    // Whose reading it is and the seven placements, beside the specified panels.
    strip_ = new PositionsStrip(central);
    column->addWidget(strip_);
    column->addWidget(buildFooter());
    setCentralWidget(central);

    connect(entryPanel_, &EntryPanel::calculateRequested, this, &MainWindow::RunCalculation);
    connect(entryPanel_, &EntryPanel::openRequested, this, &MainWindow::OpenReading);
    connect(entryPanel_, &EntryPanel::findCoordinatesRequested, this,
            &MainWindow::FindCoordinatesOnline);
    connectResults();

    ChoosePositions(session_, StoredPositions(settings_));
    buildMenus();
    LoadBuiltInTables();
    ShowEntryPanel();

    // While the entry panel is in front its Open button owns its mnemonic, which the menu bar's
    // "Make Money Online" shares: one press opens the dialog instead of only moving the focus.
    cmdOpen_ = entryPanel_->openButton();
    cmdOpen_->installEventFilter(this);
    menuBar()->installEventFilter(this);
    if (settings_ == nullptr || !restoreGeometry(settings_->value(GeometryKey()).toByteArray())) {
        resize(OpeningSize(*this));
    }
}

MainWindow::~MainWindow() = default;

QString MainWindow::GeometryKey() {
    return QStringLiteral("Desktop/WindowGeometry");
}

QString MainWindow::LanguageKey() {
    return QStringLiteral("Desktop/Language");
}

Language MainWindow::StoredLanguage(const QSettings* settings) {
    if (settings == nullptr) {
        return Language::English;
    }
    return LanguageOfCode(Utf8(settings->value(LanguageKey()).toString()));
}

Language MainWindow::language() const {
    return translators_->language();
}

void MainWindow::chooseLanguage(Language language) {
    if (language != translators_->language() && !translators_->use(language)) {
        translators_->use(Language::English);
    }
    const Language spoken = translators_->language();
    languageGroup_->actions().at(static_cast<int>(spoken))->setChecked(true);
    if (settings_ != nullptr) {
        settings_->setValue(LanguageKey(), QLatin1String(Info(spoken).code));
        settings_->sync();
    }
}

void MainWindow::connectResults() {
    connect(results_, &ResultPanels::saveRequested, this, &MainWindow::SaveReading);
    connect(results_, &ResultPanels::backRequested, this, &MainWindow::ShowEntryPanel);
    connect(results_, &ResultPanels::chartRequested, this, &MainWindow::showChartWindow);
}

void MainWindow::rebuildResults() {
    const ResultPanel shown = results_->shownPanel();
    auto* fresh = new ResultPanels;
    fresh->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    delete resultPage_->layout()->replaceWidget(results_, fresh);
    delete results_;
    results_ = fresh;
    results_->show(); // made after its page was shown
    connectResults();
    results_->showRelationships(session_.reading.relationships);
    if (!entryInFront()) {
        ShowRelationships(shown);
    }
}

void MainWindow::changeEvent(QEvent* event) {
    // Qt tells every widget when the translators change; the window says its own words again
    // and shows the reading in the new language.
    if (event->type() == QEvent::LanguageChange && results_ != nullptr) {
        Retranslate(this);
        rebuildResults();
        if (session_.sky) {
            strip_->showReading(session_);
        }
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::buildMenus() {
    QMenu* file = AddMenu(menuBar(), KOVREL_WORD("MainWindow", "&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* calculate = AddAction(file, KOVREL_WORD("MainWindow", "Get My &Rasi Chart"));
    calculate->setObjectName(QStringLiteral("mnuCalculate"));
    connect(calculate, &QAction::triggered, this, &MainWindow::RunCalculation);
    file->addSeparator();
    QAction* open = AddAction(file, KOVREL_WORD("MainWindow", "&Open Reading..."));
    open->setObjectName(QStringLiteral("mnuOpenReading"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &MainWindow::OpenReading);
    saveAction_ = AddAction(file, KOVREL_WORD("MainWindow", "&Save Reading..."));
    saveAction_->setObjectName(QStringLiteral("mnuSaveReading"));
    saveAction_->setShortcut(QKeySequence::Save);
    connect(saveAction_, &QAction::triggered, this, &MainWindow::SaveReading);
    // Saving needs a calculation on screen, as the Save buttons of the result panels do.
    connect(stack_, &QStackedWidget::currentChanged, this,
            [this] { saveAction_->setEnabled(!entryInFront()); });
    recentMenu_ = AddMenu(file, KOVREL_WORD("MainWindow", "Rece&nt Readings"));
    recentMenu_->setObjectName(QStringLiteral("mnuRecentReadings"));
    recentMenu_->setToolTipsVisible(true);
    fillRecentMenu();
    file->addSeparator();
    chartAction_ = AddAction(file, KOVREL_WORD("MainWindow", "Show Rasi &Chart..."));
    chartAction_->setObjectName(QStringLiteral("mnuShowChart"));
    connect(chartAction_, &QAction::triggered, this, &MainWindow::showChartWindow);
    printAction_ = AddAction(file, KOVREL_WORD("MainWindow", "&Print Reading..."));
    printAction_->setObjectName(QStringLiteral("mnuPrint"));
    printAction_->setShortcut(QKeySequence::Print);
    connect(printAction_, &QAction::triggered, this, &MainWindow::printReading);
    exportAction_ = AddAction(file, KOVREL_WORD("MainWindow", "Export Reading as P&DF..."));
    exportAction_->setObjectName(QStringLiteral("mnuExportPdf"));
    connect(exportAction_, &QAction::triggered, this, &MainWindow::exportReadingPdf);
    // Enabled only while a reading is shown, so Ctrl+C still copies text in the entry boxes.
    copyAction_ = AddAction(file, KOVREL_WORD("MainWindow", "&Copy Reading"));
    copyAction_->setObjectName(QStringLiteral("mnuCopyReading"));
    copyAction_->setShortcut(QKeySequence::Copy);
    connect(copyAction_, &QAction::triggered, this, [this] {
        // The same text kovrel-reading prints for this birth.
        QGuiApplication::clipboard()->setText(Text(TextReport(session_, WindowWords())));
    });
    file->addSeparator();
    QAction* exit = AddAction(file, KOVREL_WORD("MainWindow", "&Exit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    // Not QKeySequence::Quit: some platforms bind it to nothing, and Ctrl+Q quits everywhere.
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    buildPositionsMenu();
    buildLanguageMenu();

    QMenu* help = AddMenu(menuBar(), KOVREL_WORD("MainWindow", "&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    auto addLink = [this, help](const QString& name, Word caption, Link link) {
        QAction* action = AddAction(help, caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, link] { OpenLink(link, dialogs_); });
        return action;
    };
    addLink(QStringLiteral("mnuOnline"), KOVREL_WORD("MainWindow", "&Online Help"),
            Link::OnlineHelp)
        ->setShortcut(QKeySequence::HelpContents);
    addLink(QStringLiteral("mnuVisit"), KOVREL_WORD("MainWindow", "&Visit Us Online"), Link::Home);
    help->addSeparator();
    addLink(QStringLiteral("mnuUpdate"), KOVREL_WORD("MainWindow", "Check for Software &Update"),
            Link::Update);
    help->addSeparator();
    QAction* about = AddAction(help, KOVREL_WORD("MainWindow", "&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, [this] { ShowAboutBox(this, dialogs_); });

    // A menu-bar entry of its own, without a menu: it opens the branding page at once.
    QAction* makeMoney = AddAction(menuBar(), KOVREL_WORD("MainWindow", "Make Money &Online"));
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    connect(makeMoney, &QAction::triggered, this, [this] { OpenLink(Link::Branding, dialogs_); });
}

void MainWindow::buildPositionsMenu() {
    QMenu* menu = AddMenu(menuBar(), KOVREL_WORD("MainWindow", "&Positions"));
    menu->setObjectName(QStringLiteral("mnuPositions"));
    const PositionsChoice shown = session_.positions;
    const auto addChoice = [this, menu](QActionGroup* group, const QString& name, Word caption,
                                        bool checked, auto change) {
        QAction* action = AddAction(menu, caption);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(checked);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, change] {
            PositionsChoice choice = session_.positions;
            change(choice);
            choosePositions(choice);
        });
    };
    modeGroup_ = new QActionGroup(this);
    const std::array modes = {
        std::tuple{PositionsMode::Classic, QStringLiteral("mnuClassicPositions"),
                   KOVREL_WORD("MainWindow", "&Classic Positions")},
        std::tuple{PositionsMode::Precise, QStringLiteral("mnuPrecisePositions"),
                   KOVREL_WORD("MainWindow", "&Precise Positions")},
    };
    for (const auto& [mode, name, caption] : modes) {
        addChoice(modeGroup_, name, caption, shown.mode == mode,
                  [mode](PositionsChoice& choice) { choice.mode = mode; });
    }
    // The ayanamsa of the precise route; in classic mode it is the one the second opinion uses.
    menu->addSeparator();
    ayanamsaGroup_ = new QActionGroup(this);
    for (const AyanamsaKind kind :
         {AyanamsaKind::Lahiri, AyanamsaKind::Raman, AyanamsaKind::Krishnamurti}) {
        addChoice(ayanamsaGroup_, QStringLiteral("mnuAyanamsa") + Text(AyanamsaName(kind)),
                  AyanamsaWord(kind), shown.ayanamsa == kind,
                  [kind](PositionsChoice& choice) { choice.ayanamsa = kind; });
    }
}

// Each language is listed in its own name and script, which no translation changes.
void MainWindow::buildLanguageMenu() {
    QMenu* menu = AddMenu(menuBar(), KOVREL_WORD("MainWindow", "&Language"));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    languageGroup_ = new QActionGroup(this);
    for (const LanguageInfo& info : kLanguageInfos) {
        QAction* action = menu->addAction(QString::fromUtf8(info.ownName));
        action->setObjectName(QStringLiteral("mnuLanguage_") + QLatin1String(info.code));
        action->setCheckable(true);
        action->setChecked(info.language == translators_->language());
        languageGroup_->addAction(action);
        const Language language = info.language;
        connect(action, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
    }
}

QWidget* MainWindow::buildFooter() {
    auto* footer = new QWidget;
    footer->setObjectName(QStringLiteral("Footer"));
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(0, 0, 0, 0);
    auto addLink = [this, footer, row](const QString& name, Word caption, Link link) {
        auto* label = new LinkLabel(Say(caption), footer);
        label->setObjectName(name);
        SetText(label, caption);
        connect(label, &LinkLabel::clicked, this, [this, link] { OpenLink(link, dialogs_); });
        row->addWidget(label);
    };
    addLink(QStringLiteral("Label8"), KOVREL_WORD("MainWindow", "Visit our discussion forum"),
            Link::Home);
    row->addStretch(1);
    addLink(QStringLiteral("lblFullBrand"),
            KOVREL_WORD("MainWindow", "Get a fully branded edition of this software"),
            Link::Branding);
    row->addStretch(1);
    addLink(QStringLiteral("lblCobrand"), KOVREL_WORD("MainWindow", "Get a co-branded edition"),
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
        dialogs_.showMessage(SayMessage(reading.fault().message), reading.fault().icon);
        entryPanel_->applyFault(reading.fault().focus);
        return;
    }
    showReading();
    ShowRelationships(ResultPanel::Natural);
}

void MainWindow::showReading() {
    results_->showRelationships(session_.reading.relationships);
    strip_->showReading(session_);
    if (chartWindow_ != nullptr) {
        chartWindow_->showReading(session_);
    }
}

void MainWindow::choosePositions(PositionsChoice choice) {
    if (choice == session_.positions) {
        return;
    }
    ChoosePositions(session_, choice);
    StorePositions(settings_, choice);
    // The groups hold their entries in enum order.
    modeGroup_->actions().at(static_cast<int>(choice.mode))->setChecked(true);
    ayanamsaGroup_->actions().at(static_cast<int>(choice.ayanamsa))->setChecked(true);
    if (!session_.sky) {
        return; // nothing calculated yet
    }
    showReading();
    // The panel on screen shows the new signs at once; behind the entry panel it waits.
    if (!entryInFront()) {
        ShowRelationships(results_->shownPanel());
    }
}

void MainWindow::ShowRelationships(ResultPanel panel) {
    results_->ShowRelationships(panel);
    updateReadingActions();
}

void MainWindow::ShowEntryPanel() {
    stack_->setCurrentWidget(entryPanel_);
    updateReadingActions();
    saveAction_->setEnabled(false);
}

void MainWindow::updateReadingActions() {
    const bool readingShown = !entryInFront();
    strip_->setVisible(readingShown);
    for (QAction* action : {printAction_, exportAction_, chartAction_, copyAction_}) {
        if (action != nullptr) {
            action->setEnabled(readingShown);
        }
    }
}

void MainWindow::showChartWindow() {
    if (chartWindow_ == nullptr) {
        chartWindow_ = new ChartWindow(this, settings_);
        chartWindow_->setWindowFlag(Qt::Window);
    }
    chartWindow_->showReading(session_);
    chartWindow_->show();
    chartWindow_->raise();
    chartWindow_->activateWindow();
}

void MainWindow::printReading() {
    // This run alone owns the preview; the window is its parent only to place it over the window.
    std::unique_ptr<QPrintPreviewDialog> preview = MakePrintPreview(this, session_, chartStyle());
    dialogs_.runModal(*preview);
}

void MainWindow::exportReadingPdf() {
    const QString suggested = Text(DocumentFileStem(session_.birth) + ".pdf");
    const auto path = dialogs_.chooseExportFile(suggested);
    if (!path) {
        return;
    }
    const Result<> written = WriteReadingPdf(QFile::encodeName(*path).toStdString(), session_,
                                             PaperSizeFor(QLocale()), chartStyle());
    if (!written) {
        dialogs_.showMessage(SayMessage(written.fault().message), written.fault().icon);
    }
}

ChartStyle MainWindow::chartStyle() const {
    return chartWindow_ != nullptr ? chartWindow_->chartStyle()
                                   : ChartWindow::StoredChartStyle(settings_);
}

bool MainWindow::entryInFront() const {
    return stack_->currentWidget() == entryPanel_;
}

void MainWindow::FindCoordinatesOnline() {
    const EntryForm form = entry();
    const std::pair<const std::string&, EntryControl> checks[] = {
        {form.city, EntryControl::City},
        {form.state, EntryControl::State},
        {form.country, EntryControl::Country},
    };
    const Word messages[] = {KOVREL_WORD("Messages", "Please Enter City"),
                             KOVREL_WORD("Messages", "Please Enter State"),
                             KOVREL_WORD("Messages", "Please Enter Country")};
    for (std::size_t i = 0; i < std::size(checks); ++i) {
        if (checks[i].first.empty()) {
            dialogs_.showMessage(Say(messages[i]), MessageIcon::Error);
            entryPanel_->applyFault(checks[i].second);
            return;
        }
    }
    // The texts as typed, blanks and all.
    const std::string search =
        form.city + ' ' + form.state + ' ' + form.country + " Latitude Longitude";
    OpenAddress(QUrl(Text(CoordinatesSearchAddress(search))), dialogs_);
}

void MainWindow::SaveReading() {
    auto path = dialogs_.chooseSaveFile(Text(session_.LastSavePath));
    // A write-protected file is not accepted: said before anything is written, then the dialog
    // opens again where the user was.
    while (path) {
        const auto readOnly = ReadOnlyReason(QFile::encodeName(*path).toStdString());
        if (!readOnly) {
            break;
        }
        dialogs_.showMessage(Text(ReadOnlyFileMessage(Utf8(*path), *readOnly)), MessageIcon::Error);
        path = dialogs_.chooseSaveFile(*path);
    }
    if (!path) {
        return;
    }
    session_.LastSavePath = Utf8(*path);
    const Result<> saved = WriteChartFile(QFile::encodeName(*path).toStdString(),
                                          ChartLinesFor(session_.birth, session_.zoneRow));
    if (!saved) {
        dialogs_.showMessage(SayMessage(saved.fault().message), saved.fault().icon);
        return;
    }
    remember(*path);
}

void MainWindow::OpenReading() {
    const auto path = dialogs_.chooseOpenFile();
    if (!path) {
        return;
    }
    openReadingFile(*path);
}

void MainWindow::openReadingFile(const QString& path) {
    const Result<EntryForm> opened = ApplyChartFile(QFile::encodeName(path).toStdString(), entry());
    if (!opened) {
        dialogs_.showMessage(SayMessage(opened.fault().message), opened.fault().icon);
        return;
    }
    remember(path);
    setEntry(*opened);
    RunCalculation();
}

void MainWindow::remember(const QString& path) {
    recent_->add(path);
    fillRecentMenu();
}

void MainWindow::fillRecentMenu() {
    recentMenu_->clear();
    int number = 1;
    for (const QString& path : recent_->paths()) {
        QAction* entry = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(number).arg(MenuText(QFileInfo(path).fileName())));
        entry->setObjectName(QStringLiteral("mnuRecent_%1").arg(number - 1));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] { openReadingFile(path); });
        ++number;
    }
    recentMenu_->setEnabled(!recent_->paths().isEmpty());
}

void MainWindow::receiveFiles(const QStringList& paths) {
    waitingFiles_ += paths;
    if (waitingFiles_.isEmpty()) {
        return;
    }
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    openWaitingFiles();
}

void MainWindow::openWaitingFiles() {
    // A command of this window that waits for the user runs to its end first.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(250, this, &MainWindow::openWaitingFiles);
        return;
    }
    const QStringList files = std::exchange(waitingFiles_, {});
    for (const QString& file : files) {
        openReadingFile(file);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (settings_ != nullptr) {
        settings_->setValue(GeometryKey(), saveGeometry());
        settings_->sync();
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList files = DraggedFiles(event->mimeData());
    if (files.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // One reading at a time: the first file dropped.
    openReadingFile(files.constFirst());
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused button as Space does. A button that takes Enter itself (the
    // default button) never lets it come this far.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if (button != nullptr && button->window() == this && button->isEnabled()) {
            event->accept();
            button->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut && cmdOpen_ != nullptr && entryInFront() &&
        cmdOpen_->isEnabled()) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        const bool openKey = shortcut->key() == QKeySequence::mnemonic(cmdOpen_->text());
        if (openKey && (watched == menuBar() || (watched == cmdOpen_ && shortcut->isAmbiguous()))) {
            cmdOpen_->setFocus(Qt::ShortcutFocusReason);
            cmdOpen_->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kovrel
