// Writes the pictures of the analysis for the documentation: the ethanol-water case at R = 1.2 with the
// true minimum reflux overlay, and its analysis window, in English and Spanish.
// Usage: analysis_shots FOLDER
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <cstdio>

#include "analysisfixture.h"
#include "appstate.h"
#include "formanalysis.h"
#include "formmain.h"

using namespace zorvek;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: analysis_shots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const char* language : {"ENG", "ESP"}) {
        appState().UiLanguage = language;
        appState().DecimalSymbol = QString(language) == "ESP" ? "," : ".";
        FormMain form;
        form.resize(1200, 760);
        form.show();
        form.AjustaIDIOMA_GUI();
        EquilibriumTable t;
        const std::vector<double> xs = analysis_test::Grid(0.025, 0.975, 0.025);
        for (size_t i = 0; i < xs.size(); ++i) {
            t.x[i] = xs[i];
            t.y[i] = analysis_test::EthanolWaterY(xs[i]);
        }
        form.TablaELV = AcceptTable(t, "ENG").table;
        form.CrearSuperTABLA_ELV();
        form.OptTAB->click();
        const QString ds = appState().DecimalSymbol;
        form.Text16->setText(QString(language) == "ESP" ? "etanol" : "ethanol");
        form.Text17->setText(QString(language) == "ESP" ? "agua" : "water");
        form.Text2->setText("1");
        form.Text3->setText(QString("0.3").replace(".", ds));
        form.Text4->setText(QString("0.8").replace(".", ds));
        form.Text5->setText(QString("0.02").replace(".", ds));
        form.Text6->setText(QString("1.2").replace(".", ds));
        form.mnu_Ver_PINCH->trigger();
        form.mnu_Analisis_VENTANA->trigger();
        form.frmAnalisis->TextEMV->setText(QString("0.7").replace(".", ds));
        form.Calcular();
        QCoreApplication::processEvents();
        const QString suffix = QString(language).toLower();
        ok &= form.grab().save(folder.filePath("analysis_overlay_" + suffix + ".png"));
        ok &= form.frmAnalisis->grab().save(folder.filePath("analysis_window_" + suffix + ".png"));
    }
    return ok ? 0 : 1;
}
