// FormMain's export of the diagram: a PNG of a chosen size, an SVG of vectors or a PDF of the diagram
// alone, drawn as the screen diagram shows it (its view, colours and overlays, discs at the points), and the
// image the Edit menu copies. A rejected case exports the partial diagram the screen shows.
#include <QAction>
#include <QImage>

#include "appstate.h"
#include "desktoptexts.h"
#include "diagramexport.h"
#include "diagramview.h"
#include "files.h"
#include "formmain.h"
#include "picturesizedialog.h"
#include "seams.h"

namespace zorvek {

namespace {

// After Clear the diagram is blank until the next calculation.
bool Blank(const QImage& image) {
    for (int row = 0; row < image.height(); ++row) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int col = 0; col < image.width(); ++col)
            if ((pixels[col] & 0xffffff) != 0xffffff) return false;
    }
    return true;
}

} // namespace

DiagramOptions FormMain::ExportOptions() {
    DiagramOptions options = DrawingOptions(false);
    options.view = Picture1->View();
    // The overlays the View menu has on, as the screen draws them.
    options.overlays = [this](DiagramCanvas& canvas, const DiagramOptions& picture) {
        DrawAnalysisOverlays(canvas, picture);
    };
    return options;
}

const DesignOutcome* FormMain::ShownOutcome() {
    return Blank(Picture1->Image()) ? nullptr : &LastOutcome;
}

QImage FormMain::ScreenDiagramImage(QSize pixels, double scale) {
    return DiagramImage(ShownOutcome(), ExportOptions(), Picture1->font(), pixels, scale);
}

void FormMain::mnu_Archivo_EXPORTDIAGRAM_Click() {
    FileDialogRequest request;
    request.save = true;
    request.title = desktoptext::ExportDialogTitle();
    request.filter = desktoptext::ExportFilter();
    request.folder = DocumentName.isEmpty() ? appState().PATH_FILE : FolderOf(DocumentName);
    if (request.folder.isEmpty()) request.folder = ApplicationFolder();
    if (!DocumentName.isEmpty()) {
        const QString name = DocumentName.mid(DocumentName.lastIndexOf('/') + 1);
        const int dot = name.lastIndexOf('.');
        request.fileName = (dot > 0 ? name.left(dot) : name) + ".png";
    }
    request.overwritePrompt = true;
    QString path = seams().fileDialog(this, request);
    if (path.isEmpty()) return;
    if (PictureFormatOf(path).isEmpty()) path += ".png";
    QSize pixels(kExportPixels, kExportPixels);
    if (PictureFormatOf(path) == "png") {
        PictureSizeDialog dialog(this, pixels);
        if (dialog.exec() != QDialog::Accepted) return;
        pixels = dialog.Size();
    }
    ExportDiagram(path, pixels);
}

bool FormMain::ExportDiagram(const QString& path, QSize pixels) {
    BusyCursor busy;
    PictureError error;
    const double scale = PictureScale(pixels, devicePixelRatioF());
    const bool written =
        WriteDiagramPicture(path, ShownOutcome(), ExportOptions(), Picture1->font(), pixels, scale, &error);
    busy.Restore();
    if (!written) ShowError(this, desktoptext::ExportFailed(path, error.code, error.description));
    return written;
}

} // namespace zorvek
