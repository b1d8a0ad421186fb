// The push buttons of the main window act on a real click only: a left press and release over the same
// button, once per click, never on another mouse button or on the release that ends a double click.
#include "formmain_fixture.h"
#include "seams.h"

namespace {

// What the platform sends for a double click: press, release, the second press as a double click, release.
void DoubleClick(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint at(20, 8);
    QTest::mousePress(widget, button, {}, at);
    QTest::mouseRelease(widget, button, {}, at);
    QTest::mouseDClick(widget, button, {}, at);
    QTest::mouseRelease(widget, button, {}, at);
}

} // namespace

class ButtonsTest : public FormMainTest {
  protected:
    void SetUp() override {
        FormMainTest::SetUp();
        zorvek::seams().startDetached = [this](const QString&, const QStringList&) {
            ++viewersStarted;
            return true;
        };
    }
    void TearDown() override {
        zorvek::installRealSeams();
        FormMainTest::TearDown();
    }
    int viewersStarted = 0;
};

TEST_F(ButtonsTest, OtherMouseButtonsDoNotClear) {
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        form->Modified = true;
        const QPoint rest = form->Image1[1]->pos();
        QTest::mousePress(form->LabelB[1], button, {}, QPoint(20, 8));
        EXPECT_EQ(form->Image1[1]->pos(), rest) << button; // no pressed look either
        QTest::mouseRelease(form->LabelB[1], button, {}, QPoint(20, 8));
        DoubleClick(form->LabelB[1], button);
        EXPECT_EQ(form->Text3->text(), "0.46") << button;
        EXPECT_EQ(form->Text14->text(), "7.55") << button;
        EXPECT_TRUE(form->Modified) << button; // the case is not lost without the save prompt
    }
    // The left button clears, on its face as on its caption.
    QTest::mouseClick(form->Image1[1], Qt::LeftButton, {}, QPoint(20, 3));
    EXPECT_EQ(form->Text3->text(), "");
    EXPECT_FALSE(form->Modified);
}

TEST_F(ButtonsTest, ADoubleClickIsOneClick) {
    DoubleClick(form->LabelB[2]); // View report
    EXPECT_EQ(viewersStarted, 1);
    QTest::mouseClick(form->LabelB[2], Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_EQ(viewersStarted, 2);
    // Pressed on one button and released over another: neither acts.
    QTest::mousePress(form->LabelB[2], Qt::LeftButton, {}, QPoint(20, 8));
    const QPoint overClear = form->LabelB[2]->mapFromGlobal(form->LabelB[1]->mapToGlobal(QPoint(20, 8)));
    QTest::mouseRelease(form->LabelB[2], Qt::LeftButton, {}, overClear);
    QTest::mouseRelease(form->LabelB[1], Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_EQ(viewersStarted, 2);
    EXPECT_EQ(form->Text3->text(), "0.46");
}
