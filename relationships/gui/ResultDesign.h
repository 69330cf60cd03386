#pragma once

#include <array>

namespace kovrel {

// The result area as the original window's design laid it out: every control's place in twips
// (Twips.h) and the point sizes of its faces. Each entry is named after the control or row it
// comes from. The panels treat these as the least they show: wherever the installed font needs
// more room an entry is widened, and the distances between entries are kept. Only an area given
// less room than that closes up (ResultPanels.h).
struct ResultDesign {
    struct Rect {
        int left;
        int top;
        int width;
        int height;

        constexpr int right() const { return left + width; }
        constexpr int bottom() const { return top + height; }
    };
    struct Column {
        int headingIndex; // the heading's control, lblLabels_<headingIndex>
        int left;
        int width;
    };

    // Point sizes of the design's faces.
    struct Fonts {
        double frameCaption; // fraResult_* captions, the TS tabs and the buttons
        double listHeading;  // lblLabels_21..24, bold and underlined
        double planetName;   // lblLabels_0..6, bold
        double gridHeading;  // lblLabelsRow_* and lblLabelsColumn_*, bold
        double programFont;  // the largest program font the design's faces were set beside
    };

    // fraResult_3, the area itself; the panels leave a rim right of and below them.
    Rect area;
    // TS: the tab strip ends where the panels start.
    int tabLeft;
    // fraResult_0 and fraResult_2, which share one rectangle.
    Rect frame;

    // cmdSave_* and cmdBack_*: the pair stands at the frame's bottom right, Back rightmost.
    int buttonWidth;
    int buttonHeight;
    int buttonGap;        // between two buttons side by side
    int buttonRightRim;   // Back's right edge to the frame's
    int buttonBottomRim;  // the buttons' foot to the frame's
    int buttonsBelowRows; // the last text row's foot to the buttons' top

    // fraResult_0: the four column headings on one row, the seven planets' rows below them.
    int listHeadingTop;
    int listHeadingHeight;
    int listFirstRowTop;
    int listRowHeight;
    int listRowPitch;
    std::array<Column, 4> listColumns; // Planet, Friends, Enemies, Neutral, left to right

    // fraResult_2: row headings down the left, column headings across the top, 7 x 7 cells.
    Rect gridRowHeading;    // lblLabelsRow_0; the others follow at the row pitch
    Rect gridColumnHeading; // lblLabelsColumn_0; the others follow at the column pitch
    Rect gridCell;          // lblCompound_0, under column heading 0, beside row heading 0
    int gridColumnPitch;
    int gridRowPitch;
    int gridRightRim; // the last column's right edge to the frame's

    Fonts fonts;

    constexpr int areaRightRim() const { return area.right() - frame.right(); }
    constexpr int areaBottomRim() const { return area.bottom() - frame.bottom(); }
    constexpr int listRightRim() const {
        return frame.width - listColumns.back().left - listColumns.back().width;
    }
    constexpr int gridHeadingGap() const { return gridCell.left - gridRowHeading.right(); }
    constexpr int gridColumnGap() const { return gridColumnPitch - gridCell.width; }
};

inline constexpr ResultDesign kResultDesign = {
    .area = {.left = 0, .top = 0, .width = 9500, .height = 4750},
    .tabLeft = 45,
    .frame = {.left = 0, .top = 600, .width = 9450, .height = 4100},
    .buttonWidth = 1215,
    .buttonHeight = 375,
    .buttonGap = 120,
    .buttonRightRim = 240,
    .buttonBottomRim = 120,
    .buttonsBelowRows = 240,
    .listHeadingTop = 480,
    .listHeadingHeight = 240,
    .listFirstRowTop = 840,
    .listRowHeight = 240,
    .listRowPitch = 240,
    .listColumns = {{{.headingIndex = 21, .left = 240, .width = 795},
                     {.headingIndex = 22, .left = 1350, .width = 2430},
                     {.headingIndex = 24, .left = 4080, .width = 2430},
                     {.headingIndex = 23, .left = 6855, .width = 2430}}},
    .gridRowHeading = {.left = 120, .top = 720, .width = 900, .height = 195},
    .gridColumnHeading = {.left = 1080, .top = 360, .width = 1065, .height = 195},
    .gridCell = {.left = 1080, .top = 720, .width = 1065, .height = 195},
    .gridColumnPitch = 1200,
    .gridRowPitch = 360,
    .gridRightRim = 120,
    .fonts = {.frameCaption = 8.25,
              .listHeading = 9.0,
              .planetName = 8.25,
              .gridHeading = 9.0,
              .programFont = 9.0},
};

} // namespace kovrel
