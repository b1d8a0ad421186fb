#include "rnchart.h"

#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "analysistexts.h"
#include "appstate.h"

namespace zorvek {

RNChart::RNChart(QWidget* parent) : QChartView(parent) {
    setObjectName("ChartRN");
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
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
    AxisR = new QValueAxis(chart);
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
    chart->setLocalizeNumbers(true);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
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
    Stepped->replace(stepped);
    Gilliland->replace(gilliland);
    if (a.rn.empty()) {
        for (QXYSeries* s : std::initializer_list<QXYSeries*>{RminTrue, CurrentR, CurrentPoint}) s->clear();
        AxisR->setRange(0, 1);
        AxisN->setRange(0, 1);
        return;
    }
    // The range holds the curve and the current R, so that a click can also go back towards the minimum.
    const double rTop = std::max(a.rn.back().R, std::min(a.R, 3 * a.rn.back().R)) * 1.03;
    const double nTop = std::ceil(top * 1.08);
    AxisR->setRange(0, rTop);
    AxisN->setRange(0, nTop);
    AxisR->applyNiceNumbers();
    AxisN->applyNiceNumbers();
    RminTrue->replace({{a.minimum.RminTrue, 0}, {a.minimum.RminTrue, nTop}});
    if (a.R > 0 && a.R <= rTop)
        CurrentR->replace({{a.R, 0}, {a.R, nTop}});
    else
        CurrentR->clear();
    if (a.N)
        CurrentPoint->replace({{a.R, std::min(*a.N, nTop)}});
    else
        CurrentPoint->clear();
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
