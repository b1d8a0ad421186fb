// Zoom and pan of the diagram on the real window: drags and the read-out land on the same values at
// the same diagram point zoomed as unzoomed; the wheel, the rubber band, the middle button, the arrow
// keys and the ways back to the whole square; the report image stays whole.
#include <QRubberBand>
#include <QWheelEvent>

#include "desktop_fixture.h"

namespace {

const zorvek::ViewWindow kUpperHalf{0.5, 1, 0.5, 1}; // twice as close: whole pixels stay whole

} // namespace

class ZoomTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        SizeDiagram(470, 650); // unzoomed plot box 420 x 600
    }
    QPoint ViewPixel(double x, double y) const { return form->Picture1->Box().Map(x, y).toPoint(); }
    QString ReadOutAt(QPoint pixel) {
        SendToDiagram(QEvent::MouseMove, pixel);
        return form->LblCOOR->text();
    }
    void Wheel(QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(at, form->Picture1->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(form->Picture1, &event);
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, form->Picture1->mapToGlobal(at), button, buttons, modifiers);
        QCoreApplication::sendEvent(form->Picture1, &event);
    }
};

TEST_F(ZoomTest, DragsAndReadOutLandOnTheSameValuesZoomedAsUnzoomed) {
    struct Result {
        QString feed, distillate, q, R, alpha, readOut, curveReadOut;
    };
    auto run = [this](bool zoomed) {
        SetUp(); // a fresh start-up case
        if (zoomed) form->SetDiagramView(kUpperHalf);
        Result r;
        r.readOut = ReadOutAt(ViewPixel(0.7, 0.8));
        r.curveReadOut = ReadOutAt(ViewPixel(0.6, 0.75)); // within 5 pixels of the curve only zoomed
        DragMarkerTo(3, ViewPixel(0.6, 0.6));
        r.feed = form->Text3->text();
        DragMarkerTo(2, ViewPixel(0.9, 0.9));
        r.distillate = form->Text4->text();
        DragMarkerTo(1, ViewPixel(0.55, 0.7));
        r.q = form->Text2->text();
        r.R = form->Text6->text();
        // The curve: grabbed where it is drawn, dropped on a chosen point.
        SetUp();
        if (zoomed) form->SetDiagramView(kUpperHalf);
        const double x = 0.6, yc = 2 * x / (1 + x);
        SendToDiagram(QEvent::MouseButtonPress, ViewPixel(x, yc), Qt::LeftButton);
        SendToDiagram(QEvent::MouseMove, ViewPixel(0.6, 0.85), Qt::LeftButton);
        SendToDiagram(QEvent::MouseButtonRelease, ViewPixel(0.6, 0.85), Qt::LeftButton);
        r.alpha = form->Text1->text();
        return r;
    };
    const Result whole = run(false);
    const Result close = run(true);
    EXPECT_EQ(whole.readOut, "x = 0.7   y = 0.8");
    EXPECT_EQ(close.readOut, whole.readOut);
    EXPECT_EQ(whole.curveReadOut, "VLE curve: x = 0.6   y = 0.75");
    EXPECT_EQ(close.curveReadOut, whole.curveReadOut);
    EXPECT_EQ(whole.feed, "0.6");
    EXPECT_EQ(close.feed, whole.feed);
    EXPECT_EQ(whole.distillate, "0.9");
    EXPECT_EQ(close.distillate, whole.distillate);
    EXPECT_EQ(close.q, whole.q);
    EXPECT_EQ(close.R, whole.R);
    EXPECT_EQ(whole.alpha, "3.778"); // 0.85 (1 - 0.6) / (0.6 (1 - 0.85))
    EXPECT_EQ(close.alpha, whole.alpha);
}

TEST_F(ZoomTest, MarkersFollowTheViewAndWaitOutsideIt) {
    form->SetDiagramView({0.6, 1, 0.6, 1});
    const QLabel* distillate = form->Label2[2];
    EXPECT_EQ(MarkerCentre(2), QPointF(ViewPixel(0.85, 0.85)));
    EXPECT_TRUE(distillate->isVisibleTo(form.get()));
    // The bottoms point lies outside the view: its marker is off the diagram, not over the margin.
    const QLabel* bottoms = form->Label2[0];
    EXPECT_FALSE(form->Picture1->rect().intersects(bottoms->geometry()));
    form->ZoomWhole();
    EXPECT_EQ(MarkerCentre(0), QPointF(DiagramPixel(0.17, 0.17)));
}

TEST_F(ZoomTest, WheelZoomsAboutThePointer) {
    const QPoint at = DiagramPixel(0.4, 0.5);
    Wheel(at, 120, Qt::NoModifier); // without Ctrl the wheel does nothing here
    EXPECT_TRUE(form->Picture1->View().Whole());
    Wheel(at, 120, Qt::ControlModifier);
    Wheel(at, 120, Qt::ControlModifier);
    const zorvek::ViewWindow v = form->Picture1->View();
    EXPECT_NEAR(v.x1 - v.x0, 1 / 1.5625, 1e-9);
    EXPECT_NEAR(v.y1 - v.y0, 1 / 1.5625, 1e-9);
    const QPointF under = form->Picture1->Box().Unmap(at.x(), at.y());
    EXPECT_NEAR(under.x(), 0.4, 0.003); // the point under the pointer stays there (to a pixel)
    EXPECT_NEAR(under.y(), 0.5, 0.003);
    for (int n = 0; n < 60; ++n) Wheel(at, 120, Qt::ControlModifier);
    EXPECT_NEAR(form->Picture1->View().x1 - form->Picture1->View().x0, 0.001, 1e-12); // the closest view
    for (int n = 0; n < 80; ++n) Wheel(at, -120, Qt::ControlModifier);
    EXPECT_TRUE(form->Picture1->View().Whole());
}

