// The result area after a calculation typed into the real controls: the New Delhi birth read on
// all three tabs, tab clicks, captions, and a second calculation.
#include "GuiFixture.h"

#include "positions/Placements.h"
#include "relationships/RelationshipRules.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QPalette>
#include <QTabBar>

#include <array>

namespace kovrel::test {
namespace {

using Row = std::array<const char*, 7>;

QString PlanetName(int index) {
    return QString::fromStdString(std::string(PlanetNames[index]));
}

class ResultPanelsTest : public MainWindowFixture {
  protected:
    void calculateNewDelhi() {
        typeNewDelhiBirth();
        click(QStringLiteral("cmdCalculate"));
        ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text.toStdString();
    }

    void clickTab(int index) {
        auto& tabs = get<QTabBar>(QStringLiteral("TS"));
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(index).center());
    }

    QString listCell(const char* column, int row) const {
        return label(QStringLiteral("lblResult_For_%1_%2").arg(QLatin1String(column)).arg(row));
    }

    QString panelCaption(const char* name) const {
        return get<QGroupBox>(QLatin1String(name)).title();
    }

    // The three list columns, rows Sun to Saturn.
    void expectLists(const Row& friends, const Row& enemies, const Row& neutrals) const {
        for (int row = 0; row < 7; ++row) {
            EXPECT_EQ(label(QStringLiteral("lblLabels_%1").arg(row)), PlanetName(row));
            EXPECT_EQ(listCell("Friends", row), QLatin1String(friends[row])) << "row " << row;
            EXPECT_EQ(listCell("Enemies", row), QLatin1String(enemies[row])) << "row " << row;
            EXPECT_EQ(listCell("Neutrals", row), QLatin1String(neutrals[row])) << "row " << row;
        }
    }
};

const Row kNaturalFriends = {"Moon/ Mars/ Jupiter", "Sun/ Mercury",       "Sun/ Venus",
                             "Mercury/ Saturn",     "Sun/ Moon/ Jupiter", "Sun/ Moon/ Mars",
                             "Mercury/ Venus"};
const Row kNaturalEnemies = {"Venus/ Saturn",  "", "Moon", "Sun/ Moon", "Mercury", "Mercury/ Venus",
                             "Sun/ Moon/ Mars"};
const Row kNaturalNeutrals = {"Mercury",
                              "Mars/ Jupiter/ Venus/ Saturn",
                              "Mars/ Jupiter/ Saturn",
                              "Mars/ Jupiter",
                              "Venus/ Saturn",
                              "Saturn",
                              "Jupiter"};

// Signs Sun Pis, Moon Lib, Mercury Aqu, Venus Cap, Mars Cap, Jupiter Gem, Saturn Sag, counted
// house by house from each row planet.
const Row kTemporaryFriends = {"Jupiter/ Saturn/ Venus/ Mars/ Mercury",
                               "Saturn/ Venus/ Mars",
                               "Sun/ Saturn/ Venus/ Mars",
                               "Mercury/ Sun/ Moon/ Saturn",
                               "Mercury/ Sun/ Moon/ Saturn",
                               "Sun",
                               "Venus/ Mars/ Mercury/ Sun/ Moon"};
const Row kTemporaryEnemies = {"Moon",          "Mercury/ Sun/ Jupiter",
                               "Jupiter/ Moon", "Jupiter",
                               "Jupiter",       "Moon/ Saturn/ Venus/ Mars/ Mercury",
                               "Jupiter"};
const Row kEmptyRow = {"", "", "", "", "", "", ""};

constexpr const char* N = "Neutral";
constexpr const char* F = "Friend";
constexpr const char* GF = "Great Friend";
constexpr const char* E = "Enemy";
constexpr const char* GE = "Great Enemy";
const std::array<Row, 7> kCompoundGrid = {{
    {N, N, F, N, GF, GF, N},  // Sun
    {N, N, N, F, F, E, F},    // Moon
    {GF, GE, N, GF, F, E, F}, // Mercury
    {N, N, GF, N, N, E, GF},  // Venus
    {GF, GF, N, N, N, N, F},  // Mars
    {GF, N, GE, GE, N, N, E}, // Jupiter
    {N, N, GF, GF, N, E, N},  // Saturn
}};

TEST_F(ResultPanelsTest, NewDelhiBirthPlacesThePlanetsInTheExpectedSigns) {
    calculateNewDelhi();
    const std::array<const char*, 7> signs = {"Pis", "Lib", "Aqu", "Cap", "Cap", "Gem", "Sag"};
    for (int planet = 0; planet < 7; ++planet) {
        const std::string& placement = window->session().reading.PlanetPlacements[planet];
        ASSERT_EQ(placement.size(), 9u) << placement;
        EXPECT_EQ(placement.substr(3, 3), signs[planet]) << PlanetNames[planet];
    }
}

TEST_F(ResultPanelsTest, CalculationShowsTheNaturalPanelInFrontOfTheEntry) {
    EXPECT_EQ(frontPanel(), QStringLiteral("fraMain"));
    calculateNewDelhi();
    EXPECT_EQ(frontPanel(), QStringLiteral("fraResult_3"));
    EXPECT_EQ(frontResultPanel(), QStringLiteral("fraResult_0"));
    EXPECT_EQ(panelCaption("fraResult_0"), QStringLiteral("Natural Relationship"));
    EXPECT_EQ(panelCaption("fraResult_3"), QStringLiteral("Kovrel Result"));
    expectLists(kNaturalFriends, kNaturalEnemies, kNaturalNeutrals);
}

TEST_F(ResultPanelsTest, TemporaryTabListsFriendsAndEnemiesInHouseOrder) {
    calculateNewDelhi();
    clickTab(1);
    EXPECT_EQ(frontResultPanel(), QStringLiteral("fraResult_0"));
    EXPECT_EQ(panelCaption("fraResult_0"), QStringLiteral("Temporary Relationship"));
    expectLists(kTemporaryFriends, kTemporaryEnemies, kEmptyRow);
}

TEST_F(ResultPanelsTest, CompoundTabShowsTheWholeGrid) {
    calculateNewDelhi();
    clickTab(2);
    EXPECT_EQ(frontResultPanel(), QStringLiteral("fraResult_2"));
    EXPECT_EQ(panelCaption("fraResult_2"), QStringLiteral("Compound Relationship"));
    for (int i = 0; i < 7; ++i) {
        const QString name = PlanetName(i);
        EXPECT_EQ(label(QStringLiteral("lblLabelsRow_%1").arg(i)), name);
        EXPECT_EQ(label(QStringLiteral("lblLabelsColumn_%1").arg(i)), name);
    }
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 7; ++c) {
            EXPECT_EQ(label(QStringLiteral("lblCompound_%1").arg(7 * r + c)),
                      QLatin1String(kCompoundGrid[r][c]))
                << "row " << r << " column " << c;
        }
        EXPECT_EQ(label(QStringLiteral("lblCompound_%1").arg(8 * r)), QStringLiteral("Neutral"));
    }
}

