// The keyboard on the real window: the tab order through the entry fields, the shortcuts of the menu
// entries, Ctrl+C on the diagram, and the fields' tooltips with their ranges in both languages.
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "desktop_fixture.h"

class KeyboardTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // The object names of the widgets Tab visits from the first, until it comes back.
    QStringList TabRound(QWidget* first) {
        first->setFocus();
        QStringList visited{first->objectName()};
        for (int n = 0; n < 30; ++n) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (now == first) break;
            visited << (now ? now->objectName() : QString("(none)"));
        }
        return visited;
    }
};

TEST_F(KeyboardTest, TabFollowsThePanelAndSkipsTheResults) {
    QStringList round = TabRound(form->Text16);
    const QStringList expected = {"Text16", "Text17", "OptVOL", "Text1", "Text2",   "Text3",
                                  "Text6",  "Text4",  "Text15", "Text5", "Picture1"};
    // The model's two option buttons are one stop (the arrow keys move between them).
    EXPECT_EQ(round, expected);
    // In the table model the hidden alpha field is left out.
    form->OptTAB->click();
    round = TabRound(form->Text16);
    EXPECT_FALSE(round.contains("Text1"));
    EXPECT_EQ(round.indexOf("Text2"), round.indexOf("OptVOL") + 1) << round.join(" ").toStdString();
    for (const char* result : {"Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14"})
        EXPECT_FALSE(round.contains(result)) << result;
    // A result can still be clicked into, to select and copy it.
    QTest::mouseClick(form->Text14, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), form->Text14);
}

TEST_F(KeyboardTest, MenuShortcuts) {
    const std::pair<QAction * zorvek::FormMain::*, const char*> cases[] = {
        {&zorvek::FormMain::mnu_Archivo_OPEN, "Ctrl+O"},
        {&zorvek::FormMain::mnu_Archivo_SAVE, "Ctrl+S"},
        {&zorvek::FormMain::mnu_Archivo_SAVEAS, "Ctrl+Shift+S"},
        {&zorvek::FormMain::mnu_Archivo_PRINT, "Ctrl+P"},
        {&zorvek::FormMain::mnu_Archivo_Salir, "Ctrl+Q"},
        {&zorvek::FormMain::mnu_Archivo_CALC, "F5"},
        {&zorvek::FormMain::mnu_Ayuda_Manual, "F1"},
        {&zorvek::FormMain::mnu_Edicion_UNDO, "Ctrl+Z"},
        {&zorvek::FormMain::mnu_Edicion_REDO, "Ctrl+Y"},
        {&zorvek::FormMain::mnu_Ver_ZOOMALL, "Ctrl+0"},
    };
    for (const auto& [action, keys] : cases)
        EXPECT_EQ((form.get()->*action)->shortcut().toString(), keys) << keys;
    EXPECT_TRUE(form->mnu_Edicion_REDO->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));

    // F5 recomputes from a field, as the menu entry does.
    form->Text14->clear();
    QTest::keyClick(form->Text4, Qt::Key_F5);
    EXPECT_EQ(form->Text14->text(), "7.55");
    // Ctrl+S on a named case saves it without a dialog.
    const QString path = Path("named.mct");
    ASSERT_TRUE(form->Save(path));
    Type(form->Text6, "4");
    QTest::keyClick(form->Text6, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(form->Modified);
    EXPECT_TRUE(dialogs.empty());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("<R=4>"));
    // Ctrl+O asks first (here: no dialog answer, so nothing opens).
    QTest::keyClick(form->Text6, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Open");
}

TEST_F(KeyboardTest, CtrlCCopiesTheDiagramOnlyWhenItHasTheFocus) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    form->Text4->setFocus();
    form->Text4->selectAll();
    QTest::keyClick(form->Text4, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "0.85");
    EXPECT_TRUE(clipboard->image().isNull());

    form->Picture1->setFocus();
    QTest::keyClick(form->Picture1, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = clipboard->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), form->Picture1->size() * form->Picture1->devicePixelRatioF());
    // The enriching line, as on the screen.
    const zorvek::DesignOutcome& o = form->LastOutcome;
    const QPointF mid = Box().Map((o.inputs.xD + o.xq) / 2, (o.inputs.xD + o.yq) / 2);
    bool red = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            red |= copied.pixelColor(int(mid.x()) + dx, int(mid.y()) + dy).red() > 150 &&
                   copied.pixelColor(int(mid.x()) + dx, int(mid.y()) + dy).green() < 60;
    EXPECT_TRUE(red);
}

TEST_F(KeyboardTest, TooltipsGiveTheRangesInBothLanguages) {
    form->mnu_IDIOMA_ENG_Click();
    EXPECT_EQ(form->Text3->toolTip(), "Mole fraction in feed: 0 < zF < 1, with xB < zF < xD");
    EXPECT_EQ(form->Text15->toolTip(), QString::fromUtf8("Overall plate efficiency: 0 < E ≤ 1"));
    EXPECT_EQ(form->Text1->toolTip(), "Relative volatility: alpha > 1");
    form->mnu_IDIOMA_ESP_Click();
    EXPECT_EQ(form->Text3->toolTip(),
              QString::fromUtf8("Fracción molar en alimentación: 0 < zF < 1, con xB < zF < xD"));
    EXPECT_EQ(form->Text6->toolTip(),
              QString::fromUtf8("Relación de reflujo R = L/D: R > Rmin (mayor que la mínima)"));
    EXPECT_EQ(form->mnu_Edicion->title(), QString::fromUtf8("&Edición"));
    EXPECT_EQ(form->mnu_Ver->title(), "&Ver");
    EXPECT_EQ(form->mnu_Archivo_EXPORTDIAGRAM->text(), "Exportar &diagrama...");
    for (int n : {1, 2, 3, 4, 5, 6, 15, 16, 17}) EXPECT_FALSE(form->TextFields[n]->toolTip().isEmpty()) << n;
    zorvek::appState().UiLanguage = "ENG";
}
