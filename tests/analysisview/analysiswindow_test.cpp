// The analysis window on the real FormMain: opened from its menu beside the main window, following every
// recomputation (typed, dragged, chosen on its chart), in both languages; and the error line's tooltip.
#include <QApplication>
#include <QLineSeries>
#include <QMenu>
#include <QScatterSeries>

#include "analysiswindowfixture.h"

using namespace zorvek;

TEST_F(AnalysisWindowTest, OpensFromItsMenuWithoutBlockingTheMainWindow) {
    EXPECT_EQ(form->frmAnalisis, nullptr); // nothing is made until asked for
    FormAnalysis* w = OpenWindow();
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->windowTitle(), "Column analysis");
    EXPECT_EQ(w->TextRminQ->text(), form->Text7->text()); // 1.7882, the design's own Rmin
    EXPECT_EQ(w->TextRminTrue->text(), "1.7882");
    EXPECT_EQ(w->TextPinch->text(), "q-line pinch");
    EXPECT_EQ(w->TextPinchPoint->text(), "x = 0.3748;   y = 0.5452");
    EXPECT_EQ(w->TextNmin->text(), "4.824");
    EXPECT_EQ(w->TextFenske->text(), "4.79");
    EXPECT_EQ(w->TextAzeotropes->text(), "none");
    EXPECT_EQ(w->TextR->text(), "3");
    EXPECT_EQ(w->TextN->text(), "7.547");
    EXPECT_EQ(w->TextNMurphree->text(), "7.547"); // an empty E_MV takes E = 1
    EXPECT_EQ(w->TextNPTE->text(), "7.547;   4.348");
    EXPECT_EQ(w->ChartRN->Stepped->count(), 100);
    EXPECT_EQ(w->ChartRN->CurrentPoint->at(0), QPointF(3, form->NPT));
    EXPECT_TRUE(w->LblREASON->text().startsWith("Design solved: R = 3 lies above"))
        << w->LblREASON->text().toStdString();

    // The main window keeps working while the window is open, and the window follows it.
    Enter(form->Text6, "4");
    EXPECT_EQ(w->TextR->text(), "4");
    EXPECT_EQ(w->TextN->text().toStdString(), FormatSignificant(form->NPT, 4, "."));
    // Closing only hides it; the menu shows it again.
    w->close();
    EXPECT_FALSE(w->isVisible());
    Enter(form->Text6, "5");
    EXPECT_EQ(w->TextR->text(), "4"); // a closed window costs nothing and shows nothing new
    OpenWindow();
    EXPECT_EQ(w->TextR->text(), "5");
}

TEST_F(AnalysisWindowTest, FollowsEachStepOfASliderDrag) {
    FormAnalysis* w = OpenWindow();
    QLabel* cursor = form->Image2[4]; // reflux ratio
    const QPoint grab(5, 4);
    QTest::mousePress(cursor, Qt::LeftButton, {}, grab);
    int steps = 0;
    for (int dx : {6, 12, 20, 30}) {
        const QPoint target(cursor->x() + dx + grab.x(), cursor->y() + grab.y());
        QTest::mouseMove(cursor, cursor->mapFromGlobal(form->Picture2->mapToGlobal(target)));
        ASSERT_EQ(w->TextR->text(), form->Text6->text()) << "step " << steps;
        EXPECT_EQ(w->ChartRN->CurrentPoint->at(0).x(), form->LastOutcome.inputs.R);
        EXPECT_EQ(w->ChartRN->CurrentPoint->at(0).y(), form->NPT);
        ++steps;
    }
    QTest::mouseRelease(cursor, Qt::LeftButton, {}, grab);
    EXPECT_NE(form->Text6->text(), "3");
}

