#include "captions.h"

#include "appstate.h"
#include "makerinfo.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QWidget>
#include <array>

namespace zorvek {

namespace {

constexpr const char* kHomePageEntry = "mnu_Ayuda_WEB";

QString Choose(const char* esp, const char* eng) {
    return Tr(QString::fromUtf8(esp), QString::fromUtf8(eng));
}

bool SetCaption(QObject* target, CaptionKind kind, const QString& text) {
    if (kind == CaptionKind::ToolTip) {
        if (auto* widget = qobject_cast<QWidget*>(target))
            widget->setToolTip(text);
        else if (auto* action = qobject_cast<QAction*>(target))
            action->setToolTip(text);
        else
            return false;
        return true;
    }
    if (auto* menu = qobject_cast<QMenu*>(target))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(target))
        action->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(target))
        label->setText(text);
    else if (target->metaObject()->indexOfProperty("text") >= 0)
        target->setProperty("text", text);
    else
        return false;
    return true;
}

// The named control of window, looking through menus but not into other windows (a dialog that the
// window owns has controls of the same names).
QObject* FindControl(QObject* root, const QString& name) {
    QList<QObject*> level = root->children();
    while (!level.isEmpty()) {
        QList<QObject*> next;
        for (QObject* child : level) {
            if (child->objectName() == name) return child;
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget)) continue;
            next += child->children();
        }
        level = next;
    }
    return nullptr;
}

} // namespace

const std::vector<Caption>& MainWindowCaptions() {
    using K = CaptionKind;
    static const std::vector<Caption> captions = {
        {"", K::Title,
         "Diseño de columnas de destilación fraccionada de mezclas binarias por el método McCabe-Thiele",
         "Design of distillation columns for binary mixtures. Number of Theoretical Plates by McCabe-Thiele "
         "method"},
        {"mnu_Archivo", K::Text, "&Archivo", "&File"},
        {"mnu_Archivo_CALC", K::Text, "&Calcular", "&Calculate"},
        {"mnu_Archivo_PRINT", K::Text, "&Imprimir...", "&Print..."},
        {"mnu_Archivo_PDF", K::Text, "Exportar PDF...", "Export PDF..."},
        {"mnu_Archivo_Salir", K::Text, "&Salir", "&Exit"},
        {"mnu_Archivo_OPEN", K::Text, "&Abrir...", "&Open..."},
        {"mnu_Archivo_SAVE", K::Text, "&Guardar", "&Save"},
        {"mnu_Archivo_SAVEAS", K::Text, "Guardar como...", "Save &as..."},
        {"mnu_OPCIONES", K::Text, "&Opciones", "&Options"},
        {"mnu_Decimal_SEP", K::Text, "Separador decimal", "&Decimal separator"},
        {"mnu_Decimal_SEP_COM", K::Text, "[ , ] Coma", "[ , ] &Comma"},
        {"mnu_Decimal_SEP_DOT", K::Text, "[ . ] Punto", "[ . ] &Point"},
        {"mnu_Analisis", K::Text, "A&nálisis", "A&nalysis"},
        {"mnu_Analisis_VENTANA", K::Text, "&Análisis de la columna...", "Column &analysis..."},
        {"mnu_Ver_PINCH", K::Text, "Recta de reflujo &mínimo real", "True &minimum reflux line"},
        {"mnu_Ver_TOTAL", K::Text, "Escalera a reflujo &total", "&Total-reflux staircase"},
        {"mnu_Ver_MURPHREE", K::Text, "Curva de pseudoequilibrio de M&urphree y su escalera",
         "M&urphree pseudo-equilibrium curve and staircase"},
        {"mnu_Ayuda", K::Text, "Ay&uda", "&Help"},
        {"mnu_Ayuda_Manual", K::Text, "&Manual del usuario (documento PDF)...",
         "User's &Manual (PDF document)..."},
        {kHomePageEntry, K::Text, "Página web: ", "Home &page: "},
        {"mnu_Ayuda_Acerca", K::Text, "Acerca de...", "&About..."},
        {"LabelB_0", K::Text, "Calcular", "Calculate"},
        {"LabelB_1", K::Text, "Borrar", "Clear"},
        {"LabelB_2", K::Text, "Ver informe", "View report"},
        {"LabelB_3", K::Text, "Editar tabla...", "Edit VLE table..."},
        {"Label1_27", K::Text, "Especie más volátil:", "Most volatile component"},
        {"Label1_28", K::Text, "Especie menos volátil:", "Less volatile component"},
        {"Label1_29", K::Text, "Equilibrio líquido-vapor:", "Vapor-liquid equilibrium:"},
        {"OptVOL", K::Text, "Volatilidad relativa", "Relative volatility"},
        {"OptTAB", K::Text, "Tabla", "VLE Table"},
        {"Label1_0", K::Text, "Volatilidad relativa", "Relative volatility"},
        {"Label1_30", K::Text, "Equilibrio líquido-vapor", "Vapor-liquid equilibrium"},
        {"Label1_12", K::Text, "Alfa =", "Alpha ="},
        {"Label1_1", K::Text, "Estado térmico: Parámetro q", "Thermal state: Parameter q"},
        {"Label1_2", K::Text, "Fracción molar alimentación", "Mole fraction in feed"},
        {"Label1_3", K::Text, "Fracción molar destilado", "Mole fraction in distillate"},
        {"Label1_4", K::Text, "Fracción molar fondos", "Mole fraction in bottoms"},
        {"Label1_5", K::Text, "Relación de reflujo", "Reflux ratio"},
        {"Label1_19", K::Text, "Relación de reflujo mínima", "Minimum reflux ratio"},
        {"Label1_14", K::Text, "Eficiencia de plato global", "Overall plate efficiency"},
        {"Label1_17", K::Text, "Nº del plato alimentación (contando desde arriba)",
         "Number of the feed plate (from top)"},
        {"Label1_13", K::Text, "Nº de platos teóricos (contando el rehervidor)",
         "Number of theoretical plates (with reboiler)"},
        {"Label1_24", K::Text, "NPT =", "NTP ="},
        {"Label2_0", K::ToolTip, "Fracción molar en fondos", "Mole fraction in bottoms"},
        {"Label2_1", K::ToolTip, "Punto q: Intersección de la línea q con las rectas operativas",
         "Point q: Intersection of q-line and the operating lines"},
        {"Label2_2", K::ToolTip, "Fracción molar en destilado", "Mole fraction in distillate"},
        {"Label2_3", K::ToolTip, "Fracción molar en alimentación", "Mole fraction in feed"},
        // Edit and View menus, recent cases and diagram export.
        {"mnu_Edicion", K::Text, "&Edición", "&Edit"},
        {"mnu_Edicion_COPYDIAGRAM", K::Text, "&Copiar diagrama", "&Copy diagram"},
        {"mnu_Ver", K::Text, "&Ver", "&View"},
        {"mnu_Ver_ZOOMIN", K::Text, "&Acercar", "Zoom &in"},
        {"mnu_Ver_ZOOMOUT", K::Text, "A&lejar", "Zoom &out"},
        {"mnu_Ver_ZOOMALL", K::Text, "&Diagrama completo", "&Whole diagram"},
        {"mnu_Archivo_RECENT", K::Text, "Casos &recientes", "&Recent cases"},
        {"mnu_Archivo_RECENT_CLEAR", K::Text, "&Vaciar la lista", "&Clear list"},
        {"mnu_Archivo_EXPORTDIAGRAM", K::Text, "Exportar &diagrama...", "Export &diagram..."},
        // The entry fields with their valid ranges.
        {"Text1", K::ToolTip, "Volatilidad relativa: alfa > 1", "Relative volatility: alpha > 1"},
        {"Text2", K::ToolTip, "Parámetro q: cualquier número (q = 0 vapor saturado, q = 1 líquido saturado)",
         "Parameter q: any number (q = 0 saturated vapor, q = 1 saturated liquid)"},
        {"Text3", K::ToolTip, "Fracción molar en alimentación: 0 < zF < 1, con xB < zF < xD",
         "Mole fraction in feed: 0 < zF < 1, with xB < zF < xD"},
        {"Text4", K::ToolTip, "Fracción molar en destilado: zF < xD < 1",
         "Mole fraction in distillate: zF < xD < 1"},
        {"Text5", K::ToolTip, "Fracción molar en fondos: 0 < xB < zF",
         "Mole fraction in bottoms: 0 < xB < zF"},
        {"Text6", K::ToolTip, "Relación de reflujo R = L/D: R > Rmin (mayor que la mínima)",
         "Reflux ratio R = L/D: R > Rmin (above the minimum)"},
        {"Text15", K::ToolTip, "Eficiencia de plato global: 0 < E ≤ 1",
         "Overall plate efficiency: 0 < E ≤ 1"},
        {"Text16", K::ToolTip, "Nombre del componente más volátil A (opcional)",
         "Name of the more volatile component A (optional)"},
        {"Text17", K::ToolTip, "Nombre del componente menos volátil B (opcional)",
         "Name of the less volatile component B (optional)"},
    };
    return captions;
}

