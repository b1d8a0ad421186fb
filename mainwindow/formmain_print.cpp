// FormMain's print command and PDF export: the print dialog, the paper check, the two pages with their
// copies on the current printer, and the same pages written to a PDF file.
#include <QLabel>
#include <QLineEdit>

#include "appstate.h"
#include "files.h"
#include "formmain.h"
#include "frmimprimir.h"
#include "pdfexport.h"
#include "printerseam.h"
#include "printtexts.h"
#include "seams.h"
#include "summary.h"

namespace zorvek {

namespace {

// The pages of the case in the window; page 2's diagram is drawn by Calcular with printing on.
PageSource WindowPages(FormMain& w) {
    PageSource source;
    source.UiLanguage = appState().UiLanguage;
    source.Informe = [&w] {
        return w.CalculationErrorShows() ? std::string() : Informe(w.ReportFieldsShown());
    };
    source.StageListing = [&w] { return w.StageListing.toStdString(); };
    source.CalcularOnPage = [&w](DiagramCanvas& canvas) {
        w.PrintCanvas = &canvas;
        w.Calcular(FormMain::Canvas::Picture1, true);
        w.PrintCanvas = nullptr;
    };
    return source;
}

} // namespace

void FormMain::mnu_Archivo_PRINT_Click() {
    if (!printerSeam().printerNames || printerSeam().printerNames().isEmpty()) return;
    if (CalculationErrorShows()) return;
    {
        frmImprimir dialog(this);
        dialog.exec();
    }
    AppState& state = appState();
    if (!state.PrintAccepted) return;
    std::unique_ptr<PageDevice> device = printerSeam().openPrinter ? printerSeam().openPrinter() : nullptr;
    if (!device) {
        ShowError(this, Pick(printtext::PrintFailed, state.UiLanguage));
        return;
    }
    if (!PaperLargeEnough(device->printableSizeMm())) {
        ShowError(this, Pick(printtext::PaperTooSmall, state.UiLanguage));
        return;
    }
    BusyCursor busy;
    const PrintOutcome outcome =
        PrintPages(*device, WindowPages(*this), state.PrintCopies, state.PrintCollate);
    busy.Restore();
    if (outcome == PrintOutcome::DeviceFailed)
        ShowError(this, Pick(printtext::PrintFailed, state.UiLanguage));
}

void FormMain::mnu_Archivo_PDF_Click() {
    if (CalculationErrorShows()) {
        ShowError(this, LblERROR->text());
        return;
    }
    AppState& state = appState();
    FileDialogRequest request;
    request.save = true;
    request.title = Pick(printtext::PdfDialogTitle, state.UiLanguage);
    request.filter = Pick(printtext::PdfFilter, state.UiLanguage);
    request.folder = DocumentName.isEmpty() ? state.PATH_FILE : FolderOf(DocumentName);
    if (!DocumentName.isEmpty()) {
        const QString name = DocumentName.mid(DocumentName.lastIndexOf('/') + 1);
        const int dot = name.lastIndexOf('.');
        request.fileName = (dot > 0 ? name.left(dot) : name) + ".pdf";
    }
    const QString chosen = seams().fileDialog(this, request);
    if (chosen.isEmpty()) return;
    const QString path = WithPdfExtension(chosen);

    // The exported pages are always in colour; the printer's black-and-white choice stays as it was.
    const bool blackAndWhite = state.BlackAndWhite;
    state.BlackAndWhite = false;
    BusyCursor busy;
    FileError error;
    const bool written = ExportPdf(path, WindowPages(*this), &error);
    busy.Restore();
    state.BlackAndWhite = blackAndWhite;
    if (!written) {
        ShowError(this, Pick(printtext::PdfWriteFailed, state.UiLanguage) + "\r\n" + path +
                            "\r\nError : " + QString::number(error.code) + " - " + error.description);
    }
}

} // namespace zorvek