TEST_F(AnalysisWindowTest, AClickOnTheChartTakesTheRefluxUnderThePointer) {
    FormAnalysis* w = OpenWindow();
    w->resize(1120, 580);
    QCoreApplication::processEvents();
    RNChart* chart = w->ChartRN;
    auto viewPoint = [&](double R, double N) {
        const QPointF inChart = chart->chart()->mapToPosition({R, N}, chart->Stepped);
        return chart->mapFromScene(chart->chart()->mapToScene(inChart));
    };
    form->Modified = false;
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, viewPoint(6, 6));
    const double R = ParseNumber(form->Text6->text().toStdString());
    EXPECT_NEAR(R, 6, 0.1);
    EXPECT_EQ(form->Text6->text().size(), QString::number(R).size()); // three significant digits at most
    EXPECT_TRUE(form->Modified);
    EXPECT_EQ(form->LastOutcome.inputs.R, R); // recomputed as on Enter
    EXPECT_EQ(form->Text14->text().toStdString(), FormatSignificant(form->NPT, 3, "."));
    EXPECT_EQ(w->TextR->text(), form->Text6->text());
    // Outside the plot area (on the title) a click chooses nothing.
    const QString before = form->Text6->text();
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, QPoint(chart->width() / 2, 6));
    EXPECT_EQ(form->Text6->text(), before);
    // The reflux chosen on the chart is one step of the history, undone like a typed R.
    EXPECT_EQ(form->mnu_Edicion_UNDO->text(), "&Undo change of R");
    form->mnu_Edicion_UNDO->trigger();
    EXPECT_EQ(form->Text6->text(), "3");
    EXPECT_EQ(w->TextR->text(), "3");
}

TEST_F(AnalysisWindowTest, TheErrorLineKeepsItsTextAndExplainsItselfInItsTooltip) {
    Enter(form->Text6, "1");
    EXPECT_EQ(form->LblERROR->text(), "ERROR: Reflux ratio is out of range");
    EXPECT_TRUE(
        form->LblERROR->toolTip().contains("is not above the minimum of the q-line pinch, Rmin = 1.7882"))
        << form->LblERROR->toolTip().toStdString();
    EXPECT_TRUE(form->LblERROR->toolTip().endsWith("Choose R above 1.7882."));
    form->mnu_IDIOMA_ESP_Click();
    EXPECT_EQ(form->LblERROR->text(), QString::fromUtf8("ERROR: Relación de reflujo inferior a la mínima"));
    EXPECT_TRUE(
        form->LblERROR->toolTip().startsWith(QString::fromUtf8("La relación de reflujo R = 1 no supera")))
        << form->LblERROR->toolTip().toStdString();
    form->mnu_IDIOMA_ENG_Click();
    Enter(form->Text6, "3");
    EXPECT_EQ(form->LblERROR->text(), "");
    EXPECT_EQ(form->LblERROR->toolTip(), "");
    // An input check gets its reason too.
    Enter(form->Text5, "0.5");
    EXPECT_EQ(form->LblERROR->text(),
              "ERROR:  Mole fraction in bottoms is greater than mole fraction in feed");
    EXPECT_TRUE(form->LblERROR->toolTip().startsWith("The feed lies outside the column's range"));
}

TEST_F(AnalysisWindowTest, EthanolWaterAtRefluxOneIsExplainedByItsTangentPinch) {
    UseEthanolWater();
    Enter(form->Text2, "1");
    Enter(form->Text3, "0.3");
    Enter(form->Text4, "0.8");
    Enter(form->Text5, "0.02");
    Enter(form->Text6, "1.0");
    EXPECT_EQ(form->LblERROR->text(), "ERROR: Unable to calculate the number of theoretical plates");
    EXPECT_EQ(form->Text7->text(), "0.75827"); // the last solved case's field is kept as the design keeps it
    EXPECT_TRUE(
        form->LblERROR->toolTip().contains("below the true minimum reflux ratio 1.0703, set by a tangent "
                                           "pinch of the enriching operating line at x = 0.6491"))
        << form->LblERROR->toolTip().toStdString();
    FormAnalysis* w = OpenWindow();
    EXPECT_EQ(w->TextRminQ->text(), "0.75827");
    EXPECT_EQ(w->TextRminTrue->text(), "1.0703");
    EXPECT_EQ(w->TextPinch->text(), "tangent pinch of the enriching line");
    EXPECT_EQ(w->TextFenske->text(), "constant alpha only");
    EXPECT_TRUE(w->TextAzeotropes->text().startsWith("x = 0.86")) << w->TextAzeotropes->text().toStdString();
    EXPECT_EQ(w->TextN->text(), QString::fromUtf8("—"));
    EXPECT_EQ(w->LblREASON->text(), form->LblERROR->toolTip());
    EXPECT_EQ(w->ChartRN->Stepped->count(), 100);
    EXPECT_TRUE(w->ChartRN->CurrentPoint->points().isEmpty()); // no count at R = 1
    // Above the true minimum the case solves and the window says so.
    Enter(form->Text6, "1.2");
    EXPECT_EQ(form->LblERROR->text(), "");
    EXPECT_EQ(w->TextN->text().toStdString(), FormatSignificant(form->NPT, 4, "."));
    EXPECT_TRUE(w->LblREASON->text().startsWith("Design solved"));
}

