// FormMain pointer over the diagram: the x-y read-out, the equilibrium curve under the pointer (its
// read-out and tooltips, dragging it to set alpha, double click on the table curve to edit the table),
// and the read-out hidden as soon as the pointer leaves the diagram.
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

QString Significant(double v) {
    return QString::fromStdString(FormatSignificant(v, 5, appState().DecimalStd()));
}

QString CurveTooltip() {
    return Tr(QString::fromUtf8("Curva de equilibrio líquido-vapor"), "VLE (Vapor-Liquid equilibrium) curve");
}

QString TableCurveTooltip() {
    return Tr(QString::fromUtf8("Doble clic: Editar tabla Equilibrio líquido-vapor"),
              "Double click: Edit VLE table");
}

double ReadAlpha(const QLineEdit* field) {
    return ParseNumber(field->text().toStdString());
}

} // namespace

void FormMain::Picture1_MouseDown(QPoint pos) {
    const PlotBox box = Picture1->Box();
    const QPointF at = box.Unmap(pos.x(), pos.y());
    if (!box.Inside(at)) return;
    // The press looks at the alpha curve in both models: only that curve can be dragged.
    const double yc = AlphaCurveY(ReadAlpha(Text1), at.x());
    if (!NearCurveRow(box.Map(at.x(), yc).y(), pos.y())) return;
    if (!TableMode) {
        CurveDrag = true;
        Picture1->setCursor(Qt::SizeVerCursor);
    }
    Picture1->setToolTip(CurveTooltip());
}

void FormMain::Picture1_MouseMove(QPoint pos) {
    const PlotBox box = Picture1->Box();
    const QPointF at = box.Unmap(pos.x(), pos.y());
    const bool inside = box.Inside(at);
    if (inside) {
        LblCOOR->setText("x = " + Significant(at.x()) + "   y = " + Significant(at.y()));
        LblCOOR->show();
    } else {
        LblCOOR->hide();
    }
    CurveHover = false;
    if (DragFlag) return; // a slider or marker drag owns the pointer

    if (!CurveDrag) {
        if (!inside) return;
        const double yc = TableMode ? Dense.DenseY[static_cast<int>(DenseIndex(at.x()))]
                                    : AlphaCurveY(ReadAlpha(Text1), at.x());
        if (!NearCurveRow(box.Map(at.x(), yc).y(), pos.y())) {
            Picture1->setCursor(Qt::ArrowCursor);
            Picture1->setToolTip(QString());
            return;
        }
        if (!TableMode) Picture1->setCursor(Qt::SizeVerCursor);
        if (TableMode) CurveHover = true;
        LblCOOR->setText(Tr("Curva de equilibrio: x = ", "VLE curve: x = ") + Significant(at.x()) +
                         "   y = " + Significant(yc));
        Picture1->setToolTip(TableMode ? TableCurveTooltip() : CurveTooltip());
        LblCOOR->show();
        return;
    }

    if (!inside) {
        Picture1->setCursor(Qt::ArrowCursor);
        Picture1->setToolTip(QString());
        return;
    }
    SetFieldText(Text1, Significant(AlphaThroughPoint(at.x(), at.y())));
    Calcular();
    Picture1->setCursor(Qt::SizeVerCursor);
    Picture1->setToolTip(CurveTooltip());
}

void FormMain::Picture1_MouseUp(QPoint) {
    CurveDrag = false;
    Picture1->setCursor(Qt::ArrowCursor);
    Picture1->setToolTip(QString());
}

void FormMain::Picture1_DblClick(QPoint pos) {
    // Qt delivers the second press of a double click as this event: it presses like any other, so a
    // quick second grab of the curve drags it.
    Picture1_MouseDown(pos);
    if (CurveHover) EditarTABLA_ELV();
}

void FormMain::Picture2_MouseMove(QPoint) {
    LblCOOR->hide();
}

void FormMain::Picture1_Leave() {
    LblCOOR->hide();
}

void FormMain::Timer2_Timer() {
    CurveHover = false;
}

} // namespace zorvek