TEST_F(ResultPanelsTest, TabClicksBackAndForthNeverAccumulateNames) {
    calculateNewDelhi();
    for (int round = 0; round < 3; ++round) {
        clickTab(1);
        clickTab(0);
        clickTab(2);
        clickTab(2); // the tab already selected still shows its panel
    }
    EXPECT_EQ(frontResultPanel(), QStringLiteral("fraResult_2"));
    clickTab(1);
    expectLists(kTemporaryFriends, kTemporaryEnemies, kEmptyRow);
    clickTab(0);
    EXPECT_EQ(panelCaption("fraResult_0"), QStringLiteral("Natural Relationship"));
    expectLists(kNaturalFriends, kNaturalEnemies, kNaturalNeutrals);
}

TEST_F(ResultPanelsTest, NewCalculationShowsTheNaturalPanelWhateverTabIsSelected) {
    calculateNewDelhi();
    clickTab(2);
    auto& tabs = get<QTabBar>(QStringLiteral("TS"));
    ASSERT_EQ(tabs.currentIndex(), 2);
    click(QStringLiteral("cmdBack_2"));
    EXPECT_EQ(frontPanel(), QStringLiteral("fraMain"));
    click(QStringLiteral("cmdCalculate"));
    EXPECT_EQ(frontPanel(), QStringLiteral("fraResult_3"));
    EXPECT_EQ(frontResultPanel(), QStringLiteral("fraResult_0"));
    EXPECT_EQ(tabs.currentIndex(), 2) << "the program never changes the tab selection";
    // A click on the tab still marked selected brings its panel back.
    clickTab(2);
    EXPECT_EQ(frontResultPanel(), QStringLiteral("fraResult_2"));
}

