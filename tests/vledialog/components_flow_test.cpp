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
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "appstate.h"
#include "casefile.h"
#include "files.h"
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

// The components menu and a table file given from outside open the editor while the panel may show the
// alpha model: an accepted table puts the panel in the table model, so that what the window computes
// with is what it shows, what Save writes and what the file opens again.
TEST_F(ComponentsFlowTest, ATableAcceptedFromTheAlphaLayoutShowsAndSavesTheTableModel) {
    QTemporaryDir dir;
    const QString tableFile = dir.path() + "/points.vle";
    {
        QFile file(tableFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<A=Metanol>\r\n<B=Agua>\r\n[[\r\n0.2\t0.4\r\n0.6\t0.85\r\n]]\r\n");
    }
    const std::pair<const char*, std::function<void(FormMain&, bool&)>> ways[] = {
        {"components menu",
         [](FormMain& form, bool& ran) {
             // ran: the editor came up after the dialog's "Use".
             bool dialogRan = false;
             WhenShown<FormComponents>(dialogRan, [&ran](FormComponents& d) {
                 PickAndUse(d, "ethanol", "water");
                 WhenShown<FormXYinput>(ran, [](FormXYinput& e) { e.Aceptar(); });
             });
             form.mnu_Equilibrio_COMPONENTES->trigger();
         }},
        {"table file",
         [&tableFile](FormMain& form, bool& ran) {
             WhenShown<FormXYinput>(ran, [](FormXYinput& e) {
                 EXPECT_TRUE(QTest::qWaitFor([&e] { return e.Working.x[0] == 0.2; }, 2000));
                 e.Aceptar();
             });
             form.OpenFiles({tableFile}, false);
         }},
    };
    for (const auto& [way, open] : ways) {
        SCOPED_TRACE(way);
        FormMain form;
        form.resize(1000, 700);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.Modified = false;
        ASSERT_TRUE(form.OptVOL->isChecked());
        bool ran = false;
        open(form, ran);
        ASSERT_TRUE(ran);
        ASSERT_TRUE(form.TableMode);
        EXPECT_TRUE(form.OptTAB->isChecked());
        EXPECT_FALSE(form.OptVOL->isChecked());
        EXPECT_TRUE(form.Text1->isHidden()); // the alpha field gives way to the table's caption
        EXPECT_FALSE(form.Label1[30]->isHidden());
        const QString plates = form.Text14->text();

        // One step: undone, the alpha model comes back as it was shown; redone, the table model.
        form.mnu_Edicion_UNDO->trigger();
        EXPECT_FALSE(form.TableMode);
        EXPECT_TRUE(form.OptVOL->isChecked());
        EXPECT_FALSE(form.Text1->isHidden());
        EXPECT_EQ(form.Text14->text(), "7.55");
        form.mnu_Edicion_REDO->trigger();
        EXPECT_TRUE(form.TableMode);
        EXPECT_TRUE(form.OptTAB->isChecked());
        EXPECT_EQ(form.Text14->text(), plates);

        const QString path = dir.path() + "/case.mct";
        ASSERT_TRUE(form.Save(path));
        QString content;
        ASSERT_TRUE(ReadTextFile(path, content));
        EXPECT_TRUE(content.contains("<VLE=TABLE>"));
        form.Abrir(path);
        EXPECT_TRUE(form.TableMode);
        EXPECT_EQ(form.Text14->text(), plates);
        form.Modified = false;
    }
}

} // namespace zorvek
