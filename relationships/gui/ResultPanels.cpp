#include "relationships/gui/ResultPanels.h"

#include "common/Planets.h"
#include "common/gui/ProgramFont.h"
#include "common/gui/QtText.h"
#include "common/gui/Translation.h"
#include "relationships/RelationColours.h"
#include "relationships/RelationTexts.h"
#include "relationships/RelationshipRules.h"
#include "relationships/RowSentence.h"
#include "relationships/gui/AccessibleGrid.h"
#include "relationships/gui/ResultDesign.h"
#include "relationships/gui/Twips.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QTabBar>

#include <algorithm>
#include <string>

namespace kovrel {

namespace {

const QColor kFrameColour(96, 148, 73);
const QColor kAreaCaptionColour(0, 255, 255);
const QColor kPanelTextColour(Qt::white);

constexpr const ResultDesign& kDesign = kResultDesign;

// Room left and right of a text inside its label, so that no glyph touches the edge.
constexpr int kTextPadding = 6;
// Pixels added to a font's line height, so that no accent or descender touches a label's edge.
constexpr int kLineLeading = 2;
// Pixels kept free between a heading and the first row under it, on the list and in the grid,
// where the headings would otherwise touch the cells once the font has widened them.
constexpr int kListHeadingGap = 2;
constexpr int kGridHeadingGap = 4;
// Pixels kept free between two rows of the grid, whose coloured cells would otherwise touch.
constexpr int kGridRowGap = 4;

// The design's faces are drawn at their sizes beside a program font of up to 9 pt; a larger
// system font enlarges them all by the same factor, so that the captions and headings keep
// their size against the cells, which follow the program font. The design's distances grow by
// the same factor, so rows and headings keep their spacing.
double FontScale() {
    const double points = QApplication::font().pointSizeF();
    return points > kDesign.fonts.programFont ? points / kDesign.fonts.programFont : 1.0;
}

QFont ResultFont(double points, bool bold, bool underline = false) {
    QFont font;
    font.setFamilies(ProgramFontFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points * FontScale());
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont FrameFont() {
    return ResultFont(kDesign.fonts.frameCaption, true);
}
QFont ListHeadingFont() {
    return ResultFont(kDesign.fonts.listHeading, true, true);
}
QFont PlanetNameFont() {
    return ResultFont(kDesign.fonts.planetName, true);
}
QFont GridHeadingFont() {
    return ResultFont(kDesign.fonts.gridHeading, true);
}
// The program's default font. Every attribute is set explicitly, so the label does not take
// the bold caption font of the frame it stands in.
QFont CellFont() {
    const QFont base = QApplication::font();
    QFont font;
    font.setFamilies(base.families().isEmpty() ? QStringList{base.family()} : base.families());
    font.setPointSizeF(base.pointSizeF());
    font.setWeight(base.weight());
    font.setItalic(base.italic());
    font.setUnderline(false);
    return font;
}

// A palette whose every role is set explicitly, so a child does not inherit the coloured text
// of the frame around it.
QPalette StandardPalette() {
    const QPalette base = QApplication::palette();
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setColor(g, r, base.color(g, r));
        }
    }
    return palette;
}

void PaintFrame(QGroupBox* frame, const QColor& captionColour) {
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, kFrameColour);
    // Group-box captions are drawn in the Text or WindowText colour depending on the style.
    palette.setColor(QPalette::WindowText, captionColour);
    palette.setColor(QPalette::Text, captionColour);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    frame->setFont(FrameFont());
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    return label;
}

int TextWidth(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text) + kTextPadding;
}

int LineHeight(const QFont& font) {
    return QFontMetrics(font).height() + kLineLeading;
}

