// FormMain drags of the seven slider cursors and the four point markers: every move writes the value
// under the pointer into its field and recomputes, so the diagram follows the pointer.
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "appstate.h"
#include "diagramview.h"
#include "drag.h"
#include "formmain.h"
#include "mccabediagram.h"
#include "numtext.h"

namespace zorvek {

namespace {

double Read(const QLineEdit* field) {
    return ParseNumber(field->text().toStdString());
}

QString Significant(double v) {
    return QString::fromStdString(FormatSignificant(v, 5, appState().DecimalStd()));
}

// Read-out tags of the markers: bottoms, q-point, distillate, feed.
constexpr const char* kMarkerTags[4] = {" (xb, yb)", " (xq, yq)", " (xd, yd)", " (zf, zf)"};

int Pixel(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

void FormMain::Image2_MouseDown(int i, QPoint globalPos) {
    DragFlag = true;
    GrabX = globalPos.x() - Image2[i]->x();
    DragPointer = globalPos;
}

void FormMain::Image2_MouseUp(int) {
    DragFlag = false;
}

void FormMain::Image2_MouseMove(int i, QPoint globalPos) {
    // Positions are whole pixels while values are finer: a pointer that has not moved rewrites nothing.
    if (!DragFlag || globalPos == DragPointer) return;
    DragPointer = globalPos;
    QLabel* cursor = Image2[i];
    const double w = cursor->width();
    const double left = ClampCursorLeft(globalPos.x() - GrabX, w, TrackX1[i], TrackX2[i]);
    cursor->move(Pixel(left), cursor->y());

    SliderContext context;
    context.zF = Read(Text3);
    context.xD = Read(Text4);
    context.xB = Read(Text5);
    context.Rmin = Read(Text7);
    const double v = SliderValue(i, TrackPercent(left, w, TrackX1[i], TrackX2[i]), context);
    static constexpr int fieldOf[7] = {1, 2, 3, 4, 6, 15, 5};
    SetFieldText(TextFields[fieldOf[i]], Significant(v));
    Calcular();
}

void FormMain::Label2_MouseDown(int k, QPoint globalPos) {
    DragFlag = true;
    GrabX = globalPos.x() - Label2[k]->x();
    GrabY = globalPos.y() - Label2[k]->y();
    DragPointer = globalPos;
}

void FormMain::Label2_MouseUp(int) {
    DragFlag = false;
}

void FormMain::Label2_MouseMove(int k, QPoint globalPos) {
    if (!DragFlag || globalPos == DragPointer) return;
    DragPointer = globalPos;
    QLabel* marker = Label2[k];
    const double mw = marker->width();
    const double mh = marker->height();
    const PlotBox box = Picture1->Box();

    // The read-out shows where the marker was before this step.
    QPointF at = box.Unmap(marker->x() + mw / 2, marker->y() + mh / 2);
    if (k != 1) at.setY(at.x());
    const bool inside = at.x() > 0 && at.x() < 1 && at.y() > 0 && at.y() < 1;
    if (inside) {
        LblCOOR->setText("x = " + Significant(at.x()) + "   y = " + Significant(at.y()));
        LblCOOR->show();
    } else {
        LblCOOR->hide();
        LblCOOR->clear(); // only the tag below, not one more per step
    }

    const double zF = MarkerComposition(Read(Text3), 0.5);
    const double xD = MarkerComposition(Read(Text4), 0.999);
    const double xB = MarkerComposition(Read(Text5), 0.001);

    // Limits keep the marker one pixel inside the plot box and bottoms < feed < distillate.
    const double leftEdge = box.e, rightEdge = box.e + box.f;
    const double bottomRow = box.h, topRow = box.h - box.K;
    auto column = [&box](double v) { return box.Map(v, v).x(); };
    std::vector<EdgeLimit> limits;
    switch (k) {
    case 0:
        limits = {{false, leftEdge}, {true, column(zF)}};
        break;
    case 1:
        limits = {{true, rightEdge}, {false, leftEdge}};
        break;
    case 2:
        limits = {{true, rightEdge}, {false, column(zF)}, {false, leftEdge}};
        break;
    default:
        limits = {{true, rightEdge}, {false, leftEdge}, {false, column(xB)}, {true, column(xD)}};
        break;
    }
    const double left = ApplyEdgeLimits(globalPos.x() - GrabX, mw, limits);
    const double x = box.Unmap(left + mw / 2, 0).x();

    if (k != 1) {
        const double xOnDiagonal = DiagonalMarkerX(k, x);
        marker->move(Pixel(left), Pixel(box.Map(xOnDiagonal, xOnDiagonal).y() - mh / 2));
        static constexpr int fieldOf[4] = {5, 0, 4, 3};
        SetFieldText(TextFields[fieldOf[k]], Significant(RoundDrag(xOnDiagonal, 3)));
    } else {
        const double top = ApplyEdgeLimits(globalPos.y() - GrabY, mh, {{true, bottomRow}, {false, topRow}});
        const QPointDrag values = QPointDragValues(x, box.Unmap(0, top + mh / 2).y(), zF, xD);
        marker->move(Pixel(left), Pixel(box.Map(x, values.yq).y() - mh / 2));
        SetFieldText(Text2, Significant(values.q));
        SetFieldText(Text6, Significant(values.R));
    }
    LblCOOR->setText(LblCOOR->text() + kMarkerTags[k]);
    Calcular();
}

} // namespace zorvek
