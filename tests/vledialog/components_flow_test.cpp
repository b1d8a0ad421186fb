// The components dialog from the table editor's button and from the main window's Equilibrium menu:
// "Use" fills the editor as typed points would, and only the editor's OK brings the table into the
// main window; Cancel changes nothing.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "appstate.h"
#include "formcomponents.h"
#include "formmain.h"
#include "formxyinput.h"
#include "seams.h"
#include "thermosource.h"

namespace zorvek {

namespace {

// Runs steps on the modal window of type W once it is the active one (the steps must close it); ran
// tells whether it came. Looks every 10 ms for up to five seconds.
template <typename W> void WhenShown(bool& ran, std::function<void(W&)> steps, int tries = 500) {
    QTimer::singleShot(10, [&ran, steps, tries] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible()) {
            if (tries > 0) WhenShown<W>(ran, steps, tries - 1);
            return;
        }
        ran = true;
        steps(*window);
        if (window->isVisible()) window->close();
    });
}

void PickAndUse(FormComponents& d, const char* a, const char* b) {
    QTest::keyClicks(d.FilterA, a);
    QTest::keyClicks(d.FilterB, b);
    ASSERT_TRUE(d.ButtonUse->isEnabled());
    QTest::mouseClick(d.ButtonUse, Qt::LeftButton);
}

class ComponentsFlowTest : public ::testing::Test {
  protected:
    std::vector<MessageRequest> messages;
    void SetUp() override {
        appState().UiLanguage = "ENG";
        appState().DecimalSymbol = ".";
        appState().UpdatingFields = false;
        SetThermoDataFileForWindows(ZORVEK_THERMO_DATA_FILE);
        seams().messageBox = [this](QWidget*, const MessageRequest& r) {
            messages.push_back(r);
            return MsgAnswer::Ok;
        };
    }
    void TearDown() override {
        SetThermoDataFileForWindows({});
        installRealSeams();
        appState() = AppState{};
    }
};

} // namespace

TEST_F(ComponentsFlowTest, EditorButtonPutsThePointsInAsTyped) {
    FormXYinput editor;
    editor.Load(DefaultEquilibriumTable(), "Metanol", "Agua");
    editor.show();
    QApplication::processEvents();
    EXPECT_EQ(editor.ImageCOMPONENTES->pos(), QPoint(15, 491));
    EXPECT_EQ(editor.LabelCOMPONENTES->text(), "Components...");
    bool ran = false;
    std::vector<thermo::XyPoint> points;
    WhenShown<FormComponents>(ran, [&](FormComponents& d) {
        // The editor's names are picked already.
        EXPECT_TRUE(d.ButtonUse->isEnabled());
        EXPECT_TRUE(d.ListA->currentItem()->text().startsWith("Methanol"));
        d.ComboModel->setCurrentIndex(3); // UNIFAC
        points = d.Result().table;
        QTest::mouseClick(d.ButtonUse, Qt::LeftButton);
    });
    QTest::mouseClick(editor.LabelCOMPONENTES, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(ran);
    ASSERT_EQ(points.size(), 41u);
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(editor.Working.x[i], points[i].x);
        EXPECT_EQ(editor.Working.y[i], points[i].y);
    }
    EXPECT_EQ(editor.Working.x[41], -1);
    EXPECT_EQ(editor.Working.x[99], -1);
    EXPECT_EQ(editor.NameA, "Methanol");
    EXPECT_EQ(editor.NameB, "Water");
    EXPECT_EQ(editor.TxtX[0]->text(), "0");
    EXPECT_EQ(editor.VScroll1->value(), 0);
    editor.Aceptar();
    ASSERT_TRUE(editor.Outcome().accepted);
    EXPECT_EQ(editor.Outcome().table.LastPointIndex, 40);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ComponentsFlowTest, EditorButtonCancelledLeavesTheTable) {
    FormXYinput editor;
    editor.Load(DefaultEquilibriumTable(), "", "");
    editor.show();
    const EquilibriumTable before = editor.Working;
    bool ran = false;
    WhenShown<FormComponents>(ran, [](FormComponents& d) {
        QTest::keyClicks(d.FilterA, "benzene");
        QTest::keyClicks(d.FilterB, "toluene");
        QTest::mouseClick(d.ButtonCancel, Qt::LeftButton);
    });
    editor.Componentes();
    ASSERT_TRUE(ran);
    EXPECT_EQ(editor.Working, before);
    EXPECT_EQ(editor.NameA, "");
}

