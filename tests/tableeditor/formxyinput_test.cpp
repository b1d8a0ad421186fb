// The editor grid: loading, typing, keyboard navigation, the buttons, and the OK outcomes.
#include <QApplication>
#include <QLabel>

#include "editorfixture.h"
#include "numtext.h"

namespace zorvek {

TEST_F(EditorTest, FirstOpeningShowsTheDefaultPoints) {
    for (int i = 0; i < FormXYinput::kRows; ++i) {
        const double x = i / 20.0;
        EXPECT_EQ(editor->LblNUM[i]->text(), QString::number(i + 1));
        EXPECT_EQ(editor->TxtX[i]->text(), QString::fromStdString(FormatSignificant(x, 6, ".")));
        EXPECT_EQ(editor->TxTY[i]->text(),
                  QString::fromStdString(FormatSignificant(2 * x / (1 + x), 6, ".")));
    }
    EXPECT_EQ(editor->TxTY[1]->text(), "0.0952381");
    EXPECT_EQ(editor->windowTitle(), "VLE: Vapor-Liquid Equilibrium table");
    EXPECT_EQ(editor->LabelB[4]->text(), "Save as...");
}

TEST_F(EditorTest, CaptionsFollowTheLanguage) {
    appState().UiLanguage = "ESP";
    Open(DefaultEquilibriumTable(), "", "");
    EXPECT_EQ(editor->windowTitle(), "Tabla de equilibrio Líquido-Vapor");
    EXPECT_EQ(editor->LabelB[0]->text(), "Aceptar");
    EXPECT_EQ(editor->Label1[4]->text(),
              "Y: Fracción molar del componente más volátil en equilibrio en fase vapor.");
    appState().UiLanguage = "FRA";
    Open(DefaultEquilibriumTable(), "", "");
    EXPECT_EQ(editor->LabelB[0]->text(), "");
}

TEST_F(EditorTest, TypingStoresTheValueWithEitherDecimalKey) {
    appState().DecimalSymbol = ",";
    Open(EquilibriumTable(), "", "");
    Focus(editor->TxtX[3]);
    QTest::keyClicks(editor->TxtX[3], "0.35");
    EXPECT_EQ(editor->TxtX[3]->text(), "0,35");
    EXPECT_DOUBLE_EQ(editor->Working.x[3], 0.35);
    QTest::keyClicks(editor->TxTY[3], "abc");
    EXPECT_EQ(editor->Working.y[3], 0); // not a number: 0, the box keeps the text
    EXPECT_EQ(editor->TxTY[3]->text(), "abc");
}

TEST_F(EditorTest, ClearingABoxEmptiesTheSlot) {
    editor->VScroll1->setValue(2);
    editor->TxtX[1]->clear(); // slot 3
    EXPECT_EQ(editor->Working.x[3], -1);
    editor->TxTY[1]->setText("  ");
    EXPECT_EQ(editor->Working.y[3], -1);
    EXPECT_EQ(editor->Working.x[2], 0.1);
}

TEST_F(EditorTest, RefreshIsNotTakenAsTyping) {
    editor->Working.y[0] = 0.5; // y kept while x is empty: not shown, not overwritten
    editor->Working.x[0] = -1;
    editor->Refresh();
    EXPECT_EQ(editor->TxTY[0]->text(), "");
    EXPECT_EQ(editor->Working.y[0], 0.5);
    EXPECT_FALSE(appState().UpdatingFields);
}

TEST_F(EditorTest, DownAtTheLastRowScrollsUntil87) {
    Focus(editor->TxtX[11]);
    for (int i = 0; i < 100; ++i) QTest::keyClick(editor->TxtX[11], Qt::Key_Down);
    EXPECT_EQ(editor->VScroll1->value(), 87);
    EXPECT_EQ(editor->LblNUM[11]->text(), "99");
    EXPECT_TRUE(editor->TxtX[11]->hasFocus());
    QTest::keyClick(editor->TxtX[11], Qt::Key_Up);
    EXPECT_TRUE(editor->TxtX[10]->hasFocus());
    EXPECT_EQ(editor->VScroll1->value(), 87);
}

TEST_F(EditorTest, LeftInTheFirstRowScrollsUpFromAnyCaret) {
    editor->VScroll1->setValue(5);
    Focus(editor->TxtX[0]);
    editor->TxtX[0]->setCursorPosition(2);
    QTest::keyClick(editor->TxtX[0], Qt::Key_Left);
    EXPECT_EQ(editor->VScroll1->value(), 4);
    EXPECT_TRUE(editor->TxTY[0]->hasFocus());

    Focus(editor->TxtX[4]);
    editor->TxtX[4]->setCursorPosition(2);
    QTest::keyClick(editor->TxtX[4], Qt::Key_Left);
    EXPECT_TRUE(editor->TxtX[4]->hasFocus()); // the caret moves inside the box
    EXPECT_EQ(editor->TxtX[4]->cursorPosition(), 1);
    editor->TxtX[4]->setCursorPosition(0);
    QTest::keyClick(editor->TxtX[4], Qt::Key_Left);
    EXPECT_TRUE(editor->TxTY[3]->hasFocus());
}

TEST_F(EditorTest, NavigationTable) {
    struct Step {
        int row;
        bool fromY;
        Qt::Key key;
        int scrollBefore;
        int focusRow;
        bool focusY;
        int scrollAfter;
    };
    const Step steps[] = {
        {3, false, Qt::Key_Return, 0, 3, true, 0},   {3, true, Qt::Key_Return, 0, 4, false, 0},
        {11, true, Qt::Key_Return, 0, 11, false, 1}, {11, true, Qt::Key_Right, 0, 11, false, 1},
        {2, false, Qt::Key_Right, 0, 2, true, 0},    {2, true, Qt::Key_Right, 0, 3, false, 0},
        {2, true, Qt::Key_Left, 0, 2, false, 0},     {0, true, Qt::Key_Up, 3, 0, true, 2},
        {5, true, Qt::Key_Down, 0, 6, true, 0},      {0, false, Qt::Key_Left, 0, 0, false, 0},
    };
    for (const Step& s : steps) {
        editor->VScroll1->setValue(s.scrollBefore);
        QLineEdit* from = s.fromY ? editor->TxTY[s.row] : editor->TxtX[s.row];
        Focus(from); // whole text selected: at position 0 and at the end
        QTest::keyClick(from, s.key);
        QLineEdit* expected = s.focusY ? editor->TxTY[s.focusRow] : editor->TxtX[s.focusRow];
        EXPECT_TRUE(expected->hasFocus()) << s.row << " " << s.key;
        EXPECT_EQ(editor->VScroll1->value(), s.scrollAfter) << s.row << " " << s.key;
    }
}

TEST_F(EditorTest, FocusSelectsTheWholeText) {
    Focus(editor->TxTY[2]);
    EXPECT_EQ(editor->TxTY[2]->selectedText(), editor->TxTY[2]->text());
    EXPECT_FALSE(editor->TxTY[2]->text().isEmpty());
    // A click that gives the focus leaves the whole text selected too.
    QTest::mouseClick(editor->TxtX[5], Qt::LeftButton, {}, QPoint(4, 4));
    QApplication::processEvents();
    EXPECT_TRUE(editor->TxtX[5]->hasFocus());
    EXPECT_EQ(editor->TxtX[5]->selectedText(), "0.25");
}

TEST_F(EditorTest, ButtonsShowThePressedLookAndRunOnClick) {
    QLabel* caption = editor->LabelB[2]; // Clear table
    const QPoint rest = editor->Image1[2]->pos();
    EXPECT_EQ(rest, QPoint(305, 450));
    EXPECT_EQ(caption->pos(), QPoint(305, 456));
    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(editor->Image1[2]->pos(), QPoint(306, 451));
    EXPECT_EQ(caption->pos(), QPoint(306, 457));
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(editor->Image1[2]->pos(), rest);
    EXPECT_EQ(editor->Working.x[0], -1); // cleared
    EXPECT_EQ(editor->TxtX[0]->text(), "");
}

TEST_F(EditorTest, OkWithAnOrderErrorStaysOpen) {
    SetPoints({{0, 0}, {0.3, 0.5}, {0.3, 0.6}});
    editor->Working.y[5] = 0.7; // y after the end stays, x is emptied
    editor->Working.x[5] = 0.9;
    editor->Aceptar();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "ERROR: Invalid data");
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].icon, MsgIcon::Warning);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->Outcome().okPressed);
    EXPECT_FALSE(editor->Outcome().accepted);
    EXPECT_EQ(editor->Working.x[5], -1);
    EXPECT_EQ(editor->Working.y[5], 0.7);
    EXPECT_EQ(editor->TxtX[5]->text(), ""); // the grid shows the emptied slot
    EXPECT_EQ(editor->TxTY[5]->text(), "");
    EXPECT_EQ(editor->TxtX[2]->text(), "0.3"); // the points up to the end stay
    editor->Cancelar();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(editor->Outcome().accepted);
}

