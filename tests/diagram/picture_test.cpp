// The diagram as a picture and through a view window: PNG pixels at the chosen size, the SVG's
// polylines, the PDF, the zoomed ticks and clipping, and the unzoomed mapping unchanged to the bit.
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numeric>

#include "diagramexport.h"
#include "imagecanvas.h"
#include "mccabediagram.h"

using namespace zorvek;

namespace {

DesignOutcome Solve(CaseTexts texts = {}) {
    return Calcular(texts, CalcSettings{});
}

QFont PictureFont() {
    QFont font("Arial");
    font.setPixelSize(11);
    return font;
}

int Distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// The colour nearest the expected one within two device pixels of the composition point (x, y) of a
// picture drawn at scale over the box of its logical size.
QColor Near(const QImage& image, const PlotBox& box, double scale, double x, double y, QColor expected) {
    const QPointF p = box.Map(x, y) * scale;
    QColor best = Qt::white;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const QPoint at(int(std::floor(p.x())) + dx, int(std::floor(p.y())) + dy);
            if (!image.rect().contains(at)) continue;
            const QColor c = image.pixelColor(at);
            if (Distance(c, expected) < Distance(best, expected)) best = c;
        }
    return best;
}

bool HasColour(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Distance(image.pixelColor(x, y), colour) < 10) return true;
    return false;
}

struct Probe {
    const char* what;
    double x, y;
    QColor colour;
};

std::vector<Probe> ProbesOf(const DesignOutcome& o) {
    const StairPoint s1 = o.stairPoints[0], s2 = o.stairPoints[1];
    return {{"curve", 0.05, 2 * 0.05 / 1.05, {96, 96, 96}},
            {"enriching line", (o.inputs.xD + o.xq) / 2, (o.inputs.xD + o.yq) / 2, {200, 0, 0}},
            {"exhausting line", (o.inputs.xB + o.xq) / 2, (o.inputs.xB + o.yq) / 2, {96, 96, 240}},
            {"q-line", (o.inputs.zF + o.xm) / 2, (o.inputs.zF + o.ym) / 2, {0, 160, 0}},
            {"staircase", (s1.x + s2.x) / 2, (s1.y + s2.y) / 2, {200, 160, 0}},
            {"feed disc", o.inputs.zF, o.inputs.zF, {255, 128, 0}}};
}

} // namespace

TEST(DiagramPicture, PngShowsEachElementInItsColourAtTheChosenSize) {
    const DesignOutcome o = Solve();
    QTemporaryDir dir;
    const struct {
        QSize pixels;
        double screenRatio;
    } cases[] = {{{1600, 1600}, 1}, {{800, 500}, 1}, {{900, 900}, 2}};
    for (const auto& c : cases) {
        const QString path = dir.filePath("diagram.png");
        const double scale = PictureScale(c.pixels, c.screenRatio);
        ASSERT_TRUE(WriteDiagramPng(path, &o, DiagramOptions{}, PictureFont(), c.pixels, scale));
        QImage image(path);
        ASSERT_EQ(image.size(), c.pixels);
        const PlotBox box = PicturePlotBox(c.pixels.width() / scale, c.pixels.height() / scale);
        for (const Probe& p : ProbesOf(o)) {
            const QColor found = Near(image, box, scale, p.x, p.y, p.colour);
            EXPECT_LT(Distance(found, p.colour), 40)
                << p.what << " at " << c.pixels.width() << "x" << c.pixels.height() << " found "
                << found.name().toStdString();
        }
    }
    // 1600 pixels draw the 700-pixel diagram 16/7 times over; a screen of ratio 2 never less than twice.
    EXPECT_DOUBLE_EQ(PictureScale({1600, 1600}, 1), 1600 / 700.0);
    EXPECT_DOUBLE_EQ(PictureScale({900, 900}, 2), 2);
    EXPECT_DOUBLE_EQ(PictureScale({400, 300}, 1), 1);
}

