// The chart picture and the printed reading of one birth (Ann's New Delhi reading): the PDF as
// the export writes it, the chart as an SVG file and painted into an image.
#include "app/ChartFormat.h"
#include "app/EntryForm.h"
#include "app/Reading.h"
#include "chart/gui/ChartPainter.h"
#include "chart/gui/ReadingPrint.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <string>

namespace {

kovrel::CalculatedReading Ann() {
    // The saved New Delhi file's seventeen values, opened as the window opens them.
    const kovrel::ChartLines lines = {"Ann",   "3",     "15",        "1990",  "8",    "30",
                                      "34",    "77",    "12",        "28",    "36",   "True",
                                      "False", "False", "New Delhi", "Delhi", "India"};
    kovrel::EntryForm entry;
    kovrel::ApplyChartLines(lines, entry);
    kovrel::CalculatedReading ann;
    ann.birth = kovrel::CopyEntry(entry, {});
    ann.zoneRow = entry.zoneIndex;
    ann.reading = kovrel::ComputeReading(ann.birth);
    return ann;
}

std::string Scratch(const char* name) {
    return QDir::temp().filePath(QString::fromLatin1(name)).toStdString();
}

// Target: under 300 ms per document.
void BM_ReadingPdf(benchmark::State& state) {
    const kovrel::CalculatedReading ann = Ann();
    const std::string path = Scratch("kovrel_bench_reading.pdf");
    for (auto _ : state) {
        const kovrel::Result<> written = kovrel::WriteReadingPdf(path, ann, QPageSize::A4);
        if (!written) {
            state.SkipWithError(written.fault().message.c_str());
            break;
        }
    }
    QFile::remove(QString::fromStdString(path));
}
BENCHMARK(BM_ReadingPdf)->Unit(benchmark::kMillisecond);

// Target: under 20 ms per picture.
void BM_ChartSvg(benchmark::State& state) {
    const kovrel::CalculatedReading ann = Ann();
    const std::string path = Scratch("kovrel_bench_chart.svg");
    for (auto _ : state) {
        const kovrel::Result<> written = kovrel::WriteChartSvg(path, ann);
        if (!written) {
            state.SkipWithError(written.fault().message.c_str());
            break;
        }
    }
    QFile::remove(QString::fromStdString(path));
}
BENCHMARK(BM_ChartSvg)->Unit(benchmark::kMillisecond);

// Target: under 20 ms per picture; the layout is built each time, as the window does.
void BM_ChartImage(benchmark::State& state) {
    const kovrel::CalculatedReading ann = Ann();
    QImage image(600, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        kovrel::PaintChart(painter, QRectF(0, 0, 600, 600), kovrel::SouthIndianChart(ann));
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_ChartImage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Fonts and painting need a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
