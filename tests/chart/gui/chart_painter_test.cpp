#include "../AnnReading.h"
#include "chart/gui/ChartPainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

QImage PaintedChart(int width, int height,
                    const ChartLayout& layout = SouthIndianChart(AnnCalculated())) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintChart(painter, QRectF(0, 0, width, height), layout);
    painter.end();
    return image;
}

// Ann's chart with her ascendant, Aries 10°21' (reference library).
ChartLayout AnnChart(ChartStyle style) {
    CalculatedReading ann = AnnCalculated();
    ann.ascendant = 10.3519;
    return ChartOf(ann, style);
}

bool IsDark(QRgb pixel) {
    return qAlpha(pixel) > 200 && qGray(pixel) < 100;
}

// A dark line crosses the column x somewhere between rows y0 and y1.
bool DarkAcross(const QImage& image, int x, int y0, int y1) {
    for (int y = y0; y <= y1; ++y) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (IsDark(image.pixel(x + dx, y))) {
                return true;
            }
        }
    }
    return false;
}

TEST(PaintChart, TheSquareIsCentredInAWideArea) {
    const QImage image = PaintedChart(800, 400);
    // A 400 square in the middle: the strips left and right of it stay untouched.
    EXPECT_EQ(qAlpha(image.pixel(150, 200)), 0);
    EXPECT_EQ(qAlpha(image.pixel(650, 200)), 0);
    EXPECT_EQ(image.pixel(250, 20), qRgb(255, 255, 255));
    EXPECT_TRUE(DarkAcross(image, 201, 150, 150));
}

TEST(PaintChart, CellLinesScaleWithTheArea) {
    for (const int side : {200, 900}) {
        const QImage image = PaintedChart(side, side);
        const int cell = side / 4;
        // A line at each quarter of the square, on a row inside the top boxes.
        for (const int x : {cell, 2 * cell, 3 * cell}) {
            EXPECT_TRUE(DarkAcross(image, x, cell / 2, cell / 2)) << side << " at " << x;
        }
        // The centre is one 2 x 2 square: no line at the half inside it, above the text.
        EXPECT_FALSE(DarkAcross(image, 2 * cell, cell + cell / 12, cell + cell / 12)) << side;
    }
}

TEST(PaintChart, TheRisingSignsBoxHasItsCornerCutOff) {
    const int cell = 100;
    const QImage image = PaintedChart(4 * cell, 4 * cell, AnnChart(ChartStyle::South));
    // Aries (column 1 of the top row) rises; Taurus beside it does not. The line joins the
    // points 22 units down the left side and 22 along the top, below the sign's name here.
    const auto cornerInk = [&](int column) { return DarkAcross(image, column * cell + 4, 17, 19); };
    EXPECT_TRUE(cornerInk(1));
    EXPECT_FALSE(cornerInk(2));
}

TEST(PaintChart, TheNorthIndianDiamondStandsOverItsCaption) {
    // Large enough for the thin lines to be two units wide, so that each is dark where it runs.
    const int side = 800;
    const QImage image = PaintedChart(side, 2 * side, AnnChart(ChartStyle::North));
    // The frame is as wide as the area and centred in its height, the caption below the square.
    const int top = static_cast<int>((2 * side - side * ChartAspect(ChartStyle::North)) / 2.0);
    EXPECT_EQ(qAlpha(image.pixel(side / 2, top - 5)), 0);
    EXPECT_EQ(image.pixel(side / 2, top + side + 5), qRgb(255, 255, 255));
    // Both diagonals and the inner diamond: a line a quarter and three quarters across, at an
    // eighth and a quarter of the way down.
    for (const int x : {side / 4, 3 * side / 4}) {
        EXPECT_TRUE(DarkAcross(image, x, top + side / 4 - 2, top + side / 4 + 2)) << x;
    }
    EXPECT_TRUE(DarkAcross(image, side / 8, top + side / 8 - 2, top + side / 8 + 2));
    EXPECT_TRUE(DarkAcross(image, 3 * side / 8, top + side / 8 - 2, top + side / 8 + 2));
    // No South Indian cell line through the top house's middle.
    EXPECT_FALSE(DarkAcross(image, side / 2, top + side / 16, top + side / 16));
}

TEST(PaintChart, AnEmptyAreaPaintsNothing) {
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintChart(painter, QRectF(0, 0, 0, 10), ChartLayout{});
    painter.end();
    EXPECT_EQ(qAlpha(image.pixel(5, 5)), 0);
}

} // namespace
} // namespace kovrel::test
