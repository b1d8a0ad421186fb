// Undo and redo on the real window: one step per committed field change and per whole drag, model
// switches, accepted tables, names, Clear and an opened case; recomputation on undo; the modified flag
// following the saved state; the captions in both languages.
#include <QRadioButton>

#include "desktop_fixture.h"
#include "formxyinput.h"

using zorvek::appState;

TEST_F(DesktopTest, TypedValueIsOneStepOnEnterOrOnLeavingTheField) {
    EXPECT_FALSE(form->mnu_Edicion_UNDO->isEnabled());
    Type(form->Text4, "0.9");
    EXPECT_EQ(Steps(), 0); // keystrokes are no steps
    EXPECT_EQ(UndoText(), "&Undo change of xD");
    QTest::keyClick(form->Text4, Qt::Key_Return);
    EXPECT_EQ(Steps(), 1);
    Type(form->Text4, "0.91");
    form->Text3->setFocus(); // leaving the field commits
    EXPECT_EQ(Steps(), 2);
    EXPECT_EQ(UndoText(), "&Undo change of xD");

    form->mnu_Edicion_UNDO->trigger();
    EXPECT_EQ(form->Text4->text(), "0.9");
    EXPECT_EQ(form->LastOutcome.inputs.xD, 0.9); // undoing recomputes
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_EQ(form->Text4->text(), "0.85");
    EXPECT_EQ(form->Text14->text(), "7.55");
    EXPECT_FALSE(form->Modified); // back at the start-up case
    EXPECT_FALSE(form->mnu_Edicion_UNDO->isEnabled());
    EXPECT_EQ(RedoText(), "&Redo change of xD");
    form->mnu_Edicion_REDO->trigger();
    EXPECT_EQ(form->Text4->text(), "0.9");
    EXPECT_TRUE(form->Modified);
}

TEST_F(DesktopTest, CtrlZInAFieldUndoesTheCaseNotTheFieldsOwnTyping) {
    Type(form->Text3, "0.5");
    QTest::keyClick(form->Text3, Qt::Key_Return);
    Type(form->Text4, "0.9"); // not committed yet
    QTest::keyClick(form->Text4, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->Text4->text(), "0.85");
    EXPECT_EQ(form->Text3->text(), "0.5");
    QTest::keyClick(form->Text4, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->Text3->text(), "0.46");
    QTest::keyClick(form->Text4, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form->Text3->text(), "0.5");
    QTest::keyClick(form->Text4, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->Text4->text(), "0.9");
    EXPECT_EQ(form->LastOutcome.inputs.xD, 0.9);
}

TEST_F(DesktopTest, AWholeDragIsOneStep) {
    // A slider drag through many positions.
    QLabel* cursor = form->Image2[3];
    const QPoint grab(5, 4);
    std::vector<QPoint> targets;
    for (int left = form->TrackX1[3]; left <= form->TrackX1[3] + 60; left += 6)
        targets.emplace_back(left + grab.x(), cursor->y() + grab.y());
    Drag(cursor, grab, form->Picture2, targets);
    ASSERT_NE(form->Text4->text(), "0.85");
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(UndoText(), "&Undo drag of xD");
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_EQ(form->Text4->text(), "0.85");
    EXPECT_FALSE(form->Modified);
    EXPECT_NEAR(CursorFraction(3), (0.85 - 0.461) / (0.999 - 0.461), 0.01); // the cursor follows

    // The q-point marker sets q and R: one step restores both.
    SizeDiagram(470, 650);
    DragMarkerTo(1, DiagramPixel(0.46, 0.8));
    EXPECT_EQ(form->Text2->text(), "1");
    EXPECT_EQ(UndoText(), "&Undo drag of the q-point");
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_EQ(form->Text2->text(), "0.5");
    EXPECT_EQ(form->Text6->text(), "3");
    EXPECT_EQ(form->Label1[15]->text(), "Vapor-liquid mixture");

    // A press and release that move nothing are no step.
    Drag(form->Label2[3], QPoint(6, 6), form->Label2[3], {QPoint(6, 6)});
    EXPECT_FALSE(form->History->Stack().canUndo());
}

