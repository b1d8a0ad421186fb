#include "componentstexts.h"

#include "appstate.h"

namespace zorvek {

ComponentsCaptions CurrentComponentsCaptions() {
    auto t = [](const char* esp, const char* eng) {
        return Tr(QString::fromUtf8(esp), QString::fromUtf8(eng));
    };
    ComponentsCaptions c;
    c.title = t("Equilibrio a partir de los componentes", "Equilibrium from components");
    c.componentA = t("Componente A (más volátil):", "Component A (more volatile):");
    c.componentB = t("Componente B:", "Component B:");
    c.filterHint = t("Nombre, fórmula o número CAS", "Name, formula or CAS number");
    c.pressure = t("Presión:", "Pressure:");
    c.model = t("Modelo:", "Model:");
    c.models = {t("Automático", "Automatic"), t("Ideal (ley de Raoult)", "Ideal (Raoult's law)"),
                t("NRTL (DECHEMA)", "NRTL (DECHEMA)"), t("UNIFAC original", "Original UNIFAC")};
    c.inUse = t("En uso: ", "In use: ");
    c.use = t("Usar", "Use");
    c.cancel = t("Cancelar", "Cancel");
    c.chooseBoth = t("Elija los dos componentes.", "Choose both components.");
    c.boilingPoint = t("hierve a", "boils at");
    c.minimumAzeotrope = t("Azeótropo de temperatura mínima", "Minimum-boiling azeotrope");
    c.maximumAzeotrope = t("Azeótropo de temperatura máxima", "Maximum-boiling azeotrope");
    c.noAzeotrope = t("Sin azeótropos", "No azeotropes");
    c.liquid = t("Líquido (x)", "Liquid (x)");
    c.vapour = t("Vapor (y)", "Vapour (y)");
    c.xyTitle = t("Curva x-y", "x-y curve");
    c.txyTitle = t("Diagrama T-x-y (°C)", "T-x-y diagram (°C)");
    return c;
}

} // namespace zorvek
