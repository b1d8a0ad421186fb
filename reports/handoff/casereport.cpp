#include "casereport.h"

#include <QGuiApplication>
#include <memory>

#include "casepages.h"
#include "imagecanvas.h"
#include "mccabediagram.h"
#include "reportfiles.h"

namespace zorvek {

std::optional<std::string> WriteCaseReport(const std::string& folder, const CaseTexts& fields,
                                           const std::string& nameA, const std::string& nameB,
                                           const CalcSettings& settings, int lastPointIndex,
                                           CaseReportFiles* written) {
    const std::unique_ptr<QGuiApplication> app = EnsureGuiApplication();
    const PrintableCase c = PrintableCaseFrom(fields, nameA, nameB, settings, lastPointIndex);
    const DesignOutcome outcome = SolvePrintableCase(c);
    if (outcome.reached != Reached::Complete) return outcome.error;

    // The report image as the window draws it: 700 x 700, the window's 11-pixel Arial.
    QImage picture(700, 700, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QFont font("Arial");
        font.setPixelSize(11);
        ImageCanvas canvas(picture, CanvasIdentity::Picture4, font);
        DiagramOptions options;
        options.UiLanguage = c.UiLanguage;
        options.DecimalSymbol = c.DecimalSymbol;
        AxisTitlesFor(QString::fromStdString(nameA), c.UiLanguage, options.AxisTitleX, options.AxisTitleY);
        DrawDiagram(canvas, outcome, options);
    }
    ReportFields shown = ReportFieldsFromOutcome(fields, nameA, nameB, outcome, settings, lastPointIndex);
    const ReportFilesResult files = WriteReportFiles(QString::fromStdString(folder), picture, shown);
    if (!files.ok) return files.error.toStdString();
    if (written) *written = {files.document.toStdString(), files.image.toStdString()};
    return std::nullopt;
}

} // namespace zorvek
