#include "chart/gui/ReadingPrint.h"

#include "chart/gui/ChartPainter.h"
#include "common/gui/QtText.h"
#include "common/gui/Translation.h"
#include "relationships/RelationColours.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <QSvgGenerator>
#include <QToolBar>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace kovrel {

namespace {

// Countries whose standard paper is Letter.
constexpr std::array kLetterCountries = {
    QLocale::UnitedStates,      QLocale::Canada,     QLocale::Mexico,    QLocale::Chile,
    QLocale::Colombia,          QLocale::CostaRica,  QLocale::Guatemala, QLocale::Panama,
    QLocale::DominicanRepublic, QLocale::PuertoRico, QLocale::Venezuela, QLocale::Philippines,
    QLocale::ElSalvador,        QLocale::Nicaragua,
};

constexpr double kMillimetresPerInch = 25.4;

// Lays pages out in device units: the same code measures (first pass, to count pages) and
// paints (second pass).
class PageWriter {
  public:
    PageWriter(QPagedPaintDevice& device, QPainter* painter, const ReadingDocument& document,
               int pageCount)
        : device_(device), painter_(painter), document_(document), pageCount_(pageCount),
          page_(QRectF(0, 0, device.width(), device.height())) {
        StartPage();
    }

    int Pages() const { return pageNumber_; }

    double Mm(double millimetres) const {
        return millimetres * device_.logicalDpiY() / kMillimetresPerInch;
    }

    void Heading(const QString& text, double points) {
        const QFont font = ChartFont(points, true);
        const QFontMetricsF metrics(font, &device_);
        Need(metrics.height() * 1.6);
        if (painter_ != nullptr) {
            painter_->setFont(font);
            painter_->setPen(Qt::black);
            painter_->drawText(QRectF(body_.left(), y_, body_.width(), metrics.height()),
                               Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        y_ += metrics.height() * 1.6;
    }

    void Fields(const std::vector<DocumentField>& fields) {
        const QFont labelFont = ChartFont(10, true);
        const QFont valueFont = ChartFont(10);
        const QFontMetricsF metrics(valueFont, &device_);
        const double labelWidth = Mm(38);
        const double line = metrics.height() * 1.25;
        Need(line * static_cast<double>(fields.size()));
        for (const DocumentField& field : fields) {
            if (painter_ != nullptr) {
                painter_->setPen(Qt::black);
                painter_->setFont(labelFont);
                painter_->drawText(QRectF(body_.left(), y_, labelWidth, line), Qt::AlignVCenter,
                                   Text(field.label));
                painter_->setFont(valueFont);
                painter_->drawText(
                    QRectF(body_.left() + labelWidth, y_, body_.width() - labelWidth, line),
                    Qt::AlignVCenter, Text(field.value));
            }
            y_ += line;
        }
        y_ += line * 0.6;
    }

    void Chart(const ChartLayout& layout, double side) {
        side = std::min(side, body_.width());
        Need(side + Mm(6));
        if (painter_ != nullptr) {
            const double left = body_.left() + (body_.width() - side) / 2.0;
            PaintChart(*painter_, QRectF(left, y_, side, side), layout);
        }
        y_ += side + Mm(6);
    }

    // `trailing` is the height of what must stay on the page below the table (its footnotes).
    void Table(const DocumentTable& table, double trailing = 0.0) {
        const QFont headFont = ChartFont(9, true);
        const QFont cellFont = ChartFont(table.compound ? 8 : 9);
        const QFontMetricsF headMetrics(headFont, &device_);
        const QFontMetricsF cellMetrics(cellFont, &device_);
        const double padX = Mm(1.5);
        const double padY = Mm(1.0);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

        // The first column is as wide as its widest name; the others share the rest.
        double first = headMetrics.horizontalAdvance(Text(table.headings.front()));
        for (const auto& row : table.rows) {
            first = std::max(first, headMetrics.horizontalAdvance(Text(row.front())));
        }
        first += 2 * padX;
        const std::size_t columns = table.headings.size();
        const double rest = (body_.width() - first) / static_cast<double>(columns - 1);
        const auto left = [&](std::size_t column) {
            return body_.left() +
                   (column == 0 ? 0.0 : first + rest * static_cast<double>(column - 1));
        };
        const auto width = [&](std::size_t column) { return column == 0 ? first : rest; };
        const auto rowHeight = [&](const std::vector<std::string>& cells,
                                   const QFontMetricsF& metrics) {
            double height = metrics.height();
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const QRectF room(0, 0, width(c) - 2 * padX, 1e6);
                height =
                    std::max(height, metrics.boundingRect(room, flags, Text(cells[c])).height());
            }
            return height + 2 * padY;
        };

        const double headHeight = rowHeight(table.headings, headMetrics);
        std::vector<double> heights;
        double total = headHeight;
        for (const auto& row : table.rows) {
            heights.push_back(rowHeight(row, cellMetrics));
            total += heights.back();
        }
        // The title stays with its table.
        Need(QFontMetricsF(ChartFont(12, true), &device_).height() * 1.6 + total + trailing);
        Heading(Text(table.title), 12);

        // `row` counts the rows below the headings.
        const auto drawRow = [&](const std::vector<std::string>& cells, double height, bool heading,
                                 std::size_t row) {
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const QRectF cell(left(c), y_, width(c), height);
                const auto background =
                    (!heading && table.compound && c > 0)
                        ? std::optional<Rgb>(CompoundBackground((*table.compound)[row][c - 1]))
                        : std::nullopt;
                if (background) {
                    painter_->fillRect(
                        cell, QColor(background->red, background->green, background->blue));
                } else if (heading || c == 0) {
                    painter_->fillRect(cell, QColor(230, 236, 226));
                }
                painter_->setPen(QPen(QColor(150, 150, 150), Mm(0.2)));
                painter_->drawRect(cell);
                painter_->setPen(background ? Qt::white : Qt::black);
                painter_->setFont(heading || c == 0 ? headFont : cellFont);
                painter_->drawText(cell.adjusted(padX, padY, -padX, -padY), flags, Text(cells[c]));
            }
            y_ += height;
        };
        if (painter_ == nullptr) {
            y_ += total;
        } else {
            drawRow(table.headings, headHeight, true, 0);
            for (std::size_t r = 0; r < table.rows.size(); ++r) {
                drawRow(table.rows[r], heights[r], false, r);
            }
        }
        y_ += Mm(6);
    }

