#include "../AnnReading.h"
#include "chart/gui/ReadingPrint.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <unistd.h>

namespace kovrel::test {
namespace {

// Success, or the fault's message in the failure.
testing::AssertionResult Written(const Result<>& result) {
    if (result) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << result.fault().message;
}

// The text of a PDF in drawing order, every run of white space made one blank.
QString PdfText(const std::string& path, int firstPage = 0, int lastPage = 0) {
    QStringList arguments{QStringLiteral("-raw")};
    if (firstPage > 0) {
        arguments << "-f" << QString::number(firstPage) << "-l" << QString::number(lastPage);
    }
    arguments << QString::fromStdString(path) << QStringLiteral("-");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

QString PdfInfo(const std::string& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {QString::fromStdString(path)});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class ReadingFiles : public TempFolderTest {
  protected:
    void SkipWithoutPoppler() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
            GTEST_SKIP() << "pdftotext / pdfinfo (poppler-utils) not installed";
        }
    }
    CalculatedReading calculated = AnnCalculated();
};

TEST_F(ReadingFiles, ThePdfHoldsAnnsPlacementsAndTheThreeTables) {
    SkipWithoutPoppler();
    const std::string path = Path("Ann.pdf");
    ASSERT_TRUE(Written(WriteReadingPdf(path, calculated, QPageSize::A4)));
    const QString all = PdfText(path);
    const QString first = PdfText(path, 1, 1);
    // Ann's placements (worked example), on the first page with her details.
    for (const char* placement :
         {"Sun 00 Pis 41", "Moon 11 Lib 33", "Mercury 26 Aqu 55", "Venus 15 Cap 14",
          "Mars 08 Cap 59", "Jupiter 07 Gem 50", "Saturn 29 Sag 37"}) {
        EXPECT_TRUE(first.contains(QLatin1String(placement))) << placement;
    }
    for (const char* text :
         {"Indian Time, IST, +5.3", "New Delhi", "28\u00B0 36' N", "77\u00B0 12' E", "-23.72442",
          "Signs fixed; no ascendant computed", "Venus 15\u00B014'"}) {
        EXPECT_TRUE(first.contains(QString::fromUtf8(text))) << text;
    }
    EXPECT_FALSE(first.contains(QLatin1String("Natural Relationship")));
    // The three tables follow, with the panels' headings and Ann's rows (worked example).
    for (const char* text :
         {"Natural Relationship", "Temporary Relationship", "Compound Relationship",
          "Planet Friends (mitra) Enemies (satru) Neutral (sama)", "Mercury Sun/ Venus",
          "Sun Jupiter/ Saturn/ Venus/ Mars/ Mercury Moon",
          "Sun Moon Mercury Venus Mars Jupiter Saturn Sun Neutral Neutral Friend Neutral Great "
          "Friend Great Friend Neutral",
          "Ann", "Kovrel v1.15 - page 1 of", "Kovrel v1.15 - page 2 of"}) {
        EXPECT_TRUE(all.contains(QLatin1String(text))) << text << "\n" << all.toStdString();
    }
    // Vector text on A4 (595 x 842 points).
    EXPECT_TRUE(PdfInfo(path).contains(QLatin1String("(A4)"))) << PdfInfo(path).toStdString();
}

TEST_F(ReadingFiles, LetterPaperWhereTheLocaleUsesIt) {
    SkipWithoutPoppler();
    const std::string path = Path("letter.pdf");
    ASSERT_TRUE(Written(WriteReadingPdf(path, calculated, QPageSize::Letter)));
    EXPECT_TRUE(PdfInfo(path).contains(QLatin1String("(letter)")));
}

TEST(PaperSizeFor, LetterInNorthAmericaA4Elsewhere) {
    EXPECT_EQ(PaperSizeFor(QLocale(QLocale::English, QLocale::UnitedStates)), QPageSize::Letter);
    EXPECT_EQ(PaperSizeFor(QLocale(QLocale::French, QLocale::Canada)), QPageSize::Letter);
    EXPECT_EQ(PaperSizeFor(QLocale(QLocale::Spanish, QLocale::Mexico)), QPageSize::Letter);
    EXPECT_EQ(PaperSizeFor(QLocale(QLocale::English, QLocale::UnitedKingdom)), QPageSize::A4);
    EXPECT_EQ(PaperSizeFor(QLocale(QLocale::Hindi, QLocale::India)), QPageSize::A4);
    EXPECT_EQ(PaperSizeFor(QLocale(QLocale::German, QLocale::Germany)), QPageSize::A4);
}

TEST_F(ReadingFiles, TheSvgHoldsTheChart) {
    const std::string path = Path("chart.svg");
    ASSERT_TRUE(Written(WriteChartSvg(path, calculated)));
    const std::string svg = FileBytes(path);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Capricorn"), std::string::npos);
    EXPECT_NE(svg.find("Venus 15\u00B014'"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(ReadingFiles, ThePicturesFollowTheChartStyle) {
    calculated.ascendant = 10.3519; // Ann's ascendant, Aries 10°21' (reference library)
    const std::string svgPath = Path("north.svg");
    ASSERT_TRUE(Written(WriteChartSvg(svgPath, calculated, ChartStyle::North)));
    const std::string svg = FileBytes(svgPath);
    // The square and its caption below it; the twelve sign numbers, the ascendant in the first
    // house, and no South Indian sign boxes.
    EXPECT_NE(svg.find("viewBox=\"0 0 600 756\""), std::string::npos);
    for (int number = 1; number <= 12; ++number) {
        EXPECT_NE(svg.find(">" + std::to_string(number) + "</text>"), std::string::npos) << number;
    }
    EXPECT_NE(svg.find("Asc 10\u00B021'"), std::string::npos);
    EXPECT_EQ(svg.find("Capricorn"), std::string::npos);

    SkipWithoutPoppler();
    // Ann has no planet in Taurus, so only the South Indian chart names it on the first page.
    for (const ChartStyle style : kChartStyles) {
        const std::string pdf = Path("Ann.pdf");
        ASSERT_TRUE(Written(WriteReadingPdf(pdf, calculated, QPageSize::A4, style)));
        const QString first = PdfText(pdf, 1, 1);
        EXPECT_EQ(first.contains(QLatin1String("Taurus")), style == ChartStyle::South)
            << ChartStyleName(style).text();
        EXPECT_TRUE(first.contains(QString::fromUtf8("Asc 10\u00B021'")))
            << ChartStyleName(style).text();
    }
}

TEST_F(ReadingFiles, AnExistingFileIsReplacedWhole) {
    const std::string path = Path("chart.svg");
    PutFile(path, std::string(100000, 'x'));
    ASSERT_TRUE(Written(WriteChartSvg(path, calculated)));
    EXPECT_EQ(FileBytes(path).find(std::string(21, 'x')), std::string::npos);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(ReadingFiles, AMissingFolderIsReportedAndLeavesNothing) {
    const std::string pdf = Path("missing/Ann.pdf");
    const std::string svg = Path("missing/chart.svg");
    const Result<> pdfWritten = WriteReadingPdf(pdf, calculated);
    ASSERT_FALSE(pdfWritten);
    EXPECT_EQ(pdfWritten.fault(), Fault{"The reading could not be written to \"" + pdf + "\"."});
    const Result<> svgWritten = WriteChartSvg(svg, calculated);
    ASSERT_FALSE(svgWritten);
    EXPECT_EQ(svgWritten.fault(), Fault{"The chart could not be written to \"" + svg + "\"."});
    // A "folder" that is a file fails for every user, the system administrator too.
    PutFile(Path("plain"), "x");
    EXPECT_FALSE(WriteReadingPdf(Path("plain/Ann.pdf"), calculated).ok());
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(ReadingFiles, AReadOnlyTargetOrFolderIsReportedAndKept) {
    // A folder as target is never replaced.
    fs::create_directory(folder_ / "folder.svg");
    EXPECT_FALSE(WriteChartSvg(Path("folder.svg"), calculated).ok());
    EXPECT_EQ(EntriesInFolder(), 1u);

    if (geteuid() == 0) {
        GTEST_SKIP() << "the system administrator may write read-only files and folders";
    }
    const std::string target = Path("kept.pdf");
    PutFile(target, "old");
    fs::permissions(target, fs::perms::owner_read);
    EXPECT_FALSE(WriteReadingPdf(target, calculated).ok());
    EXPECT_EQ(FileBytes(target), "old");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteReadingPdf(Path("new.pdf"), calculated).ok());
    EXPECT_EQ(EntriesInFolder(), 2u);
}

TEST_F(ReadingFiles, PrintingPaintsTheSamePages) {
    SkipWithoutPoppler();
    // What the preview's Print button does: the dialog paints its pages on its printer.
    const auto dialog = MakePrintPreview(nullptr, calculated);
    QPrinter& printer = *dialog->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(Path("printed.pdf")));
    emit dialog->paintRequested(&printer);
    EXPECT_TRUE(PdfText(Path("printed.pdf")).contains(QLatin1String("Compound Relationship")));
}

TEST(MakePrintPreview, UsesTheLocalesPaper) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto dialog = MakePrintPreview(nullptr, AnnCalculated());
    EXPECT_EQ(dialog->printer()->pageLayout().pageSize().id(), QPageSize::Letter);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    dialog = MakePrintPreview(nullptr, AnnCalculated());
    EXPECT_EQ(dialog->printer()->pageLayout().pageSize().id(), QPageSize::A4);
    QLocale::setDefault(saved);
}

// Qt opens the preview at two thirds of the screen, narrower than its toolbar (the offscreen
// screen is 800 pixels wide), and the last actions, Print among them, drop behind an overflow
// button.
TEST(MakePrintPreview, PrintComesFirstAndTheWholeToolbarShows) {
    const auto dialog = MakePrintPreview(nullptr, AnnCalculated());
    auto* bar = dialog->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_FALSE(bar->actions().isEmpty());
    EXPECT_EQ(bar->actions().constFirst()->text(),
              QCoreApplication::translate("QPrintPreviewDialog", "Print"));
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    for (QAction* action : bar->actions()) {
        if (!action->isSeparator()) {
            EXPECT_TRUE(bar->widgetForAction(action)->isVisible()) << action->text().toStdString();
        }
    }
    EXPECT_FALSE(bar->findChild<QWidget*>("qt_toolbar_ext_button")->isVisible());
}

} // namespace
} // namespace kovrel::test
