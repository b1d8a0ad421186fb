// The pointer over the diagram: the read-out, the curve under the pointer, dragging the curve, and the
// double click on the table curve.
#include <QApplication>
#include <QTimer>

#include "drag_fixture.h"
#include "equilibrium.h"
#include "tabletext.h"

using zorvek::appState;

class PointerTest : public DragTest {
  protected:
    void SetUp() override {
        DragTest::SetUp();
        SizeDiagram(470, 650); // plot box 420 x 600: x = 0.5 at column 235, y = 2/3 at row 225
    }
    QString ReadOut() const {
        return form->LblCOOR->isVisibleTo(form.get()) ? form->LblCOOR->text() : QString("(hidden)");
    }
    void UseTableModel() {
        form->TablaELV = zorvek::AcceptTable(zorvek::DefaultEquilibriumTable(), "ENG").table;
        form->CrearSuperTABLA_ELV();
        form->TableMode = true;
        form->Calcular();
    }
    QPoint OnTableCurve(double x) const {
        return DiagramPixel(x, form->Dense.DenseY[static_cast<int>(std::lround(x * 1000))]);
    }
};

TEST_F(PointerTest, ReadOutInsideThePlotBoxOnly) {
    const struct {
        QPoint at;
        const char* readOut;
    } cases[] = {
        {{235, 325}, "x = 0.5   y = 0.5"},
        {{26, 600}, "x = 2.381E-3   y = 0.041667"},  // left edge, off the curve: x near 0
        {{444, 624}, "x = 0.99762   y = 1.6667E-3"}, // lower right corner: x near 1, y near 0
        {{25, 325}, "(hidden)"},                     // on the box's edges
        {{445, 325}, "(hidden)"},
        {{235, 25}, "(hidden)"},
        {{235, 625}, "(hidden)"},
        {{5, 5}, "(hidden)"}, // in the margin
    };
    for (const auto& c : cases) {
        SendToDiagram(QEvent::MouseMove, c.at);
        EXPECT_EQ(ReadOut(), c.readOut) << c.at.x() << "," << c.at.y();
    }
    SendToDiagram(QEvent::MouseMove, {235, 325});
    QMouseEvent overPanel(QEvent::MouseMove, QPointF(100, 100),
                          form->Picture2->mapToGlobal(QPointF(100, 100)), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(form->Picture2, &overPanel);
    EXPECT_EQ(ReadOut(), "(hidden)");
}

// The pointer moved as a user moves it (through the window, so that the widgets under it see it come
// and go): the read-out hides as soon as it leaves the diagram, wherever it goes, and stays while it
// crosses a marker on the diagram.
TEST_F(PointerTest, ReadOutHidesWhereverThePointerLeavesTheDiagramFor) {
    form->activateWindow();
    QPoint bare; // a spot of the panel that no control covers
    for (int y = 2; y < form->Picture2->height() && bare.isNull(); y += 3)
        for (int x = 2; x < form->Picture2->width() && bare.isNull(); x += 3)
            if (QApplication::widgetAt(form->Picture2->mapToGlobal(QPoint(x, y))) == form->Picture2)
                bare = QPoint(x, y);
    ASSERT_FALSE(bare.isNull());
    const struct {
        QWidget* widget;
        QPoint at;
        const char* what;
    } targets[] = {
        {form->Text3, {10, 5}, "an entry field"},
        {form->Text7, {10, 5}, "a result field"},
        {form->Shape1[3], {2, 40}, "a frame"},
        {form->Label1[3], {5, 5}, "a caption"},
        {form->Image2[3], {5, 4}, "a slider cursor"},
        {form->LabelB[0], {20, 8}, "the button row"},
        {form->Shape2, {1, 3}, "the frame around the panel"},
        {form->Picture2, bare, "the bare panel"},
    };
    for (const auto& t : targets) {
        ASSERT_TRUE(t.widget->isVisible()) << t.what;
        QTest::mouseMove(form->Picture1, {235, 325});
        ASSERT_EQ(ReadOut(), "x = 0.5   y = 0.5") << t.what;
        QTest::mouseMove(t.widget, t.at);
        ASSERT_EQ(QApplication::widgetAt(t.widget->mapToGlobal(t.at)), t.widget) << t.what;
        EXPECT_EQ(ReadOut(), "(hidden)") << t.what;
    }
    // Over a marker the pointer is still over the diagram.
    QTest::mouseMove(form->Picture1, {235, 325});
    QTest::mouseMove(form->Label2[3], {6, 6});
    EXPECT_NE(ReadOut(), "(hidden)");
}

TEST_F(PointerTest, CurveReadOutWithinFivePixels) {
    appState().UiLanguage = "ESP";
    appState().DecimalSymbol = ",";
    const QString onCurve = QString::fromUtf8("Curva de equilibrio: x = 0,5   y = 0,66667");
    const struct {
        int row;
        QString readOut;
        Qt::CursorShape shape;
        QString tooltip;
    } cases[] = {
        {220, onCurve, Qt::SizeVerCursor, QString::fromUtf8("Curva de equilibrio líquido-vapor")},
        {230, onCurve, Qt::SizeVerCursor, QString::fromUtf8("Curva de equilibrio líquido-vapor")},
        {219, "x = 0,5   y = 0,67667", Qt::ArrowCursor, ""},
        {231, "x = 0,5   y = 0,65667", Qt::ArrowCursor, ""},
    };
    for (const auto& c : cases) {
        SendToDiagram(QEvent::MouseMove, {235, c.row});
        EXPECT_EQ(ReadOut(), c.readOut) << c.row;
        EXPECT_EQ(form->Picture1->cursor().shape(), c.shape) << c.row;
        EXPECT_EQ(form->Picture1->toolTip(), c.tooltip) << c.row;
    }
    appState().UiLanguage = "ENG";
    SendToDiagram(QEvent::MouseMove, {235, 225});
    EXPECT_EQ(ReadOut(), "VLE curve: x = 0,5   y = 0,66667");
    EXPECT_EQ(form->Picture1->toolTip(), "VLE (Vapor-Liquid equilibrium) curve");
}

TEST_F(PointerTest, DraggingTheCurveSetsAlpha) {
    QTest::mousePress(form->Picture1, Qt::RightButton, {}, QPoint(235, 227));
    EXPECT_TRUE(form->CurveDrag);
    EXPECT_EQ(form->Picture1->cursor().shape(), Qt::SizeVerCursor);
    // Upwards: the curve through (0.5, 410 / 600), alpha = y (1 - x) / (x (1 - y)) to 3 decimals.
    QTest::mouseMove(form->Picture1, QPoint(235, 215));
    EXPECT_EQ(form->Text1->text(), "2.158");
    QTest::mouseMove(form->Picture1, QPoint(235, 214));
    EXPECT_EQ(form->Text1->text(), "2.175");
    EXPECT_TRUE(form->LblERROR->text().isEmpty());
    // To the diagonal and below it: never under 1.01.
    for (int row : {325, 326, 500}) {
        QTest::mouseMove(form->Picture1, QPoint(235, row));
        EXPECT_EQ(form->Text1->text(), "1.01") << row;
    }
    // Outside the plot box nothing is written and the pointer is the arrow again.
    QTest::mouseMove(form->Picture1, QPoint(235, 120));
    QTest::mouseMove(form->Picture1, QPoint(235, 640));
    EXPECT_EQ(form->Text1->text(), "5.316");
    EXPECT_EQ(form->Picture1->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseRelease(form->Picture1, Qt::RightButton, {}, QPoint(235, 640));
    EXPECT_FALSE(form->CurveDrag);
    EXPECT_TRUE(form->Picture1->toolTip().isEmpty());
    EXPECT_TRUE(form->Modified);
}

TEST_F(PointerTest, PressesThatDoNotGrabTheCurve) {
    const QPoint presses[] = {
        {24, 624}, // in the margin, beside the curve's start
        {235, 218} // inside, 7 pixels above the curve
    };
    for (const QPoint& at : presses) {
        QTest::mousePress(form->Picture1, Qt::LeftButton, {}, at);
        EXPECT_FALSE(form->CurveDrag);
        QTest::mouseMove(form->Picture1, QPoint(235, 100));
        EXPECT_EQ(form->Text1->text(), "2");
        QTest::mouseRelease(form->Picture1, Qt::LeftButton, {}, QPoint(235, 100));
    }
    // The second press of a double click on the curve grabs it too.
    QTest::mouseDClick(form->Picture1, Qt::LeftButton, {}, QPoint(235, 225));
    EXPECT_TRUE(form->CurveDrag);
    QTest::mouseRelease(form->Picture1, Qt::LeftButton, {}, QPoint(235, 225));
    EXPECT_FALSE(form->CurveDrag);
    // Just inside the lower left corner the curve is near: the press grabs it.
    QTest::mousePress(form->Picture1, Qt::LeftButton, {}, QPoint(26, 624));
    EXPECT_TRUE(form->CurveDrag);
    QTest::mouseRelease(form->Picture1, Qt::LeftButton, {}, QPoint(26, 624));
}

TEST_F(PointerTest, TableCurveIsNotDraggable) {
    UseTableModel();
    // A press on the alpha curve only names it; the move after it is a hover.
    QTest::mousePress(form->Picture1, Qt::LeftButton, {}, QPoint(235, 225));
    EXPECT_FALSE(form->CurveDrag);
    EXPECT_EQ(form->Picture1->toolTip(), "VLE (Vapor-Liquid equilibrium) curve");
    QTest::mouseMove(form->Picture1, QPoint(235, 150));
    EXPECT_EQ(form->Text1->text(), "2");
    QTest::mouseRelease(form->Picture1, Qt::LeftButton, {}, QPoint(235, 150));
    // Hovering the table curve names it and offers the editor.
    SendToDiagram(QEvent::MouseMove, OnTableCurve(0.5));
    EXPECT_TRUE(form->CurveHover);
    EXPECT_TRUE(ReadOut().startsWith("VLE curve: x = 0.5   y = "));
    EXPECT_EQ(form->Picture1->toolTip(), "Double click: Edit VLE table");
    EXPECT_EQ(form->Picture1->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(PointerTest, DoubleClickOnTheTableCurveOpensTheEditor) {
    UseTableModel();
    QString opened;
    auto doubleClick = [&](QPoint at) {
        opened.clear();
        // The editor is modal: note which window came up and close it.
        QTimer::singleShot(0, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                modal->close();
            }
        });
        SendToDiagram(QEvent::MouseButtonPress, at, Qt::LeftButton);
        SendToDiagram(QEvent::MouseButtonRelease, at, Qt::LeftButton);
        SendToDiagram(QEvent::MouseButtonDblClick, at, Qt::LeftButton);
        SendToDiagram(QEvent::MouseButtonRelease, at, Qt::LeftButton);
        QCoreApplication::processEvents();
    };
    const QPoint onCurve = OnTableCurve(0.4);
    SendToDiagram(QEvent::MouseMove, onCurve);
    doubleClick(onCurve);
    EXPECT_EQ(opened, "FormXYinput");

    UseTableModel();
    SendToDiagram(QEvent::MouseMove, onCurve);
    form->Timer2_Timer(); // a tick since the pointer came onto the curve
    doubleClick(onCurve);
    EXPECT_TRUE(opened.isEmpty());

    SendToDiagram(QEvent::MouseMove, onCurve + QPoint(0, 30)); // away from the curve
    doubleClick(onCurve + QPoint(0, 30));
    EXPECT_TRUE(opened.isEmpty());
}
