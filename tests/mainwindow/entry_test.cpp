// The entry panel: typing only moves the cursors, Enter / button / menu recompute, the decimal key,
// the model choice, the push buttons, Borrar and the error line.
#include <QAction>
#include <QRadioButton>

#include "formmain_fixture.h"

using zorvek::appState;

TEST_F(FormMainTest, StartsOnTheStartUpCaseUnmodified) {
    EXPECT_EQ(form->Text7->text(), "1.7882");
    EXPECT_EQ(form->Text13->text(), "4.35");
    EXPECT_EQ(form->Text14->text(), "7.55");
    for (QLabel* marker : form->Label2) EXPECT_TRUE(marker->isVisible());
    form->Timer1_Timer();
    EXPECT_FALSE(form->LblERROR->isVisible());
}

TEST_F(FormMainTest, TypingMovesTheCursorButNeverRecomputes) {
    const int cursorBefore = form->Image2[3]->x();
    Type(form->Text4, "0.95");
    EXPECT_EQ(form->Text4->text(), "0.95");
    EXPECT_GT(form->Image2[3]->x(), cursorBefore);
    EXPECT_TRUE(form->Modified);
    EXPECT_EQ(form->Text14->text(), "7.55"); // not recomputed
    EXPECT_EQ(form->LastOutcome.inputs.xD, 0.85);
}

TEST_F(FormMainTest, EnterWithAnyModifierRecomputes) {
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                               Qt::AltModifier};
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter};
    for (Qt::Key key : keys) {
        for (Qt::KeyboardModifiers modifier : modifiers) {
            Type(form->Text4, "0.85");
            form->Text14->clear();
            QTest::keyClick(form->Text4, key, modifier);
            EXPECT_EQ(form->Text14->text(), "7.55") << key << " " << modifier;
        }
    }
    Type(form->Text4, "0.9");
    QTest::keyClick(form->Text4, Qt::Key_Return);
    EXPECT_EQ(form->LastOutcome.inputs.xD, 0.9);
    EXPECT_NE(form->Text14->text(), "7.55");
}

TEST_F(FormMainTest, EnterInTheNameFieldsDoesNothing) {
    form->Text13->clear();
    QTest::keyClick(form->Text17, Qt::Key_Return);
    EXPECT_TRUE(form->Text13->text().isEmpty());
}

TEST_F(FormMainTest, ButtonAndMenuRecompute) {
    form->Text14->clear();
    form->mnu_Archivo_CALC->trigger();
    EXPECT_EQ(form->Text14->text(), "7.55");
    form->Text14->clear();
    QTest::mouseClick(form->LabelB[0], Qt::LeftButton);
    EXPECT_EQ(form->Text14->text(), "7.55");
}

TEST_F(FormMainTest, TypedDecimalKeyBecomesTheCurrentSymbol) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {",", "0.46", "0,46"}, {".", "0,46", "0.46"}, {",", "0,46", "0,46"}, {".", "abc", "abc"}};
    for (const auto& [symbol, typed, shown] : cases) {
        appState().DecimalSymbol = symbol;
        Type(form->Text3, typed);
        EXPECT_EQ(form->Text3->text(), shown) << symbol << " " << typed;
    }
}

TEST_F(FormMainTest, LettersGiveTheValidationMessageOnEnter) {
    Type(form->Text3, "abc");
    QTest::keyClick(form->Text3, Qt::Key_Return);
    EXPECT_EQ(form->LblERROR->text(), "ERROR: Mole fraction in feed is out of range");
    form->Timer1_Timer();
    EXPECT_TRUE(form->LblERROR->isVisible());
    // Results of the last good case stay, the plate counts go.
    EXPECT_EQ(form->Text7->text(), "1.7882");
    EXPECT_TRUE(form->Text13->text().isEmpty());
    EXPECT_TRUE(form->Text14->text().isEmpty());
    EXPECT_EQ(form->NPT, 0);
    Type(form->Text3, "0.46");
    QTest::keyClick(form->Text3, Qt::Key_Return);
    form->Timer1_Timer();
    EXPECT_FALSE(form->LblERROR->isVisible());
}

TEST_F(FormMainTest, BorrarClearsAllButTheNames) {
    form->Text16->setText("water");
    form->Text17->setText("ethanol");
    QTest::mouseClick(form->LabelB[1], Qt::LeftButton);
    for (int n = 1; n <= 15; ++n) EXPECT_TRUE(form->TextFields[n]->text().isEmpty()) << "Text" << n;
    EXPECT_EQ(form->Text16->text(), "water");
    EXPECT_EQ(form->Text17->text(), "ethanol");
    for (QLabel* marker : form->Label2) EXPECT_FALSE(marker->isVisible());
    EXPECT_FALSE(form->LblCOOR->isVisible());
    EXPECT_FALSE(form->Modified);
    EXPECT_FALSE(appState().UpdatingFields);
    const QImage& image = form->Picture1->Image();
    QImage white(image.size(), image.format());
    white.fill(Qt::white);
    EXPECT_EQ(image, white);
}

