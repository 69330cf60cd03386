// Sizes: the window grows and shrinks to what small screens allow, the result area grows with it,
// the about box shows its whole text at every usual system font size, and a large font scales
// the result area's faces together.
#include "GuiFixture.h"
#include "desktop/gui/AboutBox.h"
#include "relationships/gui/ResultPanels.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <vector>

namespace kovrel::test {
namespace {

// The system font for the length of one test.
class SystemFont {
  public:
    explicit SystemFont(double points) : saved_(QApplication::font()) {
        QFont font = saved_;
        font.setPointSizeF(points);
        QApplication::setFont(font);
    }
    ~SystemFont() { QApplication::setFont(saved_); }
    SystemFont(const SystemFont&) = delete;
    SystemFont& operator=(const SystemFont&) = delete;

  private:
    QFont saved_;
};

// Whether the whole of a widget lies inside the top-level window that holds it.
bool InsideItsWindow(const QWidget& widget) {
    const QRect inWindow(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
    return widget.window()->rect().contains(inWindow);
}

// Screens usable for a window: 1366 x 768 at 100 % and 1920 x 1080 at 200 % (960 x 540 device
// independent pixels), each less a title bar and a panel of about 40 pixels.
constexpr int kSmallScreenWidth = 1366;
constexpr int kSmallScreenHeight = 768 - 80;
constexpr int kScaledScreenWidth = 960;
constexpr int kScaledScreenHeight = 540 - 40;

using WindowSizeTest = MainWindowFixture;

TEST_F(WindowSizeTest, SmallestWindowFitsSmallAndScaledScreens) {
    const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize());
    EXPECT_LE(smallest.width(), kSmallScreenWidth);
    EXPECT_LE(smallest.height(), kSmallScreenHeight);
    // At 200 % Qt lays out in device-independent pixels, so the same figures must fit half the
    // screen; the text metrics do not change with the scale factor.
    EXPECT_LE(smallest.width(), kScaledScreenWidth);
    EXPECT_LE(smallest.height(), kScaledScreenHeight);
    EXPECT_NE(window->maximumSize(), window->minimumSize());
}

TEST_F(WindowSizeTest, ResultAreaGrowsWithTheWindowAndKeepsItsButtonsInside) {
    calculateNewDelhi();
    QWidget& area = get<QWidget>("fraResult_3");
    QWidget& panel = get<QWidget>("fraResult_0");
    const QSize areaBefore = area.size();
    const QSize panelBefore = panel.size();
    const QPoint cellBefore = get<QWidget>("lblResult_For_Friends_0").pos();

    window->resize(window->size() + QSize(300, 200));
    QTest::qWait(50);
    QApplication::processEvents();
    EXPECT_GE(area.width(), areaBefore.width() + 250);
    EXPECT_GE(area.height(), areaBefore.height() + 150);
    EXPECT_GE(panel.width(), panelBefore.width() + 250);
    // The texts move into the middle of the larger panel, the buttons stay at its bottom right.
    EXPECT_GT(get<QWidget>("lblResult_For_Friends_0").x(), cellBefore.x());
    for (const char* name : {"cmdSave_0", "cmdBack_0", "cmdChart_0"}) {
        QWidget& button = get<QWidget>(name);
        EXPECT_TRUE(panel.rect().contains(button.geometry())) << name;
        EXPECT_GT(button.y(), panel.height() / 2) << name;
    }
    QWidget& back = get<QWidget>("cmdBack_0");
    EXPECT_GT(back.x() + back.width(), panel.width() - 40);

    clickTab(2);
    QWidget& grid = get<QWidget>("fraResult_2");
    EXPECT_EQ(grid.size(), panel.size());
    EXPECT_TRUE(grid.rect().contains(get<QWidget>("lblCompound_48").geometry()));
    EXPECT_TRUE(grid.rect().contains(get<QWidget>("cmdSave_2").geometry()));
    // With this much room the grid, row headings included, stands in the middle.
    const int left = get<QWidget>("lblLabelsRow_0").x();
    const QRect lastCell = get<QWidget>("lblCompound_6").geometry();
    EXPECT_NEAR(left + (lastCell.right() - left) / 2, grid.width() / 2, 10);
}

TEST_F(WindowSizeTest, RemembersItsSizeAndPlaceUnderItsOwnKey) {
    QTemporaryDir folder;
    QSettings settings(folder.filePath("kovrel.ini"), QSettings::IniFormat);
    const QRect wanted(40, 30, window->minimumSizeHint().width() + 120,
                       window->minimumSizeHint().height() + 90);
    {
        MainWindow first(dialogs, nullptr, &settings);
        first.show();
        first.setGeometry(wanted);
        QTest::qWait(20);
        first.close();
    }
    EXPECT_TRUE(settings.contains(MainWindow::GeometryKey()));
    MainWindow second(dialogs, nullptr, &settings);
    second.show();
    EXPECT_EQ(second.size(), wanted.size());
}

TEST(AboutBoxSize, ShowsItsWholeTextAtEverySystemFontFrom8To16Points) {
    for (double points : {8.0, 10.0, 12.0, 14.0, 16.0}) {
        SCOPED_TRACE(points);
        const SystemFont font(points);
        FakeDialogs dialogs;
        frmAbout box(nullptr, dialogs);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        for (QLabel* label : box.findChildren<QLabel*>()) {
            if (label->isHidden()) {
                continue;
            }
            SCOPED_TRACE(label->objectName().toStdString());
            EXPECT_TRUE(InsideItsWindow(*label));
            if (label->wordWrap()) {
                EXPECT_GE(label->height(), label->heightForWidth(label->width()));
            } else {
                EXPECT_GE(label->width(), label->sizeHint().width());
                EXPECT_GE(label->height(), label->sizeHint().height());
            }
        }
        EXPECT_TRUE(InsideItsWindow(*box.findChild<QPushButton*>("cmdOK")));
        // Even at 16 pt the box fits a small screen.
        EXPECT_LE(box.width(), kSmallScreenWidth);
        EXPECT_LE(box.height(), kSmallScreenHeight);
    }
}

// Every label of the panel in front shows its whole text inside the panel and overlaps no other;
// the buttons stand inside the panel, clear of the labels, and the panel inside the window.
void ExpectWholeAndApart(const QWidget& panel) {
    EXPECT_TRUE(InsideItsWindow(panel));
    const auto labels = panel.findChildren<QLabel*>();
    for (const QLabel* each : labels) {
        SCOPED_TRACE(each->objectName().toStdString() + " '" + each->text().toStdString() + "'");
        const QFontMetrics metrics(each->font());
        EXPECT_LE(metrics.horizontalAdvance(each->text()), each->width());
        EXPECT_LE(metrics.height(), each->height());
        EXPECT_TRUE(panel.rect().contains(each->geometry()));
        for (const QWidget* other : panel.findChildren<QWidget*>()) {
            EXPECT_TRUE(other == each || !each->geometry().intersects(other->geometry()))
                << "overlaps " << other->objectName().toStdString();
        }
    }
    for (const QPushButton* button : panel.findChildren<QPushButton*>()) {
        EXPECT_TRUE(panel.rect().contains(button->geometry()))
            << button->objectName().toStdString();
    }
}

// The screen of 1366 x 768 less a window frame and a panel.
constexpr int kSmallScreenRoomWidth = 1346;
constexpr int kSmallScreenRoomHeight = 720;

TEST(LargeSystemFont, WindowFitsASmallScreenAndEveryTabStaysWholeAt14And16Points) {
    for (double points : {14.0, 16.0}) {
        SCOPED_TRACE(points);
        const SystemFont font(points);
        FakeDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.openReadingFile(QStringLiteral(KOVREL_TEST_DATA "/ann_new_delhi.kvr"));
        ASSERT_TRUE(dialogs.messages.empty());
        auto* tabs = window.findChild<QTabBar*>("TS");
        auto* results = window.findChild<ResultPanels*>("fraResult_3");
        const auto clickTab = [&](int tab) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        };
        for (int tab : {0, 1, 2}) {
            clickTab(tab);
            const QSize least = window.minimumSizeHint();
            EXPECT_LE(least.width(), kSmallScreenRoomWidth) << "tab " << tab;
            EXPECT_LE(least.height(), kSmallScreenRoomHeight) << "tab " << tab;
        }
        window.resize(window.minimumSizeHint());
        QTest::qWait(20);
        // This reading's lists, then the longest a temporary cell can hold: all six other planets.
        Relationships longest = window.session().reading.relationships;
        for (int row : {0, 1}) {
            PlanetList others;
            for (int planet = 0; planet < kPlanetCount; ++planet) {
                if (planet != row) {
                    others.push_back(static_cast<Planet>(planet));
                }
            }
            (row == 0 ? longest.temporary.friends : longest.temporary.enemies)[row] = others;
        }
        for (bool sixNames : {false, true}) {
            if (sixNames) {
                results->showRelationships(longest);
            }
            for (int tab : {0, 1, 2}) {
                SCOPED_TRACE(testing::Message()
                             << "tab " << tab << (sixNames ? ", six names" : ""));
                clickTab(tab);
                ExpectWholeAndApart(
                    *window.findChild<QWidget*>(tab == 2 ? "fraResult_2" : "fraResult_0"));
            }
        }
    }
}

TEST(ResultAreaFonts, ALargeSystemFontScalesTheDesignsFacesTogether) {
    // Each face's size, and the row spacing, relative to the cells' program font, at an ordinary
    // and a large font.
    auto ratios = [](double points) {
        const SystemFont font(points);
        FakeDialogs dialogs;
        MainWindow window(dialogs);
        const double cell =
            window.findChild<QLabel*>("lblResult_For_Friends_0")->font().pointSizeF();
        std::vector<double> faces;
        for (const char* name : {"lblLabels_21", "lblLabels_0", "lblLabelsRow_0"}) {
            faces.push_back(window.findChild<QLabel*>(name)->font().pointSizeF() / cell);
        }
        faces.push_back(window.findChild<QWidget*>("fraResult_3")->font().pointSizeF() / cell);
        // The spacing of the rows grows with the faces too.
        const int rowPitch = window.findChild<QLabel*>("lblLabels_1")->y() -
                             window.findChild<QLabel*>("lblLabels_0")->y();
        faces.push_back(rowPitch / cell);
        return faces;
    };
    const std::vector<double> at9 = ratios(9.0);
    const std::vector<double> at16 = ratios(16.0);
    ASSERT_EQ(at9.size(), at16.size());
    for (std::size_t i = 0; i < at9.size(); ++i) {
        // Whole pixels allow a few per cent.
        EXPECT_NEAR(at16[i] / at9[i], 1.0, 0.04)
            << i << ": " << at9[i] << " at 9 pt, " << at16[i] << " at 16 pt";
    }
}

} // namespace
} // namespace kovrel::test