    // Small lines under a table, such as its footnotes.
    double NotesHeight(const std::vector<std::string>& notes) const {
        return notes.empty() ? 0.0 : NoteLine() * (static_cast<double>(notes.size()) + 0.6);
    }

    void Notes(const std::vector<std::string>& notes) {
        if (notes.empty()) {
            return;
        }
        const QFont font = ChartFont(9);
        const double line = NoteLine();
        Need(line * static_cast<double>(notes.size()));
        for (const std::string& note : notes) {
            if (painter_ != nullptr) {
                painter_->setFont(font);
                painter_->setPen(Qt::black);
                painter_->drawText(QRectF(body_.left(), y_, body_.width(), line),
                                   Qt::AlignLeft | Qt::AlignVCenter, Text(note));
            }
            y_ += line;
        }
        y_ += line * 0.6;
    }

    void NewPage() {
        if (painter_ != nullptr) {
            device_.newPage();
        }
        ++pageNumber_;
        StartPage();
    }

    const QRectF& Body() const { return body_; }

  private:
    double NoteLine() const { return QFontMetricsF(ChartFont(9), &device_).height() * 1.25; }

    // Starts a new page when the block does not fit below what the page already holds.
    void Need(double height) {
        if (y_ + height > body_.bottom() && y_ > body_.top()) {
            NewPage();
        }
    }