TEST_F(DesktopTest, CurveDragIsOneStep) {
    SizeDiagram(470, 650);
    const QPoint onCurve = DiagramPixel(0.5, 2.0 / 3);
    SendToDiagram(QEvent::MouseButtonPress, onCurve, Qt::LeftButton);
    SendToDiagram(QEvent::MouseMove, DiagramPixel(0.5, 0.7), Qt::LeftButton);
    SendToDiagram(QEvent::MouseMove, DiagramPixel(0.5, 0.75), Qt::LeftButton);
    SendToDiagram(QEvent::MouseButtonRelease, DiagramPixel(0.5, 0.75), Qt::LeftButton);
    EXPECT_EQ(form->Text1->text(), "3");
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(UndoText(), "&Undo drag of the equilibrium curve");
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_EQ(form->Text1->text(), "2");
    EXPECT_EQ(form->LastOutcome.inputs.alpha, 2); // recomputed with the old alpha
}

TEST_F(DesktopTest, ModelSwitchAndAcceptedTableAreSteps) {
    // Table clicked without a table: the panel shows the table model, alpha stays in use.
    form->OptTAB->click();
    EXPECT_TRUE(form->Text1->isHidden());
    EXPECT_EQ(UndoText(), "&Undo change of equilibrium model");
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_TRUE(form->OptVOL->isChecked());
    EXPECT_FALSE(form->Text1->isHidden());
    EXPECT_FALSE(form->TableMode);

    form->OptTAB->click(); // the editor is opened from the table layout
    WithModal(
        [](QWidget* modal) {
            auto* editor = qobject_cast<zorvek::FormXYinput*>(modal);
            ASSERT_NE(editor, nullptr);
            editor->Working = zorvek::EquilibriumTable();
            editor->Working.x[0] = 0.3, editor->Working.y[0] = 0.6;
            editor->NameA = "Metanol";
            editor->Aceptar();
        },
        [this] { form->EditarTABLA_ELV(); });
    ASSERT_TRUE(form->TableMode);
    ASSERT_EQ(form->TablaELV.LastPointIndex, 2);
    const QString tableStairs = form->Text14->text();
    EXPECT_EQ(UndoText(), "&Undo accepted table");
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_FALSE(form->TableMode);
    EXPECT_EQ(form->TablaELV.LastPointIndex, -1);
    EXPECT_EQ(form->Text16->text(), "");
    EXPECT_TRUE(form->OptTAB->isChecked()); // as before the table was accepted: alpha in use
    EXPECT_EQ(form->Text14->text(), "7.55");
    form->mnu_Edicion_REDO->trigger();
    EXPECT_TRUE(form->TableMode);
    EXPECT_TRUE(form->OptTAB->isChecked());
    EXPECT_EQ(form->TablaELV.LastPointIndex, 2);
    EXPECT_EQ(form->Text16->text(), "Metanol");
    EXPECT_EQ(form->Text14->text(), tableStairs);
}

TEST_F(DesktopTest, ComponentNameIsAStep) {
    Type(form->Text16, "Benceno");
    form->Text17->setFocus();
    EXPECT_EQ(form->AxisTitleX, "X: Mole fraction of Benceno in liquid phase");
    EXPECT_EQ(UndoText(), "&Undo change of the name of A");
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_EQ(form->Text16->text(), "");
    EXPECT_EQ(form->AxisTitleX, "X: Mole fraction of most volatile component in liquid phase");
}

