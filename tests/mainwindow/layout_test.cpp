// The window layout: minimum size, fixed panel, the diagram takes the rest, button row centred below
// the panel, markers centred on their points.
#include <QFrame>

#include "formmain_fixture.h"

TEST_F(FormMainTest, NeverSmallerThan800By600) {
    form->resize(500, 300);
    QApplication::processEvents();
    // Outer size: frame and title bar included.
    EXPECT_GE(form->frameGeometry().width(), 800);
    EXPECT_GE(form->frameGeometry().height(), 600);
}

TEST_F(FormMainTest, DiagramTakesTheRestAtEverySize) {
    const QPoint panel = form->Picture2->pos();
    const QSize panelSize = form->Picture2->size();
    for (QSize size : {QSize(800, 600), QSize(1400, 900), QSize(1000, 700)}) {
        form->resize(size);
        QApplication::processEvents();
        const QSize client = form->centralWidget()->size();
        const QRect shape = form->Shape2->geometry();
        const QRect diagram = form->Picture1->geometry();
        EXPECT_EQ(form->Picture2->pos(), panel);
        EXPECT_EQ(form->Picture2->size(), panelSize);
        EXPECT_EQ(shape.height(), client.height() - 10);
        EXPECT_EQ(diagram.left(), shape.left() + shape.width() - 1);
        EXPECT_EQ(diagram.width(), client.width() - shape.width() - 15);
        EXPECT_EQ(diagram.height(), shape.height());
        EXPECT_EQ(form->Picture1->Image().deviceIndependentSize().toSize(), diagram.size());
        EXPECT_EQ(form->LblERROR->width(), diagram.width() - 4);
        // Button row: between the panel's bottom and the frame's bottom, inside the frame.
        const int expected = int(std::nearbyint(
            (form->Picture2->y() + panelSize.height() + shape.top() + shape.height()) / 2.0 - 20));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(form->Image1[i]->y(), expected);
            EXPECT_GT(form->Image1[i]->y(), form->Picture2->geometry().bottom());
            EXPECT_LT(form->Image1[i]->geometry().bottom(), shape.bottom());
        }
        // The distillate marker sits centred on (xD, xD).
        const double W = diagram.width(), H = diagram.height();
        const QPointF centre = QRectF(form->Label2[2]->geometry()).center();
        EXPECT_NEAR(centre.x(), 25 + 0.85 * (W - 50), 1.0) << size.width();
        EXPECT_NEAR(centre.y(), H - 25 - 0.85 * (H - 50), 1.0) << size.width();
    }
}

TEST_F(FormMainTest, EveryPanelControlLiesInsideThePanel) {
    const QRect panel(QPoint(0, 0), form->Picture2->size());
    for (QWidget* child : form->Picture2->findChildren<QWidget*>()) {
        if (child->parentWidget() != form->Picture2 || child->isHidden()) continue;
        EXPECT_TRUE(panel.contains(child->geometry())) << child->objectName().toStdString();
    }
}

TEST_F(FormMainTest, RestoringOrReactivatingRedrawsTheDiagram) {
    const QEvent::Type events[] = {QEvent::WindowStateChange, QEvent::ActivationChange};
    for (QEvent::Type type : events) {
        form->Picture1->ClearImage();
        form->Text14->clear();
        QEvent event(type);
        QApplication::sendEvent(form.get(), &event);
        if (type == QEvent::ActivationChange && !form->isActiveWindow()) continue; // no focus offscreen
        EXPECT_EQ(form->Text14->text(), "7.55") << type;
        EXPECT_NE(
            form->Picture1->Image().pixelColor(form->Picture1->width() / 2, form->Picture1->height() / 2),
            QColor(Qt::white))
            << type;
    }
}
