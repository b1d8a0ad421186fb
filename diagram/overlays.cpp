// The analysis overlays: dashed minimum-reflux lines with the pinch marked and named, and two thin
// staircases with the Murphree curve.
#include "overlays.h"

#include <algorithm>
#include <cmath>

#include "numtext.h"

namespace zorvek {

namespace {

// A dashed line from (x1, y1) to (x2, y2) in compositions: dashes and gaps of about 8 canvas units,
// each dash's ends mapped by the plot box.
void DashedLine(DiagramCanvas& canvas, const PlotBox& box, StairPoint a, StairPoint b, const QColor& colour) {
    const QPointF pa = box.Map(a.x, a.y), pb = box.Map(b.x, b.y);
    const double length = std::hypot(pb.x() - pa.x(), pb.y() - pa.y());
    if (!std::isfinite(length)) return;
    const int pieces = std::clamp(static_cast<int>(std::ceil(length / 8)), 1, 4000);
    for (int i = 0; i < pieces; i += 2) {
        const double t0 = double(i) / pieces, t1 = double(i + 1) / pieces;
        const QPointF p = box.Map(a.x + t0 * (b.x - a.x), a.y + t0 * (b.y - a.y));
        const QPointF q = box.Map(a.x + t1 * (b.x - a.x), a.y + t1 * (b.y - a.y));
        canvas.Line(p.x(), p.y(), q.x(), q.y(), colour);
    }
}

void Polyline(DiagramCanvas& canvas, const PlotBox& box, const std::vector<StairPoint>& points,
              const QColor& colour) {
    for (size_t i = 1; i < points.size(); ++i) {
        const QPointF p = box.Map(points[i - 1].x, points[i - 1].y), q = box.Map(points[i].x, points[i].y);
        canvas.Line(p.x(), p.y(), q.x(), q.y(), colour);
    }
}

QString Pick(const DiagramOptions& options, const char* esp, const char* eng) {
    if (options.UiLanguage == "ESP") return QString::fromUtf8(esp);
    if (options.UiLanguage == "ENG") return QString::fromUtf8(eng);
    return {};
}

void DrawMinimumReflux(DiagramCanvas& canvas, const PlotBox& box, const DesignOutcome& o,
                       const MinimumReflux& m, const DiagramOptions& options) {
    const QColor colour = ColourOf(OverlayColour::MinimumReflux);
    const StairPoint q{m.lines.xq, m.lines.yq};
    canvas.SetDrawWidth(2);
    DashedLine(canvas, box, {o.inputs.xD, o.inputs.xD}, q, colour);
    DashedLine(canvas, box, {o.inputs.xB, o.inputs.xB}, q, colour);
    const QPointF pinch = box.Map(m.x, m.y);
    canvas.FilledCircle(pinch.x(), pinch.y(), 4, colour);
    const QString label =
        Pick(options, "Rmin real = ", "True Rmin = ") +
        QString::fromStdString(FormatSignificant(m.RminTrue, 5, options.DecimalSymbol.toStdString()));
    canvas.SetTextPosition(pinch.x() + 7, pinch.y() - canvas.TextHeight(label) - 3);
    canvas.PrintText(label);
}

} // namespace

QColor ColourOf(OverlayColour which) {
    switch (which) {
    case OverlayColour::MinimumReflux:
        return {150, 0, 170};
    case OverlayColour::TotalReflux:
        return {110, 110, 110};
    case OverlayColour::Murphree:
        return {0, 150, 150};
    }
    return Qt::black;
}

void DrawAnalysisOverlays(DiagramCanvas& canvas, const DesignOutcome& o, const ColumnAnalysis& a,
                          const OverlayChoice& choice, const DiagramOptions& options) {
    if (!choice.Any() || !a.computable) return;
    if (o.reached != Reached::Curve && o.reached != Reached::Complete) return; // no curve drawn
    // Zoomed, they are cut at the plot's edge like the diagram's own lines.
    const PlotBox box = PlotBoxOf(canvas, options);
    if (box.Zoomed()) canvas.SetClipArea(QRectF(box.e, box.h - box.K, box.f, box.K));
    if (choice.totalReflux && a.total.found) {
        canvas.SetDrawWidth(1);
        Polyline(canvas, box, a.total.stairs, ColourOf(OverlayColour::TotalReflux));
    }
    if (choice.murphree && a.murphree && a.murphree->N) {
        const QColor colour = ColourOf(OverlayColour::Murphree);
        canvas.SetDrawWidth(2);
        Polyline(canvas, box, a.murphree->curve, colour);
        canvas.SetDrawWidth(1);
        Polyline(canvas, box, a.murphree->stairs, colour);
    }
    if (choice.minimumReflux && a.minimum.found) DrawMinimumReflux(canvas, box, o, a.minimum, options);
    if (box.Zoomed()) canvas.ClearClipArea();
}

} // namespace zorvek
