// Dragging the slider cursors and the point markers with the mouse on the real window.
#include <cmath>

#include "drag_fixture.h"

TEST_F(DragTest, SliderEndsAndMiddle) {
    const struct {
        int slider;
        int offset; // cursor left edge relative to the track's left end; 1000 / -1000: far beyond
        QLineEdit* zorvek::FormMain::*field;
        const char* text;
        Qt::MouseButton button;
    } cases[] = {
        {0, 1000, &zorvek::FormMain::Text1, "20", Qt::LeftButton},
        {0, -1000, &zorvek::FormMain::Text1, "1.01", Qt::RightButton},
        {5, -1000, &zorvek::FormMain::Text15, "0.01", Qt::RightButton},
        {5, 1000, &zorvek::FormMain::Text15, "1", Qt::MiddleButton},
        {1, 66, &zorvek::FormMain::Text2, "0.5", Qt::LeftButton}, // centre at 50 % of the track
        {2, -1000, &zorvek::FormMain::Text3, "0.171", Qt::LeftButton},
        {2, 1000, &zorvek::FormMain::Text3, "0.849", Qt::LeftButton},
    };
    for (const auto& c : cases) {
        DragCursorTo(c.slider, form->TrackX1[c.slider] + c.offset, c.button);
        EXPECT_EQ((form.get()->*c.field)->text(), c.text) << "slider " << c.slider << " at " << c.offset;
        EXPECT_FALSE(form->DragFlag);
        SetUp(); // a fresh start-up case for the next drag
    }
}

TEST_F(DragTest, QIsCaughtAtOne) {
    const std::pair<int, const char*> cases[] = {{82, "0.95"}, {83, "1"}, {84, "1"}, {85, "1"}, {86, "1.06"}};
    for (const auto& [offset, text] : cases) {
        DragCursorTo(1, form->TrackX1[1] + offset);
        EXPECT_EQ(form->Text2->text(), text) << offset;
    }
    DragCursorTo(1, form->TrackX1[1] + 83);
    EXPECT_EQ(form->Label1[15]->text(), "Saturated liquid at its bubble point");
    EXPECT_NEAR(CursorFraction(1), 2.5 / 4, 0.005); // the cursor ends on the value written
}

TEST_F(DragTest, RefluxIsCaughtAtWholeNumbersFromAbove) {
    QLabel* cursor = form->Image2[4];
    const QPoint grab(5, 4);
    QTest::mousePress(cursor, Qt::LeftButton, {}, grab);
    std::vector<double> written;
    for (int left = form->TrackX1[4] - 5; left <= form->TrackX2[4]; ++left) {
        const QPoint target(left + grab.x(), cursor->y() + grab.y());
        QTest::mouseMove(cursor, cursor->mapFromGlobal(form->Picture2->mapToGlobal(target)));
        written.push_back(Value(form->Text6));
    }
    QTest::mouseRelease(cursor, Qt::LeftButton, {}, grab);
    bool whole = false, highFraction = false;
    for (size_t n = 0; n < written.size(); ++n) {
        const double fraction = written[n] - std::floor(written[n]);
        EXPECT_TRUE(fraction == 0 || fraction >= 0.15 - 1e-9) << written[n];
        whole |= fraction == 0 && n > 0 && written[n - 1] < written[n];
        highFraction |= fraction > 0.85;
        if (n > 0) {
            EXPECT_GE(written[n], written[n - 1]);
        }
    }
    EXPECT_TRUE(whole);
    EXPECT_TRUE(highFraction); // 3.9 is not pulled up to 4
}

TEST_F(DragTest, GrabbedControlDoesNotJumpAtThePress) {
    // Grabbed off-centre and moved to where it was pressed: nothing moves, nothing is rewritten.
    QLabel* cursor = form->Image2[0];
    const QPoint cursorAt = cursor->pos();
    Drag(cursor, QPoint(2, 7), cursor, {QPoint(2, 7)});
    EXPECT_EQ(cursor->pos(), cursorAt);
    QLabel* marker = form->Label2[3];
    const QPoint markerAt = marker->pos();
    Drag(marker, QPoint(10, 2), marker, {QPoint(10, 2)});
    EXPECT_EQ(marker->pos(), markerAt);
    EXPECT_EQ(form->Text3->text(), "0.46");

    // Moved by a few pixels: the control moves by exactly that, so the grab offset is the one taken at
    // the press (a wrong one would make it jump by the difference).
    SizeDiagram(1050, 650); // plot box 1000 pixels wide: one pixel is 0.001 of x
    for (int dx : {3, -4}) {
        QLabel* feedCursor = form->Image2[2];
        const QPoint feedCursorAt = feedCursor->pos();
        Drag(feedCursor, QPoint(2, 7), feedCursor, {QPoint(2 + dx, 7)});
        EXPECT_EQ(feedCursor->pos(), feedCursorAt + QPoint(dx, 0)) << dx;
        const QPoint feedMarkerAt = marker->pos();
        Drag(marker, QPoint(10, 2), marker, {QPoint(10 + dx, 2)});
        EXPECT_EQ(marker->x(), feedMarkerAt.x() + dx) << dx;
    }
}

