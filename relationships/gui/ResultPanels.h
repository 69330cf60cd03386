#pragma once

#include "relationships/Relations.h"

#include <QGroupBox>

#include <array>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QTabBar;

namespace kovrel {

// The three panels of the result area, in the order of their tabs. The numbers are the ones the
// window passes to ShowRelationships.
enum class ResultPanel : int { Natural = 1, Temporary = 2, Compound = 3 };

// The result area of the main window ("Kovrel Result", object name fraResult_3): the tab strip
// TS, the list panel fraResult_0 (natural and temporary relationships) and the grid panel
// fraResult_2 (compound relationships), each with its Save and Back buttons. Positions follow
// the window's design in twips, widened where the installed font would clip a text; in a larger
// area the panels grow and their texts stand in the middle. Where a large font makes the design
// wider or taller than the room there is, the area may be smaller: the list columns then take
// only the room the panel in front needs (the temporary lists fill no neutral column, the natural
// ones are short), the spaces between them shrink, and the buttons move up under the rows.
class ResultPanels : public QGroupBox {
    Q_OBJECT
  public:
    explicit ResultPanels(QWidget* parent = nullptr);

    // The relationships the panels show from now on. They keep their own copy and compute
    // nothing but the words for it.
    void showRelationships(const Relationships& relationships);

    // Shows `panel` filled from the reading; the list cells are cleared first. The result area
    // is brought in front of the entry panel.
    void ShowRelationships(ResultPanel panel);
    // The same by number: 2 the temporary panel, 3 the compound grid, any other number the
    // natural panel.
    void ShowRelationships(int panel);
    // The panel ShowRelationships showed last.
    ResultPanel shownPanel() const { return shown_; }

    QSize sizeHint() const override { return designSize_; }
    QSize minimumSizeHint() const override { return leastSize_; }

  signals:
    void saveRequested();
    void backRequested();
    void chartRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Placed {
        QWidget* widget = nullptr;
        QRect design;
        int listColumn = -1; // 0 to 3 for the list panel's columns
    };
    // The least room a list column needs on each of the two list panels.
    struct LeastWidths {
        int natural = 0;
        int temporary = 0;
    };

    void buildListPanel();
    void buildGridPanel();
    void bringToFront();
    void bringPanelToFront(QWidget* panel);
    void layOut();
    // Where the list columns stand in a panel narrower than the design: `left` and `width` per
    // column, for the list in front.
    std::array<std::pair<int, int>, 4> narrowListColumns(int panelWidth) const;

    Relationships relationships_;
    ResultPanel shown_ = ResultPanel::Natural;
    QTabBar* tabs_ = nullptr;
    QGroupBox* listPanel_ = nullptr;
    QGroupBox* gridPanel_ = nullptr;
    bool temporaryInFront_ = false;
    std::array<QLabel*, 4> listHeadings_{};
    std::array<LeastWidths, 4> listLeastWidths_{};
    // The room left of each list column (the first: the panel's edge) and right of the last, as
    // the design spaces them and at the least.
    std::array<int, 5> listDesignSpaces_{};
    std::array<int, 5> listLeastSpaces_{};
    std::array<QLabel*, 7> planetLabels_{};
    std::array<QLabel*, 7> friendLabels_{};
    std::array<QLabel*, 7> enemyLabels_{};
    std::array<QLabel*, 7> neutralLabels_{};
    std::array<QLabel*, 7> rowHeadings_{};
    std::array<QLabel*, 7> columnHeadings_{};
    std::array<QLabel*, 49> compoundCells_{};
    QSize listSize_;
    QSize gridSize_;
    QSize designSize_;
    QSize leastSize_;
    QSize leastPanel_;
    // The panels' size in the design, and where their children stand in it.
    QSize panelDesign_;
    struct PanelPlacement {
        QWidget* panel = nullptr;
        std::vector<Placed> contents;
        QRect contentBox;
        std::vector<Placed> buttons;
    };
    std::array<PanelPlacement, 2> placements_;
};

} // namespace kovrel
