#include "../AnnReading.h"
#include "chart/gui/ChartPainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace kovrel::test {
namespace {

QImage PaintedChart(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintChart(painter, QRectF(0, 0, width, height), SouthIndianChart(AnnCalculated()));
    painter.end();
    return image;
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