// The longest text a list cell can hold: every other planet, joined.
int WidestListCell(const QFont& font) {
    int widest = 0;
    for (int row = 0; row < kPlanetCount; ++row) {
        QString joined;
        for (int other = 0; other < kPlanetCount; ++other) {
            if (other == row) {
                continue;
            }
            if (!joined.isEmpty()) {
                joined += Text(kListSeparator);
            }
            joined += Say(PlanetNames[other]);
        }
        widest = std::max(widest, TextWidth(font, joined));
    }
    return widest;
}

// The longest text of one column of the natural panel, which shows a fixed table. Only that panel
// fills the neutral column, so the column needs no more room than its longest list.
int WidestNaturalCell(const QFont& font, const std::array<PlanetList, kPlanetCount>& column) {
    int widest = 0;
    for (const PlanetList& list : column) {
        widest = std::max(widest, TextWidth(font, Text(ListText(list, WindowWords()))));
    }
    return widest;
}

int WidestPlanetName(const QFont& font) {
    int widest = 0;
    for (const Word name : PlanetNames) {
        widest = std::max(widest, TextWidth(font, Say(name)));
    }
    return widest;
}

// The buttons of a panel: at the design's button size, larger if the caption needs it.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(FrameFont());
    button->setPalette(StandardPalette());
    return button;
}

} // namespace

