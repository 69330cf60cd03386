#pragma once

// The South Indian chart drawn with QPainter as vectors into any rectangle: the window, a
// printed page, an SVG file and an image all come from here.

#include "chart/ChartLayout.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>

namespace kovrel {

struct ChartColours {
    QColor paper = Qt::white;
    QColor lines = QColor(40, 40, 40);
    QColor planets = Qt::black;
    QColor signNames = QColor(90, 90, 90);
    QColor centre = QColor(20, 40, 90);
};

// Verdana where it is installed, else the nearest sans serif; the size in points.
QFont ChartFont(double points, bool bold = false);

// The chart as the largest square that fits in `area`, centred in it.
QRectF ChartSquare(const QRectF& area);

// Paints the chart into the square inside `area`; text sizes follow the square's size.
void PaintChart(QPainter& painter, const QRectF& area, const ChartLayout& layout,
                const ChartColours& colours = {});

} // namespace kovrel
