// A FormMain on the start-up case with its analysis window opened from the menu, and the ethanol-water
// table brought into the window's table model.
#pragma once
#include <QAction>
#include <QRadioButton>

#include "analysisfixture.h"
#include "drag_fixture.h"
#include "formanalysis.h"
#include "rnchart.h"

class AnalysisWindowTest : public DragTest {
  protected:
    zorvek::FormAnalysis* OpenWindow() {
        form->mnu_Analisis_VENTANA->trigger();
        EXPECT_TRUE(form->frmAnalisis && form->frmAnalisis->isVisible());
        return form->frmAnalisis;
    }
    // The ethanol-water table accepted into the window as the editor would, then the table model chosen.
    void UseEthanolWater() {
        using namespace zorvek;
        EquilibriumTable t;
        const std::vector<double> xs = analysis_test::Grid(0.025, 0.975, 0.025);
        for (size_t i = 0; i < xs.size(); ++i) {
            t.x[i] = xs[i];
            t.y[i] = analysis_test::EthanolWaterY(xs[i]);
        }
        const TableAcceptance accepted = AcceptTable(t, "ENG");
        ASSERT_EQ(accepted.status, AcceptanceStatus::Accepted);
        form->TablaELV = accepted.table;
        form->CrearSuperTABLA_ELV();
        form->OptTAB->click();
        ASSERT_TRUE(form->TableMode);
    }
    void Enter(QLineEdit* field, const QString& text) {
        Type(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
};
