#include "casepdf.h"

#include <QGuiApplication>
#include <memory>

#include "casepages.h"
#include "pdfexport.h"
#include "printtexts.h"

namespace zorvek {

std::optional<std::string> WriteCasePdf(const std::string& path, const CaseTexts& fields,
                                        const std::string& nameA, const std::string& nameB,
                                        const CalcSettings& settings, int lastPointIndex) {
    const std::unique_ptr<QGuiApplication> app = EnsureGuiApplication();
    const PrintableCase c = PrintableCaseFrom(fields, nameA, nameB, settings, lastPointIndex);
    const DesignOutcome outcome = SolvePrintableCase(c);
    if (outcome.reached != Reached::Complete) return outcome.error;
    const QString file = QString::fromStdString(path);
    FileError error;
    if (ExportPdf(file, CasePageSource(c), &error)) return std::nullopt;
    return (Pick(printtext::PdfWriteFailed, c.UiLanguage) + " " + file +
            " - Error : " + QString::number(error.code) + " - " + error.description)
        .toStdString();
}

} // namespace zorvek