TEST_F(AnalysisWindowTest, TheMurphreeEfficiencyFieldStepsThePseudoCurve) {
    FormAnalysis* w = OpenWindow();
    Enter(w->TextEMV, "0.5");
    const double N = ParseNumber(w->TextNMurphree->text().toStdString());
    EXPECT_GT(N, form->NPT / 0.5 * 0.95);
    EXPECT_LT(N, form->NPT / 0.5 * 1.05);
    EXPECT_LT(ParseNumber(w->TextNFMurphree->text().toStdString()), N);
    Enter(w->TextEMV, "1.5");
    EXPECT_EQ(w->TextNMurphree->text(), QString::fromUtf8("E_MV must lie in 0 < E_MV ≤ 1"));
    // Empty: the overall efficiency of the case.
    Enter(w->TextEMV, "");
    Enter(form->Text15, "0.5");
    EXPECT_NEAR(ParseNumber(w->TextNMurphree->text().toStdString()), N, 1e-3 * N);
}

TEST_F(AnalysisWindowTest, LanguageAndDecimalSymbolSwitchWithTheMainWindow) {
    FormAnalysis* w = OpenWindow();
    form->mnu_IDIOMA_ESP_Click();
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Análisis de la columna"));
    EXPECT_EQ(w->findChild<QLabel*>("LblRminTrue")->text(),
              QString::fromUtf8("Relación de reflujo mínima real"));
    EXPECT_EQ(w->TextPinch->text(), "punto de contacto de la recta q");
    EXPECT_EQ(w->ChartRN->chart()->title(), "Etapas frente a reflujo (curva R-N)");
    EXPECT_EQ(w->ChartRN->Stepped->name(), "N escalonado");
    EXPECT_EQ(form->mnu_Analisis->title(), QString::fromUtf8("A&nálisis"));
    EXPECT_EQ(form->mnu_Ver->title(), "&Ver");
    EXPECT_EQ(form->mnu_Ver_TOTAL->text(), "Escalera a reflujo &total");
    form->mnu_Decimal_SEP_COM_Click();
    EXPECT_EQ(w->TextRminTrue->text(), "1,7882");
    EXPECT_EQ(w->ChartRN->chart()->locale().decimalPoint(), ",");
    form->mnu_IDIOMA_ENG_Click();
    form->mnu_Decimal_SEP_DOT_Click();
    EXPECT_EQ(w->windowTitle(), "Column analysis");
    EXPECT_EQ(w->TextRminTrue->text(), "1.7882");
    EXPECT_EQ(form->mnu_Analisis->title(), "A&nalysis");
    EXPECT_EQ(form->mnu_Ver_PINCH->text(), "True &minimum reflux line");
}

TEST_F(AnalysisWindowTest, ClearEmptiesTheWindowUntilTheNextRecomputation) {
    FormAnalysis* w = OpenWindow();
    Enter(form->Text6, "1"); // rejected: a reason in the window and the tooltip
    ASSERT_FALSE(w->LblREASON->text().isEmpty());
    form->Borrar();
    for (QLineEdit* field : {w->TextRminQ, w->TextRminTrue, w->TextPinch, w->TextNmin, w->TextR, w->TextN})
        EXPECT_EQ(field->text(), "") << field->objectName().toStdString();
    EXPECT_EQ(w->LblREASON->text(), "");
    EXPECT_EQ(w->ChartRN->Stepped->count(), 0);
    EXPECT_EQ(form->LblERROR->toolTip(), "");
    // Reopened, it still shows no earlier case.
    w->close();
    OpenWindow();
    EXPECT_EQ(w->TextRminTrue->text(), "");
    // The next recomputation analyses the case typed anew.
    for (auto [field, text] : {std::pair{form->Text1, "2"},
                               {form->Text2, "0.5"},
                               {form->Text3, "0.46"},
                               {form->Text4, "0.85"},
                               {form->Text5, "0.17"},
                               {form->Text15, "1"}})
        Type(field, text);
    Enter(form->Text6, "3");
    EXPECT_EQ(w->TextRminTrue->text(), "1.7882");
    EXPECT_EQ(w->ChartRN->Stepped->count(), 100);
}
