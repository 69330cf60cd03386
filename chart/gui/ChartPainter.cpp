#include "chart/gui/ChartPainter.h"

#include "common/gui/Translation.h"

#include "common/gui/ProgramFont.h"
#include "common/gui/QtText.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <vector>

namespace kovrel {

namespace {

// The South Indian chart is a square of 4 x 4 cells: twelve sign boxes around a 2 x 2 centre.
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
// The rising sign's box: a line cuts off its top left corner this far along both sides, as the
// ascendant is customarily marked, and the sign's name starts this far in, clear of the line.
constexpr double kRisingCorner = 0.22;
constexpr double kRisingNameIndent = 0.20;
// The centre text starts at this share of the cell high and shrinks by the step until it fits,
// down to the smallest size; the title is larger than the details by its factor, and each line
// is followed by a gap of this share of its line height.
constexpr double kCentreTextHeight = 0.12;
constexpr double kCentreShrinkStep = 0.9;
constexpr double kCentreSmallestText = 1.0;
constexpr double kCentreTitleFactor = 1.2;
constexpr double kCentreLineGap = 0.25;
// The mark after a disputed planet is this much smaller than the planet's text; set at the top
// of the line, it stands raised like a superscript.
constexpr double kMarkScale = 0.7;

// The North Indian chart: the caption below the square, as a share of the square's side, and the
// room kept inside it; the sign numbers' height and the planet lines' largest height, as shares
// of the side, and the planet lines' spacing in line heights.
constexpr double kNorthCaptionShare = 0.26;
constexpr double kNorthCaptionPadding = 0.02;
constexpr double kNorthNumberHeight = 0.032;
constexpr double kNorthPlanetHeight = 0.034;
constexpr double kNorthLineAdvance = 1.05;
// Below this share of the largest planet size a crowded house shrinks alone.
constexpr double kCrowdedFloor = 0.6;
// A text is measured at one size and scaled; this leaves room for the rounding of font sizes.
constexpr double kFitSlack = 0.97;

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

// One line of a box or a house: a planet, or the ascendant.
struct TextLine {
    QString text;
    QColor colour;
    bool marked = false; // followed by the second-opinion mark
};

// The ascendant first where it rises, then the planets.
std::vector<TextLine> LinesOf(const ChartBox& box, const ChartLayout& layout,
                              const ChartColours& colours) {
    std::vector<TextLine> lines;
    if (layout.risingSign == box.sign) {
        lines.push_back({Text(layout.ascendantLabel), colours.centre});
    }
    for (const ChartPlanet& planet : box.planets) {
        lines.push_back(
            {QString::fromStdString(planet.label), colours.planets, planet.secondOpinion});
    }
    return lines;
}

QFont MarkFont(const QFont& font) {
    QFont mark = font;
    mark.setPointSizeF(font.pointSizeF() * kMarkScale);
    return mark;
}

double LineWidth(const TextLine& line, const QFont& font, const QPainter& painter) {
    double width = QFontMetricsF(font, painter.device()).horizontalAdvance(line.text);
    if (line.marked) {
        width += QFontMetricsF(MarkFont(font), painter.device())
                     .horizontalAdvance(Text(kSecondOpinionMark));
    }
    return width;
}

// Draws the line with its top at `top`, from `left`; the mark follows it, raised.
void DrawLine(QPainter& painter, double left, double top, const TextLine& line, const QFont& font,
              const ChartColours& colours) {
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    painter.setPen(line.colour);
    painter.drawText(QPointF(left, top + metrics.ascent()), line.text);
    if (line.marked) {
        const QFont mark = MarkFont(font);
        painter.setFont(mark);
        painter.setPen(colours.disputed);
        painter.drawText(QPointF(left + metrics.horizontalAdvance(line.text),
                                 top + QFontMetricsF(mark, painter.device()).ascent()),
                         Text(kSecondOpinionMark));
    }
}

// The caption lines centred in `room`, the first as a bold title, shrunk from `units` high until
// they fit.
void PaintCaption(QPainter& painter, const QRectF& room, const std::vector<std::string>& lines,
                  double units, const QColor& colour) {
    const auto flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const auto lineFont = [&](std::size_t index, double size) {
        return FontOfHeight(painter, index == 0 ? size * kCentreTitleFactor : size, index == 0);
    };
    const auto totalHeight = [&](double size) {
        double height = 0.0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QFontMetricsF metrics(lineFont(i, size), painter.device());
            height += metrics.boundingRect(room, flags, QString::fromStdString(lines[i])).height() +
                      metrics.height() * kCentreLineGap;
        }
        return height;
    };
    while (units > kCentreSmallestText && totalHeight(units) > room.height()) {
        units *= kCentreShrinkStep;
    }
    painter.setPen(colour);
    double y = room.top() + std::max(0.0, (room.height() - totalHeight(units)) / 2.0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QFont font = lineFont(i, units);
        const QFontMetricsF metrics(font, painter.device());
        const QString text = QString::fromStdString(lines[i]);
        const QRectF lineRect(room.left(), y, room.width(), room.bottom() - y);
        painter.setFont(font);
        QRectF used;
        painter.drawText(lineRect, flags, text, &used);
        y += used.height() + metrics.height() * kCentreLineGap;
    }
}

void PaintSouthIndian(QPainter& painter, const QRectF& square, const ChartLayout& layout,
                      const ChartColours& colours) {
    const double cell = square.width() / kCellsPerSide;
    const double pad = cell * kBoxPadding;

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
    if (layout.risingSign) {
        const QRectF rising =
            CellRect(square, layout.boxes[static_cast<std::size_t>(*layout.risingSign)].cell);
        painter.drawLine(QPointF(rising.left(), rising.top() + cell * kRisingCorner),
                         QPointF(rising.left() + cell * kRisingCorner, rising.top()));
    }

    // One planet size for every box, so the fullest box sets it: up to seven planets, the
    // ascendant and the sign's name must fit in a cell.
    std::size_t mostLines = 1;
    QStringList planetLabels;
    QStringList signLabels;
    for (const ChartBox& box : layout.boxes) {
        const std::vector<TextLine> lines = LinesOf(box, layout, colours);
        mostLines = std::max(mostLines, lines.size());
        for (const TextLine& line : lines) {
            planetLabels << line.text + (line.marked ? Text(kSecondOpinionMark) : QString());
        }
        signLabels << Say(SignNames[static_cast<std::size_t>(box.sign)]);
    }
    const double inner = cell - 2 * pad;
    const double planetUnits = std::min(
        cell * kPlanetLineHeight,
        inner * kPlanetLinesShare / (static_cast<double>(mostLines) + 1.0) / kPlanetLineSpacing);
    const QFont signFont =
        FittedFont(FontOfHeight(painter, cell * kSignNameHeight), signLabels, inner, painter);
    const QFont planetFont =
        FittedFont(FontOfHeight(painter, planetUnits, true), planetLabels, inner, painter);
    const QFontMetricsF signMetrics(signFont, painter.device());
    const QFontMetricsF planetMetrics(planetFont, painter.device());

    for (const ChartBox& box : layout.boxes) {
        const QRectF rect = CellRect(square, box.cell).adjusted(pad, pad, -pad, -pad);
        const QString signName = Say(SignNames[static_cast<std::size_t>(box.sign)]);
        painter.setPen(colours.signNames);
        if (layout.risingSign == box.sign) {
            const QRectF nameRect = rect.adjusted(cell * kRisingNameIndent - pad, 0, 0, 0);
            painter.setFont(FittedFont(signFont, {signName}, nameRect.width(), painter));
            painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignTop, signName);
        } else {
            painter.setFont(signFont);
            painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, signName);
        }
        double y = rect.top() + signMetrics.height() * kBelowSignName;
        for (const TextLine& line : LinesOf(box, layout, colours)) {
            DrawLine(painter, rect.left(), y, line, planetFont, colours);
            y += planetMetrics.height() * kPlanetLineAdvance;
        }
    }

    // The centre: title in bold, then the details, each line wrapped inside the 2 x 2 square.
    const double centrePad = kCentrePaddingFactor * pad;
    PaintCaption(painter, centreCells.adjusted(centrePad, centrePad, -centrePad, -centrePad),
                 layout.centreLines, cell * kCentreTextHeight, colours.centre);
}

