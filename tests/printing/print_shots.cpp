// Writes the pictures of the documentation: the print dialog in both languages and the exported pages
// of a named case. Usage: print_shots FOLDER (then pdftoppm the PDFs into PNG).
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "appstate.h"
#include "casepages.h"
#include "frmimprimir.h"
#include "pdfexport.h"
#include "printerseam.h"

using namespace zorvek;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: print_shots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    printerSeam().printerNames = [] { return QStringList{"Office laser", "Colour inkjet"}; };
    printerSeam().currentPrinter = [] { return QString("Colour inkjet"); };
    bool ok = true;
    for (const char* language : {"ENG", "ESP"}) {
        appState().UiLanguage = language;
        frmImprimir dialog;
        dialog.show();
        ok &= dialog.grab().save(folder.filePath(QString("print_dialog_%1.png").arg(language).toLower()));
        PrintableCase c;
        c.UiLanguage = language;
        c.entries.alpha = "2.5";
        c.nameA = language == QString("ESP") ? "benceno" : "benzene";
        c.nameB = language == QString("ESP") ? "tolueno" : "toluene";
        ok &= ExportPdf(folder.filePath(QString("print_case_%1.pdf").arg(language).toLower()),
                        CasePageSource(c));
    }
    return ok ? 0 : 1;
}
