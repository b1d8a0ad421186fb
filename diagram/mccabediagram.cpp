#include "mccabediagram.h"

#include "numtext.h"

#include <algorithm>
#include <cmath>

namespace zorvek {

PlotBox PlotBoxOf(const DiagramCanvas& canvas) {
    if (canvas.IsPage()) return {10, 190, 180, 180};
    return PicturePlotBox(canvas.Width(), canvas.Height());
}

PlotBox PlotBoxOf(const DiagramCanvas& canvas, const DiagramOptions& options) {
    if (canvas.IsPage()) return PlotBoxOf(canvas);
    return PicturePlotBox(canvas.Width(), canvas.Height(), options.view);
}

QColor ColourOf(DiagramColour which, const DiagramCanvas& canvas, const DiagramOptions& options) {
    const bool page = canvas.IsPage();
    if (page && options.BlackAndWhite) return Qt::black;
    switch (which) {
    case DiagramColour::Grid:
        return page ? QColor(Qt::black) : QColor(220, 220, 220);
    case DiagramColour::Diagonal:
    case DiagramColour::Curve:
        return page ? QColor(Qt::black) : QColor(96, 96, 96);
    case DiagramColour::Enriching:
        return {200, 0, 0};
    case DiagramColour::Exhausting:
    case DiagramColour::BottomsDisc:
        return {96, 96, 240};
    case DiagramColour::QLine:
    case DiagramColour::QPointDisc:
        return {0, 160, 0};
    case DiagramColour::Staircase:
        return page ? QColor(180, 120, 0) : QColor(200, 160, 0);
    case DiagramColour::FeedDisc:
        return page ? QColor(180, 120, 0) : QColor(255, 128, 0);
    case DiagramColour::DistillateDisc:
        return page ? QColor(200, 0, 0) : QColor(192, 0, 0);
    }
    return Qt::black;
}

QString TickLabel(int k, const QString& decimalSymbol) {
    QString text = QString::fromStdString(PlainNumberText(k / 10.0));
    if (text.startsWith('.')) text.prepend('0');
    text.replace('.', decimalSymbol);
    return text;
}

ZoomTicks ZoomedTicks(double lo, double hi, const QString& decimalSymbol, int mostIntervals) {
    ZoomTicks ticks;
    const double span = hi - lo;
    if (!(span > 0) || !std::isfinite(span) || mostIntervals < 1) return ticks;
    const double raw = span / mostIntervals;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw * (1 - 1e-9)) {
            step = m * power;
            break;
        }
    }
    ticks.step = step;
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    const double first = std::ceil(lo / step - 1e-9);
    const double last = std::floor(hi / step + 1e-9);
    for (double k = first; k <= last; ++k) {
        const double value = k * step;
        ticks.values.push_back(value);
        // k * step can land a hair below zero: never write "-0.00".
        QString label = QString::number(k == 0 ? 0.0 : value, 'f', decimals);
        label.replace('.', decimalSymbol);
        ticks.labels.push_back(label);
    }
    return ticks;
}

ZoomTicks FittedZoomTicks(double lo, double hi, const QString& decimalSymbol, double length,
                          const std::function<double(const QString&)>& labelSize, double gap) {
    // A narrow diagram (the smallest window) has no room for eight labels of four or five decimals.
    ZoomTicks ticks;
    for (int most = 8; most >= 1; --most) {
        ticks = ZoomedTicks(lo, hi, decimalSymbol, most);
        double widest = 0;
        for (const QString& label : ticks.labels) widest = std::max(widest, labelSize(label));
        if (ticks.step / (hi - lo) * length >= widest + gap) break;
    }
    return ticks;
}

void DrawDiagram(DiagramCanvas& canvas, const DesignOutcome& outcome, const DiagramOptions& options) {
    canvas.Clear();
    DrawBackground(canvas, options);
    if (outcome.reached == Reached::Background) return;
    DrawStreamPoints(canvas, outcome.inputs, options);
    if (outcome.reached == Reached::StreamPoints) return;
    DrawEquilibriumCurve(canvas, outcome.model, options);
    if (outcome.reached == Reached::Curve) return;
    DrawOperatingLines(canvas, outcome, options);
    DrawStaircase(canvas, outcome, options);
    DrawAxisTitles(canvas, options);
}

void AxisTitlesFor(const QString& nameA, const QString& uiLanguage, QString& axisTitleX,
                   QString& axisTitleY) {
    QString name = " " + nameA.trimmed();
    if (uiLanguage == "ESP") {
        if (name == " ") name = QString::fromUtf8("l componente más volátil");
        axisTitleX = QString::fromUtf8("X: Fracción molar de") + name + QString::fromUtf8(" en el líquido");
        axisTitleY = QString::fromUtf8("Y: Fracción molar de") + name + " en el vapor";
    }
    if (uiLanguage == "ENG") {
        if (name == " ") name = " most volatile component";
        axisTitleX = "X: Mole fraction of" + name + " in liquid phase";
        axisTitleY = "Y: Mole fraction of" + name + " in vapor phase";
    }
}

} // namespace zorvek