TEST_F(DragTest, FeedMarkerStaysBetweenBottomsAndDistillate) {
    SizeDiagram(470, 650); // plot box 420 x 600 pixels
    DragMarkerTo(3, QPoint(-300, 400));
    EXPECT_EQ(form->Text3->text(), "0.172"); // 0.17 + 1 / 420 rounded
    EXPECT_GE(Value(form->Text3), 0.171);
    EXPECT_TRUE(form->LblCOOR->text().endsWith(" (zf, zf)"));
    DragMarkerTo(3, QPoint(900, 10));
    EXPECT_EQ(form->Text3->text(), "0.848"); // 0.85 - 1 / 420 rounded
    EXPECT_LE(Value(form->Text3), 0.849);
    // The marker sits on the diagonal at the value written.
    const QPointF centre = MarkerCentre(3);
    EXPECT_NEAR(Box().Unmap(centre.x(), centre.y()).y(), Value(form->Text3), 1.5 / 420);
}

TEST_F(DragTest, DistillateMarkerAgainstTheRightEdge) {
    SizeDiagram(470, 650);
    EXPECT_EQ(MarkerCentre(2).x(), DiagramPixel(0.85, 0.85).x());
    DragMarkerTo(2, QPoint(700, -50), Qt::RightButton);
    EXPECT_EQ(form->Text4->text(), "0.998"); // 1 - 1 / 420 rounded
    // The read-out shows the point the marker left, tagged with the marker.
    EXPECT_EQ(form->LblCOOR->text(), "x = 0.85   y = 0.85 (xd, yd)");
    EXPECT_TRUE(form->LblCOOR->isVisibleTo(form.get()));
    EXPECT_FALSE(form->DragFlag);
    // Bottoms can't pass the feed either.
    DragMarkerTo(0, QPoint(400, 0));
    EXPECT_EQ(form->Text5->text(), "0.458"); // 0.46 - 1 / 420 rounded
}

TEST_F(DragTest, QPointStraightAboveTheFeedGivesQOne) {
    SizeDiagram(470, 650);
    DragMarkerTo(1, DiagramPixel(0.46, 0.8));
    EXPECT_EQ(form->Text2->text(), "1");
    EXPECT_EQ(form->Label1[15]->text(), "Saturated liquid at its bubble point");
}

TEST_F(DragTest, QPointBelowTheDiagonalIsKeptJustAboveIt) {
    SizeDiagram(470, 650);
    DragMarkerTo(1, DiagramPixel(0.4, 0.2));
    // Through (0.4, 0.41): q = 100 (xq - zF) + 1 and R = 100 (xD - xq) - 1.
    EXPECT_EQ(form->Text2->text(), "-5");
    EXPECT_EQ(form->Text6->text(), "44");
    EXPECT_TRUE(form->LblERROR->text().isEmpty()) << form->LblERROR->text().toStdString();
    // Calcular settles the marker on the computed intersection.
    const QPointF centre = MarkerCentre(1);
    const QPointF expected = Box().Map(0.4, 0.41);
    EXPECT_NEAR(centre.x(), expected.x(), 1);
    EXPECT_NEAR(centre.y(), expected.y(), 1);
}

TEST_F(DragTest, DiagramIgnoresTheCurveDuringADrag) {
    SizeDiagram(470, 650);
    const QPoint onCurve = DiagramPixel(0.5, 2.0 / 3.0);
    QTest::mousePress(form->Label2[0], Qt::LeftButton, {}, QPoint(6, 6));
    ASSERT_TRUE(form->DragFlag);
    SendToDiagram(QEvent::MouseMove, onCurve);
    EXPECT_TRUE(form->LblCOOR->text().startsWith("x = 0.5   y = ")) << form->LblCOOR->text().toStdString();
    EXPECT_TRUE(form->Picture1->toolTip().isEmpty());
    // A second button pressed on the curve meanwhile does not drag the curve either.
    SendToDiagram(QEvent::MouseButtonPress, onCurve, Qt::RightButton);
    SendToDiagram(QEvent::MouseMove, onCurve - QPoint(0, 20), Qt::RightButton);
    EXPECT_EQ(form->Text1->text(), "2");
    SendToDiagram(QEvent::MouseButtonRelease, onCurve - QPoint(0, 20), Qt::RightButton);
    QTest::mouseRelease(form->Label2[0], Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_FALSE(form->DragFlag);
}

TEST_F(DragTest, SecondPressOfADoubleClickGrabs) {
    // A click, then at once a press that Qt reports as a double click, then the move.
    QWidget* controls[] = {form->Label2[3], form->Image2[0]};
    for (QWidget* control : controls) {
        const QPoint grab(5, 5);
        QTest::mouseClick(control, Qt::LeftButton, {}, grab);
        QTest::mouseDClick(control, Qt::LeftButton, {}, grab);
        EXPECT_TRUE(form->DragFlag);
        QTest::mouseMove(control, grab + QPoint(15, 0));
        QTest::mouseRelease(control, Qt::LeftButton, {}, grab + QPoint(15, 0));
        EXPECT_FALSE(form->DragFlag);
    }
    EXPECT_NE(form->Text3->text(), "0.46");
    EXPECT_NE(form->Text1->text(), "2");
}
