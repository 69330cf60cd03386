// The result area after the New Delhi birth is typed into the real controls and calculated: the
// whole reading on all three tabs, tab clicks, Back, a second calculation, and the area's look.
#include "GuiFixture.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QPalette>

namespace kovrel::test {
namespace {

// The cells of the list panel as shown.
struct ListCells {
    std::array<std::string, kPlanetCount> friends;
    std::array<std::string, kPlanetCount> enemies;
    std::array<std::string, kPlanetCount> neutrals;
};

ListCells CellsOf(const RelationLists& lists) {
    ListCells cells;
    for (std::size_t i = 0; i < kPlanetCount; ++i) {
        cells.friends[i] = ListText(lists.friends[i]);
        cells.enemies[i] = ListText(lists.enemies[i]);
        cells.neutrals[i] = ListText(lists.neutrals[i]);
    }
    return cells;
}

// What the three tabs show for one reading.
struct Shown {
    ListCells natural;
    ListCells temporary;
    CompoundTable grid;
};

// Natural lists in table order; temporary lists counted house by house from each row planet
// (Sun Pis, Moon Lib, Mercury Aqu, Venus Cap, Mars Cap, Jupiter Gem, Saturn Sag).
const Shown kAnnShown = {
    {{"Moon/ Mars/ Jupiter", "Sun/ Mercury", "Sun/ Venus", "Mercury/ Saturn", "Sun/ Moon/ Jupiter",
      "Sun/ Moon/ Mars", "Mercury/ Venus"},
     {"Venus/ Saturn", "", "Moon", "Sun/ Moon", "Mercury", "Mercury/ Venus", "Sun/ Moon/ Mars"},
     {"Mercury", "Mars/ Jupiter/ Venus/ Saturn", "Mars/ Jupiter/ Saturn", "Mars/ Jupiter",
      "Venus/ Saturn", "Saturn", "Jupiter"}},
    {{"Jupiter/ Saturn/ Venus/ Mars/ Mercury", "Saturn/ Venus/ Mars", "Sun/ Saturn/ Venus/ Mars",
      "Mercury/ Sun/ Moon/ Saturn", "Mercury/ Sun/ Moon/ Saturn", "Sun",
      "Venus/ Mars/ Mercury/ Sun/ Moon"},
     {"Moon", "Mercury/ Sun/ Jupiter", "Jupiter/ Moon", "Jupiter", "Jupiter",
      "Moon/ Saturn/ Venus/ Mars/ Mercury", "Jupiter"},
     {}},
    kAnnCompound};

class ResultPanelsTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(calculateNewDelhi());
    }

    QString caption(const char* panel) const { return get<QGroupBox>(panel).title(); }
    std::string text(const QString& name) const { return label(name).toStdString(); }

    // The panel in front of the result area, its caption and every cell, for tab 0, 1 or 2.
    void expectTab(int tab, const Shown& expected) const {
        SCOPED_TRACE(testing::Message() << "tab " << tab);
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(text(QString("lblLabels_%1").arg(i)), PlanetNames[i].text());
            EXPECT_EQ(text(QString("lblLabelsRow_%1").arg(i)), PlanetNames[i].text());
            EXPECT_EQ(text(QString("lblLabelsColumn_%1").arg(i)), PlanetNames[i].text());
        }
        if (tab == 2) {
            EXPECT_EQ(frontResultPanel(), "fraResult_2");
            EXPECT_EQ(caption("fraResult_2"), "Compound Relationship");
            for (int n = 0; n < 49; ++n) {
                EXPECT_EQ(text(QString("lblCompound_%1").arg(n)),
                          CompoundText(expected.grid[n / 7][n % 7]))
                    << "row " << n / 7 << " column " << n % 7;
            }
            return;
        }
        EXPECT_EQ(frontResultPanel(), "fraResult_0");
        EXPECT_EQ(caption("fraResult_0"),
                  tab == 1 ? "Temporary Relationship" : "Natural Relationship");
        const ListCells& lists = tab == 1 ? expected.temporary : expected.natural;
        for (int row = 0; row < 7; ++row) {
            EXPECT_EQ(text(QString("lblResult_For_Friends_%1").arg(row)), lists.friends[row]);
            EXPECT_EQ(text(QString("lblResult_For_Enemies_%1").arg(row)), lists.enemies[row]);
            EXPECT_EQ(text(QString("lblResult_For_Neutrals_%1").arg(row)), lists.neutrals[row]);
        }
    }
};

TEST_F(ResultPanelsTest, NewDelhiReadingOnEveryTabClickedBackAndForth) {
    EXPECT_EQ(window->session().reading.PlanetPlacements, kAnnPlacements);
    EXPECT_EQ(frontPanel(), "fraResult_3");
    EXPECT_EQ(caption("fraResult_3"), "Kovrel Result");
    expectTab(0, kAnnShown);
    // Names never accumulate, and the tab already selected still shows its panel.
    for (int round = 0; round < 3; ++round) {
        for (int tab : {1, 0, 2, 2}) {
            clickTab(tab);
            expectTab(tab, kAnnShown);
        }
    }
}