ResultPanels::ResultPanels(QWidget* parent) : QGroupBox(Say(kResultAreaTitle), parent) {
    setObjectName(QStringLiteral("fraResult_3"));
    PaintFrame(this, kAreaCaptionColour);
    const Twips twips(this, FontScale());

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TS"));
    tabs_->setFont(FrameFont());
    tabs_->setPalette(StandardPalette());
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    for (const Word caption : kResultTabCaptions) {
        tabs_->addTab(Say(caption));
    }

    listPanel_ = new QGroupBox(Say(kNaturalTitle), this);
    listPanel_->setObjectName(QStringLiteral("fraResult_0"));
    gridPanel_ = new QGroupBox(Say(kCompoundTitle), this);
    gridPanel_->setObjectName(QStringLiteral("fraResult_2"));
    for (QGroupBox* panel : {listPanel_, gridPanel_}) {
        PaintFrame(panel, kPanelTextColour);
    }
    buildListPanel();
    buildGridPanel();

    // Both panels share one rectangle, large enough for either; the buttons sit at its foot.
    const int contentBottom = std::max(listSize_.height(), gridSize_.height());
    const int panelWidth =
        std::max({twips.x(kDesign.frame.width), listSize_.width(), gridSize_.width()});
    int buttonHeight = twips.y(kDesign.buttonHeight);
    int buttonWidth = twips.x(kDesign.buttonWidth);
    const QString saveCaption = Say(KOVREL_WORD("ResultPanels", "&Save"));
    const QString backCaption = Say(KOVREL_WORD("ResultPanels", "&Back"));
    const QString chartCaption = Say(KOVREL_WORD("ResultPanels", "&Chart"));
    for (const QString& caption : {saveCaption, backCaption, chartCaption}) {
        QPushButton probe(caption);
        probe.setFont(FrameFont());
        buttonHeight = std::max(buttonHeight, probe.sizeHint().height());
        buttonWidth = std::max(buttonWidth, probe.sizeHint().width());
    }
    const int panelHeight = std::max(twips.y(kDesign.frame.height),
                                     contentBottom + twips.y(kDesign.buttonsBelowRows) +
                                         buttonHeight + twips.y(kDesign.buttonBottomRim));
    const int buttonTop = panelHeight - twips.y(kDesign.buttonBottomRim) - buttonHeight;
    const int backLeft = panelWidth - twips.x(kDesign.buttonRightRim) - buttonWidth;
    const int saveLeft = backLeft - twips.x(kDesign.buttonGap) - buttonWidth;
    for (int index : {0, 2}) {
        QWidget* panel = index == 0 ? static_cast<QWidget*>(listPanel_) : gridPanel_;
        auto* save = MakeButton(panel, QStringLiteral("cmdSave_%1").arg(index), saveCaption);
        auto* back = MakeButton(panel, QStringLiteral("cmdBack_%1").arg(index), backCaption);
        save->setGeometry(saveLeft, buttonTop, buttonWidth, buttonHeight);
        back->setGeometry(backLeft, buttonTop, buttonWidth, buttonHeight);
        // The chart button stands left of Save, outside the design's own pair.
        auto* chart = MakeButton(panel, QStringLiteral("cmdChart_%1").arg(index), chartCaption);
        chart->setGeometry(saveLeft - twips.x(kDesign.buttonGap) - buttonWidth, buttonTop,
                           buttonWidth, buttonHeight);
        // Tab runs left to right, as the buttons stand.
        QWidget::setTabOrder(chart, save);
        QWidget::setTabOrder(save, back);
        connect(chart, &QPushButton::clicked, this, &ResultPanels::chartRequested);
        connect(save, &QPushButton::clicked, this, &ResultPanels::saveRequested);
        connect(back, &QPushButton::clicked, this, &ResultPanels::backRequested);
    }

    // The tab headers run across the top, just under the caption; the panels start below them.
    const QSize tabSize = tabs_->sizeHint();
    const int captionHeight = LineHeight(FrameFont());
    const int tabTop = std::max(captionHeight, twips.y(kDesign.frame.top) - tabSize.height());
    tabs_->setGeometry(twips.x(kDesign.tabLeft), tabTop, tabSize.width(), tabSize.height());
    const int panelTop = std::max(twips.y(kDesign.frame.top), tabTop + tabSize.height());
    // The two panels lie on one rectangle; the one in front is the one seen.
    const int panelLeft = twips.x(kDesign.frame.left);
    listPanel_->setGeometry(panelLeft, panelTop, panelWidth, panelHeight);
    gridPanel_->setGeometry(panelLeft, panelTop, panelWidth, panelHeight);
    bringPanelToFront(listPanel_);
    designSize_ =
        QSize(std::max(twips.x(kDesign.area.width), panelWidth + twips.x(kDesign.areaRightRim())),
              std::max(twips.y(kDesign.area.height),
                       panelTop + panelHeight + twips.y(kDesign.areaBottomRim())));
    panelDesign_ = QSize(panelWidth, panelHeight);

    // The least the panels take: the wider of the two lists at their narrowest, the grid, and the
    // three buttons with a rim left of them; the rows with the buttons right under them.
    int leastWidth = std::max(gridSize_.width(),
                              panelWidth - (saveLeft - twips.x(kDesign.buttonGap) - buttonWidth) +
                                  listLeastSpaces_.front());
    for (const bool temporary : {false, true}) {
        int list = 0;
        for (int space : listLeastSpaces_) {
            list += space;
        }
        for (const LeastWidths& column : listLeastWidths_) {
            list += temporary ? column.temporary : column.natural;
        }
        leastWidth = std::max(leastWidth, list);
    }
    leastPanel_ = QSize(leastWidth, contentBottom + twips.y(kDesign.buttonsBelowRows) +
                                        buttonHeight + twips.y(kDesign.buttonBottomRim))
                      .boundedTo(panelDesign_);
    leastSize_ = (leastPanel_ + (designSize_ - panelDesign_))
                     .expandedTo(QSize(tabs_->geometry().right() + 1, 0))
                     .boundedTo(designSize_);

    const std::array<const std::array<QLabel*, kPlanetCount>*, 4> listCells = {
        &planetLabels_, &friendLabels_, &enemyLabels_, &neutralLabels_};
    const auto listColumnOf = [&](const QWidget* child) {
        for (std::size_t c = 0; c < listCells.size(); ++c) {
            if (child == listHeadings_[c] ||
                std::ranges::find(*listCells[c], child) != listCells[c]->end()) {
                return static_cast<int>(c);
            }
        }
        return -1;
    };
    for (std::size_t i = 0; i < placements_.size(); ++i) {
        PanelPlacement& placement = placements_[i];
        placement.panel = i == 0 ? listPanel_ : gridPanel_;
        for (QWidget* child : placement.panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QPushButton*>(child) != nullptr) {
                placement.buttons.push_back({child, child->geometry()});
                continue;
            }
            placement.contents.push_back(
                {child, child->geometry(), i == 0 ? listColumnOf(child) : -1});
            placement.contentBox |= child->geometry();
        }
    }

    // tabBarClicked comes with every click, also on the tab already selected, so a new reading
    // can be brought back to that tab; currentChanged covers the keyboard.
    // The tabs stand in the panels' order, so tab i shows panel i + 1.
    auto showTab = [this](int index) {
        if (index >= 0) {
            ShowRelationships(index + static_cast<int>(ResultPanel::Natural));
        }
    };
    connect(tabs_, &QTabBar::tabBarClicked, this, showTab);
    connect(tabs_, &QTabBar::currentChanged, this, showTab);
}