TEST_F(EditorTest, OkOutcomes) {
    struct Case {
        std::vector<std::pair<double, double>> points;
        bool accepted;
        int last;
        const char* message;
    };
    const Case cases[] = {
        {{{0.2, 0.4}, {0.6, 0.85}}, true, 3, ""},
        {{{0, 0}, {0.4, 0.6}, {1, 1}, {0.2, 0.3}}, true, 2, ""}, // ends at the first x = 1
        {{{0, 0.2}}, false, -1, "ERROR: Invalid data"},
        {{{1.2, 0.9}}, false, -1, "ERROR: Data out of range [0, 1]"},
        {{}, false, -1, ""}, // nothing to accept: closes as Cancel
    };
    for (const Case& c : cases) {
        Open(DefaultEquilibriumTable(), "A", "B");
        messages.clear();
        editor->Working = EquilibriumTable();
        int i = 0;
        for (auto [x, y] : c.points) editor->Working.x[i] = x, editor->Working.y[i++] = y;
        editor->Aceptar();
        EXPECT_EQ(editor->Outcome().accepted, c.accepted);
        EXPECT_EQ(editor->Outcome().table.LastPointIndex, c.last);
        EXPECT_EQ(messages.empty() ? "" : messages[0].text.toStdString(), c.message);
        EXPECT_EQ(editor->isVisible(), !c.accepted && c.points.size() > 0);
    }
    Open(DefaultEquilibriumTable(), "A", "B");
    SetPoints({{0.2, 0.4}, {0.6, 0.85}});
    editor->Aceptar();
    const EquilibriumTable& t = editor->Outcome().table;
    EXPECT_EQ((std::array{t.x[0], t.x[1], t.x[2], t.x[3], t.x[4]}), (std::array{0.0, 0.2, 0.6, 1.0, -1.0}));
    EXPECT_EQ((std::array{t.y[0], t.y[1], t.y[2], t.y[3]}), (std::array{0.0, 0.4, 0.85, 1.0}));
}

} // namespace zorvek

