// FormMain::Calcular: reads the case from the fields, solves it with the engine, writes the result
// fields and the results kept for reports, and draws the diagram as far as the case got.
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "appstate.h"
#include "diagramview.h"
#include "formmain.h"
#include "imagecanvas.h"
#include "mccabediagram.h"

namespace zorvek {

DiagramOptions FormMain::DrawingOptions(bool onPicture1) {
    DiagramOptions options;
    options.UiLanguage = appState().UiLanguage;
    options.DecimalSymbol = appState().DecimalSymbol;
    options.AxisTitleX = AxisTitleX;
    options.AxisTitleY = AxisTitleY;
    options.BlackAndWhite = appState().BlackAndWhite;
    if (onPicture1) options.placeMarker = [this](int k, double X, double Y) { PlaceMarker(k, X, Y); };
    if (onPicture1) options.view = Picture1->View(); // the report image and the page show it whole
    return options;
}

void FormMain::PlaceMarker(int k, double X, double Y) {
    // A point far outside the diagram (or undefined) leaves its marker where it was.
    if (!(std::abs(X) < 1e6 && std::abs(Y) < 1e6)) return;
    QLabel* marker = Label2[k];
    // Zoomed, a point outside the view has no place on the diagram: its marker waits beyond the edge.
    if (!MarkerInView(X, Y)) {
        marker->move(-2 * marker->width(), -2 * marker->height());
        return;
    }
    marker->move(static_cast<int>(std::lround(X - marker->width() / 2.0)),
                 static_cast<int>(std::lround(Y - marker->height() / 2.0)));
}

void FormMain::DimResultFields(bool dim) {
    // Only the text colour changes: the texts stay as the last successful calculation left them.
    for (int n = 7; n <= 12; ++n) {
        QPalette palette = TextFields[n]->palette();
        const QColor colour = dim ? QColor(160, 160, 160) : QColor(Qt::black);
        if (palette.color(QPalette::Text) == colour) continue;
        palette.setColor(QPalette::Text, colour);
        TextFields[n]->setPalette(palette);
    }
}

void FormMain::PostResults(const DesignOutcome& o) {
    LblERROR->hide();
    NPT = o.NPT;
    NF = o.NF;
    // In this order: writing Text7 re-places the reflux cursor before the rest is written.
    for (int t = kText7Rmin; t < kResultTextCount; ++t) {
        SetFieldText(TextFields[7 + t], QString::fromStdString(o.texts[t]));
    }
    for (QLabel* marker : Label2) marker->show();
    StageListing = QString::fromStdString(o.StageListing);
    StageListingMarkup = QString::fromStdString(o.StageListingMarkup);
    EquilibriumListing = QString::fromStdString(o.EquilibriumListing);
    EquilibriumListingMarkup = QString::fromStdString(o.EquilibriumListingMarkup);
}

void FormMain::Calcular(Canvas pic, bool impri) {
    CaseTexts texts;
    ReadCaseTexts(texts);
    CalcSettings settings;
    settings.TableMode = TableMode;
    settings.dense = &Dense;
    settings.DecimalSymbol = appState().DecimalStd();
    settings.UiLanguage = appState().LanguageStd();
    LastOutcome = zorvek::Calcular(texts, settings);
    CaseCleared = false;
    const DesignOutcome& o = LastOutcome;

    SetFieldText(Text13, QString());
    SetFieldText(Text14, QString());
    LblERROR->setText(QString::fromStdString(o.error));
    // A long message wraps on a narrow diagram instead of being cut.
    if (!o.error.empty()) LblERROR->resize(LblERROR->width(), LblERROR->heightForWidth(LblERROR->width()));
    NPT = 0;
    NF = 0;
    if (o.slopeComputed) MinRefluxSlope = o.MinRefluxSlope;
    if (o.reached == Reached::Complete) PostResults(o);
    // While the error line shows, results of an earlier case must not pass for this case's.
    DimResultFields(!o.error.empty());
    UpdateAnalysis();

    if (pic == Canvas::Picture4) {
        if (Picture4.size() != QSize(700, 700)) Picture4 = QImage(700, 700, QImage::Format_RGB32);
        ImageCanvas canvas(Picture4, CanvasIdentity::Picture4, Picture1->font());
        DrawDiagram(canvas, o, DrawingOptions(false));
        return;
    }
    if (impri && PrintCanvas) DrawDiagram(*PrintCanvas, o, DrawingOptions(false));
    // The screen keeps showing the case while it is printed.
    {
        ImageCanvas canvas(Picture1->Image(), CanvasIdentity::Picture1, Picture1->font());
        DrawDiagram(canvas, o, DrawingOptions(true));
        DrawAnalysisOverlays(canvas);
    }
    Picture1->update();
}

} // namespace zorvek
