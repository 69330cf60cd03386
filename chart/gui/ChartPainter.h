#pragma once

// The rasi chart, in either style, drawn with QPainter as vectors into any rectangle: the window,
// a printed page, an SVG file and an image all come from here.

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
    // The mark of a planet whose sign a precise ephemeris disputes.
    QColor disputed = QColor(170, 40, 20);
};

// Verdana where it is installed, else the nearest sans serif; the size in points.
QFont ChartFont(double points, bool bold = false);

// The picture's height as a multiple of its width: the South Indian chart is a square, the North
// Indian one a square with its caption below.
double ChartAspect(ChartStyle style);

// The chart as the largest rectangle of its style's shape that fits in `area`, centred in it.
QRectF ChartFrame(const QRectF& area, ChartStyle style);

// Paints the chart into its frame inside `area`; text sizes follow the frame's size.
void PaintChart(QPainter& painter, const QRectF& area, const ChartLayout& layout,
                const ChartColours& colours = {});

} // namespace kovrel