void ResultPanels::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    layOut();
}

void ResultPanels::layOut() {
    // The panels fill the area as it grows. Their texts keep the design's arrangement, centred
    // in the room there is, and the buttons keep their place at the bottom right. Below the
    // design's size the buttons move up and left with the panel's edge, and the list's columns
    // close up.
    const QSize panel = (size() - (designSize_ - panelDesign_)).expandedTo(leastPanel_);
    const QSize extra = panel - panelDesign_;
    const bool narrow = extra.width() < 0;
    std::array<std::pair<int, int>, 4> columns{};
    if (narrow) {
        columns = narrowListColumns(panel.width());
    }
    for (const PanelPlacement& placement : placements_) {
        placement.panel->resize(panel);
        // At the design's size nothing moves; with room to spare the texts move towards the
        // middle, never further than the panel has grown, nor, in a narrow panel, off its edge.
        const int centred =
            (panel.width() - placement.contentBox.width()) / 2 - placement.contentBox.left();
        const int room =
            narrow ? std::max(0, panel.width() - 1 - placement.contentBox.right()) : extra.width();
        const QPoint shift(std::clamp(centred, 0, room), std::max(extra.height(), 0) / 2);
        for (const Placed& placed : placement.contents) {
            QRect place = placed.design.translated(shift);
            if (narrow && placed.listColumn >= 0) {
                const auto [left, width] = columns[static_cast<std::size_t>(placed.listColumn)];
                place = QRect(left, place.top(), width, place.height());
            }
            placed.widget->setGeometry(place);
        }
        for (const Placed& placed : placement.buttons) {
            placed.widget->move(placed.design.topLeft() + QPoint(extra.width(), extra.height()));
        }
    }
}

std::array<std::pair<int, int>, 4> ResultPanels::narrowListColumns(int panelWidth) const {
    std::array<int, 4> widths{};
    int used = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        widths[c] = temporaryInFront_ ? listLeastWidths_[c].temporary : listLeastWidths_[c].natural;
        used += widths[c] + listLeastSpaces_[c];
    }
    used += listLeastSpaces_.back();
    // What the panel has beyond the least goes to the spaces, as the design shares them out.
    const int spare = std::max(0, panelWidth - used);
    int designSpaces = 0;
    for (int space : listDesignSpaces_) {
        designSpaces += space;
    }
    std::array<std::pair<int, int>, 4> columns{};
    int left = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        left += listLeastSpaces_[c] + spare * listDesignSpaces_[c] / std::max(designSpaces, 1);
        columns[c] = {left, widths[c]};
        left += widths[c];
    }
    return columns;
}

