#include "xycaptions.h"

#include "appstate.h"

namespace zorvek {

XYCaptions CurrentXYCaptions() {
    XYCaptions c;
    c.title = Tr("Tabla de equilibrio Líquido-Vapor", "VLE: Vapor-Liquid Equilibrium table");
    c.buttons = {Tr("Aceptar", "Ok"),
                 Tr("Cancelar", "Cancel"),
                 Tr("Borrar tabla", "Clear table"),
                 Tr("Abrir...", "Open..."),
                 Tr("Guardar como...", "Save as..."),
                 Tr("Cortar tabla", "Cut table"),
                 Tr("Copiar tabla", "Copy table"),
                 Tr("Pegar tabla", "Paste table")};
    c.explainX = Tr("X: Fracción molar del componente más volátil en fase líquida.",
                    "X: Mole fraction of most volatile component in liquid phase.");
    c.explainY = Tr("Y: Fracción molar del componente más volátil en equilibrio en fase vapor.",
                    "Y: Mole fraction of most volatile component in vapor phase.");
    c.openTitle = Tr("Abrir", "Open");
    c.openFilter = Tr("Archivo de tabla de datos (*.vle)|*.vle|Archivo de McCabe-Thiele (*.mct)|*.mct|"
                      "Todos los archivos (*.*)|*.*",
                      "Data table file (*.vle)|*.vle|McCabe-Thiele file (*.mct)|*.mct|All files (*.*)|*.*");
    c.saveTitle = Tr("Guardar como", "Save as");
    c.saveFilter = Tr("Archivo de tabla de datos (*.vle)|*.vle|Todos los archivos (*.*)|*.*",
                      "Data table file (*.vle)|*.vle|All files (*.*)|*.*");
    c.saveFailed = Tr("ERROR: No se pudo guardar la tabla:", "ERROR: Unable to save the file:");
    c.components = Tr("Componentes...", "Components...");
    return c;
}

} // namespace zorvek
