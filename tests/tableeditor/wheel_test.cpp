// The wheel hook: one row per wheel step, limits, and the hook's life with the editor.
#include <QWheelEvent>

#include "editorfixture.h"
#include "wheel.h"

namespace zorvek {

namespace {

void Wheel(QWidget* target, int delta) {
    QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

} // namespace

TEST_F(EditorTest, OneRowPerWheelStepWithinTheLimits) {
    ASSERT_TRUE(WheelHooked());
    EXPECT_EQ(WheelTarget(), editor.get());
    struct Step {
        int delta;
        int scroll;
    };
    // Toward the user (negative) scrolls down, one row per step of 120; fine-grained steps add up.
    const Step steps[] = {{-120, 1}, {-360, 4}, {120, 3}, {360, 0}, {120, 0}, {-40, 0}, {-40, 0}, {-40, 1}};
    for (const Step& s : steps) {
        Wheel(editor->TxtX[4], s.delta);
        EXPECT_EQ(editor->VScroll1->value(), s.scroll) << s.delta;
    }
    Wheel(editor->VScroll1, -120); // the scroll bar itself moves one row too, not three
    EXPECT_EQ(editor->VScroll1->value(), 2);
    for (int i = 0; i < 100; ++i) Wheel(editor.get(), -120);
    EXPECT_EQ(editor->VScroll1->value(), 87);
}

TEST_F(EditorTest, MouseWheelRotationZeroTurnsTowardTheUser) {
    editor->MouseWheel(0, 0, 0, 0);
    EXPECT_EQ(editor->VScroll1->value(), 1);
    editor->MouseWheel(0, 5, 0, 0);
    EXPECT_EQ(editor->VScroll1->value(), 0);
    editor->hide();
    editor->MouseWheel(0, -120, 0, 0); // scroll bar not visible: nothing
    EXPECT_EQ(editor->VScroll1->value(), 0);
}

TEST_F(EditorTest, HookIsRemovedOnCloseAndInstalledOnReopening) {
    FormXYinput* first = editor.get();
    FormXYinput other;
    WheelHook(&other); // already hooked: nothing changes
    EXPECT_EQ(WheelTarget(), first);
    editor->Cancelar();
    EXPECT_FALSE(WheelHooked());
    Wheel(first->TxtX[0], -120);
    EXPECT_EQ(first->VScroll1->value(), 0);
    Open(DefaultEquilibriumTable(), "", "");
    EXPECT_TRUE(WheelHooked());
    EXPECT_EQ(WheelTarget(), editor.get());
    Wheel(editor->TxtX[0], -120);
    EXPECT_EQ(editor->VScroll1->value(), 1);
}

} // namespace zorvek