void ResultPanels::buildListPanel() {
    const Twips twips(this, FontScale());
    const QFont headingFont = ListHeadingFont();
    const QFont nameFont = PlanetNameFont();
    const QFont cellFont = CellFont();

    const std::array<QString, 4> headings = {Say(kPlanetHeading), Say(kFriendsHeading),
                                             Say(kEnemiesHeading), Say(kNeutralsHeading)};
    const int cellWidest = WidestListCell(cellFont);
    const RelationLists& natural = NaturalLists();
    const int neutralWidest = WidestNaturalCell(cellFont, natural.neutrals);
    const int nameWidest = WidestPlanetName(nameFont);
    // What each column must hold on the natural panel, and on the temporary one, whose cells may
    // name all six other planets and whose neutral column stays empty.
    const std::array<int, 4> naturalWidest = {
        nameWidest, WidestNaturalCell(cellFont, natural.friends),
        WidestNaturalCell(cellFont, natural.enemies), neutralWidest};
    const std::array<int, 4> temporaryWidest = {nameWidest, cellWidest, cellWidest, 0};

    const int headingTop = twips.y(kDesign.listHeadingTop);
    const int headingHeight = std::max(twips.y(kDesign.listHeadingHeight), LineHeight(headingFont));
    const int rowHeight =
        std::max({twips.y(kDesign.listRowHeight), LineHeight(nameFont), LineHeight(cellFont)});
    const int rowPitch = std::max(twips.y(kDesign.listRowPitch), rowHeight);
    const int firstRowTop =
        std::max(twips.y(kDesign.listFirstRowTop), headingTop + headingHeight + kListHeadingGap);

    int previousRight = 0;
    int previousDesignRight = 0;
    for (std::size_t c = 0; c < kDesign.listColumns.size(); ++c) {
        const ResultDesign::Column& column = kDesign.listColumns[c];
        const QString& text = headings[c];
        const int textWidest = c == 0 ? nameWidest : c == 3 ? neutralWidest : cellWidest;
        const int headingWidth = TextWidth(headingFont, text);
        const int needed = std::max(headingWidth, textWidest);
        const int width = std::max(twips.x(column.width), needed);
        listDesignSpaces_[c] = twips.x(c == 0 ? column.left : column.left - previousDesignRight);
        const int left = c == 0
                             ? listDesignSpaces_[c]
                             : std::max(twips.x(column.left), previousRight + listDesignSpaces_[c]);
        previousRight = left + width;
        previousDesignRight = column.left + column.width;
        listLeastWidths_[c] = {std::max(headingWidth, naturalWidest[c]),
                               std::max(headingWidth, temporaryWidest[c])};

        QLabel* heading = listHeadings_[c] = MakeLabel(
            listPanel_, QStringLiteral("lblLabels_%1").arg(column.headingIndex), headingFont);
        heading->setText(text);
        heading->setGeometry(left, headingTop, width, headingHeight);

        for (int row = 0; row < kPlanetCount; ++row) {
            QLabel* cell = nullptr;
            switch (c) {
            case 0:
                cell = planetLabels_[row] =
                    MakeLabel(listPanel_, QStringLiteral("lblLabels_%1").arg(row), nameFont);
                break;
            case 1:
                cell = friendLabels_[row] = MakeLabel(
                    listPanel_, QStringLiteral("lblResult_For_Friends_%1").arg(row), cellFont);
                break;
            case 2:
                cell = enemyLabels_[row] = MakeLabel(
                    listPanel_, QStringLiteral("lblResult_For_Enemies_%1").arg(row), cellFont);
                break;
            default:
                cell = neutralLabels_[row] = MakeLabel(
                    listPanel_, QStringLiteral("lblResult_For_Neutrals_%1").arg(row), cellFont);
                break;
            }
            cell->setGeometry(left, firstRowTop + rowPitch * row, width, rowHeight);
        }
    }
    listDesignSpaces_.back() = twips.x(kDesign.listRightRim());
    // Closed up, the spaces keep half their width.
    for (std::size_t i = 0; i < listLeastSpaces_.size(); ++i) {
        listLeastSpaces_[i] = listDesignSpaces_[i] / 2;
    }
    listSize_ = QSize(
        std::max(twips.x(kDesign.frame.width), previousRight + twips.x(kDesign.listRightRim())),
        firstRowTop + rowPitch * (kPlanetCount - 1) + rowHeight);
}

