#include "../AnnReading.h"
#include "chart/gui/ChartWindow.h"
#include "chart/gui/PositionsStrip.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

TEST(ChartWindow, ATopLevelWindowThatFollowsTheReading) {
    ChartWindow window;
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.windowTitle(), "Kovrel v1.15 - Rasi Chart");
    window.showReading(AnnCalculated());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Venus and Mars share Ann's Capricorn box (worked example).
    ASSERT_EQ(window.chartLayout().boxes[9].planets.size(), 2u);

    // A second reading replaces the first: here every planet in Aries.
    Reading other;
    other.PlanetPlacements.fill(Placement::InSign(0, 1, 2));
    BirthDetails bob = AnnBirth();
    bob.Name = "Bob";
    window.showReading({bob, AnnZoneRow(), other});
    EXPECT_TRUE(window.chartLayout().boxes[9].planets.empty());
    EXPECT_EQ(window.chartLayout().boxes[0].planets.size(), 7u);
    EXPECT_EQ(window.chartLayout().centreLines[1], "Bob");
}

TEST(ChartWindow, ClosesWithEscapeAndCtrlW) {
    for (const QKeyCombination key :
         {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
        ChartWindow window;
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, key.key(), key.keyboardModifiers());
        EXPECT_FALSE(window.isVisible());
    }
}

TEST(ChartWindow, ThePictureGrowsWithTheWindow) {
    ChartWindow window;
    window.showReading(AnnCalculated());
    window.resize(300, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage small = window.grab().toImage();
    window.resize(700, 700);
    QTest::qWait(10);
    const QImage large = window.grab().toImage();
    const auto darkPixels = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
            }
        }
        return count;
    };
    // Lines and letters are drawn larger, so more ink covers the larger window.
    EXPECT_GT(darkPixels(large), darkPixels(small) * 2);
}

TEST(ChartWindow, TheStyleIsChosenByKeyboardAndKeptForTheNextWindow) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QSettings settings(folder.filePath("kovrel.ini"), QSettings::IniFormat);
    {
        ChartWindow window(nullptr, &settings);
        window.showReading(AnnCalculated());
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QComboBox* choice = window.styleChoice();
        EXPECT_EQ(choice->accessibleName(), "Chart style");
        ASSERT_EQ(choice->count(), 2);
        EXPECT_EQ(choice->itemText(0), "South Indian");
        EXPECT_EQ(choice->itemText(1), "North Indian");
        EXPECT_EQ(window.chartStyle(), ChartStyle::South);
        EXPECT_EQ(window.chartLayout().style, ChartStyle::South);

        // Alt+S reaches the choice, Down picks the next style.
        QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
        ASSERT_TRUE(choice->hasFocus());
        QTest::keyClick(choice, Qt::Key_Down);
        EXPECT_EQ(window.chartStyle(), ChartStyle::North);
        EXPECT_EQ(window.chartLayout().style, ChartStyle::North);
        // The reading on show is drawn again, not lost.
        EXPECT_EQ(window.chartLayout().centreLines[1], "Ann");
    }
    EXPECT_EQ(QSettings(folder.filePath("kovrel.ini"), QSettings::IniFormat)
                  .value(ChartWindow::ChartStyleKey()),
              "north");

    ChartWindow next(nullptr, &settings);
    EXPECT_EQ(next.chartStyle(), ChartStyle::North);
    EXPECT_EQ(next.styleChoice()->currentText(), "North Indian");
    next.showReading(AnnCalculated());
    EXPECT_EQ(next.chartLayout().style, ChartStyle::North);
    // Without settings the choice starts at the default.
    EXPECT_EQ(ChartWindow().chartStyle(), ChartStyle::South);
}

