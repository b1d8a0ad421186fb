#include "casepages.h"

#include "mccabediagram.h"
#include "reportfields.h"
#include "summary.h"

namespace zorvek {

namespace {

CalcSettings SettingsOf(const PrintableCase& c) {
    CalcSettings settings;
    settings.TableMode = c.TableMode;
    settings.dense = c.dense;
    settings.DecimalSymbol = c.DecimalSymbol.toStdString();
    settings.UiLanguage = c.UiLanguage.toStdString();
    return settings;
}

} // namespace

PrintableCase PrintableCaseFrom(const CaseTexts& fields, const std::string& nameA, const std::string& nameB,
                                const CalcSettings& settings, int lastPointIndex) {
    PrintableCase c;
    c.entries = fields;
    c.nameA = nameA;
    c.nameB = nameB;
    c.TableMode = settings.TableMode;
    c.dense = settings.dense;
    c.LastPointIndex = lastPointIndex;
    c.UiLanguage = QString::fromStdString(settings.UiLanguage);
    c.DecimalSymbol = QString::fromStdString(settings.DecimalSymbol);
    return c;
}

std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // QGuiApplication keeps references to argc and argv for its whole life.
    static int argc = 1;
    static char name[] = "zorvek-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

DesignOutcome SolvePrintableCase(const PrintableCase& c) {
    if (c.TableMode && !c.dense) {
        DesignOutcome missing;
        missing.error = "no equilibrium table";
        return missing;
    }
    return Calcular(c.entries, SettingsOf(c));
}

PageSource CasePageSource(const PrintableCase& c) {
    PageSource source;
    source.UiLanguage = c.UiLanguage;
    source.Informe = [c] {
        const DesignOutcome outcome = SolvePrintableCase(c);
        if (outcome.reached != Reached::Complete) return std::string();
        return Informe(
            ReportFieldsFromOutcome(c.entries, c.nameA, c.nameB, outcome, SettingsOf(c), c.LastPointIndex));
    };
    source.StageListing = [c] { return SolvePrintableCase(c).StageListing; };
    source.CalcularOnPage = [c](DiagramCanvas& canvas) {
        DiagramOptions options;
        options.UiLanguage = c.UiLanguage;
        options.DecimalSymbol = c.DecimalSymbol;
        options.BlackAndWhite = c.BlackAndWhite;
        AxisTitlesFor(QString::fromStdString(c.nameA), c.UiLanguage, options.AxisTitleX, options.AxisTitleY);
        DrawDiagram(canvas, SolvePrintableCase(c), options);
    };
    return source;
}

} // namespace zorvek
