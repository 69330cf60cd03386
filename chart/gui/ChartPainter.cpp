#include "chart/gui/ChartPainter.h"

#include "common/gui/ProgramFont.h"
#include "common/gui/QtText.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>

namespace kovrel {

namespace {

// Fonts are set in points, which each device maps to its own resolution; the chart is laid
// out in the painter's units, so a size in those units is turned into points first.
QFont FontOfHeight(const QPainter& painter, double units, bool bold = false) {
    const int dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 96;
    return ChartFont(std::max(units, 0.5) * 72.0 / dpi, bold);
}

QRectF CellRect(const QRectF& square, GridCell cell) {
    const double side = square.width() / 4.0;
    return {square.left() + cell.column * side, square.top() + cell.row * side, side, side};
}

// Shrinks `font` until every text is at most `width` wide.
QFont FittedFont(QFont font, const QStringList& texts, double width, const QPainter& painter) {
    double widest = 0.0;
    const QFontMetricsF metrics(font, painter.device());
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    if (widest > width && widest > 0.0) {
        font.setPointSizeF(font.pointSizeF() * width / widest);
    }
    return font;
}

} // namespace

QFont ChartFont(double points, bool bold) {
    QFont font;
    font.setFamilies(ProgramFontFamilies());
    font.setStyleHint(QFont::SansSerif);
    // No ligatures: text copied from a PDF must read "fixed", not a single "fi" glyph.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QRectF ChartSquare(const QRectF& area) {
    const double side = std::min(area.width(), area.height());
    return {area.center().x() - side / 2.0, area.center().y() - side / 2.0, side, side};
}

void PaintChart(QPainter& painter, const QRectF& area, const ChartLayout& layout,
                const ChartColours& colours) {
    const QRectF square = ChartSquare(area);
    if (square.width() <= 0.0) {
        return;
    }
    const double cell = square.width() / 4.0;
    const double pad = cell * 0.06;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(square, colours.paper);

    QPen thin(colours.lines, std::max(cell * 0.01, 1.0));
    QPen thick(colours.lines, std::max(cell * 0.02, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(thin);
    for (const ChartBox& box : layout.boxes) {
        painter.drawRect(CellRect(square, box.cell));
    }
    painter.setPen(thick);
    painter.drawRect(square);
    painter.drawRect(QRectF(square.left() + cell, square.top() + cell, 2 * cell, 2 * cell));

    // One planet size for every box, so the fullest box sets it: up to seven planets and the
    // sign's name must fit in a cell.
    std::size_t mostPlanets = 1;
    QStringList planetLabels;
    QStringList signLabels;
    for (const ChartBox& box : layout.boxes) {
        mostPlanets = std::max(mostPlanets, box.planets.size());
        for (const ChartPlanet& planet : box.planets) {
            planetLabels << QString::fromStdString(planet.label);
        }
        signLabels << Text(SignNames[static_cast<std::size_t>(box.sign)]);
    }
    const double inner = cell - 2 * pad;
    const double planetUnits =
        std::min(cell * 0.14, inner * 0.8 / (static_cast<double>(mostPlanets) + 1.0) / 1.25);
    const QFont signFont =
        FittedFont(FontOfHeight(painter, cell * 0.10), signLabels, inner, painter);
    const QFont planetFont =
        FittedFont(FontOfHeight(painter, planetUnits, true), planetLabels, inner, painter);
    const QFontMetricsF signMetrics(signFont, painter.device());
    const QFontMetricsF planetMetrics(planetFont, painter.device());

    for (const ChartBox& box : layout.boxes) {
        const QRectF rect = CellRect(square, box.cell).adjusted(pad, pad, -pad, -pad);
        painter.setFont(signFont);
        painter.setPen(colours.signNames);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop,
                         Text(SignNames[static_cast<std::size_t>(box.sign)]));
        painter.setFont(planetFont);
        painter.setPen(colours.planets);
        double y = rect.top() + signMetrics.height() * 1.15;
        for (const ChartPlanet& planet : box.planets) {
            painter.drawText(QRectF(rect.left(), y, rect.width(), planetMetrics.height()),
                             Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(planet.label));
            y += planetMetrics.height() * 1.05;
        }
    }

    // The centre: title in bold, then the details, each line wrapped inside the 2 x 2 square.
    const QRectF centre = QRectF(square.left() + cell, square.top() + cell, 2 * cell, 2 * cell)
                              .adjusted(2 * pad, 2 * pad, -2 * pad, -2 * pad);
    double units = cell * 0.12;
    const auto flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const auto lineFont = [&](std::size_t index, double size) {
        return FontOfHeight(painter, index == 0 ? size * 1.2 : size, index == 0);
    };
    const auto totalHeight = [&](double size) {
        double height = 0.0;
        for (std::size_t i = 0; i < layout.centreLines.size(); ++i) {
            const QFontMetricsF metrics(lineFont(i, size), painter.device());
            height +=
                metrics.boundingRect(centre, flags, QString::fromStdString(layout.centreLines[i]))
                    .height() +
                metrics.height() * 0.25;
        }
        return height;
    };
    while (units > 1.0 && totalHeight(units) > centre.height()) {
        units *= 0.9;
    }
    painter.setPen(colours.centre);
    double y = centre.top() + std::max(0.0, (centre.height() - totalHeight(units)) / 2.0);
    for (std::size_t i = 0; i < layout.centreLines.size(); ++i) {
        const QFont font = lineFont(i, units);
        const QFontMetricsF metrics(font, painter.device());
        const QString text = QString::fromStdString(layout.centreLines[i]);
        const QRectF lineRect(centre.left(), y, centre.width(), centre.bottom() - y);
        painter.setFont(font);
        QRectF used;
        painter.drawText(lineRect, flags, text, &used);
        y += used.height() + metrics.height() * 0.25;
    }
    painter.restore();
}

} // namespace kovrel
