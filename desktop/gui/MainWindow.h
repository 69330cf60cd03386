#pragma once

#include "app/Calculation.h"
#include "app/EntryForm.h"
#include "chart/ChartStyle.h"
#include "common/Words.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QAbstractButton;
class QAction;
class QActionGroup;
class QMenu;
class QSettings;
class QStackedWidget;

namespace kovrel {

class Dialogs;
class EntryPanel;
class RecentFiles;
class ResultPanels;
enum class ResultPanel : int;
class ChartWindow;
class Translators;
class PositionsStrip;

// frmMain: the entry panel and the result area in one place, the menus, the promotional links
// and the commands. Everything that waits for the user outside the window goes through
// `dialogs`; every calculation goes through the core's RunCalculation.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `settings` keeps the window's size and place and the recent readings; without it both
    // last for this run only.
    // `translators` say the program in the chosen language; without them the window keeps its
    // own.
    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr, QSettings* settings = nullptr,
                        Translators* translators = nullptr);
    ~MainWindow() override;

    // What the entry panel shows.
    EntryForm entry() const;
    void setEntry(const EntryForm& form);

    // The last calculated birth, its reading and the last save path.
    const Session& session() const { return session_; }

    // Calculates the entry panel's entry; on a fault tells the user and moves the focus,
    // otherwise shows the reading on the natural panel.
    void RunCalculation();
    void ShowRelationships(ResultPanel panel);
    void ShowEntryPanel();
    void FindCoordinatesOnline();
    void SaveReading();
    void OpenReading();

    // The rasi chart of the reading on screen, in a window of its own that follows the reading.
    void showChartWindow();
    // The printed reading: a print preview, or a PDF file the user names. Its chart is drawn in
    // the style chosen in the chart window.
    void printReading();
    void exportReadingPdf();
    ChartStyle chartStyle() const;
    // Opening a chosen file: the extension check, its lines applied, the calculation. The road
    // of the open dialog, the command line, a dropped file and the recent list.
    void openReadingFile(const QString& path);
    // Files handed over by a second start: the window comes to the front and opens them, once
    // no dialog of its own is waiting for the user.
    void receiveFiles(const QStringList& paths);

    // The positions the readings are shown in, as the Positions menu chose them: kept in the
    // settings, shown at once.
    void choosePositions(PositionsChoice choice);

    // The language of every text, as the Language menu chose it: kept in the settings, said at
    // once everywhere.
    void chooseLanguage(Language language);
    Language language() const;

    static QString GeometryKey();
    static QString LanguageKey();
    // The language the settings hold: English unless another was chosen.
    static Language StoredLanguage(const QSettings* settings);

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void buildPositionsMenu();
    void buildLanguageMenu();
    // The result area made again in the new language, which may need other widths; it shows
    // what the old one showed.
    void rebuildResults();
    void connectResults();
    // Shows the session's reading in every view that shows one.
    void showReading();
    QWidget* buildFooter();
    // The entries that need a reading on screen follow the panel in front.
    void updateReadingActions();
    void fillRecentMenu();
    void remember(const QString& path);
    void openWaitingFiles();
    bool entryInFront() const;

    Dialogs& dialogs_;
    QSettings* settings_;
    Session session_;
    std::unique_ptr<RecentFiles> recent_;
    QStringList waitingFiles_;

    QStackedWidget* stack_ = nullptr;
    EntryPanel* entryPanel_ = nullptr;
    ResultPanels* results_ = nullptr;
    PositionsStrip* strip_ = nullptr;
    ChartWindow* chartWindow_ = nullptr; // made when first asked for
    QAction* printAction_ = nullptr;
    QAction* exportAction_ = nullptr;
    QAction* chartAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAbstractButton* cmdOpen_ = nullptr;
    QAction* saveAction_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QActionGroup* modeGroup_ = nullptr;
    QActionGroup* ayanamsaGroup_ = nullptr;
    QActionGroup* languageGroup_ = nullptr;
    QWidget* resultPage_ = nullptr;
    std::unique_ptr<Translators> ownTranslators_; // when none were given
    Translators* translators_ = nullptr;
};

} // namespace kovrel