    void StartPage() {
        const QFont font = ChartFont(8);
        const QFontMetricsF metrics(font, &device_);
        const double band = metrics.height() * 2.0;
        body_ = page_.adjusted(0, band, 0, -band);
        y_ = body_.top();
        if (painter_ == nullptr) {
            return;
        }
        painter_->setFont(font);
        painter_->setPen(QColor(60, 60, 60));
        const QRectF head(page_.left(), page_.top(), page_.width(), metrics.height());
        const std::string who = document_.positionsCaption.empty()
                                    ? document_.header
                                    : document_.header + " - " + document_.positionsCaption;
        painter_->drawText(head, Qt::AlignLeft | Qt::AlignVCenter, Text(who));
        painter_->drawText(head, Qt::AlignRight | Qt::AlignVCenter, Text(document_.heading));
        const QRectF foot(page_.left(), page_.bottom() - metrics.height(), page_.width(),
                          metrics.height());
        painter_->drawText(foot, Qt::AlignLeft | Qt::AlignVCenter,
                           Text(PageFooterText(document_, pageNumber_, pageCount_, WindowWords())));
        painter_->setPen(QPen(QColor(150, 150, 150), Mm(0.2)));
        painter_->drawLine(QPointF(page_.left(), head.bottom() + metrics.height() * 0.3),
                           QPointF(page_.right(), head.bottom() + metrics.height() * 0.3));
        painter_->drawLine(QPointF(page_.left(), foot.top() - metrics.height() * 0.3),
                           QPointF(page_.right(), foot.top() - metrics.height() * 0.3));
    }

    QPagedPaintDevice& device_;
    QPainter* painter_;
    const ReadingDocument& document_;
    int pageCount_;
    QRectF page_;
    QRectF body_;
    double y_ = 0.0;
    int pageNumber_ = 1;
};

// Page 1: the birth, the chart and the positions; then the three relationship tables.
int LayOut(PageWriter& writer, const ReadingDocument& document) {
    writer.Heading(Text(document.heading), 16);
    writer.Fields(document.birthDetails);
    // Small enough that the positions, their footnotes and the ascendant stay on the first page.
    writer.Chart(document.chart, writer.Mm(100));
    writer.Table(document.positions, writer.NotesHeight(document.positionNotes));
    writer.Notes(document.positionNotes);
    writer.NewPage();
    for (const DocumentTable& table : document.relationships) {
        writer.Table(table);
    }
    return writer.Pages();
}

// What could not be written: the printed reading or the chart picture.
enum class Written { Reading, Chart };

Fault CouldNotWrite(Written what, const std::string& path) {
    const Word sentence =
        what == Written::Reading
            ? KOVREL_WORD("Messages", "The reading could not be written to \"%1\".")
            : KOVREL_WORD("Messages", "The chart could not be written to \"%1\".");
    return Fault{Utf8(Say(sentence).arg(QString::fromStdString(path)))};
}

// A target that exists but may not be written keeps its protection, although renaming over it
// would succeed.
bool MayReplace(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && info.isWritable());
}

// What the window manager adds around a dialog: a title bar and a thin frame.
constexpr QSize kWindowFrame(16, 48);

// The preview's toolbar needs this much width in the dialog.
int ToolBarWidth(const QPrintPreviewDialog& dialog, const QToolBar& bar) {
    const QMargins margins =
        dialog.layout() != nullptr ? dialog.layout()->contentsMargins() : QMargins();
    return bar.sizeHint().width() + margins.left() + margins.right();
}

// At a large scale the preview's toolbar is wider than the dialog Qt opens, and its last actions,
// Print among them, drop behind the overflow button. So Print and Page setup come first, and when
// the dialog is first shown (Qt chooses its size only then, from the rendered pages) it widens for
// the whole toolbar where the screen has room, with smaller icons where even the screen is too
// narrow.
class ToolBarFitter : public QObject {
  public:
    ToolBarFitter(QPrintPreviewDialog* dialog, QToolBar* bar)
        : QObject(dialog), dialog_(dialog), bar_(bar) {
        QAction* front = bar->actions().constFirst();
        // Found by Qt's own captions, in whatever language Qt speaks.
        bool moved = false;
        for (const char* caption : {"Print", "Page setup"}) {
            const QString text = QCoreApplication::translate("QPrintPreviewDialog", caption);
            for (QAction* action : bar->actions()) {
                if (action->text() == text && !action->isSeparator()) {
                    bar->removeAction(action);
                    bar->insertAction(front, action);
                    moved = true;
                    break;
                }
            }
        }
        if (moved) {
            bar->insertSeparator(front);
        }
        dialog->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == dialog_ && event->type() == QEvent::Show) {
            dialog_->removeEventFilter(this);
            widen();
        }
        return false;
    }

  private:
    void widen() {
        const QScreen* screen = dialog_->screen();
        if (screen == nullptr) {
            return;
        }
        const QSize room = screen->availableGeometry().size() - kWindowFrame;
        if (ToolBarWidth(*dialog_, *bar_) > room.width()) {
            bar_->setIconSize(bar_->iconSize() * 2 / 3);
        }
        const int wanted = std::min(ToolBarWidth(*dialog_, *bar_), room.width());
        if (dialog_->width() < wanted) {
            dialog_->resize(wanted, dialog_->height());
        }
    }

    QPrintPreviewDialog* dialog_;
    QToolBar* bar_;
};

} // namespace