void ResultPanels::buildGridPanel() {
    const Twips twips(this, FontScale());
    const QFont headingFont = GridHeadingFont();
    const QFont cellFont = CellFont();

    int cellNeeded = WidestPlanetName(headingFont);
    for (const Word text : kCompoundTexts) {
        cellNeeded = std::max(cellNeeded, TextWidth(cellFont, Say(text)));
    }
    const int rowHeadingLeft = twips.x(kDesign.gridRowHeading.left);
    const int rowHeadingWidth =
        std::max(twips.x(kDesign.gridRowHeading.width), WidestPlanetName(headingFont));
    const int firstColumnLeft =
        std::max(twips.x(kDesign.gridCell.left),
                 rowHeadingLeft + rowHeadingWidth + twips.x(kDesign.gridHeadingGap()));
    const int cellWidth = std::max(twips.x(kDesign.gridCell.width), cellNeeded);
    const int columnPitch = cellWidth + twips.x(kDesign.gridColumnGap());

    const int headingTop = twips.y(kDesign.gridColumnHeading.top);
    const int headingHeight =
        std::max(twips.y(kDesign.gridColumnHeading.height), LineHeight(headingFont));
    const int cellHeight = std::max(twips.y(kDesign.gridCell.height), LineHeight(cellFont));
    const int rowHeight = std::max(cellHeight, headingHeight);
    const int rowPitch = std::max(twips.y(kDesign.gridRowPitch), rowHeight + kGridRowGap);
    const int firstRowTop =
        std::max(twips.y(kDesign.gridCell.top), headingTop + headingHeight + kGridHeadingGap);

    for (int i = 0; i < kPlanetCount; ++i) {
        columnHeadings_[i] = MakeLabel(gridPanel_, QStringLiteral("lblLabelsColumn_%1").arg(i),
                                       headingFont, Qt::AlignCenter);
        columnHeadings_[i]->setGeometry(firstColumnLeft + columnPitch * i, headingTop, cellWidth,
                                        headingHeight);
        rowHeadings_[i] =
            MakeLabel(gridPanel_, QStringLiteral("lblLabelsRow_%1").arg(i), headingFont);
        rowHeadings_[i]->setGeometry(rowHeadingLeft, firstRowTop + rowPitch * i, rowHeadingWidth,
                                     rowHeight);
    }
    for (int r = 0; r < kPlanetCount; ++r) {
        for (int c = 0; c < kPlanetCount; ++c) {
            const int n = kPlanetCount * r + c;
            compoundCells_[n] = MakeLabel(gridPanel_, QStringLiteral("lblCompound_%1").arg(n),
                                          cellFont, Qt::AlignCenter);
            compoundCells_[n]->setGeometry(firstColumnLeft + columnPitch * c,
                                           firstRowTop + rowPitch * r, cellWidth, rowHeight);
        }
    }
    MakeAccessibleGrid(gridPanel_, {rowHeadings_.begin(), rowHeadings_.end()},
                       {columnHeadings_.begin(), columnHeadings_.end()},
                       {compoundCells_.begin(), compoundCells_.end()});
    gridSize_ = QSize(firstColumnLeft + columnPitch * (kPlanetCount - 1) + cellWidth +
                          twips.x(kDesign.gridRightRim),
                      firstRowTop + rowPitch * (kPlanetCount - 1) + rowHeight);
}

void ResultPanels::bringToFront() {
    // The area may stand on a page of its own inside the window's stack of panels.
    for (QWidget* page = this; page->parentWidget() != nullptr; page = page->parentWidget()) {
        if (auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget())) {
            stack->setCurrentWidget(page);
            return;
        }
    }
    raise();
}

