#include "workedsolution.h"

#include <gtest/gtest.h>

#include "markupsignificant.h"
#include "startupcase.h"

namespace zorvek {
namespace {

using test::StartupFields;

const std::string kImage = "mcth_temp123456.jpg";
const std::string kListing = "&+I&SP=8:x&SP=18:y&-I&LF&SP=5:0&.8500&SP=15:0&.8500&LF";

TEST(MarkupSignificant, Table) {
    struct Case {
        double v;
        int n;
        const char* text;
    };
    const Case cases[] = {
        {0.7142857, 5, "0&.71429"},
        {123456, 5, "1&.2346&E5"},
        {0.001, 5, "1&.000&E-3"},
        {-0.00012345, 5, "-1&.2345&E-4"},
        {0, 5, "0"},
        {-0.5, 5, "-0&.5"},
        {99999.7, 5, "100000"},
        {0.0099999, 2, "1&.&E-2"},
        {2.5e-7, 1, "3&E-7"},
    };
    for (const Case& c : cases) EXPECT_EQ(MarkupSignificant(c.v, c.n), c.text) << c.v << " " << c.n;
}

TEST(WorkedSolution, EnglishStartupCase) {
    const WorkedSolution w = HTFC_Informe_ENG(StartupFields("ENG", "."), kImage);
    EXPECT_EQ(
        w.statement,
        "&+BNumber of Theoretical Plates by McCabe-Thiele method.&-B&LF"
        "Distillation of a binary feed. Mole fractions are the most volatile component.&LF"
        "Mole fractions:&LF"
        "    Feed:      &SP=18:&+Iz&-I_F = 0&.46&LF"
        "    Distillate:&SP=18:&+Ix&-I_D = 0&.85&LF"
        "    Bottoms:   &SP=18:&+Ix&-I_B = 0&.17&LF"
        "Parameter of thermal state of feed:&LF    &+Iq&-I = 0.5  Vapor-liquid mixture&LF"
        "Reflux ratio:&LF    &+IR = L/D = &-I3&LF"
        "Overall plate efficiency:&LF    &+IE = &-I1&LF"
        "Calculate:&SP=12:&+Ba)&-B Minimum reflux ratio.&LF &SP=12:&+Bb)&-B& Number of the feed plate.&LF "
        "&SP=12:&+Bc)&-B& Number of Theoretical Plates.&LF&LF"
        "VLE: Vapor-Liquid Equilibrium:&LF"
        "Relative volatility:  &alfa = 2&LF"
        "Where:  &+Iy&-I = #COC(&alfa &+Ix&-I#N)(1 + (&alfa - 1) &+Ix&-I#COC);    &+Ix&-I = "
        "#COC(&+Iy&-I#N)(&alfa - (&alfa - 1) &+Iy&-I#COC)&LF&LF");
    EXPECT_EQ(w.answers, "&+Ba)&-B Minimum reflux ratio:&LF    &+IR&-I_m_i_n = 1&.7882&LF"
                         "&+Bb)&-B Number of the feed plate (for overall plate efficiency = 1):&LF"
                         "    &+INF&-I = 4&.35 (counting from the top)&LF"
                         "&+Bc)&-B Number of Theoretical Plates (for overall plate efficiency = 1):&LF"
                         "    &+INPT&-I = 7&.55 (with reboiler)&LF");
    EXPECT_EQ(w.results, "&+Iq&-I-Line:&LF    &+Iy&-I = -&+Ix&-I + 0&.92&LF&LF"
                         "Enriching operating line:&LF    &+Iy&-I = 0&.75&+Ix&-I + 0&.2125&LF&LF"
                         "Intersection of &+Iq&-I-Line and enriching operating line:&LF"
                         "    &+Ix&-I_q = 0&.40429;   &+Iy&-I_q = 0&.51571&LF&LF"
                         "Exhausting operating line:&LF    &+Iy&-I = 1&.4756&+Ix&-I - 0&.080854&LF&LF"
                         "Intersection of &+Iq&-I-Line and the Vapor-Liquid Equilibrium curve (VLE):&LF"
                         "    &+Ix&-I_m = 0&.37478;   &+Iy&-I_m = 0&.54522&LF&LF"
                         "Minimum reflux ratio:&LF    &+IR&-I_m_i_n = 1&.7882&LF&LF"
                         "#IMG('mcth_temp123456.jpg'DXmm=130:DYmm=130:#IMG)&LF"
                         "Theoretical stages. From top to bottom:&LF" +
                             kListing +
                             "&LF"
                             "Number of the feed plate (for overall plate efficiency = 1):&LF"
                             "    &+INF&-I = 4&.35 (counting from the top)&LF&LF"
                             "Number of Theoretical Plates (for overall plate efficiency = 1):&LF"
                             "    &+INPT&-I = 7&.55 (with reboiler)&LF");
    EXPECT_EQ(
        w.solution,
        "&+Iq&-I-Line:&LF"
        "The equation of &+Iq&-I-Line is given below:&LF"
        "&+Iy = #COC(q#N)(q - 1#COC)x - #COC(&+Iz&-I_F&+I#N)(q - 1#COC)&-I&LF"
        "We replace the value of &+Iq&-I parameter and mole fraction of feed &+Iz&-I_F to yield:&LF"
        "    &+Iy&-I = -&+Ix&-I + 0&.92&LF&LF"
        "Enriching operating line:&LF"
        "The equation of enriching operating line is given below:&LF"
        "    &+Iy = #COC(R#N)(R + 1#COC)x + #COC(&+Ix&-I_D&+I#N)(R + 1#COC)&-I&LF"
        "We replace the value of reflux ratio &+IR&-I and mole fraction of distillate &+Ix&-I_D to yield:&LF"
        "    &+Iy&-I = 0&.75&+Ix&-I + 0&.2125&LF&LF"
        "Intersection of &+Iq&-I-Line and enriching operating line:&LF"
        "We solve the system of equations of &+Iq&-I-Line and enriching operating line:&LF"
        "#NES(X}#RWS(R#RW1(&+Iy&-I = -&+Ix&-I + 0&.92#RW1)#RW2(&+Iy&-I = 0&.75&+Ix&-I + 0&.2125"
        "#RW2)#RWS)#NES)    and its solution is &+Iq(x&-I_q, &+Iy&-I_q):&LF"
        "    &+Ix&-I_q = 0&.40429;   &+Iy&-I_q = 0&.51571&LF&LF"
        "Exhausting operating line:&LF"
        "The exhausting operating line passes through the point of bottoms composition "
        "(&+Ix&-I_B, &+Ix&-I_B) and the point &+Iq(x&-I_q,& &+Iy&-I_q):&LF"
        "    &+Iy&-I = 1&.4756&+Ix&-I - 0&.080854&LF&LF"
        "Intersection of &+Iq&-I-Line and the Vapor-Liquid Equilibrium curve (VLE):&LF"
        "    &+Ix&-I_m = 0&.37478;   &+Iy&-I_m = 0&.54522&LF&LF"
        "Minimum reflux ratio:&LF"
        "The minimum reflux ratio &+IR&-I_m_i_n occurs if the enriching operating line passes through "
        "the point of distillate composition (&+Ix&-I_D, &+Ix&-I_D) and the point (&+Ix&-I_m, &+Iy&-I_m).&LF"
        "    &+Iy = #COC(&+IR&-I_m_i_n&+I#N)(&+IR&-I_m_i_n&+I + 1#COC)x + "
        "#COC(&+Ix&-I_D&+I#N)(&+IR&-I_m_i_n&+I + 1#COC)&-I&LF"
        "For these points the slope of enriching operating line is "
        "#COC(&+IR&-I_m_i_n&+I#N)(&+IR&-I_m_i_n&+I + 1#COC) = 0&.64134&LF"
        "So that:    &+IR&-I_m_i_n = 1&.7882&LF&LF"
        "#IMG('mcth_temp123456.jpg'DXmm=130:DYmm=130:#IMG)&LF"
        "Theoretical stages. From top to bottom:&LF" +
            kListing +
            "&LF"
            "Number of the feed plate (for overall plate efficiency = 1):&LF"
            "    &+INF&-I = 4&.35 (counting from the top)&LF&LF"
            "Number of Theoretical Plates (for overall plate efficiency = 1):&LF"
            "    &+INPT&-I = 7&.55 (with reboiler)&LF");
}

TEST(WorkedSolution, SpanishStartupCaseWithNames) {
    ReportFields f = StartupFields("ESP", ",");
    f.Text16 = "Benceno";
    f.Text17 = "Tolueno";
    f.Text15 = "0,8";
    f.results[kText13FeedPlate] = "5,43";
    f.results[kText14Plates] = "9,43";
    const WorkedSolution w = HTFC_Informe_ESP(f, kImage);
    EXPECT_EQ(w.statement,
              "&+BNúmero de platos teóricos por el método de McCabe-Thiele.&-B&LF"
              "Destilación de mezcla binaria de Benceno - Tolueno&LF"
              "Fracciones molares referidas a Benceno (componente más volátil).&LF"
              "Fracciones molares de las corrientes:&LF"
              "    Alimentación: &SP=18:&+Iz&-I_F = 0&.46&LF"
              "    Destilado:    &SP=18:&+Ix&-I_D = 0&.85&LF"
              "    Fondos:       &SP=18:&+Ix&-I_B = 0&.17&LF"
              "Parámetro de estado térmico de la alimentación:&LF    &+Iq&-I = 0,5  Mezcla líquido-vapor&LF"
              "Relación de reflujo:&LF    &+IR = L/D = &-I3&LF"
              "Eficiencia global:&LF    &+IE = &-I0,8&LF"
              "Calcular:&SP=12:&+Ba)&-B Relación de reflujo mínima.&LF &SP=12:&+Bb)&-B& Número del plato de "
              "alimentación.&LF &SP=12:&+Bc)&-B& Número de platos teóricos.&LF&LF"
              "Equilibrio líquido vapor:&LF"
              "Volatilidad relativa:  &alfa = 2&LF"
              "Siendo:  &+Iy&-I = #COC(&alfa &+Ix&-I#N)(1 + (&alfa - 1) &+Ix&-I#COC);    &+Ix&-I = "
              "#COC(&+Iy&-I#N)(&alfa - (&alfa - 1) &+Iy&-I#COC)&LF&LF");
    EXPECT_EQ(w.answers, "&+Ba)&-B Relación de reflujo mínima:&LF    &+IR&-I_m_i_n = 1&.7882&LF"
                         "&+Bb)&-B Número del plato de entrada de la alimentación (eficiencia de 0,8):&LF"
                         "    &+INF&-I = 5&.43 (contando desde arriba)&LF"
                         "&+Bc)&-B Número total de platos teóricos (eficiencia de 0,8):&LF"
                         "    &+INPT &-I= 9&.43 (incluyendo el rehervidor)&LF");
    const std::string plates = "Número del plato de entrada de la alimentación (eficiencia de 0,8):&LF"
                               "    &+INF&-I = 5&.43 (contando desde arriba)&LF&LF"
                               "Número total de platos teóricos (eficiencia de 1):&LF"
                               "    &+INPT&-I = 7&.5471 (incluyendo el rehervidor)&LF&LF"
                               "Número total de platos teóricos (eficiencia de 0,8):&LF"
                               "    &+INPT &-I= 9&.43 (incluyendo el rehervidor)&LF";
    EXPECT_EQ(w.results, "Recta &+Iq&-I:&LF    &+Iy&-I = -&+Ix&-I + 0&.92&LF&LF"
                         "Recta operativa de enriquecimiento:&LF    &+Iy&-I = 0&.75&+Ix&-I + 0&.2125&LF&LF"
                         "Punto de corte de la recta &+Iq&-I y la recta operativa de enriquecimiento:&LF"
                         "    &+Ix&-I_q = 0&.40429;   &+Iy&-I_q = 0&.51571&LF&LF"
                         "Recta operativa de agotamiento:&LF    &+Iy&-I = 1&.4756&+Ix&-I - 0&.080854&LF&LF"
                         "Punto de corte de la recta &+Iq&-I y la curva de equilibrio:&LF"
                         "    &+Ix&-I_m = 0&.37478;   &+Iy&-I_m = 0&.54522&LF&LF"
                         "Relación de reflujo mínima:&LF    &+IR&-I_m_i_n = 1&.7882&LF&LF"
                         "#IMG('mcth_temp123456.jpg'DXmm=130:DYmm=130:#IMG)&LF"
                         "Composición de los platos teóricos (de arriba a abajo):&LF" +
                             kListing + "&LF" + plates);
    EXPECT_EQ(
        w.solution,
        "Recta &+Iq&-I:&LF"
        "La expresión de la recta &+Iq&-I viene dada por  "
        "&+Iy = #COC(q#N)(q - 1#COC)x - #COC(&+Iz&-I_F&+I#N)(q - 1#COC)&-I&LF"
        "Sustituyendo los valores del parámetro &+Iq&-I y la fracción molar de alimentación &+Iz&-I_F "
        "tenemos:&LF"
        "    &+Iy&-I = -&+Ix&-I + 0&.92&LF&LF"
        "Recta operativa de enriquecimiento:&LF"
        "La recta operativa de enriquecimiento (R.O.E.) es de la forma:"
        "    &+Iy = #COC(R#N)(R + 1#COC)x + #COC(&+Ix&-I_D&+I#N)(R + 1#COC)&-I&LF"
        "Sustituyendo la relación de reflujo &+IR&-I y la fracción molar de destilado &+Ix&-I_D "
        "obtenemos:&LF    "
        "    &+Iy&-I = 0&.75&+Ix&-I + 0&.2125&LF&LF"
        "Punto de corte de la recta &+Iq&-I y la recta operativa de enriquecimiento:&LF"
        "Resolvemos el sistema formado por la recta &+Iq&-I y la R.O.E.:&LF"
        "#NES(X}#RWS(R#RW1(&+Iy&-I = -&+Ix&-I + 0&.92#RW1)#RW2(&+Iy&-I = 0&.75&+Ix&-I + 0&.2125"
        "#RW2)#RWS)#NES)  cuya solución es el punto &+Iq(x&-I_q, &+Iy&-I_q):&LF"
        "    &+Ix&-I_q = 0&.40429;   &+Iy&-I_q = 0&.51571&LF&LF"
        "Recta operativa de agotamiento:&LF"
        "La recta operativa de agotamiento (R.O.A.) pasa por el punto de la composición de la corriente "
        "de fondo (&+Ix&-I_B, &+Ix&-I_B) y por el punto &+Iq(x&-I_q,& &+Iy&-I_q):&LF"
        "    &+Iy&-I = 1&.4756&+Ix&-I - 0&.080854&LF&LF"
        "Punto de corte de la recta &+Iq&-I y la curva de equilibrio:&LF"
        "    &+Ix&-I_m = 0&.37478;   &+Iy&-I_m = 0&.54522&LF&LF"
        "Relación de reflujo mínima:&LF"
        "La relación de reflujo mínima &+IR&-I_m_i_n corresponde al caso en que la R.O. de "
        "enriquecimiento pasa por el punto de composición del destilado (&+Ix&-I_D, &+Ix&-I_D) y por el "
        "punto (&+Ix&-I_m, &+Iy&-I_m).&LF"
        "    &+Iy = #COC(&+IR&-I_m_i_n&+I#N)(&+IR&-I_m_i_n&+I + 1#COC)x + "
        "#COC(&+Ix&-I_D&+I#N)(&+IR&-I_m_i_n&+I + 1#COC)&-I&LF"
        "Con estos puntos la pendiente de la R.O.E. es "
        "#COC(&+IR&-I_m_i_n&+I#N)(&+IR&-I_m_i_n&+I + 1#COC) = 0&.64134, de donde se obtiene:&LF"
        "    &+IR&-I_m_i_n = 1&.7882&LF&LF"
        "#IMG('mcth_temp123456.jpg'DXmm=130:DYmm=130:#IMG)&LF"
        "Composición de los platos teóricos (de arriba a abajo):&LF"
        "Partimos del punto del destilado (&+Ix&-I_D, &+Ix&-I_D) trazando una línea horizontal hasta "
        "la curva de equilibrio. Desde este punto se traza una línea vertical hasta cortar a la R.O.E. "
        "Desde este punto se vuelve a trazar una línea horizontal hasta la curva de equilibrio. El proceso "
        "continúa hasta llegar al punto &+Iq&-I. A partir de este punto se usará la recta operativa de "
        "agotamiento R.O.A. El punto &+Iq&-I marca la posición del plato de alimentación.&LF"
        "Continuaremos trazando líneas con la recta operativa de agotamiento R.O.A. hasta llegar al plato "
        "inferior (rehervidor) con la composición de la corriente de fondos (&+Ix&-I_B, &+Ix&-I_B).&LF" +
            kListing + "&LF" + plates);
}

// Decimal comma: the compositions and every result are escaped, q, R, E and alpha stay as displayed.
TEST(WorkedSolution, DecimalCommaHandling) {
    ReportFields f = StartupFields("ENG", ",");
    f.Text1 = "2,5";
    f.Text6 = "3,5";
    f.Text15 = "0,75";
    const WorkedSolution w = HTFC_Informe_ENG(f, kImage);
    for (const char* present :
         {"&+Iz&-I_F = 0&.46&LF", "&+Ix&-I_D = 0&.85&LF", "&+Ix&-I_B = 0&.17&LF", "&+Iq&-I = 0,5  ",
          "&+IR = L/D = &-I3,5&LF", "&+IE = &-I0,75&LF", "&alfa = 2,5&LF"})
        EXPECT_NE(w.statement.find(present), std::string::npos) << present;
    for (const char* escaped : {"&+Iy&-I = -&+Ix&-I + 0&.92", "&+Iy&-I = 1&.4756&+Ix&-I - 0&.080854",
                                "&+Ix&-I_q = 0&.40429;   &+Iy&-I_q = 0&.51571", "&+IR&-I_m_i_n = 1&.7882",
                                "&+INF&-I = 4&.35", "&+INPT&-I = 7&.55"}) {
        EXPECT_NE(w.results.find(escaped), std::string::npos) << escaped;
        EXPECT_NE(w.solution.find(escaped), std::string::npos) << escaped;
    }
    EXPECT_NE(w.answers.find("(for overall plate efficiency = 0,75)"), std::string::npos);
}

TEST(WorkedSolution, PlatesAtEfficiencyOneOnlyWhenEfficiencyIsNotWrittenOne) {
    for (const auto& [e, present] : {std::pair{"1", false}, {"1.0", true}, {" 1 ", false}, {"0.5", true}}) {
        ReportFields f = StartupFields("ENG", ".");
        f.Text15 = e;
        const WorkedSolution w = HTFC_Informe_ENG(f, kImage);
        const std::string nine =
            "(for overall plate efficiency = 1):&LF    &+INPT&-I = 7&.5471 (with reboiler)";
        EXPECT_EQ(w.results.find(nine) != std::string::npos, present) << e;
        EXPECT_EQ(w.solution.find(nine) != std::string::npos, present) << e;
        EXPECT_EQ(w.answers.find(nine), std::string::npos) << e;
    }
}

TEST(WorkedSolution, TableModelEnglishStatement) {
    ReportFields f = StartupFields("ENG", ".");
    f.TableMode = true;
    f.LastPointIndex = 20;
    EXPECT_EQ(
        HTFC_Informe_ENG(f, kImage).statement,
        "&+BNumber of Theoretical Plates by McCabe-Thiele method.&-B&LF"
        "Distillation of a binary feed. Mole fractions are the most volatile component.&LF"
        "Mole fractions:&LF"
        "    Feed:      &SP=18:&+Iz&-I_F = 0&.46&LF"
        "    Distillate:&SP=18:&+Ix&-I_D = 0&.85&LF"
        "    Bottoms:   &SP=18:&+Ix&-I_B = 0&.17&LF"
        "Parameter of thermal state of feed:&LF    &+Iq&-I = 0.5  Vapor-liquid mixture&LF"
        "Reflux ratio:&LF    &+IR = L/D = &-I3&LF"
        "Overall plate efficiency:&LF    &+IE = &-I1&LF"
        "Calculate:&SP=12:&+Ba)&-B Minimum reflux ratio.&LF &SP=12:&+Bb)&-B& Number of the feed plate.&LF "
        "&SP=12:&+Bc)&-B& Number of Theoretical Plates.&LF&LF"
        "VLE: Vapor-Liquid Equilibrium:&LF"
        "&+I&SP=8:x &SP=18:y &SP=32:x &SP=42:y &-I &LF"
        "&SP=5:0&.0000&SP=15:0&.0000&SP=29:0&.5000&SP=39:0&.6667&LF&LF");
    f.LastPointIndex = 0; // a table of one point: neither the listing nor alpha
    EXPECT_TRUE(HTFC_Informe_ENG(f, kImage).statement.ends_with("VLE: Vapor-Liquid Equilibrium:&LF"));
}

TEST(WorkedSolution, TableModelStatementHoldsTheListing) {
    for (const std::string lang : {"ENG", "ESP"}) {
        ReportFields f = StartupFields(lang, ".");
        f.TableMode = true;
        f.LastPointIndex = 20;
        const WorkedSolution w = ComposeWorkedSolution(f, kImage);
        const std::string vle =
            lang == "ENG" ? "VLE: Vapor-Liquid Equilibrium:&LF" : "Equilibrio líquido vapor:&LF";
        EXPECT_EQ(w.statement.substr(w.statement.size() - vle.size() - f.EquilibriumListingMarkup.size() - 3),
                  vle + f.EquilibriumListingMarkup + "&LF");
        EXPECT_EQ(w.statement.find("&alfa"), std::string::npos);
    }
}

TEST(WorkedSolution, VerticalQLine) {
    ReportFields f = StartupFields("ENG", ",");
    f.results[kText8QLine] = "x = 0,46";
    const WorkedSolution w = HTFC_Informe_ENG(f, kImage);
    EXPECT_NE(w.results.find("&+Iq&-I-Line:&LF    &+Ix&-I = 0&.46&LF&LF"), std::string::npos);
}

TEST(WorkedSolution, DocumentLayout) {
    const WorkedSolution w{"S", "A", "R", "F"};
    EXPECT_EQ(ReportDocument(",", w),
              "#DEC(,#DEC)\r\n\r\n#ENU(S#ENU)\r\n\r\n#SOL(A#SOL)\r\n\r\n#RS1(R#RS1)\r\n\r\n"
              "#RS2(F#RS2)");
    ReportFields f = StartupFields("XX", ".");
    const WorkedSolution none = ComposeWorkedSolution(f, kImage);
    EXPECT_TRUE(none.statement.empty() && none.solution.empty());
}

} // namespace
} // namespace zorvek