TEST_F(ResultPanelsTest, BackButtonsReturnToTheEntryWithItsContents) {
    calculateNewDelhi();
    const EntryForm before = window->entry();
    click(QStringLiteral("cmdBack_0"));
    EXPECT_EQ(frontPanel(), QStringLiteral("fraMain"));
    EXPECT_EQ(window->entry(), before);
    click(QStringLiteral("cmdCalculate"));
    clickTab(2);
    click(QStringLiteral("cmdBack_2"));
    EXPECT_EQ(frontPanel(), QStringLiteral("fraMain"));
    EXPECT_EQ(window->entry(), before);
}

TEST_F(ResultPanelsTest, SecondCalculationReplacesEveryCell) {
    calculateNewDelhi();
    clickTab(2);
    std::array<QString, 49> firstGrid;
    for (int n = 0; n < 49; ++n) {
        firstGrid[n] = label(QStringLiteral("lblCompound_%1").arg(n));
    }
    const Placements firstPlacements = window->session().reading.PlanetPlacements;

    click(QStringLiteral("cmdBack_2"));
    choose(QStringLiteral("cboYear"), QStringLiteral("2021"));
    choose(QStringLiteral("cboMonth"), QStringLiteral("July"));
    choose(QStringLiteral("cboDate"), QStringLiteral("4"));
    click(QStringLiteral("cmdCalculate"));
    const Placements placements = window->session().reading.PlanetPlacements;
    ASSERT_NE(placements, firstPlacements);

    // Every cell on every tab shows the relations of the second chart.
    const RelationLists natural = NaturalLists();
    const RelationLists temporary = TemporaryLists(placements);
    const CompoundTable grid = ComputeRelationships(placements);
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(listCell("Friends", row).toStdString(), natural.friends[row]);
        EXPECT_EQ(listCell("Enemies", row).toStdString(), natural.enemies[row]);
        EXPECT_EQ(listCell("Neutrals", row).toStdString(), natural.neutrals[row]);
    }
    clickTab(1);
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(listCell("Friends", row).toStdString(), temporary.friends[row]);
        EXPECT_EQ(listCell("Enemies", row).toStdString(), temporary.enemies[row]);
        EXPECT_EQ(listCell("Neutrals", row), QString());
    }
    clickTab(2);
    int changed = 0;
    for (int n = 0; n < 49; ++n) {
        const QString cell = label(QStringLiteral("lblCompound_%1").arg(n));
        EXPECT_EQ(cell.toStdString(), grid[n / 7][n % 7]) << "cell " << n;
        changed += cell != firstGrid[n] ? 1 : 0;
    }
    EXPECT_GT(changed, 0) << "the second chart shows a different grid";
    EXPECT_EQ(window->session().reading.CompoundRelationships, grid);
}

