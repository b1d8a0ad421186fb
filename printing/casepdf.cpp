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
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        // Fonts and PDF pages need a GUI application, but never a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "zorvek-cli";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    PrintableCase c;
    c.entries = fields;
    c.nameA = nameA;
    c.nameB = nameB;
    c.TableMode = settings.TableMode;
    c.dense = settings.dense;
    c.LastPointIndex = lastPointIndex;
    c.UiLanguage = QString::fromStdString(settings.UiLanguage);
    c.DecimalSymbol = QString::fromStdString(settings.DecimalSymbol);
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