TEST(PositionsStrip, ShowsWhoseReadingAndTheSevenPlacementsInPlanetOrder) {
    PositionsStrip strip;
    strip.showReading(AnnCalculated());
    EXPECT_EQ(strip.readingOf()->text(), "Ann - 15 March 1990 08:30 - New Delhi, Delhi, India");
    // Ann's placements (worked example) with the sign's full name and the planet's dignity (read
    // off her compound grid) as tool tip.
    const std::array<std::pair<const char*, const char*>, 7> expected = {{
        {"Sun 00 Pis 41", "Pisces, in a Great Friend's sign"},
        {"Moon 11 Lib 33", "Libra, in a Friend's sign"},
        {"Mercury 26 Aqu 55", "Aquarius, in a Friend's sign"},
        {"Venus 15 Cap 14", "Capricorn, in a Great Friend's sign"},
        {"Mars 08 Cap 59", "Capricorn, exalted"},
        {"Jupiter 07 Gem 50", "Gemini, in a Great Enemy's sign"},
        {"Saturn 29 Sag 37", "Sagittarius, in an Enemy's sign"},
    }};
    for (int planet = 0; planet < kPlanetCount; ++planet) {
        const QLabel* label = strip.placement(planet);
        EXPECT_EQ(label->text(), expected[static_cast<std::size_t>(planet)].first);
        EXPECT_EQ(label->toolTip(), expected[static_cast<std::size_t>(planet)].second);
        EXPECT_EQ(label->objectName(), QStringLiteral("lblPosition_%1").arg(planet));
    }
}

TEST(PositionsStrip, MarksAPlanetAPreciseEphemerisPutsElsewhereAndShowsTheAscendant) {
    PositionsStrip strip;
    strip.showReading(AnnShown());
    // Ann's ascendant as the reference library gives it (10.3519).
    EXPECT_EQ(strip.ascendant()->text(), "Ascendant 10 Ari 21");
    EXPECT_TRUE(strip.positionsCaption()->isHidden());

    // Ravi's Mars (Examples.h): classic 00 Aqu 00, precise 29° 43' Capricorn.
    const BirthDetails ravi = CopyEntry(RaviEntry(), {});
    strip.showReading(CalculateReading(ravi, RaviEntry().zoneIndex, {}));
    const QLabel* mars = strip.placement(static_cast<int>(Planet::Mars));
    EXPECT_EQ(mars->text(), QString::fromUtf8("Mars 00 Aqu 00 *"));
    EXPECT_EQ(mars->toolTip(),
              QString::fromUtf8("Aquarius, in an Enemy's sign\n"
                                "A precise ephemeris puts Mars at 29\u00B0 43' Capricorn"));
    EXPECT_EQ(strip.placement(static_cast<int>(Planet::Venus))->text(), "Venus 29 Sag 28");

    strip.showReading(CalculateReading(ravi, RaviEntry().zoneIndex,
                                       {PositionsMode::Precise, AyanamsaKind::Raman}));
    EXPECT_FALSE(strip.positionsCaption()->isHidden());
    EXPECT_EQ(strip.positionsCaption()->text(), "Precise positions, Raman ayanamsa");
    EXPECT_FALSE(mars->text().contains(QLatin1Char('*')));
}

TEST(PositionsStrip, TextsCanBeSelectedAndCopied) {
    PositionsStrip strip;
    strip.showReading(AnnCalculated());
    strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    QLabel* sun = strip.placement(0);
    EXPECT_TRUE(sun->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(strip.readingOf()->textInteractionFlags() & Qt::TextSelectableByMouse);
    // Dragging across the label selects its text, as a reader would before copying.
    const QPoint start(1, sun->height() / 2);
    const QPoint end(sun->width() - 1, sun->height() / 2);
    QTest::mousePress(sun, Qt::LeftButton, {}, start);
    QTest::mouseMove(sun, end);
    QTest::mouseRelease(sun, Qt::LeftButton, {}, end);
    EXPECT_EQ(sun->selectedText(), "Sun 00 Pis 41");
}

} // namespace
} // namespace kovrel::test
