// Overlays of the column analysis on the screen diagram, drawn over the finished diagram: the operating
// lines at the true minimum reflux through their pinch point, the total-reflux staircase, and the
// Murphree pseudo-equilibrium curve with its staircase. Through the canvas and the one plot mapping.
#pragma once

#include "columnanalysis.h"
#include "mccabediagram.h"

namespace zorvek {

struct OverlayChoice {
    bool minimumReflux = false; // the operating lines at RminTrue and the pinch point
    bool totalReflux = false;   // the staircase between the curve and the diagonal
    bool murphree = false;      // the pseudo-equilibrium curve and its staircase
    bool Any() const { return minimumReflux || totalReflux || murphree; }
};

enum class OverlayColour { MinimumReflux, TotalReflux, Murphree };
QColor ColourOf(OverlayColour which);

// Draws the chosen overlays that the analysis has, once the design got as far as the curve, in the
// options' view window.
void DrawAnalysisOverlays(DiagramCanvas& canvas, const DesignOutcome& outcome, const ColumnAnalysis& analysis,
                          const OverlayChoice& choice, const DiagramOptions& options);

} // namespace zorvek
