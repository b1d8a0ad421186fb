// FormMain::CrearINFORME_HTFC, "Ver informe": the diagram drawn on the report image, saved as a bitmap
// and turned into JPEG, the worked solution composed in the current language and written as a .rex
// document in the temporary folder, and markview started on it. Every wait is bounded.
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "appstate.h"
#include "files.h"
#include "formmain.h"
#include "programfiles.h"
#include "reportfiles.h"
#include "seams.h"
#include "workedsolution.h"

namespace zorvek {

namespace {

std::string Std(const QLineEdit* field) {
    return field->text().toStdString();
}

constexpr int kFileWaitMs = 3000;

void ShowJpegFault(QWidget* parent, JpegFault fault) {
    MessageRequest request;
    request.icon = MsgIcon::None;
    request.buttons = MsgButtons::Ok;
    request.title = kJpegFaultTitle;
    request.text = JpegFaultText(fault);
    seams().messageBox(parent, request);
}

// Writes the document and starts the viewer on it. A viewer that cannot be started is reported, so
// the command never ends without a visible result.
void SaveFile_SHOWMARKVIEW(QWidget* parent, const QString& folder, const WorkedSolution& parts) {
    const QString document = WriteReportDocument(folder, appState().DecimalSymbol, parts);
    if (document.isEmpty()) {
        ShowError(parent,
                  Tr("No se ha podido escribir el informe en la carpeta:", "The report could not be written "
                                                                           "in the folder:") +
                      "\r\n" + folder);
        return;
    }
    const QString viewer = ViewerProgram(ApplicationFolder());
    // The document's language goes with it: the settings hold the language of the last session only.
    if (!seams().startDetached(viewer, {document, "--lang", appState().UiLanguage})) {
        ShowError(parent,
                  Tr("No se ha podido iniciar el visor de informes:", "The report viewer could not be "
                                                                      "started:") +
                      "\r\n" + viewer);
    }
}

} // namespace

// The fields exactly as the window shows them, with the results the last calculation kept.
ReportFields FormMain::ReportFieldsShown() const {
    const FormMain& w = *this;
    ReportFields f;
    f.Text1 = Std(w.Text1);
    f.Text2 = Std(w.Text2);
    f.Text3 = Std(w.Text3);
    f.Text4 = Std(w.Text4);
    f.Text5 = Std(w.Text5);
    f.Text6 = Std(w.Text6);
    f.Text15 = Std(w.Text15);
    f.Text16 = Std(w.Text16);
    f.Text17 = Std(w.Text17);
    for (int t = kText7Rmin; t < kResultTextCount; ++t) f.results[t] = Std(w.TextFields[7 + t]);
    f.NPT = w.NPT;
    f.MinRefluxSlope = w.MinRefluxSlope;
    f.StageListing = w.StageListing.toStdString();
    f.StageListingMarkup = w.StageListingMarkup.toStdString();
    f.EquilibriumListing = w.EquilibriumListing.toStdString();
    f.EquilibriumListingMarkup = w.EquilibriumListingMarkup.toStdString();
    f.TableMode = w.TableMode;
    f.LastPointIndex = w.TablaELV.LastPointIndex;
    f.FeedState = w.Label1[15]->text().toStdString();
    f.UiLanguage = appState().LanguageStd();
    f.DecimalSymbol = appState().DecimalStd();
    return f;
}

bool FormMain::CalculationErrorShows() const {
    return !LblERROR->text().isEmpty() || LblERROR->isVisible();
}

void FormMain::CrearINFORME_HTFC() {
    if (CalculationErrorShows()) return;
    BusyCursor busy;
    const QString folder = TempFolder();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Calcular(Canvas::Picture4);
    if (CalculationErrorShows()) return;

    const QString number = ReportNumber([&](const QString& n) {
        return QFile::exists(folder + "/mcth_temp" + n + ".bmp") ||
               QFile::exists(folder + "/mcth_temp" + n + ".jpg");
    });
    const QString bmp = folder + "/mcth_temp" + number + ".bmp";
    const QString jpg = folder + "/mcth_temp" + number + ".jpg";
    if (!Picture4.save(bmp, "BMP") || !WaitForFile(bmp, kFileWaitMs)) {
        busy.Restore();
        ShowError(this,
                  Tr("No se ha podido guardar la imagen del diagrama:", "The diagram picture could not be "
                                                                        "saved:") +
                      "\r\n" + bmp);
        return;
    }
    const JpegFault fault = BmpToJpeg(bmp, jpg, 95);
    if (fault != JpegFault::None) {
        QFile::remove(bmp);
        busy.Restore();
        ShowJpegFault(this, fault);
        return;
    }
    if (!WaitForFile(jpg, kFileWaitMs)) {
        QFile::remove(bmp);
        busy.Restore();
        ShowError(this, Tr("No se ha podido convertir la imagen del diagrama a JPEG:",
                           "The diagram picture could "
                           "not be converted to JPEG:") +
                            "\r\n" + jpg);
        return;
    }
    const ReportFields fields = ReportFieldsShown();
    const std::string imageName = ("mcth_temp" + number + ".jpg").toStdString();
    QFile::remove(bmp);
    busy.Restore();
    if (appState().UiLanguage == "ESP")
        SaveFile_SHOWMARKVIEW(this, folder, HTFC_Informe_ESP(fields, imageName));
    if (appState().UiLanguage == "ENG")
        SaveFile_SHOWMARKVIEW(this, folder, HTFC_Informe_ENG(fields, imageName));
}

} // namespace zorvek
