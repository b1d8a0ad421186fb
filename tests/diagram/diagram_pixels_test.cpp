// The diagram on the 700 x 700 report image and on a PDF page, checked on real pixels: each element's
// colour is found where the plot mapping puts it.
#include <QDir>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "imagecanvas.h"
#include "mccabediagram.h"
#include "pagecanvas.h"

using namespace zorvek;

namespace {

DesignOutcome Solve(CaseTexts texts) {
    CalcSettings settings;
    return Calcular(texts, settings);
}

QImage ReportImage(const DesignOutcome& outcome) {
    QImage image(700, 700, QImage::Format_RGB32);
    QFont font("Arial");
    font.setPixelSize(11);
    ImageCanvas canvas(image, CanvasIdentity::Picture4, font);
    DiagramOptions options;
    options.AxisTitleX = "X: Mole fraction";
    options.AxisTitleY = "Y: Mole fraction";
    DrawDiagram(canvas, outcome, options);
    return image;
}

int Distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// The colour within one pixel of the mapped point that is closest to the expected one.
QColor NearestColour(const QImage& image, double x, double y, QColor expected) {
    const PlotBox box{25, image.height() - 25.0, image.width() - 50.0, image.height() - 50.0};
    const QPointF p = box.Map(x, y);
    QColor best = Qt::white;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor c = image.pixelColor(int(std::floor(p.x())) + dx, int(std::floor(p.y())) + dy);
            if (Distance(c, expected) < Distance(best, expected)) best = c;
        }
    }
    return best;
}

struct Probe {
    const char* what;
    double x, y;
    QColor colour;
};

} // namespace

TEST(DiagramMapping, PlotBoxOfAPictureAndThePage) {
    QImage image(550, 450, QImage::Format_RGB32);
    ImageCanvas canvas(image, CanvasIdentity::Picture1, QFont());
    const PlotBox box = PlotBoxOf(canvas);
    EXPECT_EQ(box.Map(0.5, 0.5), QPointF(275, 225));
    EXPECT_DOUBLE_EQ(box.e + 10 * box.f / 10.01, 25 + 10 * 500 / 10.01); // last tick, half a pixel inside
    EXPECT_NEAR(box.e + 10 * box.f / 10.01, 524.5, 0.01);
}

TEST(DiagramMapping, TickLabelsUseTheDecimalSymbol) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {0, ",", "0"}, {1, ",", "0,1"}, {5, ".", "0.5"}, {9, ",", "0,9"}, {10, ".", "1"}};
    for (const auto& [k, symbol, text] : cases) EXPECT_EQ(TickLabel(k, symbol), text) << k;
}

TEST(ReportImage, StartUpCaseShowsEachElementInItsColour) {
    const DesignOutcome o = Solve({});
    ASSERT_EQ(o.reached, Reached::Complete);
    ASSERT_GE(o.stairPoints.size(), 2u);
    const QImage image = ReportImage(o);
    const double yCurve = 2 * 0.05 / (1 + 0.05);
    const StairPoint s1 = o.stairPoints[0], s2 = o.stairPoints[1];
    const Probe probes[] = {
        {"diagonal", 0.95, 0.95, {96, 96, 96}},
        {"curve", 0.05, yCurve, {96, 96, 96}},
        {"enriching line", (o.inputs.xD + o.xq) / 2, (o.inputs.xD + o.yq) / 2, {200, 0, 0}},
        {"exhausting line", (o.inputs.xB + o.xq) / 2, (o.inputs.xB + o.yq) / 2, {96, 96, 240}},
        {"q-line", (o.inputs.zF + o.xm) / 2, (o.inputs.zF + o.ym) / 2, {0, 160, 0}},
        {"staircase", (s1.x + s2.x) / 2, (s1.y + s2.y) / 2, {200, 160, 0}},
        {"bottoms disc", o.inputs.xB, o.inputs.xB, {96, 96, 240}},
        {"feed disc", o.inputs.zF, o.inputs.zF, {255, 128, 0}},
        {"distillate disc", o.inputs.xD, o.inputs.xD, {192, 0, 0}},
        {"q-point disc", o.xq, o.yq, {0, 160, 0}},
    };
    for (const Probe& p : probes) {
        const QColor found = NearestColour(image, p.x, p.y, p.colour);
        EXPECT_LT(Distance(found, p.colour), 40) << p.what << " found " << found.name().toStdString();
    }
}

