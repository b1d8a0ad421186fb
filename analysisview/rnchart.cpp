#include "rnchart.h"

#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "analysistexts.h"
#include "appstate.h"

namespace zorvek {

namespace {

// The nearest power of 2^(1/4) below / above v (v > 0).
double QuarterOctaveBelow(double v) {
    return std::exp2(std::floor(4 * std::log2(v)) / 4);
}
double QuarterOctaveAbove(double v) {
    return std::exp2(std::ceil(4 * std::log2(v)) / 4);
}

// 1, 2 or 5 times a power of ten, at least v.
double NiceStep(double v) {
    if (!(v > 0)) return 1;
    const double decade = std::pow(10, std::floor(std::log10(v)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * decade >= v) return m * decade;
    return 10 * decade;
}

void Replace(QXYSeries* series, const QList<QPointF>& points) {
    if (series->points() != points) series->replace(points);
}

} // namespace

// The view is built with its chart: setChart() would leave the default chart of QChartView(QWidget*)
// behind, owned by nobody.
RNChart::RNChart(QWidget* parent) : QChartView(new QChart, parent) {
    setObjectName("ChartRN");
    QChart* chart = this->chart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setDropShadowEnabled(false);
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignBottom);
    Stepped = new QLineSeries(chart);
    Stepped->setPen(QPen(QColor(200, 0, 0), 2));
    Gilliland = new QLineSeries(chart);
    Gilliland->setPen(QPen(QColor(96, 96, 240), 1.5, Qt::DashLine));
    RminTrue = new QLineSeries(chart);
    RminTrue->setPen(QPen(QColor(150, 0, 170), 1.5, Qt::DashLine));
    CurrentR = new QLineSeries(chart);
    CurrentR->setPen(QPen(QColor(0, 160, 0), 1.5));
    CurrentPoint = new QScatterSeries(chart);
    CurrentPoint->setColor(QColor(0, 160, 0));
    CurrentPoint->setMarkerSize(9);
    AxisR = new QLogValueAxis(chart);
    AxisR->setBase(2);
    AxisR->setMinorTickCount(-1);
    AxisN = new QValueAxis(chart);
    chart->addAxis(AxisR, Qt::AlignBottom);
    chart->addAxis(AxisN, Qt::AlignLeft);
    for (QXYSeries* s :
         std::initializer_list<QXYSeries*>{Stepped, Gilliland, RminTrue, CurrentR, CurrentPoint}) {
        chart->addSeries(s);
        s->attachAxis(AxisR);
        s->attachAxis(AxisN);
    }
    chart->legend()->markers(CurrentPoint).front()->setVisible(false);
    AxisR->setLabelFormat("%.4g");
    AxisN->setLabelFormat("%.4g");
    AxisN->setTickType(QValueAxis::TicksDynamic);
    AxisN->setTickAnchor(0);
    chart->setLocalizeNumbers(true);
    setRenderHint(QPainter::Antialiasing, false);
    setCursor(Qt::CrossCursor);
    Retranslate();
}

void RNChart::Retranslate() {
    chart()->setTitle(AnalysisTextOf(AnalysisText::ChartTitle));
    Stepped->setName(AnalysisTextOf(AnalysisText::SeriesStepped));
    Gilliland->setName(AnalysisTextOf(AnalysisText::SeriesGilliland));
    CurrentR->setName(AnalysisTextOf(AnalysisText::SeriesCurrentR));
    RminTrue->setName(AnalysisTextOf(AnalysisText::SeriesRminTrue));
    AxisR->setTitleText(AnalysisTextOf(AnalysisText::AxisR));
    // Tick labels with the decimal symbol of the program (a locale without digit grouping for ".").
    chart()->setLocale(appState().DecimalSymbol == "," ? QLocale(QLocale::Spanish) : QLocale::c());
    AxisN->setTitleText(AnalysisTextOf(AnalysisText::AxisN));
}

void RNChart::ShowCurve(const ColumnAnalysis& a) {
    QList<QPointF> stepped, gilliland;
    stepped.reserve(static_cast<qsizetype>(a.rn.size()));
    gilliland.reserve(static_cast<qsizetype>(a.rn.size()));
    double top = 0;
    for (const RNPoint& p : a.rn) {
        if (p.N) {
            stepped.append({p.R, *p.N});
            top = std::max(top, *p.N);
        }
        if (p.NGilliland) gilliland.append({p.R, *p.NGilliland});
    }
    // A series that is handed new points lays itself out again (costly), so only changed ones are.
    Replace(Stepped, stepped);
    Replace(Gilliland, gilliland);
    if (a.rn.empty()) {
        for (QXYSeries* s : std::initializer_list<QXYSeries*>{RminTrue, CurrentR, CurrentPoint})
            Replace(s, {});
        AxisR->setRange(1, 2);
        AxisN->setRange(0, 1);
        return;
    }
    // The range holds the curve, the true minimum and the current R when it is not far off, so that a
    // click can go either way from it.
    // Both ranges move in coarse steps, so that a drag seldom makes the chart lay its axes out again.
    const double rMin = a.minimum.RminTrue;
    const double rLow = QuarterOctaveBelow(std::min(0.97 * rMin, a.R > rMin / 10 ? 0.95 * a.R : rMin));
    const double rTop = QuarterOctaveAbove(std::max(a.rn.back().R, std::min(a.R, 3 * a.rn.back().R)) * 1.03);
    const double nStep = NiceStep(top * 1.08 / 4);
    const double nTop = std::max(1.0, std::ceil(top * 1.08 / nStep)) * nStep;
    if (AxisR->min() != rLow || AxisR->max() != rTop) AxisR->setRange(rLow, rTop);
    if (AxisN->max() != nTop || AxisN->tickInterval() != nStep) {
        AxisN->setRange(0, nTop);
        AxisN->setTickInterval(nStep);
    }
    Replace(RminTrue, {{rMin, 0}, {rMin, nTop}});
    Replace(CurrentR, a.R >= rLow && a.R <= rTop ? QList<QPointF>{{a.R, 0}, {a.R, nTop}} : QList<QPointF>{});
    Replace(CurrentPoint, a.N ? QList<QPointF>{{a.R, std::min(*a.N, nTop)}} : QList<QPointF>{});
}

std::optional<double> RNChart::RefluxAt(QPoint viewPos) const {
    const QPointF inChart = chart()->mapFromScene(mapToScene(viewPos));
    if (!chart()->plotArea().contains(inChart)) return std::nullopt;
    const double R = chart()->mapToValue(inChart, Stepped).x();
    if (!(R > 0) || !std::isfinite(R)) return std::nullopt;
    return R;
}

void RNChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (const std::optional<double> R = RefluxAt(event->position().toPoint())) {
            emit RefluxClicked(*R);
            event->accept();
            return;
        }
    }
    QChartView::mousePressEvent(event);
}

} // namespace zorvek
