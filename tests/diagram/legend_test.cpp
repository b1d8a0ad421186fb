// The legend on the pictures at every size from the smallest window up, in both languages: the three
// entries left-aligned with each other, inside the plot frame, their texts whole (wrapped, not cut), and
// off the points' labels and the axis titles; where everything fits, where it always stood.
#include <QFont>
#include <QFontMetricsF>
#include <gtest/gtest.h>
#include <vector>

#include "mccabediagram.h"

using namespace zorvek;

namespace {

// Records lines and texts in drawing order, measuring texts in the window's font.
class RecordingCanvas : public DiagramCanvas {
  public:
    struct Item {
        bool text = false;
        QString content;
        QColor colour;
        QRectF rect; // text: its box; line: from its first point to its second
    };
    RecordingCanvas(double w, double h) : w_(w), h_(h) { font_.setPixelSize(11); }
    CanvasIdentity Identity() const override { return CanvasIdentity::Picture1; }
    void Clear() override { items.clear(); }
    void SetDrawWidth(double) override {}
    void Line(double x1, double y1, double x2, double y2) override { Line(x1, y1, x2, y2, Qt::black); }
    void Line(double x1, double y1, double x2, double y2, const QColor& colour) override {
        items.push_back({false, {}, colour, QRectF(QPointF(x1, y1), QPointF(x2, y2))});
    }
    void FilledCircle(double, double, double, const QColor&) override {}
    void PrintText(const QString& text) override {
        items.push_back({true, text, Qt::black, QRectF(textX_, textY_, TextWidth(text), TextHeight(text))});
    }
    double TextWidth(const QString& text) const override {
        return QFontMetricsF(font_).horizontalAdvance(text);
    }
    double TextHeight(const QString&) const override { return QFontMetricsF(font_).height(); }
    double Width() const override { return w_; }
    double Height() const override { return h_; }
    void SetFont(const QString&, double, bool) override {}
    double Resolution() const override { return 96; }

    std::vector<Item> items;

  private:
    double w_, h_;
    QFont font_{"Arial"};
};

struct Entry {
    QRectF sample;
    std::vector<QRectF> lines;
    QString text; // the lines joined by blanks
};

// The legend entry drawn in colour: its horizontal sample line and the texts drawn right after it that
// make up the expected text.
Entry FindEntry(const RecordingCanvas& canvas, const QColor& colour, const QString& expected) {
    Entry entry;
    for (size_t i = 0; i < canvas.items.size(); ++i) {
        const auto& item = canvas.items[i];
        if (item.text || item.colour != colour || item.rect.top() != item.rect.bottom()) continue;
        entry.sample = item.rect.normalized();
        for (size_t k = i + 1; k < canvas.items.size() && canvas.items[k].text; ++k) {
            const QString longer = (entry.text.isEmpty() ? "" : entry.text + " ") + canvas.items[k].content;
            if (!expected.startsWith(longer)) break;
            entry.lines.push_back(canvas.items[k].rect);
            entry.text = longer;
        }
        break;
    }
    return entry;
}

bool Inside(const QRectF& frame, const QRectF& r) {
    return frame.contains(r.topLeft()) && frame.contains(r.bottomRight());
}

QRectF TextOf(const RecordingCanvas& canvas, const QString& text) {
    for (const auto& item : canvas.items)
        if (item.text && item.content == text) return item.rect;
    return {};
}

const QColor kColours[3] = {{200, 0, 0}, {96, 96, 240}, {0, 160, 0}};

} // namespace