TEST(ReportImage, RejectedCaseShowsBackgroundAndStreamPointsOnly) {
    CaseTexts texts;
    texts.xB = "0.5"; // bottoms richer than the feed: rejected before the curve
    const DesignOutcome o = Solve(texts);
    ASSERT_EQ(o.reached, Reached::StreamPoints);
    const QImage image = ReportImage(o);
    EXPECT_LT(Distance(NearestColour(image, 0.95, 0.95, {96, 96, 96}), {96, 96, 96}), 40) << "diagonal";
    EXPECT_LT(Distance(NearestColour(image, 0.5, 0.5, {96, 96, 240}), {96, 96, 240}), 40) << "bottoms disc";
    EXPECT_LT(Distance(NearestColour(image, 0.85, 0.85, {192, 0, 0}), {192, 0, 0}), 40) << "distillate";
    const QColor white(Qt::white);
    EXPECT_EQ(NearestColour(image, 0.05, 2 * 0.05 / 1.05, {96, 96, 96}), white) << "no curve";
    EXPECT_EQ(NearestColour(image, 0.65, 0.74, {200, 160, 0}), white) << "no lines";
}

namespace {

// Draws the start-up case on a PDF page and rasterises it with pdftoppm; null when that is missing.
QImage PdfPage(bool blackAndWhite, const QString& folder) {
    const QString pdf = folder + (blackAndWhite ? "/bw.pdf" : "/colour.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setResolution(300);
        QPainter painter(&writer);
        PageCanvas canvas(painter, writer.resolution());
        DiagramOptions options;
        options.BlackAndWhite = blackAndWhite;
        options.AxisTitleX = "X";
        options.AxisTitleY = "Y";
        DrawDiagram(canvas, Solve({}), options);
    }
    const QString tool = QStandardPaths::findExecutable("pdftoppm");
    if (tool.isEmpty()) return {};
    const QString prefix = pdf + "_page";
    QProcess::execute(tool, {"-r", "60", "-png", "-singlefile", pdf, prefix});
    return QImage(prefix + ".png");
}

int ColouredPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int spread =
                std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
            if (spread > 24) ++count;
        }
    }
    return count;
}

} // namespace

TEST(PrintedPage, BlackAndWhiteHasNoColouredPixel) {
    QTemporaryDir folder;
    const QImage colour = PdfPage(false, folder.path());
    if (colour.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QImage bw = PdfPage(true, folder.path());
    ASSERT_FALSE(bw.isNull());
    EXPECT_GT(ColouredPixels(colour), 100); // the check can see colour at all
    EXPECT_EQ(ColouredPixels(bw), 0);
}

TEST(ReportImage, FarAwayOrUndefinedPointsAreSkippedOrCut) {
    // A solved case whose q-point lies far outside the plot, and one whose pinch point is undefined.
    DesignOutcome far = Solve({});
    ASSERT_EQ(far.reached, Reached::Complete);
    far.xq = 1e12;
    far.yq = 0.75e12;
    const QImage image = ReportImage(far);
    // The enriching line still leaves the distillate point towards the q-point, cut at the picture.
    const double t = 0.1 / (far.xq - far.inputs.xD);
    const QColor red(200, 0, 0);
    EXPECT_LT(
        Distance(NearestColour(image, far.inputs.xD + 0.1, far.inputs.xD + t * (far.yq - far.inputs.xD), red),
                 red),
        40);
    DesignOutcome undefined = Solve({});
    undefined.xm = std::nan("");
    undefined.xq = std::numeric_limits<double>::infinity();
    const QImage drawn = ReportImage(undefined);
    EXPECT_EQ(drawn.pixelColor(int(25 + 0.95 * 650), int(675 - 0.95 * 650)), QColor(96, 96, 96))
        << "diagonal";
}
