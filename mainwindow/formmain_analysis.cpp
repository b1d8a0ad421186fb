// FormMain's column analysis: the "Analysis" menu with its window, the "View" menu with the three
// diagram overlays (all off at first), the analysis of every recomputation and the error line's tooltip.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "appstate.h"
#include "casehistory.h"
#include "formanalysis.h"
#include "formmain.h"
#include "numtext.h"
#include "overlays.h"

namespace zorvek {

namespace {

QAction* NewAction(QMenu* menu, const char* name, const char* text, bool checkable) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

} // namespace

void FormMain::CreateAnalysisMenus() {
    // Analysis before Help; the overlays at the end of the one View menu, which the zoom entries share.
    // Their captions follow the language with the others.
    mnu_Analisis = new QMenu("A&nalysis", this);
    mnu_Analisis->setObjectName("mnu_Analisis");
    mnu_Analisis_VENTANA = NewAction(mnu_Analisis, "mnu_Analisis_VENTANA", "Column &analysis...", false);
    menuBar()->insertMenu(mnu_Ayuda->menuAction(), mnu_Analisis);
    if (!mnu_Ver) mnu_Ver = findChild<QMenu*>("mnu_Ver");
    if (!mnu_Ver) {
        mnu_Ver = new QMenu("&View", this);
        mnu_Ver->setObjectName("mnu_Ver");
        menuBar()->insertMenu(mnu_OPCIONES->menuAction(), mnu_Ver);
    }
    if (!mnu_Ver->actions().isEmpty()) mnu_Ver->addSeparator();
    mnu_Ver_PINCH = NewAction(mnu_Ver, "mnu_Ver_PINCH", "True &minimum reflux line", true);
    mnu_Ver_TOTAL = NewAction(mnu_Ver, "mnu_Ver_TOTAL", "&Total-reflux staircase", true);
    mnu_Ver_MURPHREE =
        NewAction(mnu_Ver, "mnu_Ver_MURPHREE", "M&urphree pseudo-equilibrium curve and staircase", true);
    connect(mnu_Analisis_VENTANA, &QAction::triggered, this, &FormMain::mnu_Analisis_VENTANA_Click);
    for (QAction* overlay : {mnu_Ver_PINCH, mnu_Ver_TOTAL, mnu_Ver_MURPHREE})
        connect(overlay, &QAction::toggled, this, [this] { Calcular(); });
}

void FormMain::mnu_Analisis_VENTANA_Click() {
    if (!frmAnalisis) {
        frmAnalisis = new FormAnalysis(this);
        connect(frmAnalisis, &FormAnalysis::RefluxChosen, this, &FormMain::TakeReflux);
        connect(frmAnalisis, &FormAnalysis::MurphreeChanged, this, [this] { Calcular(); });
        // Beside the main window when the screen has room for it there.
        const QRect screen = this->screen()->availableGeometry();
        const QRect room(frameGeometry().topRight() + QPoint(8, 0), frmAnalisis->frameGeometry().size());
        if (screen.contains(room)) frmAnalisis->move(room.topLeft());
    }
    frmAnalisis->show();
    frmAnalisis->raise();
    frmAnalisis->activateWindow();
    UpdateAnalysis();
}

void FormMain::TakeReflux(double R) {
    // As if typed: the field changes (cursors, modified flag), then the case is recomputed as on Enter.
    // One step of the history, as a typed change of R is.
    History->BeginGesture(CaseStepKind::Typed, SlotOfField(6));
    SetFieldText(Text6, QString::fromStdString(FormatSignificant(R, 3, appState().DecimalStd())));
    Calcular();
    History->EndGesture();
}

void FormMain::UpdateAnalysis() {
    if (!mnu_Ver_PINCH) return; // a recomputation while the window is still being built
    const bool windowShown = frmAnalisis && frmAnalisis->isVisible();
    if (CaseCleared) { // an emptied panel has no case to analyse until the next recomputation
        LastAnalysis = ColumnAnalysis{};
        LblERROR->setToolTip(QString());
        if (windowShown) frmAnalisis->ClearAnalysis();
        return;
    }
    const DesignOutcome& o = LastOutcome;
    const OverlayChoice overlays{mnu_Ver_PINCH->isChecked(), mnu_Ver_TOTAL->isChecked(),
                                 mnu_Ver_MURPHREE->isChecked()};
    const bool rejected = o.reached != Reached::Complete;
    AnalysisOptions options;
    options.DecimalSymbol = appState().DecimalStd();
    if (windowShown || overlays.Any()) {
        options.rnCurve = windowShown;
        options.drawing = overlays.Any();
        if (windowShown || overlays.murphree) {
            // An empty Murphree field takes the overall efficiency of the case.
            const std::optional<double> typed =
                frmAnalisis ? frmAnalisis->MurphreeEfficiency() : std::nullopt;
            options.murphreeE = typed ? *typed : o.inputs.E;
        }
        LastAnalysis = AnalyseColumn(o, options);
    } else if (rejected) { // only the reason, for the tooltip
        options.rnCurve = false;
        LastAnalysis = AnalyseColumn(o, options);
    } else {
        LastAnalysis = ColumnAnalysis{};
    }
    LblERROR->setToolTip(rejected ? Tr(QString::fromStdString(LastAnalysis.reasonESP),
                                       QString::fromStdString(LastAnalysis.reasonENG))
                                  : QString());
    if (windowShown) frmAnalisis->ShowAnalysis(o, LastAnalysis);
}

void FormMain::DrawAnalysisOverlays(DiagramCanvas& canvas) {
    DrawAnalysisOverlays(canvas, DrawingOptions(true));
}

void FormMain::DrawAnalysisOverlays(DiagramCanvas& canvas, const DiagramOptions& options) {
    if (!mnu_Ver_PINCH) return;
    const OverlayChoice overlays{mnu_Ver_PINCH->isChecked(), mnu_Ver_TOTAL->isChecked(),
                                 mnu_Ver_MURPHREE->isChecked()};
    if (overlays.Any()) zorvek::DrawAnalysisOverlays(canvas, LastOutcome, LastAnalysis, overlays, options);
}

} // namespace zorvek