TEST_F(FormMainTest, TablaWithoutATableKeepsAlpha) {
    QTest::mouseClick(form->OptTAB, Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_TRUE(form->OptTAB->isChecked());
    EXPECT_FALSE(form->Text1->isVisible());
    EXPECT_FALSE(form->Image2[0]->isVisible());
    EXPECT_TRUE(form->LabelB[3]->isVisible());
    EXPECT_FALSE(form->TableMode);
    form->Text14->clear();
    form->Calcular();
    EXPECT_EQ(form->Text14->text(), "7.55"); // still solved with alpha
    QTest::mouseClick(form->OptVOL, Qt::LeftButton, {}, QPoint(6, 10));
    EXPECT_TRUE(form->Text1->isVisible());
    EXPECT_FALSE(form->LabelB[3]->isVisible());
    EXPECT_EQ(form->Text14->text(), "7.55");
}

TEST_F(FormMainTest, NameOfARebuildsTheAxisTitlesAndMarksModified) {
    EXPECT_EQ(form->AxisTitleX, "X: Mole fraction of most volatile component in liquid phase");
    form->Text16->setText("  benzene ");
    EXPECT_EQ(form->AxisTitleX, "X: Mole fraction of benzene in liquid phase");
    EXPECT_EQ(form->AxisTitleY, "Y: Mole fraction of benzene in vapor phase");
    EXPECT_TRUE(form->Modified);
    appState().UiLanguage = "ESP";
    form->Text16->setText("");
    EXPECT_EQ(form->AxisTitleX,
              QString::fromUtf8("X: Fracción molar del componente más volátil en el líquido"));
    form->Text16->setText("agua");
    EXPECT_EQ(form->AxisTitleY, QString::fromUtf8("Y: Fracción molar de agua en el vapor"));
}

TEST_F(FormMainTest, FocusOnNameOfBMarksModified) {
    form->activateWindow();
    form->Text17->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(form->Modified);
}

TEST_F(FormMainTest, PushButtonShowsThePressedLook) {
    const QPoint face = form->Image1[1]->pos();
    const QPoint caption = form->LabelB[1]->pos();
    EXPECT_EQ(caption, face + QPoint(0, 6));
    QTest::mousePress(form->LabelB[1], Qt::LeftButton);
    EXPECT_EQ(form->Image1[1]->pos(), face + QPoint(1, 1));
    EXPECT_EQ(form->LabelB[1]->pos(), caption + QPoint(1, 1));
    // Released away from the button: back at rest, no action.
    QTest::mouseRelease(form->LabelB[1], Qt::LeftButton, {}, QPoint(-50, -50));
    EXPECT_EQ(form->Image1[1]->pos(), face);
    EXPECT_FALSE(form->Text1->text().isEmpty());
}

TEST_F(FormMainTest, ResultsOfAnEarlierCaseAreDimmedWhileTheErrorShows) {
    const QColor yellow(255, 255, 192);
    std::vector<QString> before;
    for (int n = 7; n <= 12; ++n) {
        before.push_back(form->TextFields[n]->text());
        EXPECT_EQ(form->TextFields[n]->palette().color(QPalette::Text), QColor(Qt::black)) << n;
    }
    Type(form->Text1, "0.5"); // alpha below 1: rejected
    QTest::keyClick(form->Text1, Qt::Key_Return);
    form->Timer1_Timer();
    ASSERT_TRUE(form->LblERROR->isVisible());
    for (int n = 7; n <= 12; ++n) {
        const QLineEdit* field = form->TextFields[n];
        EXPECT_EQ(field->text(), before[n - 7]) << n; // the texts stay
        const QColor text = field->palette().color(QPalette::Text);
        EXPECT_GT(qGray(text.rgb()), 120) << n; // greyed
        EXPECT_LT(qGray(text.rgb()), 200) << n; // still readable
        EXPECT_EQ(field->palette().color(QPalette::Base), yellow) << n;
    }
    Type(form->Text1, "2");
    QTest::keyClick(form->Text1, Qt::Key_Return);
    for (int n = 7; n <= 12; ++n)
        EXPECT_EQ(form->TextFields[n]->palette().color(QPalette::Text), QColor(Qt::black)) << n;
}