TEST(Legend, LeftAlignedInsideTheFrameAndOffTheLabelsAtEverySize) {
    const std::pair<const char*, std::array<const char*, 3>> languages[] = {
        {"ENG", {"Enriching operating line", "Exhausting operating line", "q-Line. Thermal state of feed"}},
        {"ESP",
         {"Recta operativa de enriquecimiento", "Recta operativa de agotamiento",
          "Recta q. Estado térmico de la alimentación"}}};
    int cleared = 0, drawn = 0;
    for (const auto& [language, texts] : languages) {
        DiagramOptions options;
        options.UiLanguage = language;
        AxisTitlesFor("", language, options.AxisTitleX, options.AxisTitleY);
        for (const auto& [xB, q] :
             {std::pair{"0.05", "0.5"}, {"0.17", "0.5"}, {"0.3", "1"}, {"0.12", "0.3"}}) {
            CaseTexts inputs;
            inputs.xB = xB;
            inputs.q = q;
            const DesignOutcome o = Calcular(inputs, CalcSettings{});
            ASSERT_EQ(o.reached, Reached::Complete);
            for (int width = 260; width <= 1100; width += 20) {
                for (int height : {540, 740, 960}) {
                    RecordingCanvas canvas(width, height);
                    DrawDiagram(canvas, o, options);
                    const PlotBox box = PlotBoxOf(canvas);
                    const QRectF frame(QPointF(box.e, box.h - box.K), QPointF(box.e + box.f, box.h));
                    const std::string where = std::string(language) + " xB " + xB + " q " + q + " at " +
                                              std::to_string(width) + " x " + std::to_string(height);
                    std::vector<Entry> entries;
                    for (int i = 0; i < 3; ++i) {
                        entries.push_back(FindEntry(canvas, kColours[i], QString::fromUtf8(texts[i])));
                        const Entry& e = entries.back();
                        ASSERT_FALSE(e.lines.empty()) << where;
                        EXPECT_EQ(e.text, QString::fromUtf8(texts[i])) << where; // whole
                        EXPECT_TRUE(Inside(frame, e.sample)) << where;
                        for (const QRectF& line : e.lines) {
                            EXPECT_TRUE(Inside(frame, line)) << where;
                            EXPECT_EQ(line.left(), entries[0].lines[0].left()) << where; // left-aligned
                            EXPECT_LT(e.sample.right(), line.left()) << where;
                        }
                        if (i > 0) {
                            EXPECT_LE(entries[i - 1].lines.back().bottom(), e.lines[0].top()) << where;
                        }
                    }
                    // Off the labels of the points and the axis titles.
                    std::vector<QRectF> others;
                    for (const char* label : {"(Xb, Yb)", "(Zf, Zf)", "(Xd, Yd)", "(Xq, Yq)"})
                        others.push_back(TextOf(canvas, label));
                    bool clear = true;
                    for (const Entry& e : entries) {
                        QRectF block = e.sample;
                        for (const QRectF& line : e.lines) block = block.united(line);
                        for (const QRectF& r : others) clear &= !r.intersects(block);
                    }
                    cleared += clear;
                    ++drawn;
                }
            }
        }
    }
    EXPECT_EQ(cleared, drawn);
}

TEST(Legend, WhereItFitsItStandsWhereItAlwaysHas) {
    // The report image with the start-up case: texts at 0.405 of the plot width, rows at 0.18, 0.15 and
    // 0.12 of its height, sample lines from 7 to 82 pixels left of the texts.
    CaseTexts inputs;
    const DesignOutcome o = Calcular(inputs, CalcSettings{});
    RecordingCanvas canvas(700, 700);
    DrawDiagram(canvas, o, DiagramOptions{});
    const PlotBox box = PlotBoxOf(canvas);
    const double fractions[3] = {0.18, 0.15, 0.12};
    for (int i = 0; i < 3; ++i) {
        const char* texts[3] = {"Enriching operating line", "Exhausting operating line",
                                "q-Line. Thermal state of feed"};
        const Entry e = FindEntry(canvas, kColours[i], texts[i]);
        ASSERT_EQ(e.lines.size(), 1u);
        const double lx = box.e + 0.405 * box.f, ly = box.h - fractions[i] * box.K;
        EXPECT_EQ(e.lines[0].topLeft(), QPointF(lx, ly - 9)) << i;
        EXPECT_EQ(e.sample, QRectF(QPointF(lx - 7 - 3 * box.e, ly), QPointF(lx - 7, ly))) << i;
    }
}
