// EditarTABLA_ELV on the real main window: the modal editor's outcome and what it does to the model,
// the table, the names and the modified flag.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "appstate.h"
#include "formmain.h"
#include "formxyinput.h"
#include "seams.h"
#include "wheel.h"

namespace zorvek {

namespace {

class EditarTablaTest : public ::testing::Test {
  protected:
    std::unique_ptr<FormMain> form;
    std::vector<MessageRequest> messages;

    void SetUp() override {
        appState().UiLanguage = "ENG";
        appState().DecimalSymbol = ".";
        appState().UpdatingFields = false;
        seams().messageBox = [this](QWidget*, const MessageRequest& r) {
            messages.push_back(r);
            return MsgAnswer::Ok;
        };
        form = std::make_unique<FormMain>();
        form->resize(1000, 700);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->Modified = false;
    }
    void TearDown() override {
        form->Modified = false;
        form.reset();
        installRealSeams();
    }
    // Opens the editor and, once it is up, runs the steps on it; the steps must close it.
    void Edit(const std::function<void(FormXYinput&)>& steps) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<FormXYinput*>(QApplication::activeModalWidget());
            ASSERT_NE(editor, nullptr);
            ran = true;
            steps(*editor);
            if (editor->isVisible()) editor->Cancelar();
        });
        form->EditarTABLA_ELV();
        EXPECT_TRUE(ran);
    }
    static void SetPoints(FormXYinput& e, std::initializer_list<std::pair<double, double>> points) {
        e.Working = EquilibriumTable();
        int i = 0;
        for (auto [x, y] : points) e.Working.x[i] = x, e.Working.y[i++] = y;
    }
};

} // namespace

TEST_F(EditarTablaTest, AcceptedTableReachesTheMainWindowWithItsNames) {
    Edit([](FormXYinput& e) {
        EXPECT_EQ(e.NameA, "");
        SetPoints(e, {{0.2, 0.4}, {0.6, 0.85}});
        e.NameA = "Metanol";
        e.NameB = "Propanol";
        e.Aceptar();
    });
    const EquilibriumTable& t = form->TablaELV;
    EXPECT_EQ(t.LastPointIndex, 3);
    EXPECT_EQ((std::array{t.x[0], t.x[1], t.x[2], t.x[3]}), (std::array{0.0, 0.2, 0.6, 1.0}));
    EXPECT_EQ((std::array{t.y[0], t.y[1], t.y[2], t.y[3]}), (std::array{0.0, 0.4, 0.85, 1.0}));
    EXPECT_TRUE(form->TableMode);
    EXPECT_EQ(form->Text16->text(), "Metanol");
    EXPECT_EQ(form->Text17->text(), "Propanol");
    EXPECT_TRUE(form->Modified);
    EXPECT_DOUBLE_EQ(form->Dense.DenseY[600], 0.85);
}

TEST_F(EditarTablaTest, AcceptedTableWithTheSameNamesStillMarksTheCaseModified) {
    form->Text16->setText("Metanol");
    form->Modified = false;
    Edit([](FormXYinput& e) {
        SetPoints(e, {{0.3, 0.5}});
        e.Aceptar();
    });
    EXPECT_EQ(form->TablaELV.LastPointIndex, 2);
    EXPECT_EQ(form->Text16->text(), "Metanol");
    EXPECT_TRUE(form->Modified); // otherwise closing would lose the new table without asking
}

TEST_F(EditarTablaTest, NamesReachTheMainWindowOnlyOnOk) {
    form->Text16->setText("Agua");
    Edit([](FormXYinput& e) {
        EXPECT_EQ(e.NameA, "Agua");
        e.NameA = "Otro";
        e.Cancelar();
    });
    EXPECT_EQ(form->Text16->text(), "Agua");
    EXPECT_FALSE(form->TableMode);
}

TEST_F(EditarTablaTest, RejectedThenCancelReturnsToTheAlphaModel) {
    Edit([](FormXYinput& e) { // accept a table first: the table model is in use
        SetPoints(e, {{0.2, 0.4}, {0.6, 0.85}});
        e.Aceptar();
    });
    ASSERT_TRUE(form->TableMode);
    Edit([this](FormXYinput& e) {
        SetPoints(e, {{0, 0}, {0.3, 0.5}, {0.3, 0.6}});
        e.Aceptar();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "ERROR: Invalid data");
        EXPECT_TRUE(e.isVisible());
        e.Cancelar();
    });
    EXPECT_FALSE(form->TableMode);
    EXPECT_TRUE(form->OptVOL->isChecked());
    EXPECT_EQ(form->TablaELV.LastPointIndex, 3); // the accepted table stays stored
}

TEST_F(EditarTablaTest, CancelKeepsTheTableModelInUse) {
    Edit([](FormXYinput& e) {
        SetPoints(e, {{0.2, 0.4}, {0.6, 0.85}});
        e.Aceptar();
    });
    form->Modified = false;
    Edit([](FormXYinput& e) {
        e.Borrar(); // edits of a cancelled opening are lost
        e.Cancelar();
    });
    EXPECT_TRUE(form->TableMode);
    EXPECT_EQ(form->TablaELV.LastPointIndex, 3);
    EXPECT_FALSE(form->Modified);
}

TEST_F(EditarTablaTest, NoTableAndNoAcceptedTableMeansTheAlphaModel) {
    form->TablaELV = DefaultEquilibriumTable(); // as the window's load leaves it
    Edit([](FormXYinput& e) {
        EXPECT_EQ(e.TxtX[1]->text(), "0.05"); // the default points before any table was accepted
        e.Borrar();
        e.Aceptar(); // nothing to accept: closes as Cancel
    });
    EXPECT_FALSE(form->TableMode);
    EXPECT_TRUE(form->OptVOL->isChecked());
}

TEST_F(EditarTablaTest, ButtonAndDoubleClickOnTablaOpenTheEditor) {
    form->OptTAB->setChecked(true);
    form->OptTAB_Click(); // shows the "Edit VLE table..." button
    int opened = 0;
    auto cancelWhenOpen = [&opened] {
        QTimer::singleShot(0, [&opened] {
            if (auto* editor = qobject_cast<FormXYinput*>(QApplication::activeModalWidget())) {
                ++opened;
                editor->Cancelar();
            }
        });
    };
    cancelWhenOpen();
    QTest::mouseClick(form->LabelB[3], Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(opened, 1);
    cancelWhenOpen();
    QTest::mouseDClick(form->OptTAB, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(opened, 2);
}

TEST_F(EditarTablaTest, WheelHookFollowsEachOpening) {
    for (int opening = 0; opening < 2; ++opening) {
        Edit([](FormXYinput& e) {
            EXPECT_TRUE(WheelHooked());
            EXPECT_EQ(WheelTarget(), &e);
            e.Cancelar();
        });
        EXPECT_FALSE(WheelHooked());
    }
}

} // namespace zorvek