TEST_F(ResultPanelsTest, BackKeepsTheEntryAndANewCalculationShowsTheNaturalPanel) {
    const EntryForm before = window->entry();
    click("cmdBack_0");
    EXPECT_EQ(frontPanel(), "fraMain");
    EXPECT_EQ(window->entry(), before);
    click("cmdCalculate");
    clickTab(2);
    ASSERT_EQ(get<QTabBar>("TS").currentIndex(), 2);
    click("cmdBack_2");
    EXPECT_EQ(frontPanel(), "fraMain");
    EXPECT_EQ(window->entry(), before);

    click("cmdCalculate");
    EXPECT_EQ(frontPanel(), "fraResult_3");
    EXPECT_EQ(frontResultPanel(), "fraResult_0");
    EXPECT_EQ(get<QTabBar>("TS").currentIndex(), 2) << "the program never changes the selection";
    // A click on the tab still marked selected brings its panel back.
    clickTab(2);
    EXPECT_EQ(frontResultPanel(), "fraResult_2");
}

TEST_F(ResultPanelsTest, TabRunsChartSaveBackAsTheButtonsStand) {
    for (const char* panel : {"0", "2"}) {
        QWidget& chart = get<QWidget>(QStringLiteral("cmdChart_") + panel);
        QWidget& save = get<QWidget>(QStringLiteral("cmdSave_") + panel);
        ASSERT_LT(chart.x(), save.x());
        EXPECT_EQ(chart.nextInFocusChain(), &save) << panel;
        EXPECT_EQ(save.nextInFocusChain(), &get<QWidget>(QStringLiteral("cmdBack_") + panel));
    }
}

TEST_F(ResultPanelsTest, SecondCalculationReplacesEveryCell) {
    clickTab(2);
    click("cmdBack_2");
    choose("cboYear", "2021");
    choose("cboMonth", "July");
    choose("cboDate", "4");
    click("cmdCalculate");
    const Placements placements = window->session().reading.PlanetPlacements;
    const Shown second = {CellsOf(NaturalLists()), CellsOf(TemporaryLists(placements)),
                          ComputeRelationships(placements)};
    ASSERT_NE(second.grid, kAnnCompound) << "the second chart shows a different grid";
    EXPECT_EQ(window->session().reading.relationships.compound, second.grid);
    for (int tab : {0, 1, 2}) {
        clickTab(tab);
        expectTab(tab, second);
    }
}

TEST_F(ResultPanelsTest, ColoursFontsAndHeadings) {
    for (const char* frame : {"fraResult_3", "fraResult_0", "fraResult_2"}) {
        SCOPED_TRACE(frame);
        const auto& box = get<QGroupBox>(frame);
        EXPECT_TRUE(box.autoFillBackground());
        EXPECT_EQ(box.palette().color(QPalette::Window), QColor(96, 148, 73));
        EXPECT_EQ(box.palette().color(QPalette::WindowText),
                  frame == std::string_view("fraResult_3") ? QColor(0, 255, 255)
                                                           : QColor(Qt::white));
        EXPECT_TRUE(box.font().bold());
        EXPECT_DOUBLE_EQ(box.font().pointSizeF(), 8.25);
        EXPECT_EQ(box.font().families().value(0), "Verdana");
    }
    for (const QLabel* each : get<QWidget>("fraResult_3").findChildren<QLabel*>()) {
        EXPECT_EQ(each->palette().color(QPalette::WindowText), QColor(Qt::white))
            << each->objectName().toStdString();
    }
    const QFont heading = get<QLabel>("lblLabels_22").font();
    EXPECT_TRUE(heading.bold() && heading.underline());
    EXPECT_DOUBLE_EQ(heading.pointSizeF(), 9.0);
    const QFont gridHeading = get<QLabel>("lblLabelsRow_3").font();
    EXPECT_TRUE(gridHeading.bold() && !gridHeading.underline());
    EXPECT_DOUBLE_EQ(gridHeading.pointSizeF(), 9.0);

    EXPECT_EQ(QStringList({label("lblLabels_21"), label("lblLabels_22"), label("lblLabels_24"),
                           label("lblLabels_23")}),
              QStringList({"Planet", "Friends (mitra)", "Enemies (satru)", "Neutral (sama)"}));
    // The enemies column stands left of the neutral column.
    EXPECT_LT(get<QLabel>("lblLabels_24").x(), get<QLabel>("lblLabels_23").x());
    const auto& tabs = get<QTabBar>("TS");
    EXPECT_EQ(
        QStringList({tabs.tabText(0), tabs.tabText(1), tabs.tabText(2)}),
        QStringList({"Natural (Naisargika)", "Temporary (Tatkalika)", "Compound (Panchadha)"}));
    EXPECT_EQ(tabs.count(), 3);
}

// With the longest lists of this reading on screen, no label clips its text, leaves its panel or
// overlaps another.
TEST_F(ResultPanelsTest, NoLabelClipsOrOverlaps) {
    for (int tab : {1, 0, 2}) {
        clickTab(tab);
        for (const char* panel : {"fraResult_0", "fraResult_2"}) {
            const QRect area = get<QWidget>(panel).rect();
            const auto labels = get<QWidget>(panel).findChildren<QLabel*>();
            for (const QLabel* each : labels) {
                SCOPED_TRACE(testing::Message()
                             << "tab " << tab << ", " << each->objectName().toStdString() << " '"
                             << each->text().toStdString() << "'");
                const QFontMetrics metrics(each->font());
                EXPECT_LE(metrics.horizontalAdvance(each->text()), each->width());
                EXPECT_LE(metrics.height(), each->height());
                EXPECT_TRUE(area.contains(each->geometry()));
                for (const QLabel* other : labels) {
                    EXPECT_TRUE(other == each || !each->geometry().intersects(other->geometry()))
                        << "overlaps " << other->objectName().toStdString();
                }
            }
        }
    }
}

} // namespace
} // namespace kovrel::test
