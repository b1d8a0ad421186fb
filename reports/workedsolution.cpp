#include "workedsolution.h"

#include "markupsignificant.h"

namespace zorvek {

namespace {

// The texts of one language. Sections follow the order of a solved textbook exercise.
struct Texts {
    const char* title;
    const char* binaryFeed;
    const char* of;
    const char* moleFractionsOf;
    const char* mostVolatile;
    const char* noNames;
    const char* moleFractions;
    const char* feed;
    const char* distillate;
    const char* bottoms;
    const char* thermalState;
    const char* reflux;
    const char* efficiency;
    const char* calculate;
    const char* vle;
    const char* relVolatility;
    const char* where;
    const char* s1Title;
    const char* s1Body;
    const char* s2Title;
    const char* s2Body;
    const char* s3Title;
    const char* s3Body;
    const char* s3Solution;
    const char* s4Title;
    const char* s4Body;
    const char* s5Title;
    const char* s6Title;
    const char* s6Body;
    const char* s6Slope;
    const char* s6SlopeEnd;
    const char* s6SoThat;
    const char* s7Title;
    const char* s7Explanation; // the solution's extra explanation of the stepping; empty: none
    const char* s8Title;
    const char* countingFromTop;
    const char* s9Title;
    const char* withReboiler;
    const char* s10Title;
    const char* s10Plates;
};

constexpr Texts kEnglish{
    "&+BNumber of Theoretical Plates by McCabe-Thiele method.&-B&LF",
    "Distillation of a binary feed",
    " of ",
    "Mole fractions are the ",
    " (most volatile component).&LF",
    ". Mole fractions are the most volatile component.&LF",
    "Mole fractions:&LF",
    "    Feed:      &SP=18:&+Iz&-I_F = ",
    "    Distillate:&SP=18:&+Ix&-I_D = ",
    "    Bottoms:   &SP=18:&+Ix&-I_B = ",
    "Parameter of thermal state of feed:&LF",
    "Reflux ratio:&LF",
    "Overall plate efficiency:&LF",
    "Calculate:&SP=12:&+Ba)&-B Minimum reflux ratio.&LF &SP=12:&+Bb)&-B& Number of the feed plate.&LF "
    "&SP=12:&+Bc)&-B& Number of Theoretical Plates.&LF&LF",
    "VLE: Vapor-Liquid Equilibrium:&LF",
    "Relative volatility:  &alfa = ",
    "Where:  ",
    "&+Iq&-I-Line:&LF",
    "The equation of &+Iq&-I-Line is given below:&LF"
    "&+Iy = #COC(q#N)(q - 1#COC)x - #COC(&+Iz&-I_F&+I#N)(q - 1#COC)&-I&LF"
    "We replace the value of &+Iq&-I parameter and mole fraction of feed &+Iz&-I_F to yield:&LF",
    "Enriching operating line:&LF",
    "The equation of enriching operating line is given below:&LF"
    "    &+Iy = #COC(R#N)(R + 1#COC)x + #COC(&+Ix&-I_D&+I#N)(R + 1#COC)&-I&LF"
    "We replace the value of reflux ratio &+IR&-I and mole fraction of distillate &+Ix&-I_D to yield:&LF",
    "Intersection of &+Iq&-I-Line and enriching operating line:&LF",
    "We solve the system of equations of &+Iq&-I-Line and enriching operating line:&LF",
    "#RW2)#RWS)#NES)    and its solution is &+Iq(x&-I_q, &+Iy&-I_q):&LF",
    "Exhausting operating line:&LF",
    "The exhausting operating line passes through the point of bottoms composition (&+Ix&-I_B, &+Ix&-I_B) "
    "and the point &+Iq(x&-I_q,& &+Iy&-I_q):&LF",
    "Intersection of &+Iq&-I-Line and the Vapor-Liquid Equilibrium curve (VLE):&LF",
    "Minimum reflux ratio:&LF",
    "The minimum reflux ratio &+IR&-I_m_i_n occurs if the enriching operating line passes through the point "
    "of distillate composition (&+Ix&-I_D, &+Ix&-I_D) and the point (&+Ix&-I_m, &+Iy&-I_m).&LF",
    "For these points the slope of enriching operating line is "
    "#COC(&+IR&-I_m_i_n&+I#N)(&+IR&-I_m_i_n&+I + 1#COC) = ",
    "&LF",
    "So that:    &+IR&-I_m_i_n = ",
    "Theoretical stages. From top to bottom:&LF",
    "",
    "Number of the feed plate (for overall plate efficiency = ",
    " (counting from the top)&LF",
    "Number of Theoretical Plates (for overall plate efficiency = 1):&LF    &+INPT&-I = ",
    " (with reboiler)&LF",
    "Number of Theoretical Plates (for overall plate efficiency = ",
    "    &+INPT&-I = ",
};

constexpr Texts kSpanish{
    "&+BNúmero de platos teóricos por el método de McCabe-Thiele.&-B&LF",
    "Destilación de mezcla binaria",
    " de ",
    "Fracciones molares referidas a ",
    " (componente más volátil).&LF",
    ". Fracciones molares referidas al componente más volátil.&LF",
    "Fracciones molares de las corrientes:&LF",
    "    Alimentación: &SP=18:&+Iz&-I_F = ",
    "    Destilado:    &SP=18:&+Ix&-I_D = ",
    "    Fondos:       &SP=18:&+Ix&-I_B = ",
    "Parámetro de estado térmico de la alimentación:&LF",
    "Relación de reflujo:&LF",
    "Eficiencia global:&LF",
    "Calcular:&SP=12:&+Ba)&-B Relación de reflujo mínima.&LF &SP=12:&+Bb)&-B& Número del plato de "
    "alimentación.&LF &SP=12:&+Bc)&-B& Número de platos teóricos.&LF&LF",
    "Equilibrio líquido vapor:&LF",
    "Volatilidad relativa:  &alfa = ",
    "Siendo:  ",
    "Recta &+Iq&-I:&LF",
    "La expresión de la recta &+Iq&-I viene dada por  "
    "&+Iy = #COC(q#N)(q - 1#COC)x - #COC(&+Iz&-I_F&+I#N)(q - 1#COC)&-I&LF"
    "Sustituyendo los valores del parámetro &+Iq&-I y la fracción molar de alimentación &+Iz&-I_F "
    "tenemos:&LF",
    "Recta operativa de enriquecimiento:&LF",
    "La recta operativa de enriquecimiento (R.O.E.) es de la forma:"
    "    &+Iy = #COC(R#N)(R + 1#COC)x + #COC(&+Ix&-I_D&+I#N)(R + 1#COC)&-I&LF"
    "Sustituyendo la relación de reflujo &+IR&-I y la fracción molar de destilado &+Ix&-I_D obtenemos:&LF   "
    " ",
    "Punto de corte de la recta &+Iq&-I y la recta operativa de enriquecimiento:&LF",
    "Resolvemos el sistema formado por la recta &+Iq&-I y la R.O.E.:&LF",
    "#RW2)#RWS)#NES)  cuya solución es el punto &+Iq(x&-I_q, &+Iy&-I_q):&LF",
    "Recta operativa de agotamiento:&LF",
    "La recta operativa de agotamiento (R.O.A.) pasa por el punto de la composición de la corriente de fondo "
    "(&+Ix&-I_B, &+Ix&-I_B) y por el punto &+Iq(x&-I_q,& &+Iy&-I_q):&LF",
    "Punto de corte de la recta &+Iq&-I y la curva de equilibrio:&LF",
    "Relación de reflujo mínima:&LF",
    "La relación de reflujo mínima &+IR&-I_m_i_n corresponde al caso en que la R.O. de enriquecimiento pasa "
    "por el punto de composición del destilado (&+Ix&-I_D, &+Ix&-I_D) y por el punto (&+Ix&-I_m, "
    "&+Iy&-I_m).&LF",
    "Con estos puntos la pendiente de la R.O.E. es #COC(&+IR&-I_m_i_n&+I#N)(&+IR&-I_m_i_n&+I + 1#COC) = ",
    ", de donde se obtiene:&LF",
    "    &+IR&-I_m_i_n = ",
    "Composición de los platos teóricos (de arriba a abajo):&LF",
    "Partimos del punto del destilado (&+Ix&-I_D, &+Ix&-I_D) trazando una línea horizontal hasta la "
    "curva "
    "de equilibrio. Desde este punto se traza una línea vertical hasta cortar a la R.O.E. Desde este punto "
    "se "
    "vuelve a trazar una línea horizontal hasta la curva de equilibrio. El proceso continúa hasta llegar al "
    "punto &+Iq&-I. A partir de este punto se usará la recta operativa de agotamiento R.O.A. El punto "
    "&+Iq&-I "
    "marca la posición del plato de alimentación.&LF"
    "Continuaremos trazando líneas con la recta operativa de agotamiento R.O.A. hasta llegar al plato "
    "inferior "
    "(rehervidor) con la composición de la corriente de fondos (&+Ix&-I_B, &+Ix&-I_B).&LF",
    "Número del plato de entrada de la alimentación (eficiencia de ",
    " (contando desde arriba)&LF",
    "Número total de platos teóricos (eficiencia de 1):&LF    &+INPT&-I = ",
    " (incluyendo el rehervidor)&LF",
    "Número total de platos teóricos (eficiencia de ",
    "    &+INPT &-I= ",
};

// Variables of an equation in italics, then the decimal symbol escaped.
std::string EquationText(const std::string& text, const std::string& dec) {
    return EscapeDecimal(ReplaceAll(ReplaceAll(text, "x", "&+Ix&-I"), "y", "&+Iy&-I"), dec);
}

std::string PointText(const std::string& text, const std::string& xName, const std::string& yName,
                      const std::string& sub, const std::string& dec) {
    return EscapeDecimal(ReplaceAll(ReplaceAll(text, xName, "&+Ix&-I_" + sub), yName, "&+Iy&-I_" + sub), dec);
}

WorkedSolution Compose(const Texts& t, const ReportFields& f, const std::string& imageName) {
    const std::string& dec = f.DecimalSymbol;
    const std::string A = TrimBlanks(f.Text16);
    const std::string B = TrimBlanks(f.Text17);
    const std::string E = TrimBlanks(f.Text15);
    const auto esc = [&](const std::string& s) { return EscapeDecimal(s, dec); };
    WorkedSolution w;

    // Statement.
    std::string& s = w.statement;
    s = std::string(t.title) + t.binaryFeed;
    if (!A.empty() && !B.empty())
        s += t.of + A + " - " + B + "&LF" + t.moleFractionsOf + A + t.mostVolatile;
    else
        s += t.noNames;
    s += t.moleFractions;
    s += t.feed + esc(f.Text3) + "&LF";
    s += t.distillate + esc(f.Text4) + "&LF";
    s += t.bottoms + esc(f.Text5) + "&LF";
    s += std::string(t.thermalState) + "    &+Iq&-I = " + f.Text2 + "  " + f.FeedState + "&LF";
    s += std::string(t.reflux) + "    &+IR = L/D = &-I" + f.Text6 + "&LF";
    s += std::string(t.efficiency) + "    &+IE = &-I" + f.Text15 + "&LF";
    s += t.calculate;
    s += t.vle;
    if (!f.TableMode) {
        s += t.relVolatility + f.Text1 + "&LF" + t.where +
             "&+Iy&-I = #COC(&alfa &+Ix&-I#N)(1 + (&alfa - 1) &+Ix&-I#COC);    &+Ix&-I = "
             "#COC(&+Iy&-I#N)(&alfa - (&alfa - 1) &+Iy&-I#COC)&LF&LF";
    } else if (f.LastPointIndex > 0) {
        s += f.EquilibriumListingMarkup + "&LF";
    }

    // Sections 1 to 5: title, explanation and result.
    const std::string qLine = EquationText(f.Text(kText8QLine), dec);
    const std::string enriching = EquationText(f.Text(kText9Enriching), dec);
    const auto section = [&](const std::string& title, const std::string& body, const std::string& result) {
        w.results += title + "    " + result + "&LF&LF";
        w.solution += title + body + "    " + result + "&LF&LF";
    };
    section(t.s1Title, t.s1Body, qLine);
    section(t.s2Title, t.s2Body, enriching);
    section(t.s3Title,
            std::string(t.s3Body) + "#NES(X}#RWS(R#RW1(" + qLine + "#RW1)#RW2(" + enriching + t.s3Solution,
            PointText(f.Text(kText11QPoint), "xq", "yq", "q", dec));
    section(t.s4Title, t.s4Body, EquationText(f.Text(kText10Exhausting), dec));
    section(t.s5Title, "", PointText(f.Text(kText12Pinch), "xm", "ym", "m", dec));

    // Section 6: minimum reflux ratio, then the diagram.
    const std::string rmin = esc(f.Text(kText7Rmin));
    const std::string t6 = std::string(t.s6Title) + "    &+IR&-I_m_i_n = " + rmin + "&LF";
    const std::string body6 = std::string(t.s6Title) + t.s6Body +
                              "    &+Iy = #COC(&+IR&-I_m_i_n&+I#N)(&+IR&-I_m_i_n&+I + 1#COC)x + "
                              "#COC(&+Ix&-I_D&+I#N)(&+IR&-I_m_i_n&+I + 1#COC)&-I&LF" +
                              t.s6Slope + MarkupSignificant(f.MinRefluxSlope, 5) + t.s6SlopeEnd + t.s6SoThat +
                              rmin + "&LF";
    w.answers += "&+Ba)&-B " + t6;
    w.results += t6 + "&LF";
    w.solution += body6 + "&LF";
    const std::string image = "#IMG('" + imageName + "'DXmm=130:DYmm=130:#IMG)&LF";
    w.results += image;
    w.solution += image;

    // Section 7: the stages.
    const std::string t7 = std::string(t.s7Title) + f.StageListingMarkup + "&LF";
    w.results += t7;
    w.solution += std::string(t.s7Title) + t.s7Explanation + f.StageListingMarkup + "&LF";

    // Section 8: feed plate.
    const std::string t8 =
        t.s8Title + E + "):&LF" + "    &+INF&-I = " + esc(f.Text(kText13FeedPlate)) + t.countingFromTop;
    w.answers += "&+Bb)&-B " + t8;
    w.results += t8 + "&LF";
    w.solution += t8 + "&LF";

    // Section 9: plates at efficiency 1, when the efficiency is not written "1".
    if (E != "1") {
        const std::string t9 = t.s9Title + MarkupSignificant(f.NPT, 5) + t.withReboiler;
        w.results += t9 + "&LF";
        w.solution += t9 + "&LF";
    }

    // Section 10: plates at efficiency E.
    const std::string t10 =
        t.s10Title + E + "):&LF" + t.s10Plates + esc(f.Text(kText14Plates)) + t.withReboiler;
    w.answers += "&+Bc)&-B " + t10;
    w.results += t10;
    w.solution += t10;
    return w;
}

} // namespace

std::string EscapeDecimal(const std::string& text, const std::string& decimalSymbol) {
    return ReplaceAll(text, decimalSymbol, "&.");
}

WorkedSolution HTFC_Informe_ENG(const ReportFields& f, const std::string& imageName) {
    return Compose(kEnglish, f, imageName);
}

WorkedSolution HTFC_Informe_ESP(const ReportFields& f, const std::string& imageName) {
    return Compose(kSpanish, f, imageName);
}

WorkedSolution ComposeWorkedSolution(const ReportFields& f, const std::string& imageName) {
    if (f.UiLanguage == "ESP") return HTFC_Informe_ESP(f, imageName);
    if (f.UiLanguage == "ENG") return HTFC_Informe_ENG(f, imageName);
    return {};
}

std::string ReportDocument(const std::string& decimalSymbol, const WorkedSolution& p) {
    const std::string crlf2 = "\r\n\r\n";
    return "#DEC(" + decimalSymbol + "#DEC)" + crlf2 + "#ENU(" + p.statement + "#ENU)" + crlf2 + "#SOL(" +
           p.answers + "#SOL)" + crlf2 + "#RS1(" + p.results + "#RS1)" + crlf2 + "#RS2(" + p.solution +
           "#RS2)";
}

} // namespace zorvek
