#include "chart/gui/ChartPainter.h"

#include "common/gui/ProgramFont.h"
#include "common/gui/QtText.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>

namespace kovrel {

namespace {

// The chart is a square of 4 x 4 cells: twelve sign boxes around a 2 x 2 centre.
constexpr double kCellsPerSide = 4.0;
constexpr double kCentreCells = 2.0;
// Room kept inside each box, as a share of the cell; the centre keeps twice as much.
constexpr double kBoxPadding = 0.06;
constexpr double kCentrePaddingFactor = 2.0;
// Line widths as shares of the cell, never thinner than one unit: box borders, then the outer
// square and the centre's border.
constexpr double kThinLine = 0.01;
constexpr double kThickLine = 0.02;
constexpr double kNarrowestLine = 1.0;
// The sign name's height as a share of the cell.
constexpr double kSignNameHeight = 0.10;
// The planet lines: at most this share of the cell high, and together with the sign name's line
// within this share of the box's inner height; each line takes its height times the spacing.
constexpr double kPlanetLineHeight = 0.14;
constexpr double kPlanetLinesShare = 0.8;
constexpr double kPlanetLineSpacing = 1.25;
// The first planet line starts this many sign-name heights below the box's top; each further
// line this many planet heights below the last.
constexpr double kBelowSignName = 1.15;
constexpr double kPlanetLineAdvance = 1.05;
// The centre text starts at this share of the cell high and shrinks by the step until it fits,
// down to the smallest size; the title is larger than the details by its factor, and each line
// is followed by a gap of this share of its line height.
constexpr double kCentreTextHeight = 0.12;
constexpr double kCentreShrinkStep = 0.9;
constexpr double kCentreSmallestText = 1.0;
constexpr double kCentreTitleFactor = 1.2;
constexpr double kCentreLineGap = 0.25;
// The smallest font height drawn, in painter units, so that a tiny chart still shows its text.
constexpr double kSmallestFontUnits = 0.5;
// Points to the inch, and the resolution taken when the painter has no device to ask.
constexpr double kPointsPerInch = 72.0;
constexpr int kFallbackDpi = 96;

// Fonts are set in points, which each device maps to its own resolution; the chart is laid
// out in the painter's units, so a size in those units is turned into points first.
QFont FontOfHeight(const QPainter& painter, double units, bool bold = false) {
    const int dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : kFallbackDpi;
    return ChartFont(std::max(units, kSmallestFontUnits) * kPointsPerInch / dpi, bold);
}

QRectF CellRect(const QRectF& square, GridCell cell) {
    const double side = square.width() / kCellsPerSide;
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
    const double cell = square.width() / kCellsPerSide;
    const double pad = cell * kBoxPadding;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(square, colours.paper);

    QPen thin(colours.lines, std::max(cell * kThinLine, kNarrowestLine));
    QPen thick(colours.lines, std::max(cell * kThickLine, kNarrowestLine));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(thin);
    for (const ChartBox& box : layout.boxes) {
        painter.drawRect(CellRect(square, box.cell));
    }
    painter.setPen(thick);
    painter.drawRect(square);
    const QRectF centreCells(square.left() + cell, square.top() + cell, kCentreCells * cell,
                             kCentreCells * cell);
    painter.drawRect(centreCells);

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
    const double planetUnits = std::min(
        cell * kPlanetLineHeight,
        inner * kPlanetLinesShare / (static_cast<double>(mostPlanets) + 1.0) / kPlanetLineSpacing);
    const QFont signFont =
        FittedFont(FontOfHeight(painter, cell * kSignNameHeight), signLabels, inner, painter);
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
        double y = rect.top() + signMetrics.height() * kBelowSignName;
        for (const ChartPlanet& planet : box.planets) {
            painter.drawText(QRectF(rect.left(), y, rect.width(), planetMetrics.height()),
                             Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(planet.label));
            y += planetMetrics.height() * kPlanetLineAdvance;
        }
    }

    // The centre: title in bold, then the details, each line wrapped inside the 2 x 2 square.
    const double centrePad = kCentrePaddingFactor * pad;
    const QRectF centre = centreCells.adjusted(centrePad, centrePad, -centrePad, -centrePad);
    double units = cell * kCentreTextHeight;
    const auto flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const auto lineFont = [&](std::size_t index, double size) {
        return FontOfHeight(painter, index == 0 ? size * kCentreTitleFactor : size, index == 0);
    };
    const auto totalHeight = [&](double size) {
        double height = 0.0;
        for (std::size_t i = 0; i < layout.centreLines.size(); ++i) {
            const QFontMetricsF metrics(lineFont(i, size), painter.device());
            height +=
                metrics.boundingRect(centre, flags, QString::fromStdString(layout.centreLines[i]))
                    .height() +
                metrics.height() * kCentreLineGap;
        }
        return height;
    };
    while (units > kCentreSmallestText && totalHeight(units) > centre.height()) {
        units *= kCentreShrinkStep;
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
        y += used.height() + metrics.height() * kCentreLineGap;
    }
    painter.restore();
}

} // namespace kovrel
