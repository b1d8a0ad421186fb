// Mouse drags on the real FormMain: press on a control, moves that send the pointer to panel or
// diagram positions, release; and the diagram resized to a chosen size.
#pragma once
#include <QMouseEvent>
#include <QPointF>

#include "formmain_fixture.h"
#include "mccabediagram.h"
#include "numtext.h"

class DragTest : public FormMainTest {
  protected:
    // Resizes the window so that the diagram Picture1 is width x height pixels.
    void SizeDiagram(int width, int height) {
        auto* diagram = form->Picture1;
        form->resize(form->width() + width - diagram->width(), form->height() + height - diagram->height());
        QCoreApplication::processEvents();
        ASSERT_EQ(diagram->size(), QSize(width, height));
    }
    zorvek::PlotBox Box() const {
        return zorvek::PicturePlotBox(form->Picture1->width(), form->Picture1->height());
    }
    // Pixel of the diagram point (x, y).
    QPoint DiagramPixel(double x, double y) const { return Box().Map(x, y).toPoint(); }
    // Presses `button` on the control at `grab` (control pixels), moves the pointer so that the grabbed
    // pixel goes to each of `targets` (pixels of `targetSpace`), then releases there.
    static void Drag(QWidget* control, QPoint grab, QWidget* targetSpace, const std::vector<QPoint>& targets,
                     Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(control, button, {}, grab);
        QPoint local = grab;
        for (const QPoint& target : targets) {
            local = control->mapFromGlobal(targetSpace->mapToGlobal(target));
            QTest::mouseMove(control, local);
        }
        QTest::mouseRelease(control, button, {}, local);
    }
    // Drags slider cursor i so that its left edge goes to panel column `left`.
    void DragCursorTo(int i, int left, Qt::MouseButton button = Qt::LeftButton) {
        QLabel* cursor = form->Image2[i];
        const QPoint grab(5, 4);
        Drag(cursor, grab, form->Picture2, {QPoint(left + grab.x(), cursor->y() + grab.y())}, button);
    }
    // Drags marker k so that its centre goes to diagram pixel `centre` (before any limit).
    void DragMarkerTo(int k, QPoint centre, Qt::MouseButton button = Qt::LeftButton) {
        QLabel* marker = form->Label2[k];
        const QPoint grab(marker->width() / 2, marker->height() / 2);
        Drag(marker, grab, form->Picture1, {centre}, button);
    }
    QPointF MarkerCentre(int k) const {
        const QLabel* m = form->Label2[k];
        return {m->x() + m->width() / 2.0, m->y() + m->height() / 2.0};
    }
    // A pointer event straight on the diagram (no button unless given).
    void SendToDiagram(QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton) {
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, pos, form->Picture1->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(form->Picture1, &event);
    }
    static double Value(const QLineEdit* field) { return zorvek::ParseNumber(field->text().toStdString()); }
};
