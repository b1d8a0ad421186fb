// The drawing steps seen through a canvas that records what is drawn where: label placement by q,
// legends in both languages, stage numbers, and how far a rejected case is drawn.
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "mccabediagram.h"

using namespace zorvek;

namespace {

struct Drawn {
    QString text;
    double x, y;
};

class RecordingCanvas : public DiagramCanvas {
  public:
    RecordingCanvas(CanvasIdentity identity, double w, double h) : identity_(identity), w_(w), h_(h) {}
    CanvasIdentity Identity() const override { return identity_; }
    void Clear() override { ++clears; }
    void SetDrawWidth(double) override {}
    void Line(double, double, double, double) override { ++lines; }
    void Line(double, double, double, double, const QColor& colour) override {
        ++lines;
        colours.push_back(colour);
    }
    void FilledCircle(double x, double y, double, const QColor&) override { discs.push_back({{}, x, y}); }
    void PrintText(const QString& text) override { texts.push_back({text, textX_, textY_}); }
    double TextWidth(const QString& text) const override { return 6.0 * text.size(); }
    double TextHeight(const QString&) const override { return 12; }
    double Width() const override { return w_; }
    double Height() const override { return h_; }
    void SetFont(const QString&, double, bool) override {}
    double Resolution() const override { return 600; }

    const Drawn* Find(const QString& text) const {
        for (const Drawn& d : texts) {
            if (d.text == text) return &d;
        }
        return nullptr;
    }
    int clears = 0, lines = 0;
    std::vector<QColor> colours;
    std::vector<Drawn> texts, discs;

  private:
    CanvasIdentity identity_;
    double w_, h_;
};

DesignOutcome Solve(const char* q) {
    CaseTexts texts;
    texts.q = q;
    return Calcular(texts, CalcSettings{});
}

} // namespace

TEST(DrawingSteps, QPointLabelFollowsQ) {
    // Offsets of the label from the q-point: pictures, then page.
    const std::tuple<const char*, QPointF, QPointF> cases[] = {{"0.3", {-10, 10}, {-2, 2}},
                                                               {"0.5", {10, -6}, {2, -1}},
                                                               {"0.8", {6, 6}, {1, 1}},
                                                               {"1", {6, 6}, {1, 1}}};
    for (const auto& [q, pictureOffset, pageOffset] : cases) {
        const DesignOutcome o = Solve(q);
        ASSERT_EQ(o.reached, Reached::Complete) << q;
        RecordingCanvas picture(CanvasIdentity::Picture4, 700, 700);
        RecordingCanvas page(CanvasIdentity::Page, 210, 297);
        DrawDiagram(picture, o, {});
        DrawDiagram(page, o, {});
        for (auto* canvas : {&picture, &page}) {
            const QPointF at = PlotBoxOf(*canvas).Map(o.xq, o.yq);
            const Drawn* label = canvas->Find("(Xq, Yq)");
            ASSERT_NE(label, nullptr) << q;
            const QPointF expected = at + (canvas == &picture ? pictureOffset : pageOffset);
            EXPECT_NEAR(label->x, expected.x(), 1e-9) << q;
            EXPECT_NEAR(label->y, expected.y(), 1e-9) << q;
        }
    }
}

TEST(DrawingSteps, PagePlotSquareInMillimetres) {
    RecordingCanvas page(CanvasIdentity::Page, 210, 297);
    EXPECT_EQ(PlotBoxOf(page).Map(1, 1), QPointF(190, 10));
    EXPECT_EQ(PlotBoxOf(page).Map(0, 0), QPointF(10, 190));
}

TEST(DrawingSteps, LegendsInTheInterfaceLanguage) {
    const DesignOutcome o = Solve("0.5");
    const std::tuple<const char*, const char*> cases[] = {
        {"ESP", "Recta q. Estado térmico de la alimentación"}, {"ENG", "q-Line. Thermal state of feed"}};
    for (const auto& [language, qLegend] : cases) {
        RecordingCanvas canvas(CanvasIdentity::Picture4, 700, 700);
        DiagramOptions options;
        options.UiLanguage = language;
        DrawDiagram(canvas, o, options);
        EXPECT_NE(canvas.Find(QString::fromUtf8(qLegend)), nullptr) << language;
    }
    RecordingCanvas neither(CanvasIdentity::Picture4, 700, 700);
    DiagramOptions other;
    other.UiLanguage = "FRA";
    DrawDiagram(neither, o, other);
    EXPECT_EQ(neither.Find("q-Line. Thermal state of feed"), nullptr);
}

TEST(DrawingSteps, OneNumberPerStage) {
    const DesignOutcome o = Solve("0.5");
    RecordingCanvas canvas(CanvasIdentity::Picture4, 700, 700);
    DrawDiagram(canvas, o, {});
    const int stages = static_cast<int>(std::ceil(o.NPT));
    for (int n = 1; n <= stages; ++n) EXPECT_NE(canvas.Find(QString::number(n)), nullptr) << n;
    EXPECT_EQ(canvas.Find(QString::number(stages + 1)), nullptr);
}

TEST(DrawingSteps, DrawsExactlyWhatTheCaseReached) {
    CaseTexts rejected;
    rejected.xB = "0.5"; // fails a check: background and stream points only
    CaseTexts outside;
    outside.xD = "1.5"; // distillate outside 0..1: no point for it
    const std::tuple<CaseTexts, size_t, bool> cases[] = {
        {{}, 4, true}, {rejected, 3, false}, {outside, 2, false}};
    for (const auto& [texts, discs, legend] : cases) {
        const DesignOutcome o = Calcular(texts, CalcSettings{});
        RecordingCanvas canvas(CanvasIdentity::Picture4, 700, 700);
        DrawDiagram(canvas, o, {});
        EXPECT_EQ(canvas.clears, 1);
        EXPECT_EQ(canvas.discs.size(), discs) << texts.xB << " " << texts.xD;
        EXPECT_EQ(canvas.Find("Enriching operating line") != nullptr, legend);
    }
}

TEST(DrawingSteps, MarkersOnlyOnTheScreenDiagram) {
    const DesignOutcome o = Solve("0.5");
    std::vector<int> placed;
    DiagramOptions options;
    options.placeMarker = [&placed](int k, double, double) { placed.push_back(k); };
    RecordingCanvas screen(CanvasIdentity::Picture1, 600, 500);
    DrawDiagram(screen, o, options);
    EXPECT_EQ(placed, (std::vector<int>{0, 3, 2, 1})); // bottoms, feed, distillate, then the q-point
    EXPECT_TRUE(screen.discs.empty());
    placed.clear();
    RecordingCanvas report(CanvasIdentity::Picture4, 700, 700);
    DrawDiagram(report, o, options);
    EXPECT_TRUE(placed.empty());
}
