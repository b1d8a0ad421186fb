#include "mccabediagram.h"

#include "numtext.h"

namespace zorvek {

PlotBox PlotBoxOf(const DiagramCanvas& canvas) {
    if (canvas.IsPage()) return {10, 190, 180, 180};
    return PicturePlotBox(canvas.Width(), canvas.Height());
}

QColor ColourOf(DiagramColour which, const DiagramCanvas& canvas, const DiagramOptions& options) {
    const bool page = canvas.IsPage();
    if (page && options.BlackAndWhite) return Qt::black;
    switch (which) {
    case DiagramColour::Grid:
        return page ? QColor(Qt::black) : QColor(220, 220, 220);
    case DiagramColour::Diagonal:
    case DiagramColour::Curve:
        return page ? QColor(Qt::black) : QColor(96, 96, 96);
    case DiagramColour::Enriching:
        return {200, 0, 0};
    case DiagramColour::Exhausting:
    case DiagramColour::BottomsDisc:
        return {96, 96, 240};
    case DiagramColour::QLine:
    case DiagramColour::QPointDisc:
        return {0, 160, 0};
    case DiagramColour::Staircase:
        return page ? QColor(180, 120, 0) : QColor(200, 160, 0);
    case DiagramColour::FeedDisc:
        return page ? QColor(180, 120, 0) : QColor(255, 128, 0);
    case DiagramColour::DistillateDisc:
        return page ? QColor(200, 0, 0) : QColor(192, 0, 0);
    }
    return Qt::black;
}

QString TickLabel(int k, const QString& decimalSymbol) {
    QString text = QString::fromStdString(PlainNumberText(k / 10.0));
    if (text.startsWith('.')) text.prepend('0');
    text.replace('.', decimalSymbol);
    return text;
}

void DrawDiagram(DiagramCanvas& canvas, const DesignOutcome& outcome, const DiagramOptions& options) {
    canvas.Clear();
    DrawBackground(canvas, options);
    if (outcome.reached == Reached::Background) return;
    DrawStreamPoints(canvas, outcome.inputs, options);
    if (outcome.reached == Reached::StreamPoints) return;
    DrawEquilibriumCurve(canvas, outcome.model, options);
    if (outcome.reached == Reached::Curve) return;
    DrawOperatingLines(canvas, outcome, options);
    DrawStaircase(canvas, outcome, options);
    DrawAxisTitles(canvas, options);
}

void AxisTitlesFor(const QString& nameA, const QString& uiLanguage, QString& axisTitleX,
                   QString& axisTitleY) {
    QString name = " " + nameA.trimmed();
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

} // namespace zorvek
