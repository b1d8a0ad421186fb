#include "summary.h"

#include "numtext.h"

namespace zorvek {

std::string ResultsSummaryText(const ReportFields& f) {
    const std::string crlf = "\r\n";
    const auto L = [&](const std::string& esp, const std::string& eng) {
        return Lang(f.UiLanguage, esp, eng);
    };
    const std::string A = TrimBlanks(f.Text16);
    const std::string B = TrimBlanks(f.Text17);
    const std::string E = TrimBlanks(f.Text15);

    std::string s = L("Destilación de mezcla binaria ", "Distillation of a binary feed");
    if (!A.empty() && !B.empty()) {
        s += L(" de ", " of ") + A + " - " + B + crlf;
        s += L("Fracciones molares referidas a ", "Mole fractions are the ") + A +
             L(" (componente más volátil).", " (most volatile component).") + crlf;
    } else {
        s += crlf +
             L("Fracciones molares referidas al componente más volátil.",
               "Mole fractions are the most volatile component.") +
             crlf;
    }
    s += crlf + L("Fracciones molares de las corrientes:", "Mole fractions:") + crlf;
    s += L("Alimentación: Zf = ", "Feed:        Zf = ") + f.Text3 + crlf;
    s += L("Destilado:    Xd = ", "Distillate:  Xd = ") + f.Text4 + crlf;
    s += L("Fondos:       Xb = ", "Bottoms:     Xb = ") + f.Text5 + crlf + crlf;
    s += L("Parámetro de estado térmico de la alimentación:", "Parameter of thermal state of feed:") + crlf +
         L("q= ", "q = ") + f.Text2 + crlf + crlf;
    s += L("Relación de reflujo:", "Reflux ratio:") + crlf + "R = L/D = " + f.Text6 + crlf + crlf;
    s += L("Eficiencia global:", "Overall plate efficiency:") + crlf + "E = " + f.Text15 + crlf + crlf;
    s += L("Equilibrio líquido vapor:", "VLE: Vapor-Liquid Equilibrium:") + crlf;
    if (!f.TableMode) {
        s += L("Volatilidad relativa:", "Relative volatility:") + crlf + L("Alfa = ", "Alpha = ") + f.Text1 +
             crlf + crlf;
    } else if (f.LastPointIndex > 0) {
        s += f.EquilibriumListing + crlf;
    }
    s += L("Recta q:", "q-Line:") + crlf + f.Text(kText8QLine) + crlf + crlf;
    s += L("Recta operativa de enriquecimiento:", "Enriching operating line:") + crlf +
         f.Text(kText9Enriching) + crlf + crlf;
    s += L("Recta operativa de agotamiento:", "Exhausting operating line:") + crlf +
         f.Text(kText10Exhausting) + crlf + crlf;
    s += L("Punto de corte de la recta q y las rectas operativas:",
           "Intersection of q-line and the operating lines:") +
         crlf + f.Text(kText11QPoint) + crlf + crlf;
    s += L("Punto de corte de la recta q y la curva de equilibrio:",
           "Intersection of q-line and the VLE curve:") +
         crlf + f.Text(kText12Pinch) + crlf + crlf;
    s += L("Relación de reflujo mínima", "Minimum reflux ratio:") + crlf + "Rmin = " + f.Text(kText7Rmin) +
         crlf + crlf;
    s += L("Número del plato de entrada de la alimentación (eficiencia de ",
           "Number of the feed plate (for overall plate efficiency = ") +
         E + "):" + crlf + "NF = " + TrimBlanks(f.Text(kText13FeedPlate)) +
         L(" (contando desde arriba)", " (counting from the top)") + crlf + crlf;
    s += L("Número TOTAL de platos teóricos (eficiencia de 1):",
           "Number of Theoretical Plates (for overall plate efficiency = 1):") +
         crlf + "NPT = " + FormatSignificant(f.NPT, 5, f.DecimalSymbol) +
         L(" (contando el rehervidor)", " (with reboiler)") + crlf + crlf;
    if (E != "1") {
        s += L("Número TOTAL de platos teóricos (eficiencia de ",
               "Number of Theoretical Plates (for overall plate efficiency = ") +
             E + "):" + crlf + "NPT = " + TrimBlanks(f.Text(kText14Plates)) +
             L(" (contando el rehervidor)", " (with reboiler)") + crlf + crlf;
    }
    s += crlf;
    return s;
}

} // namespace zorvek