TEST(DiagramPicture, SvgParsesAndHoldsTheLinesAsPolylines) {
    const DesignOutcome o = Solve();
    QTemporaryDir dir;
    const QString path = dir.filePath("diagram.svg");
    ASSERT_TRUE(WriteDiagramSvg(path, &o, DiagramOptions{}, PictureFont(), {1600, 1600}, 1600 / 700.0));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::vector<QString> strokes{"none"};          // the stroke in force, by nesting of the groups
    std::map<QString, std::vector<int>> polylines; // stroke colour -> point counts
    QStringList texts;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString stroke = xml.attributes().value("stroke").toString();
            strokes.push_back(stroke.isEmpty() ? strokes.back() : stroke);
            if (xml.name() == QLatin1String("polyline")) {
                const int points =
                    xml.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts).size();
                polylines[strokes.back()].push_back(points);
            }
            if (xml.name() == QLatin1String("text")) texts << xml.readElementText(), strokes.pop_back();
        } else if (xml.isEndElement()) {
            strokes.pop_back();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    // The curve joins its 99 segments into one polyline of 100 points; the staircase runs in pieces
    // between its stage numbers.
    ASSERT_TRUE(polylines.count("#606060"));
    EXPECT_NE(std::find(polylines["#606060"].begin(), polylines["#606060"].end(), 100),
              polylines["#606060"].end());
    for (const char* colour : {"#c80000", "#6060f0", "#00a000", "#c8a000"})
        EXPECT_TRUE(polylines.count(colour)) << colour;
    ASSERT_TRUE(polylines.count("#c8a000"));
    const std::vector<int>& stairs = polylines["#c8a000"];
    EXPECT_GE(std::accumulate(stairs.begin(), stairs.end(), 0), static_cast<int>(o.stairPoints.size()));
    EXPECT_TRUE(texts.contains("Enriching operating line"));
    EXPECT_TRUE(texts.contains("(Xq, Yq)"));
}

TEST(DiagramPicture, PdfAndUnknownFormats) {
    const DesignOutcome o = Solve();
    QTemporaryDir dir;
    ASSERT_TRUE(
        WriteDiagramPicture(dir.filePath("d.PDF"), &o, DiagramOptions{}, PictureFont(), {700, 700}, 1));
    QFile pdf(dir.filePath("d.PDF"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    PictureError error;
    EXPECT_FALSE(WriteDiagramPicture(dir.filePath("d.jpg"), &o, DiagramOptions{}, PictureFont(), {700, 700},
                                     1, &error));
    EXPECT_FALSE(error.description.isEmpty());
    EXPECT_FALSE(WriteDiagramPng(dir.filePath("missing/d.png"), &o, DiagramOptions{}, PictureFont(),
                                 {700, 700}, 1, &error));
    EXPECT_NE(error.code, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("missing/d.png")));
}

TEST(DiagramPicture, RejectedCaseAndClearedDiagram) {
    CaseTexts texts;
    texts.xB = "0.5";
    const DesignOutcome o = Solve(texts);
    ASSERT_EQ(o.reached, Reached::StreamPoints);
    const QImage rejected = DiagramImage(&o, DiagramOptions{}, PictureFont(), {700, 700}, 1);
    EXPECT_TRUE(HasColour(rejected, {96, 96, 240}));  // the bottoms disc, as on the screen
    EXPECT_FALSE(HasColour(rejected, {200, 160, 0})); // no staircase
    const QImage cleared = DiagramImage(nullptr, DiagramOptions{}, PictureFont(), {200, 100}, 1);
    EXPECT_FALSE(HasColour(cleared, {0, 0, 0}));
    EXPECT_EQ(cleared.pixelColor(50, 50), QColor(Qt::white));
}

TEST(ViewWindow, WholeSquareMapsExactlyAsBefore) {
    const PlotBox box = PicturePlotBox(617, 433, ViewWindow{});
    for (double x : {0.0, 0.1, 1.0 / 3, 0.5, 0.85, 0.999, 1.0, -0.2, 7.5}) {
        const QPointF p = box.Map(x, 1 - x);
        EXPECT_EQ(p.x(), 25 + x * 567) << x;
        EXPECT_EQ(p.y(), 408 - (1 - x) * 383) << x;
        const QPointF back = box.Unmap(p.x(), p.y());
        EXPECT_EQ(back.x(), (p.x() - 25) / 567) << x;
    }
}

TEST(ViewWindow, ZoomedMappingAndItsInverse) {
    const ViewWindow view{0.9, 1, 0.9, 1};
    const PlotBox box = PicturePlotBox(545, 650, view);
    EXPECT_EQ(box.e, kZoomedLeftMargin);
    EXPECT_EQ(box.Map(0.9, 0.9), QPointF(box.e, box.h));
    EXPECT_EQ(box.Map(1, 1), QPointF(box.e + box.f, box.h - box.K));
    const QPointF back = box.Unmap(box.Map(0.95, 0.93).x(), box.Map(0.95, 0.93).y());
    EXPECT_NEAR(back.x(), 0.95, 1e-12);
    EXPECT_NEAR(back.y(), 0.93, 1e-12);
    EXPECT_TRUE(box.Inside({0.95, 0.95}));
    EXPECT_FALSE(box.Inside({0.5, 0.95}));
}

TEST(ViewWindow, ZoomedTicksFollowTheView) {
    const struct {
        double lo, hi;
        const char* symbol;
        double step;
        std::vector<QString> labels;
    } cases[] = {
        {0.9, 1, ".", 0.02, {"0.90", "0.92", "0.94", "0.96", "0.98", "1.00"}},
        {0.5, 1, ",", 0.1, {"0,5", "0,6", "0,7", "0,8", "0,9", "1,0"}},
        {0, 0.2, ".", 0.05, {"0.00", "0.05", "0.10", "0.15", "0.20"}},
        {0.9981, 0.9991, ".", 0.0002, {"0.9982", "0.9984", "0.9986", "0.9988", "0.9990"}},
    };
    for (const auto& c : cases) {
        const ZoomTicks ticks = ZoomedTicks(c.lo, c.hi, c.symbol);
        EXPECT_NEAR(ticks.step, c.step, 1e-15) << c.lo;
        EXPECT_EQ(ticks.labels, c.labels) << c.lo;
    }
    EXPECT_TRUE(ZoomedTicks(1, 1, ".").values.empty());
}

// A picture canvas that notes where each text goes.
class TextRecordingCanvas : public ImageCanvas {
  public:
    using ImageCanvas::ImageCanvas;
    struct Placed {
        QString text;
        QRectF rect;
    };
    void PrintText(const QString& text) override {
        placed.push_back({text, QRectF(textX_, textY_, TextWidth(text), TextHeight(text))});
        ImageCanvas::PrintText(text);
    }
    std::vector<Placed> placed;
};

// Zoomed, the tick labels of both axes stand apart at every width from the smallest window's diagram up:
// a narrow picture gets fewer, wider-spaced ticks rather than labels run together.
TEST(ViewWindow, ZoomedTickLabelsNeverRunTogether) {
    const DesignOutcome o = Solve();
    const ViewWindow views[] = {
        {0.8, 0.835, 0.86, 0.895}, {0.9981, 0.9991, 0.9981, 0.9991}, {0.5, 1, 0.5, 1}};
    for (const QSize size : {QSize(262, 540), QSize(400, 400), QSize(700, 700)}) {
        for (const ViewWindow& view : views) {
            SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " from " << view.x0);
            DiagramOptions options;
            options.view = view;
            QImage image(size, QImage::Format_RGB32);
            TextRecordingCanvas canvas(image, CanvasIdentity::Picture4, PictureFont());
            DrawDiagram(canvas, o, options);
            const PlotBox box = PicturePlotBox(size.width(), size.height(), view);
            std::vector<QRectF> below, left; // the labels of the x axis and of the y axis
            for (const auto& p : canvas.placed) {
                if (std::abs(p.rect.top() - (box.h + 3)) < 0.5) below.push_back(p.rect);
                if (std::abs(p.rect.right() - (box.e - 4)) < 0.5) left.push_back(p.rect);
            }
            ASSERT_GE(below.size(), 2u);
            ASSERT_GE(left.size(), 2u);
            std::sort(below.begin(), below.end(), [](auto& a, auto& b) { return a.left() < b.left(); });
            std::sort(left.begin(), left.end(), [](auto& a, auto& b) { return a.top() < b.top(); });
            for (size_t i = 1; i < below.size(); ++i) EXPECT_LT(below[i - 1].right(), below[i].left()) << i;
            for (size_t i = 1; i < left.size(); ++i) EXPECT_LE(left[i - 1].bottom(), left[i].top()) << i;
        }
    }
    // Where eight intervals fit, they stay.
    EXPECT_NEAR(FittedZoomTicks(
                    0.9, 1, ".", 650, [](const QString&) { return 30.0; }, 6)
                    .step,
                0.02, 1e-15);
}

