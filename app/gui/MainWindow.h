#pragma once

#include "app/Calculation.h"
#include "app/EntryForm.h"

#include <QMainWindow>

class QAction;
class QStackedWidget;

namespace kovrel {

class Dialogs;
class EntryPanel;
class ResultPanels;
class ChartWindow;
class PositionsStrip;

// frmMain: the entry panel and the result area in one place, the menus, the promotional links
// and the commands. Everything that waits for the user outside the window goes through
// `dialogs`; every calculation goes through the core's RunCalculation.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    // What the entry panel shows.
    EntryForm entry() const;
    void setEntry(const EntryForm& form);

    // The last calculated birth, its reading and the last save path.
    const Session& session() const { return session_; }

    // Calculates the entry panel's entry; on a fault tells the user and moves the focus,
    // otherwise shows the reading on the natural panel.
    void RunCalculation();
    void ShowRelationships(int panel);
    void ShowEntryPanel();
    void FindCoordinatesOnline();
    void SaveReading();
    void OpenReading();

    // The rasi chart of the reading on screen, in a window of its own that follows the reading.
    void showChartWindow();
    // The printed reading: a print preview, or a PDF file the user names.
    void printReading();
    void exportReadingPdf();

  private:
    void buildMenus();
    QWidget* buildFooter();
    // The entries that need a reading on screen follow the panel in front.
    void updateReadingActions();

    Dialogs& dialogs_;
    Session session_;

    QStackedWidget* stack_ = nullptr;
    EntryPanel* entryPanel_ = nullptr;
    ResultPanels* results_ = nullptr;
    PositionsStrip* strip_ = nullptr;
    ChartWindow* chartWindow_ = nullptr; // made when first asked for
    QAction* printAction_ = nullptr;
    QAction* exportAction_ = nullptr;
    QAction* chartAction_ = nullptr;
};

} // namespace kovrel
