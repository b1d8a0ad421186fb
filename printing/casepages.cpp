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

void AxisTitlesFor(const std::string& nameA, const QString& uiLanguage, QString& axisTitleX,
                   QString& axisTitleY) {
    QString name = " " + QString::fromStdString(nameA).trimmed();
    if (uiLanguage == "ESP") {
        if (name == " ") name = QString::fromUtf8("l componente más volátil");
        axisTitleX = QString::fromUtf8("X: Fracción molar de") + name + QString::fromUtf8(" en el líquido");
        axisTitleY = QString::fromUtf8("Y: Fracción molar de") + name + " en el vapor";
    }
    if (uiLanguage == "ENG") {
        if (name == " ") name = " most volatile component";
        axisTitleX = "X: Mole fraction of" + name + " in liquid phase";
        axisTitleY = "Y: Mole fraction of" + name + " in vapor phase";
    }
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
        AxisTitlesFor(c.nameA, c.UiLanguage, options.AxisTitleX, options.AxisTitleY);
        DrawDiagram(canvas, SolvePrintableCase(c), options);
    };
    return source;
}

} // namespace zorvek
