#include "vlepreview.h"

#include <algorithm>
#include <cmath>

#include "mccabediagram.h"
#include "thermotexts.h"

namespace zorvek {

namespace {

const QColor kLiquid(40, 90, 200);
const QColor kVapour(200, 40, 40);
const QColor kTablePoint(40, 90, 200);
const QColor kAzeotrope(255, 128, 0);
constexpr double kCelsius = 273.15;

void Text(DiagramCanvas& canvas, double x, double y, const QString& text) {
    canvas.SetTextPosition(x, y);
    canvas.PrintText(text);
}

DiagramOptions DiagramOptionsOf(const PreviewOptions& o) {
    DiagramOptions d;
    d.UiLanguage = o.UiLanguage;
    d.DecimalSymbol = o.DecimalSymbol;
    AxisTitlesFor(o.nameA, o.UiLanguage, d.AxisTitleX, d.AxisTitleY);
    return d;
}

} // namespace

double TemperatureStep(double span) {
    if (!(span > 0) || !std::isfinite(span)) return 1;
    double step = std::pow(10.0, std::floor(std::log10(span / 8)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (span / (step * factor) <= 8) return step * factor;
    return step * 10;
}

void DrawXyPreview(DiagramCanvas& canvas, const thermo::VleResult& r, const PreviewOptions& options) {
    canvas.Clear();
    const DiagramOptions d = DiagramOptionsOf(options);
    DrawBackground(canvas, d);
    const PlotBox box = PlotBoxOf(canvas);
    canvas.SetDrawWidth(2);
    for (size_t i = 1; i < r.txy.size(); ++i) {
        const QPointF a = box.Map(r.txy[i - 1].x, r.txy[i - 1].y), b = box.Map(r.txy[i].x, r.txy[i].y);
        canvas.Line(a.x(), a.y(), b.x(), b.y(), ColourOf(DiagramColour::Curve, canvas, d));
    }
    for (const thermo::XyPoint& p : r.table) {
        const QPointF at = box.Map(p.x, p.y);
        canvas.FilledCircle(at.x(), at.y(), 2, kTablePoint);
    }
    for (const thermo::Azeotrope& az : r.azeotropes) {
        const QPointF at = box.Map(az.x, az.y);
        canvas.FilledCircle(at.x(), at.y(), 4, kAzeotrope);
    }
    if (!r.txy.empty()) DrawAxisTitles(canvas, d);
}

void DrawTxyPreview(DiagramCanvas& canvas, const thermo::VleResult& r, const PreviewOptions& options) {
    canvas.Clear();
    const PlotBox box = PlotBoxOf(canvas);
    const QColor grid(220, 220, 220);
    // The temperature range of the curve, in whole ticks.
    double lo = 0, hi = 100;
    if (!r.txy.empty()) {
        lo = hi = r.txy.front().T - kCelsius;
        for (const thermo::TxyPoint& p : r.txy) {
            lo = std::min(lo, p.T - kCelsius);
            hi = std::max(hi, p.T - kCelsius);
        }
    }
    const double step = TemperatureStep(std::max(hi - lo, 0.5));
    lo = std::floor(lo / step) * step;
    hi = std::max(std::ceil(hi / step) * step, lo + step);
    const auto fraction = [&](double kelvin) { return (kelvin - kCelsius - lo) / (hi - lo); };
    canvas.SetDrawWidth(1);
    for (int k = 0; k <= 10; ++k) {
        const QPointF at = box.Map(k / 10.0, 0);
        if (k > 0 && k < 10) canvas.Line(at.x(), box.h, at.x(), box.h - box.K, grid);
        const QString label = TickLabel(k, options.DecimalSymbol);
        Text(canvas, at.x() - 2.5 * label.size(), box.h + 3, label);
    }
    const int ticks = static_cast<int>(std::lround((hi - lo) / step));
    const int decimals = step < 1 ? 1 : 0;
    for (int k = 0; k <= ticks; ++k) {
        const double celsius = lo + k * step;
        const QPointF at = box.Map(0, static_cast<double>(k) / ticks);
        if (k > 0 && k < ticks) canvas.Line(box.e, at.y(), box.e + box.f, at.y(), grid);
        const QString label =
            QString::fromStdString(thermo::FixedText(celsius, decimals, options.DecimalSymbol.toStdString()));
        Text(canvas, std::max(1.0, box.e - 3 - canvas.TextWidth(label)), at.y() - 7, label);
    }
    canvas.Line(box.e, box.h, box.e + box.f, box.h);
    canvas.Line(box.e, box.h, box.e, box.h - box.K);
    canvas.Line(box.e + box.f, box.h, box.e + box.f, box.h - box.K);
    canvas.Line(box.e, box.h - box.K, box.e + box.f, box.h - box.K);
    if (r.txy.empty()) return;
    canvas.SetDrawWidth(2);
    for (size_t i = 1; i < r.txy.size(); ++i) {
        const thermo::TxyPoint &p = r.txy[i - 1], &q = r.txy[i];
        const QPointF a = box.Map(p.x, fraction(p.T)), b = box.Map(q.x, fraction(q.T));
        canvas.Line(a.x(), a.y(), b.x(), b.y(), kLiquid);
        const QPointF c = box.Map(p.y, fraction(p.T)), e = box.Map(q.y, fraction(q.T));
        canvas.Line(c.x(), c.y(), e.x(), e.y(), kVapour);
    }
    for (const thermo::Azeotrope& az : r.azeotropes) {
        const QPointF at = box.Map(az.x, fraction(az.T));
        canvas.FilledCircle(at.x(), at.y(), 4, kAzeotrope);
    }
    // Legend in the upper right corner.
    const double right = box.e + box.f - 6;
    const double width = std::max(canvas.TextWidth(options.liquid), canvas.TextWidth(options.vapour));
    const double x = right - width - 24;
    const double y = box.h - box.K + 8;
    canvas.Line(x, y + 7, x + 18, y + 7, kLiquid);
    Text(canvas, x + 22, y, options.liquid);
    canvas.Line(x, y + 23, x + 18, y + 23, kVapour);
    Text(canvas, x + 22, y + 16, options.vapour);
}

} // namespace zorvek
