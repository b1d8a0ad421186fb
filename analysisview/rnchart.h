// RNChart: the R-N chart of the analysis window, stepped N and Gilliland's estimate against R (on a
// logarithmic axis) with the true minimum and the current R marked; a click inside the plot area names
// the R under the pointer.
#pragma once

#include <QChartView>
#include <optional>

#include "columnanalysis.h"

class QLineSeries;
class QLogValueAxis;
class QScatterSeries;
class QValueAxis;

namespace zorvek {

class RNChart : public QChartView {
    Q_OBJECT
  public:
    explicit RNChart(QWidget* parent = nullptr);

    void ShowCurve(const ColumnAnalysis& analysis);
    void Retranslate();
    // The R under a point of the view, when the point lies inside the plot area.
    std::optional<double> RefluxAt(QPoint viewPos) const;

    QLineSeries* Stepped = nullptr;
    QLineSeries* Gilliland = nullptr;
    QLineSeries* CurrentR = nullptr; // a vertical line at R
    QLineSeries* RminTrue = nullptr; // a vertical line at the true minimum
    QScatterSeries* CurrentPoint = nullptr;
    QLogValueAxis* AxisR = nullptr; // logarithmic: the curve's points are spaced evenly on it
    QValueAxis* AxisN = nullptr;

  signals:
    void RefluxClicked(double R);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace zorvek
