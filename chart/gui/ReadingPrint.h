#pragma once

// The printed reading: the same pages on a printer, in a print preview and in a PDF file, and
// the chart alone as an SVG file.

#include "app/Reading.h"
#include "chart/ChartStyle.h"
#include "chart/ReadingDocument.h"
#include "common/BirthDetails.h"
#include "common/Result.h"

#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>

#include <memory>
#include <string>

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace kovrel {

// Letter where the locale's country uses it (the United States, Canada and their neighbours
// that follow the American paper sizes), A4 everywhere else.
QPageSize::PageSizeId PaperSizeFor(const QLocale& locale);

// Paints every page of the document on the device, starting new pages as needed. Returns the
// number of pages, or 0 when the device could not be painted on.
int PaintReadingDocument(QPagedPaintDevice& device, const ReadingDocument& document);

// Writes the reading as a PDF with vector text, its chart in `chartStyle`. The file is written
// beside the target and renamed over it, so a failure leaves no half-written file.
Result<> WriteReadingPdf(const std::string& path, const CalculatedReading& calculated,
                         QPageSize::PageSizeId paper = PaperSizeFor(QLocale()),
                         ChartStyle chartStyle = ChartStyle::South);

// Writes the chart picture as SVG, `width` units wide and as high as its style's shape, the same
// way.
Result<> WriteChartSvg(const std::string& path, const CalculatedReading& calculated,
                       ChartStyle chartStyle = ChartStyle::South, int width = 600);

// A print-preview dialog of the reading on paper of the locale's size, ready for the caller
// to open (exec() or through the program's dialog seam).
std::unique_ptr<QPrintPreviewDialog> MakePrintPreview(QWidget* parent,
                                                      const CalculatedReading& calculated,
                                                      ChartStyle chartStyle = ChartStyle::South);

} // namespace kovrel