TEST_F(ComponentsFlowTest, MenuUseThenOkPutsTheTableInUse) {
    FormMain form;
    form.resize(1000, 700);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.Modified = false;
    bool dialogRan = false, editorRan = false;
    WhenShown<FormComponents>(dialogRan, [&](FormComponents& d) {
        PickAndUse(d, "acetone", "methanol");
        // Then the editor comes up with the points, and its OK accepts them.
        WhenShown<FormXYinput>(editorRan, [](FormXYinput& e) {
            EXPECT_EQ(e.NameA, "Acetone");
            EXPECT_GT(e.Working.x[1], 0);
            e.Aceptar();
        });
    });
    form.mnu_Equilibrio_COMPONENTES->trigger();
    ASSERT_TRUE(dialogRan);
    ASSERT_TRUE(editorRan);
    EXPECT_TRUE(form.TableMode);
    EXPECT_EQ(form.TablaELV.LastPointIndex, 40);
    EXPECT_EQ(form.Text16->text(), "Acetone");
    EXPECT_EQ(form.Text17->text(), "Methanol");
    EXPECT_TRUE(form.Modified);
    // One step of the undo history, like a typed table.
    form.mnu_Edicion_UNDO->trigger();
    EXPECT_FALSE(form.TableMode);
    EXPECT_EQ(form.TablaELV.LastPointIndex, -1);
    EXPECT_EQ(form.Text16->text(), "");
    form.Modified = false;
}

TEST_F(ComponentsFlowTest, MenuCancelChangesNothing) {
    FormMain form;
    form.show();
    form.Modified = false;
    const EquilibriumTable before = form.TablaELV;
    const QString a = form.Text16->text();
    bool dialogRan = false, editorRan = false;
    WhenShown<FormComponents>(dialogRan, [&](FormComponents& d) {
        QTest::keyClicks(d.FilterA, "ethanol");
        QTest::keyClicks(d.FilterB, "water");
        QTest::mouseClick(d.ButtonCancel, Qt::LeftButton);
        WhenShown<FormXYinput>(
            editorRan, [](FormXYinput& e) { e.Cancelar(); }, 20);
    });
    form.mnu_Equilibrio_COMPONENTES->trigger();
    QTest::qWait(300); // an editor would have come up by now
    ASSERT_TRUE(dialogRan);
    EXPECT_FALSE(editorRan);
    EXPECT_EQ(form.TablaELV, before);
    EXPECT_EQ(form.Text16->text(), a);
    EXPECT_FALSE(form.TableMode);
    EXPECT_FALSE(form.Modified);
}

TEST_F(ComponentsFlowTest, MenuFollowsTheLanguage) {
    FormMain form;
    form.mnu_IDIOMA_ESP_Click();
    EXPECT_EQ(form.mnu_Equilibrio->title(), "E&quilibrio");
    EXPECT_EQ(form.mnu_Equilibrio_COMPONENTES->text(), "&Componentes...");
    form.mnu_IDIOMA_ENG_Click();
    EXPECT_EQ(form.mnu_Equilibrio->title(), "E&quilibrium");
    EXPECT_EQ(form.mnu_Equilibrio_COMPONENTES->text(), "&Components...");
    form.Modified = false;
}

TEST_F(ComponentsFlowTest, MenuWithoutTheLibrarySaysSo) {
    SetThermoDataFileForWindows("/nonexistent/zorvek_thermo.txt");
    FormMain form;
    form.show();
    form.Modified = false;
    const EquilibriumTable before = form.TablaELV;
    bool dialogRan = false;
    WhenShown<FormComponents>(
        dialogRan, [](FormComponents& d) { d.Cancelar(); }, 20);
    form.mnu_Equilibrio_COMPONENTES->trigger();
    QTest::qWait(300);
    EXPECT_FALSE(dialogRan);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "ERROR: Component data file not found: /nonexistent/zorvek_thermo.txt");
    EXPECT_EQ(form.TablaELV, before);
    EXPECT_FALSE(form.Modified);
}

} // namespace zorvek