QString CaptionText(const Caption& caption) {
    QString text = Choose(caption.esp, caption.eng);
    if (text.isEmpty()) return text;
    if (caption.kind == CaptionKind::Title && &caption == &MainWindowCaptions().front())
        text = QString(kMakerName) + " - " + text;
    if (QLatin1String(caption.objectName) == QLatin1String(kHomePageEntry))
        text += (appState().Spanish() ? MakerWebSpanish() : MakerWebEnglish()) + "...";
    return text;
}

int ApplyCaptions(QWidget* window, std::span<const Caption> captions) {
    if (!window) return 0;
    int applied = 0;
    for (const Caption& caption : captions) {
        const QString text = CaptionText(caption);
        if (caption.objectName[0] == '\0') {
            window->setWindowTitle(text);
            ++applied;
            continue;
        }
        QObject* target = FindControl(window, QString::fromLatin1(caption.objectName));
        if (target && SetCaption(target, caption.kind, text)) ++applied;
    }
    return applied;
}

QString TranslateComponentName(const QString& text, const QString& newLanguage) {
    struct Pair {
        const char* esp;
        const char* eng;
    };
    static constexpr std::array<Pair, 4> kPairs = {
        {{"agua", "water"}, {"etanol", "ethanol"}, {"benceno", "benzene"}, {"tolueno", "toluene"}}};
    const bool toSpanish = newLanguage == "ESP";
    const bool toEnglish = newLanguage == "ENG";
    QString result = text;
    for (const Pair& pair : kPairs) {
        if (toSpanish && result.toLower() == QLatin1String(pair.eng)) result = pair.esp;
        if (toEnglish && result.toLower() == QLatin1String(pair.esp)) result = pair.eng;
    }
    return result;
}

} // namespace zorvek
