// The start-up case exported to PDF: its text read back with pdftotext and page 2 rasterised with
// pdftoppm, to see the diagram's square where it belongs, in colour or only in black and grey.
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "casepages.h"
#include "pdfexport.h"

using namespace zorvek;

namespace {

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PdfExportTest : public ::testing::Test {
  protected:
    QString Export(const PrintableCase& c, const QString& name = "case.pdf") {
        const QString path = dir_.filePath(name);
        FileError error;
        EXPECT_TRUE(ExportPdf(path, CasePageSource(c), &error)) << error.description.toStdString();
        return path;
    }
    // A page at 100 pixels per inch.
    QImage PageImage(const QString& pdf, int number = 2) {
        const QString stem = dir_.filePath("page");
        const QString n = QString::number(number);
        RunTool("pdftoppm", {"-r", "100", "-f", n, "-l", n, "-png", "-singlefile", pdf, stem});
        return QImage(stem + ".png");
    }
    QTemporaryDir dir_;
};

constexpr double kPxPerMm = 100 / 25.4;

TEST_F(PdfExportTest, TextHoldsTitleSummaryAndStageTable) {
    PrintableCase c;
    const QString text = RunTool("pdftotext", {"-layout", Export(c), "-"});
    ASSERT_FALSE(text.isEmpty()) << "pdftotext (poppler-utils) is needed";
    for (const char* expected :
         {"Number of Theoretical Plates by McCabe-Thiele method", "Distillation of a binary feed",
          "Feed:        Zf = 0.46", "Distillate:  Xd = 0.85", "R = L/D = 3", "NPT = 7.5471",
          "Theoretical stages. From top to bottom:", "0.8500  0.8500", "0.1334  0.1159",
          "Enriching operating line", "(Xd, Yd)"}) {
        // pdftotext keeps the words but not every run of blanks.
        EXPECT_TRUE(text.simplified().contains(QString(expected).simplified())) << expected;
    }
    EXPECT_EQ(text.count(QChar('\f')), 2) << "two pages, no blank sheet";
}

TEST_F(PdfExportTest, SpanishPagesWithDecimalComma) {
    PrintableCase c;
    c.UiLanguage = "ESP";
    c.DecimalSymbol = ",";
    c.entries.zF = "0,46";
    const QString text = RunTool("pdftotext", {"-layout", Export(c), "-"});
    for (const char* expected :
         {"Número de platos teóricos por el método McCabe-Thiele", "Alimentación: Zf = 0,46",
          "Composición de los platos teóricos (de arriba a abajo):", "0,7391  0,7668"}) {
        EXPECT_TRUE(text.simplified().contains(QString::fromUtf8(expected).simplified())) << expected;
    }
}

// Columns (or rows) holding a dark run longer than 150 mm: the frame of the diagram.
std::pair<double, double> FrameSpanMm(const QImage& image, bool columns) {
    const int outer = columns ? image.width() : image.height();
    const int inner = columns ? image.height() : image.width();
    double first = -1, last = -1;
    for (int a = 0; a < outer; ++a) {
        int run = 0, best = 0;
        for (int b = 0; b < inner; ++b) {
            const QColor px = columns ? image.pixelColor(a, b) : image.pixelColor(b, a);
            run = px.value() < 100 ? run + 1 : 0;
            best = std::max(best, run);
        }
        if (best > 150 * kPxPerMm) {
            if (first < 0) first = a;
            last = a;
        }
    }
    return {first / kPxPerMm, last / kPxPerMm};
}

int CountColoured(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor px = image.pixelColor(x, y);
            const int spread =
                std::max({px.red(), px.green(), px.blue()}) - std::min({px.red(), px.green(), px.blue()});
            if (spread > 40) ++n;
        }
    return n;
}

TEST_F(PdfExportTest, DiagramSquareSpans10To190InColourOrBlack) {
    for (bool blackAndWhite : {false, true}) {
        PrintableCase c;
        c.BlackAndWhite = blackAndWhite;
        const QImage page = PageImage(Export(c, blackAndWhite ? "bw.pdf" : "colour.pdf"));
        ASSERT_FALSE(page.isNull()) << "pdftoppm (poppler-utils) is needed";
        // The printable area starts 5 mm from the sheet's left edge and 10 mm from its top.
        const auto [left, right] = FrameSpanMm(page, true);
        const auto [top, bottom] = FrameSpanMm(page, false);
        EXPECT_NEAR(left - kPdfMarginLeftRight, 10, 0.6);
        EXPECT_NEAR(right - kPdfMarginLeftRight, 190, 0.6);
        EXPECT_NEAR(top - kPdfMarginTopBottom, 10, 0.6);
        EXPECT_NEAR(bottom - kPdfMarginTopBottom, 190, 0.6);
        if (blackAndWhite)
            EXPECT_EQ(CountColoured(page), 0);
        else
            EXPECT_GT(CountColoured(page), 500);
    }
}

TEST_F(PdfExportTest, UnwritableFolderFailsAndKeepsNothing) {
    PrintableCase c;
    FileError error;
    EXPECT_FALSE(ExportPdf(dir_.filePath("missing/case.pdf"), CasePageSource(c), &error));
    EXPECT_NE(error.code, 0);
    EXPECT_FALSE(error.description.isEmpty());
}

// The printer path: a QPrinter (here in its PDF mode) behind the same adapter the real printers use.
TEST_F(PdfExportTest, PrinterDevicePrintsTheCopies) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dir_.filePath("printer.pdf"));
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter);
    const std::unique_ptr<PageDevice> device = WrapPagedDevice(std::move(printer));
    EXPECT_NEAR(device->printableSizeMm().width(), 198, 0.01);
    EXPECT_NEAR(device->printableSizeMm().height(), 285, 0.01);
    ASSERT_EQ(PrintPages(*device, CasePageSource(PrintableCase{}), 2, false), PrintOutcome::Printed);
    const QString text = RunTool("pdftotext", {"-layout", dir_.filePath("printer.pdf"), "-"});
    const QStringList pages = text.split(QChar('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 4);
    EXPECT_TRUE(pages[0].contains("Number of Theoretical Plates") &&
                pages[1].contains("Number of Theoretical Plates"));
    EXPECT_TRUE(pages[2].contains("Theoretical stages") && pages[3].contains("Theoretical stages"));
    // The drawing's origin is the printable area's corner, 6 mm into the sheet.
    const QImage diagram = PageImage(dir_.filePath("printer.pdf"), 3);
    const auto [left, right] = FrameSpanMm(diagram, true);
    const auto [top, bottom] = FrameSpanMm(diagram, false);
    EXPECT_NEAR(left, 16, 0.6);
    EXPECT_NEAR(right, 196, 0.6);
    EXPECT_NEAR(top, 16, 0.6);
    EXPECT_NEAR(bottom, 196, 0.6);
}

TEST(PdfExtension, AddedOnlyWhenMissing) {
    EXPECT_EQ(WithPdfExtension("/tmp/report"), "/tmp/report.pdf");
    EXPECT_EQ(WithPdfExtension("/tmp/report.PDF"), "/tmp/report.PDF");
    EXPECT_EQ(WithPdfExtension("/tmp/a.b/report"), "/tmp/a.b/report.pdf");
    EXPECT_EQ(WithPdfExtension(""), "");
}

} // namespace
