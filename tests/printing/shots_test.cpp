// Pictures for the documentation, written only when ZORVEK_SHOT_DIR names a folder.
#include <QDir>
#include <gtest/gtest.h>

#include "appstate.h"
#include "casepages.h"
#include "frmimprimir.h"
#include "pdfexport.h"
#include "printerseam.h"

using namespace zorvek;

TEST(PrintShots, DialogInBothLanguages) {
    const QString folder = qEnvironmentVariable("ZORVEK_SHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set ZORVEK_SHOT_DIR to write the pictures";
    const PrinterSeam saved = printerSeam();
    printerSeam().printerNames = [] { return QStringList{"Office laser", "Colour inkjet"}; };
    printerSeam().currentPrinter = [] { return QString("Colour inkjet"); };
    for (const char* language : {"ENG", "ESP"}) {
        appState().UiLanguage = language;
        frmImprimir dialog;
        dialog.show();
        const QString path = QDir(folder).filePath(QString("print_dialog_%1.png").arg(language).toLower());
        EXPECT_TRUE(dialog.grab().save(path));
    }
    appState().UiLanguage = "ENG";
    printerSeam() = saved;
}

TEST(PrintShots, StartUpCaseAsPdf) {
    const QString folder = qEnvironmentVariable("ZORVEK_SHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set ZORVEK_SHOT_DIR to write the pictures";
    for (const char* language : {"ENG", "ESP"}) {
        PrintableCase c;
        c.UiLanguage = language;
        c.entries.alpha = "2.5";
        c.nameA = language == QString("ESP") ? "benceno" : "benzene";
        c.nameB = "tolueno";
        const QString path = QDir(folder).filePath(QString("print_case_%1.pdf").arg(language).toLower());
        EXPECT_TRUE(ExportPdf(path, CasePageSource(c)));
    }
}