namespace zorvek {
namespace {

// The fields the reports read come out of a real calculation as the window shows them.
TEST(ReportFields, FromTheStartupCalculation) {
    CalcSettings settings;
    settings.DecimalSymbol = ",";
    settings.UiLanguage = "ESP";
    const DesignOutcome outcome = Calcular(CaseTexts{}, settings);
    ASSERT_EQ(outcome.reached, Reached::Complete) << outcome.error;
    const ReportFields f = ReportFieldsFromOutcome(CaseTexts{}, "A", "B", outcome, settings, -1);
    EXPECT_EQ(f.results, test::StartupFields("ESP", ",").results);
    EXPECT_NEAR(f.NPT, 7.5471, 5e-5);
    EXPECT_EQ(f.FeedState, "Mezcla líquido-vapor");
    const WorkedSolution w = ComposeWorkedSolution(f, "x.jpg");
    EXPECT_NE(
        w.results.find("Composición de los platos teóricos (de arriba a abajo):&LF" + f.StageListingMarkup),
        std::string::npos);
    EXPECT_NE(w.solution.find("1&.7882"), std::string::npos);
}

TEST(ReportFields, FeedStateCaptions) {
    const std::pair<double, const char*> cases[] = {{-0.1, "Superheated vapor"},
                                                    {0, "Saturated vapor at its dew point"},
                                                    {0.5, "Vapor-liquid mixture"},
                                                    {1, "Saturated liquid at its bubble point"},
                                                    {1.2, "Subcooled liquid"}};
    for (const auto& [q, caption] : cases) EXPECT_EQ(FeedStateCaption(q, "ENG"), caption) << q;
    EXPECT_EQ(FeedStateCaption(1, "ESP"), "Líquido saturado en su punto de burbuja");
    EXPECT_EQ(FeedStateCaption(1, "DEU"), "");
}

} // namespace
} // namespace zorvek