QPageSize::PageSizeId PaperSizeFor(const QLocale& locale) {
    const bool letter = std::find(kLetterCountries.begin(), kLetterCountries.end(),
                                  locale.territory()) != kLetterCountries.end();
    return letter ? QPageSize::Letter : QPageSize::A4;
}

int PaintReadingDocument(QPagedPaintDevice& device, const ReadingDocument& document) {
    PageWriter measure(device, nullptr, document, 0);
    const int pageCount = LayOut(measure, document);
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    PageWriter writer(device, &painter, document, pageCount);
    const int pages = LayOut(writer, document);
    return painter.end() ? pages : 0;
}

Result<> WriteReadingPdf(const std::string& path, const CalculatedReading& calculated,
                         QPageSize::PageSizeId paper, ChartStyle chartStyle) {
    const QString target = QString::fromStdString(path);
    if (!MayReplace(target)) {
        return CouldNotWrite(Written::Reading, path);
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        return CouldNotWrite(Written::Reading, path);
    }
    const ReadingDocument document = MakeReadingDocument(calculated, chartStyle, WindowWords());
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(paper));
        writer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(Text(document.programName + " - " + document.header));
        writer.setCreator(Text(document.programName));
        pages = PaintReadingDocument(writer, document);
    }
    if (pages == 0 || file.error() != QFileDevice::NoError || !file.commit()) {
        file.cancelWriting();
        return CouldNotWrite(Written::Reading, path);
    }
    return Success();
}

Result<> WriteChartSvg(const std::string& path, const CalculatedReading& calculated,
                       ChartStyle chartStyle, int width) {
    const QString target = QString::fromStdString(path);
    if (!MayReplace(target)) {
        return CouldNotWrite(Written::Chart, path);
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        return CouldNotWrite(Written::Chart, path);
    }
    const int height = static_cast<int>(std::lround(width * ChartAspect(chartStyle)));
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setTitle(Say(kChartTitle) + QStringLiteral(" - ") + Text(calculated.birth.Name));
    generator.setDescription(Text(kWindowCaption));
    QPainter painter;
    if (!painter.begin(&generator)) {
        file.cancelWriting();
        return CouldNotWrite(Written::Chart, path);
    }
    PaintChart(painter, QRectF(0, 0, width, height),
               ChartOf(calculated, chartStyle, WindowWords()));
    const bool painted = painter.end();
    if (!painted || file.error() != QFileDevice::NoError || !file.commit()) {
        file.cancelWriting();
        return CouldNotWrite(Written::Chart, path);
    }
    return Success();
}

std::unique_ptr<QPrintPreviewDialog>
MakePrintPreview(QWidget* parent, const CalculatedReading& calculated, ChartStyle chartStyle) {
    auto dialog = std::make_unique<QPrintPreviewDialog>(parent);
    dialog->printer()->setPageSize(QPageSize(PaperSizeFor(QLocale())));
    dialog->setWindowTitle(Text(kWindowCaption) + QStringLiteral(" - ") +
                           Say(KOVREL_WORD("ReadingPrint", "Print Reading")));
    const ReadingDocument document = MakeReadingDocument(calculated, chartStyle, WindowWords());
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [document](QPrinter* printer) { PaintReadingDocument(*printer, document); });
    if (auto* bar = dialog->findChild<QToolBar*>(); bar != nullptr && !bar->actions().isEmpty()) {
        new ToolBarFitter(dialog.get(), bar);
    }
    return dialog;
}

} // namespace kovrel
