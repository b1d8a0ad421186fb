#include "desktoptexts.h"

#include "appstate.h"

namespace zorvek::desktoptext {

namespace {

QString T(const char* esp, const char* eng) {
    return Tr(QString::fromUtf8(esp), QString::fromUtf8(eng));
}

// The quantities of the entry fields by slot, and of the slider cursors by index.
QString SlotQuantity(int slot) {
    switch (slot) {
    case 0:
        return T("alfa", "alpha");
    case 1:
        return "q";
    case 2:
        return "zF";
    case 3:
        return "xD";
    case 4:
        return "xB";
    case 5:
        return "R";
    case 6:
        return "E";
    default:
        return {};
    }
}

QString SliderQuantity(int slider) {
    static constexpr int slotOfSlider[7] = {0, 1, 2, 3, 5, 6, 4}; // alpha, q, zF, xD, R, E, xB
    return slider >= 0 && slider < 7 ? SlotQuantity(slotOfSlider[slider]) : QString();
}

} // namespace

QString StepDescription(CaseStepKind kind, int detail, const QString& fileName) {
    switch (kind) {
    case CaseStepKind::Typed:
        if (detail == 7) return T("cambio del nombre de A", "change of the name of A");
        if (detail == 8) return T("cambio del nombre de B", "change of the name of B");
        return T("cambio de ", "change of ") + SlotQuantity(detail);
    case CaseStepKind::SliderDrag:
        return T("arrastre de ", "drag of ") + SliderQuantity(detail);
    case CaseStepKind::MarkerDrag:
        if (detail == 0) return T("arrastre de xB", "drag of xB");
        if (detail == 2) return T("arrastre de xD", "drag of xD");
        if (detail == 3) return T("arrastre de zF", "drag of zF");
        return T("arrastre del punto q", "drag of the q-point");
    case CaseStepKind::CurveDrag:
        return T("arrastre de la curva de equilibrio", "drag of the equilibrium curve");
    case CaseStepKind::ModelSwitch:
        return T("cambio de modelo de equilibrio", "change of equilibrium model");
    case CaseStepKind::Table:
        return T("tabla aceptada", "accepted table");
    case CaseStepKind::Clear:
        return T("Borrar", "Clear");
    case CaseStepKind::Open:
        return T("apertura de ", "opening of ") + fileName;
    }
    return {};
}

QString UndoCaption(const QString& description) {
    const QString head = T("&Deshacer", "&Undo");
    return description.isEmpty() || head.isEmpty() ? head : head + " " + description;
}

QString RedoCaption(const QString& description) {
    const QString head = T("&Rehacer", "&Redo");
    return description.isEmpty() || head.isEmpty() ? head : head + " " + description;
}

QString FileNotFound(const QString& path) {
    const QString head = T("ERROR: No se encuentra el archivo:", "ERROR: File not found:");
    return head.isEmpty() ? head : head + "\r\n" + path;
}

QString FileUnreadable(const QString& path, int code, const QString& description) {
    const QString head = T("ERROR: No se pudo leer el archivo:", "ERROR: Unable to read the file:");
    if (head.isEmpty()) return head;
    return head + "\r\n" + path + "\r\nError : " + QString::number(code) + " - " + description;
}

QString SeveralFiles(const QString& opened, const QStringList& notOpened) {
    const QString head = T("ZORVEK abre un solo archivo cada vez.", "ZORVEK opens one file at a time.");
    if (head.isEmpty()) return head;
    QString text = head + "\r\n";
    if (!opened.isEmpty()) text += T("Se abre:", "Opening:") + "\r\n" + opened + "\r\n";
    text += T("No se abren:", "Not opened:");
    for (const QString& path : notOpened) text += "\r\n" + path;
    return text;
}

QString RecentCaseMissing(const QString& path) {
    const QString head = FileNotFound(path);
    if (head.isEmpty()) return head;
    return head + "\r\n" +
           T("Se ha quitado de la lista de casos recientes.", "It has been removed from the recent cases.");
}

QString ExportFailed(const QString& path, int code, const QString& description) {
    const QString head = T("ERROR: No se pudo exportar el diagrama:", "ERROR: Unable to export the diagram:");
    if (head.isEmpty()) return head;
    return head + "\r\n" + path + "\r\nError : " + QString::number(code) + " - " + description;
}

QString ExportDialogTitle() {
    return T("Exportar diagrama", "Export diagram");
}

QString ExportFilter() {
    return T("Imagen PNG (*.png)|*.png|Dibujo SVG (*.svg)|*.svg|Documento PDF (*.pdf)|*.pdf",
             "PNG image (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf");
}

QString SizeDialogTitle() {
    return T("Tamaño de la imagen", "Picture size");
}

QString SizeWidth() {
    return T("Ancho:", "Width:");
}

QString SizeHeight() {
    return T("Alto:", "Height:");
}

QString SizeUnits() {
    return T(" píxeles", " pixels");
}

QString OkButton() {
    return T("Aceptar", "OK");
}

QString CancelButton() {
    return T("Cancelar", "Cancel");
}

} // namespace zorvek::desktoptext