// A line split at its first blank, "Mercury" over "26°55'", for a house too narrow for it; the
// mark stays at the end.
std::vector<TextLine> SplitLines(const std::vector<TextLine>& lines) {
    std::vector<TextLine> split;
    for (const TextLine& line : lines) {
        const qsizetype blank = line.text.indexOf(QLatin1Char(' '));
        if (blank < 0) {
            split.push_back(line);
            continue;
        }
        split.push_back({line.text.left(blank), line.colour});
        split.push_back({line.text.mid(blank + 1), line.colour, line.marked});
    }
    return split;
}

void PaintNorthIndian(QPainter& painter, const QRectF& frame, const ChartLayout& layout,
                      const ChartColours& colours) {
    const double side = frame.width();
    const QRectF square(frame.topLeft(), QSizeF(side, side));
    const auto at = [&](UnitPoint point) {
        return QPointF(square.left() + point.x * side, square.top() + point.y * side);
    };
    const auto roomOf = [&](const UnitRect& room) {
        return QRectF(at({room.left, room.top}), QSizeF(room.width * side, room.height * side));
    };
    const double cell = side / kCellsPerSide;

    QPen thin(colours.lines, std::max(cell * kThinLine, kNarrowestLine));
    QPen thick(colours.lines, std::max(cell * kThickLine, kNarrowestLine));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(thin);
    painter.drawLine(at({0.0, 0.0}), at({1.0, 1.0}));
    painter.drawLine(at({1.0, 0.0}), at({0.0, 1.0}));
    painter.drawPolygon(
        QPolygonF({at({0.5, 0.0}), at({1.0, 0.5}), at({0.5, 1.0}), at({0.0, 0.5})}));
    painter.setPen(thick);
    painter.drawRect(square);

    const QFont numberFont = FontOfHeight(painter, side * kNorthNumberHeight);
    const QFontMetricsF numberMetrics(numberFont, painter.device());
    painter.setFont(numberFont);
    painter.setPen(colours.signNames);
    std::array<std::vector<TextLine>, 12> houseLines;
    for (const ChartBox& box : layout.boxes) {
        const QPointF number = at(NorthIndianHouses[static_cast<std::size_t>(box.house)].number);
        const double height = numberMetrics.height();
        painter.drawText(QRectF(number.x() - height, number.y() - height / 2.0, 2 * height, height),
                         Qt::AlignCenter, QString::number(box.sign + 1));
        houseLines[static_cast<std::size_t>(box.house)] = LinesOf(box, layout, colours);
    }

    // One planet size for the houses: the largest at which every house's lines fit its room,
    // each house on one line a planet or, where that is larger, with names over degrees. A house
    // crowded below the floor shrinks alone rather than shrinking every other. Widths and
    // heights are measured at the largest size and scale with it.
    const double largest = side * kNorthPlanetHeight;
    const QFont measureFont = FontOfHeight(painter, largest, true);
    const double lineHeight = QFontMetricsF(measureFont, painter.device()).height();
    const auto fitted = [&](const std::vector<TextLine>& lines, const QRectF& room) {
        double widest = 0.0;
        for (const TextLine& line : lines) {
            widest = std::max(widest, LineWidth(line, measureFont, painter));
        }
        const double byWidth = widest > 0.0 ? largest * room.width() / widest : largest;
        const double byHeight =
            largest * room.height() /
            (static_cast<double>(lines.size()) * lineHeight * kNorthLineAdvance);
        return std::min({largest, byWidth, byHeight});
    };
    std::array<double, 12> oneLine{};
    std::array<double, 12> best{};
    double common = largest;
    for (std::size_t house = 0; house < houseLines.size(); ++house) {
        if (houseLines[house].empty()) {
            continue;
        }
        const QRectF room = roomOf(NorthIndianHouses[house].room);
        oneLine[house] = fitted(houseLines[house], room);
        best[house] = std::max(oneLine[house], fitted(SplitLines(houseLines[house]), room));
        common = std::min(common, std::max(best[house], largest * kCrowdedFloor));
    }
    for (std::size_t house = 0; house < houseLines.size(); ++house) {
        const double units = std::min(common, best[house]) * kFitSlack;
        const bool split = oneLine[house] * kFitSlack < units;
        const std::vector<TextLine> lines =
            split ? SplitLines(houseLines[house]) : houseLines[house];
        const QFont planetFont = FontOfHeight(painter, units, true);
        const QRectF room = roomOf(NorthIndianHouses[house].room);
        const double advance =
            QFontMetricsF(planetFont, painter.device()).height() * kNorthLineAdvance;
        double y = room.center().y() - advance * static_cast<double>(lines.size()) / 2.0;
        for (const TextLine& line : lines) {
            DrawLine(painter, room.center().x() - LineWidth(line, planetFont, painter) / 2.0, y,
                     line, planetFont, colours);
            y += advance;
        }
    }

    const double pad = side * kNorthCaptionPadding;
    const QRectF caption(square.left(), square.bottom(), side, frame.bottom() - square.bottom());
    PaintCaption(painter, caption.adjusted(pad, pad, -pad, -pad), layout.centreLines,
                 cell * kCentreTextHeight, colours.centre);
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

double ChartAspect(ChartStyle style) {
    return style == ChartStyle::North ? 1.0 + kNorthCaptionShare : 1.0;
}

QRectF ChartFrame(const QRectF& area, ChartStyle style) {
    const double aspect = ChartAspect(style);
    const double width = std::min(area.width(), area.height() / aspect);
    const double height = width * aspect;
    return {area.center().x() - width / 2.0, area.center().y() - height / 2.0, width, height};
}

void PaintChart(QPainter& painter, const QRectF& area, const ChartLayout& layout,
                const ChartColours& colours) {
    const QRectF frame = ChartFrame(area, layout.style);
    if (frame.width() <= 0.0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(frame, colours.paper);
    if (layout.style == ChartStyle::North) {
        PaintNorthIndian(painter, frame, layout, colours);
    } else {
        PaintSouthIndian(painter, frame, layout, colours);
    }
    painter.restore();
}

} // namespace kovrel
