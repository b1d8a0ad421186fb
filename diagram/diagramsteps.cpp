// The drawing steps of the diagram, in the order Calcular reaches them.
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "legend.h"
#include "mccabediagram.h"

namespace zorvek {

namespace {

// A width in millimetres as whole printer pixels (ties to even); never thinner than one pixel.
double PageWidth(const DiagramCanvas& canvas, double mm) {
    const double w = std::nearbyint(mm / 25.4 * canvas.Resolution());
    return w > 0 ? w : 1;
}

void Text(DiagramCanvas& canvas, double x, double y, const QString& text) {
    canvas.SetTextPosition(x, y);
    canvas.PrintText(text);
}

// Zoomed, what lies in the plot is cut at its frame; unzoomed nothing is cut.
void ClipToPlot(DiagramCanvas& canvas, const PlotBox& box) {
    if (box.Zoomed()) canvas.SetClipArea(QRectF(box.e, box.h - box.K, box.f, box.K));
}
void EndPlotClip(DiagramCanvas& canvas, const PlotBox& box) {
    if (box.Zoomed()) canvas.ClearClipArea();
}

// The grid and tick labels of a zoomed picture: round values of the view, labelled to their decimals.
void ZoomedGrid(DiagramCanvas& canvas, const PlotBox& box, const DiagramOptions& options) {
    const QColor grid = ColourOf(DiagramColour::Grid, canvas, options);
    const ZoomTicks xs = FittedZoomTicks(
        box.view.x0, box.view.x1, options.DecimalSymbol, box.f,
        [&canvas](const QString& label) { return canvas.TextWidth(label); }, 6);
    for (size_t i = 0; i < xs.values.size(); ++i) {
        const double x = box.Map(xs.values[i], box.view.y0).x();
        if (x > box.e + 0.5 && x < box.e + box.f - 0.5) canvas.Line(x, box.h, x, box.h - box.K, grid);
        canvas.SetTextPosition(x - canvas.TextWidth(xs.labels[i]) / 2, box.h + 3);
        canvas.PrintText(xs.labels[i]);
    }
    const ZoomTicks ys = FittedZoomTicks(
        box.view.y0, box.view.y1, options.DecimalSymbol, box.K,
        [&canvas](const QString& label) { return canvas.TextHeight(label); }, 2);
    for (size_t i = 0; i < ys.values.size(); ++i) {
        const double y = box.Map(box.view.x0, ys.values[i]).y();
        if (y < box.h - 0.5 && y > box.h - box.K + 0.5) canvas.Line(box.e, y, box.e + box.f, y, grid);
        canvas.SetTextPosition(box.e - 4 - canvas.TextWidth(ys.labels[i]), y - 7);
        canvas.PrintText(ys.labels[i]);
    }
}

// A legend entry: sample line in the line's colour and the text beside it. On the pictures the entry
// stands where the legend's layout puts it (legend.h); on the page where it always has.
void Legend(DiagramCanvas& canvas, const PlotBox& box, const LegendLayout& layout, int entry,
            double fractionUp, const QColor& colour, const QString& text) {
    EndPlotClip(canvas, box); // the legend stands over the plot, uncut
    if (canvas.IsPage()) {
        const double lx = box.e + 0.405 * box.f;
        const double ly = box.h - fractionUp * box.K;
        canvas.Line(lx - 2, ly, lx - 17, ly, colour);
        Text(canvas, lx, ly - 2, text);
    } else {
        const double ly = layout.row[entry];
        canvas.Line(layout.sampleRight, ly, layout.sampleLeft, ly, colour);
        double y = ly - 9;
        for (const QString& line : layout.lines[entry]) {
            Text(canvas, layout.textX, y, line);
            y += layout.lineHeight;
        }
    }
    ClipToPlot(canvas, box);
}

QString Pick(const DiagramOptions& options, const char* esp, const char* eng) {
    if (options.UiLanguage == "ESP") return QString::fromUtf8(esp);
    if (options.UiLanguage == "ENG") return QString::fromUtf8(eng);
    return {};
}

} // namespace

void DrawBackground(DiagramCanvas& canvas, const DiagramOptions& options) {
    const PlotBox box = PlotBoxOf(canvas, options);
    const bool page = canvas.IsPage();
    const QColor grid = ColourOf(DiagramColour::Grid, canvas, options);
    if (page) {
        canvas.SetFont("Arial", 9, false);
        canvas.SetDrawWidth(PageWidth(canvas, 0.09));
    } else {
        canvas.SetDrawWidth(1);
    }
    if (box.Zoomed()) ZoomedGrid(canvas, box, options);
    for (int k = 0; k <= 10 && !box.Zoomed(); ++k) { // vertical grid and x ticks
        const double x = box.e + k * box.f / 10.01;
        if (k > 0 && k < 10) {
            if (page) {
                for (int n = 0; box.h - n * 1.4 >= box.h - box.K + 1.4; ++n) {
                    const double yd = box.h - n * 1.4;
                    canvas.Line(x, yd, x, yd - 0.7, grid);
                }
            } else {
                canvas.Line(x, box.h, x, box.h - box.K, grid);
            }
        }
        const QString label = TickLabel(k, options.DecimalSymbol);
        if (page) {
            Text(canvas, x - canvas.TextWidth(label) / 2, box.h + 1, label);
        } else {
            Text(canvas, x - 2.5 * label.size(), box.h + 3, label);
        }
    }
    for (int k = 0; k <= 10 && !box.Zoomed(); ++k) { // horizontal grid and y ticks
        const double y = box.h - k * box.K / 10.01;
        if (k > 0 && k < 10) {
            if (page) {
                for (int n = 0; box.e + n * 1.4 <= box.e + box.f - 1.4; ++n) {
                    const double xd = box.e + n * 1.4;
                    canvas.Line(xd, y, xd + 0.7, y, grid);
                }
            } else {
                canvas.Line(box.e, y, box.e + box.f, y, grid);
            }
        }
        const QString label = TickLabel(k, options.DecimalSymbol);
        if (page) {
            Text(canvas, box.e - 1.5 - canvas.TextWidth(label), y - 2, label);
        } else {
            Text(canvas, box.e - 5 - 5 * label.size(), y - 7, label);
        }
    }
    if (page) canvas.SetDrawWidth(PageWidth(canvas, 0.4));
    canvas.Line(box.e, box.h, box.e + box.f, box.h);
    canvas.Line(box.e, box.h, box.e, box.h - box.K);
    canvas.Line(box.e + box.f, box.h, box.e + box.f, box.h - box.K);
    canvas.Line(box.e, box.h - box.K, box.e + box.f, box.h - box.K);
    if (!page) canvas.SetDrawWidth(2);
    const QPointF origin = box.Map(0, 0), corner = box.Map(1, 1);
    ClipToPlot(canvas, box);
    canvas.Line(origin.x(), origin.y(), corner.x(), corner.y(),
                ColourOf(DiagramColour::Diagonal, canvas, options));
    EndPlotClip(canvas, box);
}

void DrawStreamPoints(DiagramCanvas& canvas, const DesignInputs& inputs, const DiagramOptions& options) {
    struct Stream {
        double v;
        int marker;
        const char* label;
        DiagramColour disc;
    };
    const Stream streams[] = {{inputs.xB, 0, "(Xb, Yb)", DiagramColour::BottomsDisc},
                              {inputs.zF, 3, "(Zf, Zf)", DiagramColour::FeedDisc},
                              {inputs.xD, 2, "(Xd, Yd)", DiagramColour::DistillateDisc}};
    const PlotBox box = PlotBoxOf(canvas, options);
    ClipToPlot(canvas, box);
    for (const Stream& s : streams) {
        if (!(s.v >= 0 && s.v <= 1)) continue;
        const QPointF p = box.Map(s.v, s.v);
        const QColor colour = ColourOf(s.disc, canvas, options);
        const QPointF label = StreamLabelAt(canvas, p);
        switch (canvas.Identity()) {
        case CanvasIdentity::Picture1:
            if (options.placeMarker) options.placeMarker(s.marker, p.x(), p.y());
            Text(canvas, label.x(), label.y(), s.label);
            break;
        case CanvasIdentity::Picture4:
            canvas.FilledCircle(p.x(), p.y(), 5, colour);
            Text(canvas, label.x(), label.y(), s.label);
            break;
        case CanvasIdentity::Page:
            Text(canvas, label.x(), label.y(), s.label);
            canvas.FilledCircle(p.x(), p.y(), 1, colour);
            break;
        }
    }
    EndPlotClip(canvas, box);
}

void DrawEquilibriumCurve(DiagramCanvas& canvas, const EquilibriumModel& model,
                          const DiagramOptions& options) {
    const PlotBox box = PlotBoxOf(canvas, options);
    const QColor colour = ColourOf(DiagramColour::Curve, canvas, options);
    if (box.Zoomed()) {
        // A close view samples the curve across what it shows, finely enough to stay smooth.
        ClipToPlot(canvas, box);
        const double lo = std::max(0.0, box.view.x0), hi = std::min(1.0, box.view.x1);
        constexpr int kSamples = 400;
        bool started = false;
        QPointF from;
        for (int i = 0; i <= kSamples; ++i) {
            const double x = lo + (hi - lo) * i / kSamples;
            FailureRecord failures;
            const double y = model.EquilibriumY(x, failures);
            if (failures.Failed()) continue;
            const QPointF to = box.Map(x, y);
            if (started) canvas.Line(from.x(), from.y(), to.x(), to.y(), colour);
            from = to;
            started = true;
        }
        EndPlotClip(canvas, box);
        return;
    }
    QPointF from = box.Map(0, 0);
    // x grows by sums of 0.01, as the table lookups of the curve expect.
    for (double x = 0.02; x <= 1.0001; x += 0.01) {
        FailureRecord failures;
        const double y = model.EquilibriumY(x, failures);
        if (failures.Failed()) continue; // a point that cannot be computed is skipped
        const QPointF to = box.Map(x, y);
        canvas.Line(from.x(), from.y(), to.x(), to.y(), colour);
        from = to;
    }
}

void DrawOperatingLines(DiagramCanvas& canvas, const DesignOutcome& o, const DiagramOptions& options) {
    const PlotBox box = PlotBoxOf(canvas, options);
    ClipToPlot(canvas, box);
    const bool page = canvas.IsPage();
    if (!page) canvas.SetDrawWidth(2);
    const DesignInputs& in = o.inputs;
    const QPointF q = box.Map(o.xq, o.yq);

    const std::array<QString, 3> legends = {
        Pick(options, "Recta operativa de enriquecimiento", "Enriching operating line"),
        Pick(options, "Recta operativa de agotamiento", "Exhausting operating line"),
        Pick(options, "Recta q. Estado térmico de la alimentación", "q-Line. Thermal state of feed")};
    LegendLayout layout;
    if (!page) {
        // The legend keeps off the points' labels and the axis titles drawn after it.
        std::vector<QRectF> keepOff = PointLabelAreas(canvas, box, o);
        for (const PlacedText& title : PictureAxisTitles(canvas, options))
            keepOff.emplace_back(title.at,
                                 QSizeF(canvas.TextWidth(title.text), canvas.TextHeight(title.text)));
        layout = PictureLegend(canvas, box, legends, keepOff);
    }

    const QColor enriching = ColourOf(DiagramColour::Enriching, canvas, options);
    const QPointF d = box.Map(in.xD, in.xD);
    canvas.Line(d.x(), d.y(), q.x(), q.y(), enriching);
    Legend(canvas, box, layout, 0, 0.18, enriching, legends[0]);

    const QColor exhausting = ColourOf(DiagramColour::Exhausting, canvas, options);
    const QPointF b = box.Map(in.xB, in.xB);
    canvas.Line(b.x(), b.y(), q.x(), q.y(), exhausting);
    Legend(canvas, box, layout, 1, 0.15, exhausting, legends[1]);

    const QColor qline = ColourOf(DiagramColour::QLine, canvas, options);
    const QPointF f = box.Map(in.zF, in.zF);
    const QPointF m = box.Map(o.xm, o.ym);
    canvas.Line(f.x(), f.y(), m.x(), m.y(), qline);
    Legend(canvas, box, layout, 2, 0.12, qline, legends[2]);

    if (canvas.Identity() == CanvasIdentity::Picture1 && options.placeMarker) {
        options.placeMarker(1, q.x(), q.y());
    } else if (canvas.Identity() == CanvasIdentity::Picture4) {
        canvas.FilledCircle(q.x(), q.y(), 5, ColourOf(DiagramColour::QPointDisc, canvas, options));
    }
    // The label keeps clear of the q-line, whose direction follows q.
    const QPointF label = QPointLabelAt(canvas, q, in.q);
    Text(canvas, label.x(), label.y(), "(Xq, Yq)");
    if (page) canvas.FilledCircle(q.x(), q.y(), 1, ColourOf(DiagramColour::QPointDisc, canvas, options));
    EndPlotClip(canvas, box);
}

void DrawStaircase(DiagramCanvas& canvas, const DesignOutcome& o, const DiagramOptions& options) {
    if (o.stairPoints.empty()) return;
    const PlotBox box = PlotBoxOf(canvas, options);
    ClipToPlot(canvas, box);
    const QColor colour = ColourOf(DiagramColour::Staircase, canvas, options);
    const double gap = canvas.IsPage() ? 0.5 : 2;
    QPointF current = box.Map(o.stairPoints[0].x, o.stairPoints[0].y);
    for (size_t n = 0; n < o.stairPoints.size(); ++n) {
        const StairPoint& s = o.stairPoints[n];
        if (s.x == 0) break;
        const QPointF p = box.Map(s.x, s.y);
        canvas.Line(current.x(), current.y(), p.x(), p.y(), colour);
        current = p;
        const size_t i = n + 1; // points are numbered from 1; an even one ends a stage
        if (i % 2 == 0) {
            const QString stage = QString::number(i / 2);
            Text(canvas, p.x() - canvas.TextWidth(stage) - gap, p.y() - canvas.TextHeight(stage) - gap,
                 stage);
        }
    }
    EndPlotClip(canvas, box);
}

void DrawAxisTitles(DiagramCanvas& canvas, const DiagramOptions& options) {
    if (canvas.IsPage()) {
        canvas.SetFont("Arial", 10, false);
        const QString y = options.AxisTitleY.left(110);
        const QString x = options.AxisTitleX.left(110);
        Text(canvas, 14, 13, y);
        Text(canvas, 185 - canvas.TextWidth(x), 184, x);
        return;
    }
    for (const PlacedText& title : PictureAxisTitles(canvas, options))
        Text(canvas, title.at.x(), title.at.y(), title.text);
}

} // namespace zorvek
