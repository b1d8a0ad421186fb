#include "legend.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "mccabediagram.h"

namespace zorvek {

namespace {

constexpr double kPad = 3;       // kept inside the plot frame
constexpr double kGap = 7;       // between a sample line and its text
constexpr double kShortest = 15; // shortest sample line
constexpr double kTextAbove = 9; // a text's top above its sample line's row
constexpr double kPointHalf = 6; // half the size of a point's marker or disc
constexpr std::array<double, 3> kRowsUp = {0.18, 0.15, 0.12};

// The words of text in lines no wider than width (a word wider than that has a line of its own).
QStringList Wrap(const DiagramCanvas& canvas, const QString& text, double width) {
    if (canvas.TextWidth(text) <= width) return {text};
    QStringList lines;
    QString line;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + ' ' + word;
        if (!line.isEmpty() && canvas.TextWidth(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

// A title split at the blank nearest its middle, for pictures too narrow to hold it on one line.
std::pair<QString, QString> SplitTitle(const QString& title) {
    const int middle = static_cast<int>(title.size()) / 2;
    int best = -1;
    for (int i = 0; i < title.size(); ++i) {
        if (title[i] == ' ' && (best < 0 || std::abs(i - middle) < std::abs(best - middle))) best = i;
    }
    if (best < 0) return {title, QString()};
    return {title.left(best), title.mid(best + 1)};
}

} // namespace

std::vector<PlacedText> PictureAxisTitles(const DiagramCanvas& canvas, const DiagramOptions& options) {
    std::vector<PlacedText> placed;
    const double e = 25;
    const double w = canvas.Width(), h = canvas.Height();
    const double lineHeight = canvas.TextHeight(options.AxisTitleX);
    if (39 + canvas.TextWidth(options.AxisTitleY) <= w - 3) {
        placed.push_back({{39, 31}, options.AxisTitleY});
    } else {
        const auto [first, second] = SplitTitle(options.AxisTitleY);
        placed.push_back({{39, 31}, first});
        placed.push_back({{39, 31 + lineHeight}, second});
    }
    const double x = w - canvas.TextWidth(options.AxisTitleX) - 1.5 * e;
    if (x >= 3) {
        placed.push_back({{x, h - lineHeight - 1.5 * e}, options.AxisTitleX});
    } else {
        // Two lines, still ending near the bottom-right corner.
        const auto [first, second] = SplitTitle(options.AxisTitleX);
        placed.push_back({{w - canvas.TextWidth(first) - 1.5 * e, h - 2 * lineHeight - 1.5 * e}, first});
        placed.push_back({{w - canvas.TextWidth(second) - 1.5 * e, h - lineHeight - 1.5 * e}, second});
    }
    return placed;
}

QPointF StreamLabelAt(const DiagramCanvas& canvas, QPointF point) {
    const double d = canvas.IsPage() ? 1 : 4;
    return point + QPointF(d, d);
}

QPointF QPointLabelAt(const DiagramCanvas& canvas, QPointF point, double q) {
    const bool page = canvas.IsPage();
    if (q > 0.1 && q <= 0.4) return point + (page ? QPointF(-2, 2) : QPointF(-10, 10));
    if (q > 0.4 && q < 0.8) return point + (page ? QPointF(2, -1) : QPointF(10, -6));
    return point + (page ? QPointF(1, 1) : QPointF(6, 6));
}

std::vector<QRectF> PointLabelAreas(const DiagramCanvas& canvas, const PlotBox& box, const DesignOutcome& o) {
    std::vector<QRectF> areas;
    auto add = [&](QPointF point, QPointF labelAt, const QString& label) {
        const QRectF text(labelAt, QSizeF(canvas.TextWidth(label), canvas.TextHeight(label)));
        const QRectF mark(point - QPointF(kPointHalf, kPointHalf), QSizeF(2 * kPointHalf, 2 * kPointHalf));
        areas.push_back(text.united(mark));
    };
    const std::pair<double, const char*> streams[] = {
        {o.inputs.xB, "(Xb, Yb)"}, {o.inputs.zF, "(Zf, Zf)"}, {o.inputs.xD, "(Xd, Yd)"}};
    for (const auto& [v, label] : streams) {
        if (!(v >= 0 && v <= 1)) continue;
        const QPointF p = box.Map(v, v);
        add(p, StreamLabelAt(canvas, p), label);
    }
    const QPointF q = box.Map(o.xq, o.yq);
    if (std::isfinite(q.x()) && std::isfinite(q.y()))
        add(q, QPointLabelAt(canvas, q, o.inputs.q), "(Xq, Yq)");
    return areas;
}

namespace {

// The entries arranged with their sample lines starting no further left than `left`: texts wrapped to
// the room left for them, one left edge for all three, rows at their places unless a wrapped text above
// would run into the entry below it.
LegendLayout Arrange(const DiagramCanvas& canvas, const PlotBox& box, const std::array<QString, 3>& texts,
                     double left, QRectF& block) {
    LegendLayout layout;
    layout.lineHeight = canvas.TextHeight(texts[0]);
    const double right = box.e + box.f - kPad;
    const double room = right - (left + kShortest + kGap);
    double widest = 0;
    for (int i = 0; i < 3; ++i) {
        layout.lines[i] = Wrap(canvas, texts[i], room);
        for (const QString& line : layout.lines[i]) widest = std::max(widest, canvas.TextWidth(line));
    }
    layout.textX = std::max(std::min(box.e + 0.405 * box.f, right - widest), left + kShortest + kGap);
    layout.sampleRight = layout.textX - kGap;
    layout.sampleLeft = std::max(layout.sampleRight - 3 * box.e, left);
    for (int i = 0; i < 3; ++i) layout.row[i] = box.h - kRowsUp[i] * box.K;
    for (int i = 1; i >= 0; --i) {
        const double height = layout.lines[i].size() * layout.lineHeight;
        layout.row[i] = std::min(layout.row[i], layout.row[i + 1] - height);
    }
    const double top = layout.row[0] - kTextAbove;
    const double bottom = layout.row[2] - kTextAbove + layout.lines[2].size() * layout.lineHeight;
    block = QRectF(QPointF(layout.sampleLeft, top), QPointF(layout.textX + widest, bottom));
    return layout;
}

bool Clear(const QRectF& block, const std::vector<QRectF>& labels) {
    return std::none_of(labels.begin(), labels.end(), [&](const QRectF& r) { return r.intersects(block); });
}

// The smallest shift up or down that clears the labels while the block stays inside the frame.
std::optional<double> ClearingShift(const QRectF& block, const PlotBox& box,
                                    const std::vector<QRectF>& labels) {
    const double highest = (box.h - box.K + kPad) - block.top(); // most negative shift
    const double lowest = (box.h - kPad) - block.bottom();       // most positive shift
    for (double d = 0; d <= std::max(-highest, lowest); ++d) {
        if (d <= lowest && Clear(block.translated(0, d), labels)) return d;
        if (-d >= highest && Clear(block.translated(0, -d), labels)) return -d;
    }
    return std::nullopt;
}

LegendLayout Shifted(LegendLayout layout, double shift) {
    for (double& row : layout.row) row += shift;
    return layout;
}

} // namespace

LegendLayout PictureLegend(const DiagramCanvas& canvas, const PlotBox& box,
                           const std::array<QString, 3>& texts, const std::vector<QRectF>& labels) {
    const double frameLeft = box.e + kPad;
    QRectF block;
    const LegendLayout full = Arrange(canvas, box, texts, frameLeft, block);
    if (Clear(block, labels)) return full;
    // Narrower, starting right of the labels it runs into (as the bottoms label on a narrow picture),
    // at its rows or as near them as the labels allow.
    double left = frameLeft;
    for (const QRectF& r : labels)
        if (r.intersects(block)) left = std::max(left, r.right() + kPad);
    const double narrowest = 4 * canvas.TextWidth("m") + kShortest + kGap;
    if (left > frameLeft && box.e + box.f - kPad - left >= narrowest) {
        QRectF narrowBlock;
        const LegendLayout narrow = Arrange(canvas, box, texts, left, narrowBlock);
        if (const auto shift = ClearingShift(narrowBlock, box, labels)) {
            const double rowsMoved = std::abs(*shift);
            if (rowsMoved <= 0.1 * box.K) return Shifted(narrow, *shift);
        }
    }
    // Else the whole legend up or down, off the labels.
    if (const auto shift = ClearingShift(block, box, labels)) return Shifted(full, *shift);
    return full;
}

} // namespace zorvek