TEST(ViewWindow, ZoomedPictureCutsThePlotAtItsFrameAndLabelsTheView) {
    const DesignOutcome o = Solve();
    DiagramOptions options;
    options.view = {0.3, 0.5, 0.3, 0.5};
    QImage image(600, 600, QImage::Format_RGB32);
    {
        ImageCanvas canvas(image, CanvasIdentity::Picture4, PictureFont());
        DrawDiagram(canvas, o, options);
    }
    const PlotBox box = PicturePlotBox(600, 600, options.view);
    // The operating lines leave the view on every side; nothing of them reaches the margins.
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 600; ++x) {
            const bool margin =
                x < box.e - 2 || x > box.e + box.f + 2 || y < box.h - box.K - 2 || y > box.h + 2;
            if (!margin) continue;
            for (QColor c : {QColor(200, 0, 0), QColor(96, 96, 240), QColor(200, 160, 0)})
                ASSERT_GT(Distance(image.pixelColor(x, y), c), 60) << x << "," << y;
        }
    }
    // Inside, the lines are where the zoomed mapping puts them.
    for (const Probe& p : ProbesOf(o)) {
        if (!box.Inside({p.x, p.y})) continue;
        EXPECT_LT(Distance(Near(image, box, 1, p.x, p.y, p.colour), p.colour), 40) << p.what;
    }
}