TEST_F(ZoomTest, ShiftDragZoomsIntoTheRectangle) {
    const QPoint from = DiagramPixel(0.8, 0.9), to = DiagramPixel(0.9, 0.8);
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::ShiftModifier);
    Mouse(QEvent::MouseMove, to, Qt::LeftButton, Qt::ShiftModifier);
    auto* band = form->Picture1->findChild<QRubberBand*>("ZoomRubberBand");
    ASSERT_NE(band, nullptr);
    EXPECT_TRUE(band->isVisible());
    Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FALSE(band->isVisible());
    const zorvek::ViewWindow v = form->Picture1->View();
    EXPECT_NEAR(v.x0, 0.8, 0.003);
    EXPECT_NEAR(v.x1, 0.9, 0.003);
    EXPECT_NEAR(v.y0, 0.8, 0.003);
    EXPECT_NEAR(v.y1, 0.9, 0.003);
    EXPECT_EQ(form->Text1->text(), "2"); // no curve drag, no change of the case
    EXPECT_FALSE(form->History->Stack().canUndo());
}

TEST_F(ZoomTest, MiddleButtonAndArrowKeysPanAZoomedView) {
    form->SetDiagramView({0.4, 0.6, 0.4, 0.6});
    const QPoint a = ViewPixel(0.5, 0.5), b = ViewPixel(0.45, 0.55);
    Mouse(QEvent::MouseButtonPress, a, Qt::MiddleButton, Qt::NoModifier);
    Mouse(QEvent::MouseMove, b, Qt::MiddleButton, Qt::NoModifier);
    Mouse(QEvent::MouseButtonRelease, b, Qt::MiddleButton, Qt::NoModifier);
    zorvek::ViewWindow v = form->Picture1->View();
    EXPECT_NEAR(v.x0, 0.45, 1e-3); // the diagram moved with the pointer
    EXPECT_NEAR(v.y0, 0.35, 1e-3);
    form->Picture1->setFocus();
    QTest::keyClick(form->Picture1, Qt::Key_Right);
    EXPECT_NEAR(form->Picture1->View().x0, v.x0 + 0.02, 1e-9);
    QTest::keyClick(form->Picture1, Qt::Key_Down);
    EXPECT_NEAR(form->Picture1->View().y0, v.y0 - 0.02, 1e-9);
    for (int n = 0; n < 40; ++n) QTest::keyClick(form->Picture1, Qt::Key_Left);
    v = form->Picture1->View();
    EXPECT_EQ(v.x0, 0); // never past the square
    EXPECT_NEAR(v.x1, 0.2, 1e-9);
}

TEST_F(ZoomTest, CtrlZeroAndCtrlDoubleClickShowTheWholeSquare) {
    form->SetDiagramView(kUpperHalf);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form->Text4, Qt::Key_0, Qt::ControlModifier);
    EXPECT_TRUE(form->Picture1->View().Whole());
    form->SetDiagramView(kUpperHalf);
    Mouse(QEvent::MouseButtonDblClick, ViewPixel(0.7, 0.6), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_TRUE(form->Picture1->View().Whole());
    // Whole again, the mapping is exactly the one of old.
    EXPECT_EQ(form->Picture1->Box().Map(0.37, 0.61), DragTest::Box().Map(0.37, 0.61));
}

TEST_F(ZoomTest, UnzoomedMiddleButtonStillGrabsTheCurve) {
    SendToDiagram(QEvent::MouseButtonPress, DiagramPixel(0.5, 2.0 / 3), Qt::MiddleButton);
    SendToDiagram(QEvent::MouseMove, DiagramPixel(0.5, 0.75), Qt::MiddleButton);
    SendToDiagram(QEvent::MouseButtonRelease, DiagramPixel(0.5, 0.75), Qt::MiddleButton);
    EXPECT_EQ(form->Text1->text(), "3");
}

TEST_F(ZoomTest, ReportImageShowsTheWholeSquare) {
    form->Calcular(zorvek::FormMain::Canvas::Picture4);
    const QImage whole = form->Picture4.copy();
    form->SetDiagramView({0.7, 0.9, 0.7, 0.9});
    form->Calcular(zorvek::FormMain::Canvas::Picture4);
    EXPECT_EQ(form->Picture4, whole);
    EXPECT_FALSE(form->Picture1->View().Whole()); // the screen stays zoomed
}

TEST_F(ZoomTest, AnOpenedCaseIsShownWhole) {
    form->SetDiagramView(kUpperHalf);
    form->Abrir(WriteCase("case.mct", "0.9"));
    EXPECT_TRUE(form->Picture1->View().Whole());
}