// The area's look: colours, fonts, and every text fitting its label without overlap.
TEST_F(ResultPanelsTest, ResultAreaColoursAndFonts) {
    calculateNewDelhi();
    const QColor green(96, 148, 73);
    for (const char* frame : {"fraResult_3", "fraResult_0", "fraResult_2"}) {
        auto& box = get<QGroupBox>(QLatin1String(frame));
        EXPECT_TRUE(box.autoFillBackground()) << frame;
        EXPECT_EQ(box.palette().color(QPalette::Window), green) << frame;
        EXPECT_TRUE(box.font().bold()) << frame;
        EXPECT_DOUBLE_EQ(box.font().pointSizeF(), 8.25) << frame;
        EXPECT_EQ(box.font().families().value(0), QStringLiteral("Verdana")) << frame;
    }
    EXPECT_EQ(get<QGroupBox>(QStringLiteral("fraResult_3")).palette().color(QPalette::WindowText),
              QColor(0, 255, 255));
    for (QLabel* label : get<QWidget>(QStringLiteral("fraResult_3")).findChildren<QLabel*>()) {
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white))
            << label->objectName().toStdString();
    }
    const QFont heading = get<QLabel>(QStringLiteral("lblLabels_22")).font();
    EXPECT_TRUE(heading.bold() && heading.underline());
    EXPECT_DOUBLE_EQ(heading.pointSizeF(), 9.0);
    const QFont gridHeading = get<QLabel>(QStringLiteral("lblLabelsRow_3")).font();
    EXPECT_TRUE(gridHeading.bold() && !gridHeading.underline());
    EXPECT_DOUBLE_EQ(gridHeading.pointSizeF(), 9.0);
    EXPECT_EQ(get<QLabel>(QStringLiteral("lblLabels_21")).text(), QStringLiteral("Planet"));
    EXPECT_EQ(get<QLabel>(QStringLiteral("lblLabels_22")).text(),
              QStringLiteral("Friends (mitra)"));
    EXPECT_EQ(get<QLabel>(QStringLiteral("lblLabels_23")).text(), QStringLiteral("Neutral (sama)"));
    EXPECT_EQ(get<QLabel>(QStringLiteral("lblLabels_24")).text(),
              QStringLiteral("Enemies (satru)"));
    // The enemies column stands left of the neutral column.
    EXPECT_LT(get<QLabel>(QStringLiteral("lblLabels_24")).x(),
              get<QLabel>(QStringLiteral("lblLabels_23")).x());
    auto& tabs = get<QTabBar>(QStringLiteral("TS"));
    ASSERT_EQ(tabs.count(), 3);
    EXPECT_EQ(tabs.tabText(0), QStringLiteral("Natural (Naisargika)"));
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("Temporary (Tatkalika)"));
    EXPECT_EQ(tabs.tabText(2), QStringLiteral("Compound (Panchadha)"));
}

// With the longest lists of this reading on screen, no label clips its text and no two labels
// of a panel overlap.
TEST_F(ResultPanelsTest, NoLabelClipsOrOverlaps) {
    calculateNewDelhi();
    for (int tab : {1, 0, 2}) {
        clickTab(tab);
        for (const char* panel : {"fraResult_0", "fraResult_2"}) {
            const auto labels = get<QWidget>(QLatin1String(panel)).findChildren<QLabel*>();
            for (const QLabel* label : labels) {
                const QFontMetrics metrics(label->font());
                EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
                    << label->objectName().toStdString() << " '" << label->text().toStdString()
                    << "'";
                EXPECT_LE(metrics.height(), label->height()) << label->objectName().toStdString();
                const QRect area = get<QWidget>(QLatin1String(panel)).rect();
                EXPECT_TRUE(area.contains(label->geometry()))
                    << label->objectName().toStdString() << " at " << label->x() << ","
                    << label->y() << " " << label->width() << "x" << label->height() << " outside "
                    << area.width() << "x" << area.height();
                for (const QLabel* other : labels) {
                    if (other != label) {
                        EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                            << label->objectName().toStdString() << " overlaps "
                            << other->objectName().toStdString();
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace kovrel::test
