// The two previews of the components dialog drawn over a DiagramCanvas with the diagram's plot mapping:
// the x-y curve on the McCabe-Thiele background (grid, diagonal, ticks) with the table's points, and the
// T-x-y diagram (temperature in degrees Celsius), each with the azeotropes marked.
#pragma once
#include <QString>

#include "diagramcanvas.h"
#include "vle.h"

namespace zorvek {

struct PreviewOptions {
    QString UiLanguage = "ENG";
    QString DecimalSymbol = ".";
    QString nameA;          // for the axis titles of the x-y curve
    QString liquid, vapour; // legends of the T-x-y curves
};

// Clears the canvas and draws; a result without a curve leaves the empty background.
void DrawXyPreview(DiagramCanvas& canvas, const thermo::VleResult& result, const PreviewOptions& options);
void DrawTxyPreview(DiagramCanvas& canvas, const thermo::VleResult& result, const PreviewOptions& options);

// The tick step of a temperature axis spanning span degrees: 1, 2 or 5 times a power of ten, giving
// at most eight intervals.
double TemperatureStep(double span);

} // namespace zorvek