void ResultPanels::bringPanelToFront(QWidget* panel) {
    QWidget* behind = panel == listPanel_ ? static_cast<QWidget*>(gridPanel_) : listPanel_;
    behind->hide();
    panel->show();
    panel->raise();
}

void ResultPanels::showRelationships(const Relationships& relationships) {
    relationships_ = relationships;
}

void ResultPanels::ShowRelationships(int panel) {
    switch (panel) {
    case static_cast<int>(ResultPanel::Temporary):
        ShowRelationships(ResultPanel::Temporary);
        break;
    case static_cast<int>(ResultPanel::Compound):
        ShowRelationships(ResultPanel::Compound);
        break;
    default:
        ShowRelationships(ResultPanel::Natural);
        break;
    }
}

void ResultPanels::ShowRelationships(ResultPanel panel) {
    bringToFront();
    shown_ = panel;

    for (int i = 0; i < kPlanetCount; ++i) {
        const QString name = Say(PlanetNames[i]);
        planetLabels_[i]->setText(name);
        friendLabels_[i]->clear();
        enemyLabels_[i]->clear();
        neutralLabels_[i]->clear();
        rowHeadings_[i]->setText(name);
        columnHeadings_[i]->setText(name);
    }

    // In a narrow area the list's columns close up differently for the two lists.
    temporaryInFront_ = panel == ResultPanel::Temporary;
    layOut();
    if (panel == ResultPanel::Temporary) {
        listPanel_->setTitle(Say(kTemporaryTitle));
        const RelationLists& lists = relationships_.temporary;
        for (int i = 0; i < kPlanetCount; ++i) {
            friendLabels_[i]->setText(Text(ListText(lists.friends[i], WindowWords())));
            enemyLabels_[i]->setText(Text(ListText(lists.enemies[i], WindowWords())));
            // The temporary relation knows no neutrals: that column stays empty.
        }
        bringPanelToFront(listPanel_);
    } else if (panel == ResultPanel::Compound) {
        gridPanel_->setTitle(Say(kCompoundTitle));
        int n = 0;
        for (int r = 0; r < kPlanetCount; ++r) {
            for (int c = 0; c < kPlanetCount; ++c) {
                const CompoundKind relation = relationships_.compound[r][c];
                compoundCells_[n]->setText(Text(CompoundText(relation, WindowWords())));
                // The white text stays; the background tells the five relations apart at a
                // glance, on a scale readable for colour-blind readers too.
                const Rgb background = CompoundBackground(relation);
                QPalette palette = compoundCells_[n]->palette();
                palette.setColor(QPalette::Window,
                                 QColor(background.red, background.green, background.blue));
                compoundCells_[n]->setPalette(palette);
                compoundCells_[n]->setAutoFillBackground(true);
                ++n;
            }
        }
        bringPanelToFront(gridPanel_);
    } else {
        listPanel_->setTitle(Say(kNaturalTitle));
        const RelationLists& lists = relationships_.natural;
        for (int i = 0; i < kPlanetCount; ++i) {
            friendLabels_[i]->setText(Text(ListText(lists.friends[i], WindowWords())));
            enemyLabels_[i]->setText(Text(ListText(lists.enemies[i], WindowWords())));
            neutralLabels_[i]->setText(Text(ListText(lists.neutrals[i], WindowWords())));
        }
        bringPanelToFront(listPanel_);
    }

    // Each row of the list panel read out as one sentence from its planet's label.
    for (int i = 0; i < kPlanetCount; ++i) {
        planetLabels_[i]->setAccessibleName(Text(RowSentence(
            Utf8(planetLabels_[i]->text()), Utf8(friendLabels_[i]->text()),
            Utf8(enemyLabels_[i]->text()), Utf8(neutralLabels_[i]->text()), WindowWords())));
    }
}

} // namespace kovrel