TEST_F(DesktopTest, ClearIsAStepAndItsUndoRecomputes) {
    QTest::mouseClick(form->LabelB[1], Qt::LeftButton);
    ASSERT_EQ(form->Text4->text(), "");
    EXPECT_FALSE(form->Modified);
    EXPECT_EQ(UndoText(), "&Undo Clear");
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_EQ(form->Text4->text(), "0.85");
    EXPECT_EQ(form->Text14->text(), "7.55");
    EXPECT_TRUE(form->Label2[2]->isVisibleTo(form.get()));
    form->mnu_Edicion_REDO->trigger();
    EXPECT_EQ(form->Text4->text(), "");
    EXPECT_EQ(form->Text14->text(), "");
    EXPECT_FALSE(form->Label2[2]->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Modified); // as Clear itself leaves it
}

TEST_F(DesktopTest, OpeningClearsTheHistoryAndCanBeUndone) {
    Type(form->Text4, "0.9");
    QTest::keyClick(form->Text4, Qt::Key_Return);
    const QString path = WriteCase("other.mct", "0.95", "1");
    form->Abrir(path);
    ASSERT_EQ(form->Text4->text(), "0.95");
    EXPECT_EQ(Steps(), 1); // the typed step is gone, the opening remains
    EXPECT_EQ(UndoText(), "&Undo opening of other.mct");
    EXPECT_FALSE(form->Modified);

    form->mnu_Edicion_UNDO->trigger();
    EXPECT_EQ(form->Text4->text(), "0.9");
    EXPECT_EQ(form->Text2->text(), "0.5");
    EXPECT_EQ(form->Text16->text(), "");
    EXPECT_TRUE(form->DocumentName.isEmpty());
    EXPECT_TRUE(form->Modified); // the case before had unsaved changes
    EXPECT_FALSE(form->mnu_Edicion_UNDO->isEnabled());
    form->mnu_Edicion_REDO->trigger();
    EXPECT_EQ(form->Text4->text(), "0.95");
    EXPECT_EQ(form->Text16->text(), "benceno");
    EXPECT_EQ(form->DocumentName, path);
    EXPECT_FALSE(form->Modified);
}

TEST_F(DesktopTest, ModifiedFlagFollowsTheSavedState) {
    const QString path = Path("saved.mct");
    Type(form->Text6, "4");
    QTest::keyClick(form->Text6, Qt::Key_Return);
    ASSERT_TRUE(form->Save(path));
    Type(form->Text6, "5");
    QTest::keyClick(form->Text6, Qt::Key_Return);
    EXPECT_TRUE(form->Modified);
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_EQ(form->Text6->text(), "4");
    EXPECT_FALSE(form->Modified); // the saved state
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_TRUE(form->Modified);
    form->mnu_Edicion_REDO->trigger();
    EXPECT_FALSE(form->Modified);

    // Saving onto the same file keeps the history; saving as another file clears it.
    ASSERT_TRUE(form->Save(path));
    EXPECT_TRUE(form->History->Stack().canUndo());
    ASSERT_TRUE(form->Save(Path("copy.mct")));
    EXPECT_FALSE(form->History->Stack().canUndo());
    EXPECT_FALSE(form->mnu_Edicion_UNDO->isEnabled());
}

TEST_F(DesktopTest, SwitchingLanguageOrSeparatorIsNoStep) {
    Type(form->Text3, "0.5");
    QTest::keyClick(form->Text3, Qt::Key_Return);
    form->mnu_Decimal_SEP_COM_Click();
    form->mnu_IDIOMA_ESP_Click();
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(UndoText(), "&Deshacer cambio de zF");
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_EQ(form->Text3->text(), "0,46"); // written as the separator switch would have
    EXPECT_EQ(RedoText(), "&Rehacer cambio de zF");
    form->mnu_Edicion_REDO->trigger();
    EXPECT_EQ(form->Text3->text(), "0,5");
    form->mnu_IDIOMA_ENG_Click();
    form->mnu_Decimal_SEP_DOT_Click();
    EXPECT_EQ(UndoText(), "&Undo change of zF");
}