namespace zorvek {

TEST_F(EditorTest, ButtonsActOnceAndOnlyOnALeftClick) {
    const QPoint at(20, 8);
    // Right and middle clicks on "Clear table" clear nothing.
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseClick(editor->LabelB[2], button, {}, at);
        EXPECT_EQ(editor->TxtX[1]->text(), "0.05") << button;
    }
    // A double click on "Open..." asks for one file, not two.
    QTest::mousePress(editor->LabelB[3], Qt::LeftButton, {}, at);
    QTest::mouseRelease(editor->LabelB[3], Qt::LeftButton, {}, at);
    QTest::mouseDClick(editor->LabelB[3], Qt::LeftButton, {}, at);
    QTest::mouseRelease(editor->LabelB[3], Qt::LeftButton, {}, at);
    EXPECT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(editor->Image1[3]->pos(), QPoint(15, 450)); // at rest
    // Pressed on the face, released on its caption: one click.
    QTest::mousePress(editor->Image1[3], Qt::LeftButton, {}, QPoint(20, 2));
    QTest::mouseRelease(editor->Image1[3], Qt::LeftButton, {}, QPoint(20, 12));
    EXPECT_EQ(dialogs.size(), 2u);
}

} // namespace zorvek

namespace zorvek {

TEST_F(EditorTest, EscapeKeepsTheTableBeingEdited) {
    Focus(editor->TxtX[2]);
    QTest::keyClicks(editor->TxtX[2], "0.125");
    QTest::keyClick(editor->TxtX[2], Qt::Key_Escape);
    QTest::keyClick(editor.get(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->TxtX[2]->text(), "0.125");
    EXPECT_EQ(editor->Working.x[2], 0.125);
    EXPECT_TRUE(messages.empty());
    // The frame still closes it, as Cancel does.
    editor->close();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(editor->Outcome().accepted);
}

} // namespace zorvek

namespace zorvek {

// A refused table keeps its message and puts the focus on the first offending cell, selected, scrolled
// into view.
TEST_F(EditorTest, RefusedTableShowsTheOffendingCell) {
    struct Case {
        std::vector<std::pair<double, double>> points;
        int slot;
        bool isY;
        const char* message;
    };
    const Case cases[] = {
        {{{0, 0}, {0.3, 0.5}, {0.3, 0.6}}, 2, false, "ERROR: Invalid data"},     // x not increasing
        {{{0, 0}, {0.2, 0.5}, {0.3, 0.4}}, 2, true, "ERROR: Invalid data"},      // y not increasing
        {{{0.1, 0.2}, {1.2, 0.9}}, 1, false, "ERROR: Data out of range [0, 1]"}, // x out of range
        {{{0.1, 0.2}, {0.5, 1.3}}, 1, true, "ERROR: Data out of range [0, 1]"},
        {{{0, 0.2}}, 0, true, "ERROR: Invalid data"}, // pure component: y disagrees with x = 0
        {{{0.1, 0}}, 0, false, "ERROR: Invalid data"},
    };
    for (const Case& c : cases) {
        editor->Working = EquilibriumTable();
        for (size_t i = 0; i < c.points.size(); ++i)
            editor->Working.x[i] = c.points[i].first, editor->Working.y[i] = c.points[i].second;
        editor->Refresh();
        Focus(editor->TxtX[0]); // the window active, as when the user presses OK
        messages.clear();
        editor->Aceptar();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text.toStdString(), c.message);
        QLineEdit* box = (c.isY ? editor->TxTY : editor->TxtX)[c.slot];
        EXPECT_EQ(QApplication::focusWidget(), box) << c.slot << c.isY;
        EXPECT_FALSE(box->text().isEmpty());
        EXPECT_EQ(box->selectedText(), box->text());
    }
    // An offending point far down the table is scrolled into view.
    editor->Working = EquilibriumTable();
    for (int i = 0; i < 40; ++i) editor->Working.x[i] = i / 50.0, editor->Working.y[i] = i / 45.0;
    editor->Working.y[30] = editor->Working.y[29];
    editor->Refresh();
    editor->Aceptar();
    EXPECT_EQ(editor->VScroll1->value(), 30 - 11);
    EXPECT_EQ(QApplication::focusWidget(), editor->TxTY[11]);
    EXPECT_EQ(editor->LblNUM[11]->text(), "31");
}

} // namespace zorvek
