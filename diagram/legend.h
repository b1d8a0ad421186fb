// Where the diagram's legend, point labels and axis titles go on a picture: the three legend entries
// left-aligned with each other inside the plot frame at every size (wrapped when their texts do not fit
// beside their sample lines), and moved up or down, as a block, off the points' labels and the titles.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "design.h"
#include "diagramcanvas.h"

namespace zorvek {

struct PlotBox;

struct DiagramOptions;

// A text and the top-left corner it is written at.
struct PlacedText {
    QPointF at;
    QString text;
};

// The axis titles on a picture: AxisTitleY at (39, 31), AxisTitleX ending near the bottom-right corner,
// each split into two lines on a picture too narrow for one.
std::vector<PlacedText> PictureAxisTitles(const DiagramCanvas& canvas, const DiagramOptions& options);

// The top-left corner of a point's label: the stream points' labels right of and below them, the
// q-point's by the feed's q, so that it keeps clear of the q-line.
QPointF StreamLabelAt(const DiagramCanvas& canvas, QPointF point);
QPointF QPointLabelAt(const DiagramCanvas& canvas, QPointF point, double q);

struct LegendLayout {
    double textX = 0;                       // left edge of every entry's text
    double sampleLeft = 0, sampleRight = 0; // ends of the sample lines
    std::array<double, 3> row{};            // row of each entry's sample line; its text starts 9 above
    std::array<QStringList, 3> lines;       // each entry's text, one line or more
    double lineHeight = 0;
};

// The legend of the enriching line, the exhausting line and the q-line on a picture. Where everything
// fits, the entries stand where they always have: texts at 0.405 of the plot width, rows at 0.18, 0.15
// and 0.12 of its height, sample lines 3 margins long, 7 pixels before the texts.
LegendLayout PictureLegend(const DiagramCanvas& canvas, const PlotBox& box,
                           const std::array<QString, 3>& texts, const std::vector<QRectF>& labels);

// The rectangles of the point labels (and the points) an outcome draws on a picture.
std::vector<QRectF> PointLabelAreas(const DiagramCanvas& canvas, const PlotBox& box, const DesignOutcome& o);

} // namespace zorvek
