// FormMain's interface language and decimal separator: the two language operations with
// AjustaIDIOMA_GUI (Qt's own texts switch with them), and the comma and point operations. Neither kind
// of switch marks the case modified.
#include <QAction>
#include <QLineEdit>

#include "appstate.h"
#include "captions.h"
#include "formmain.h"
#include "qttranslations.h"

namespace zorvek {

namespace {

void SwitchLanguage(FormMain& w, const QString& language) {
    const bool wasModified = w.Modified;
    w.mnu_IDIOMA_ESP->setChecked(language == "ESP");
    w.mnu_IDIOMA_ENG->setChecked(language == "ENG");
    appState().UiLanguage = language;
    UseQtTranslations(language); // Qt's own buttons and dialogs follow
    w.AjustaIDIOMA_GUI();
    w.RefreshEditActions(); // the captions that name the next undo and redo
    if (!appState().UpdatingFields) {
        // Result texts and drawn legends in the new language.
        w.Calcular(FormMain::Canvas::Picture1);
        w.ReajustarCursores();
    }
    w.Modified = wasModified;
}

void SwitchDecimalSymbol(FormMain& w, const QString& symbol) {
    const bool wasModified = w.Modified;
    const QString other = symbol == "," ? "." : ",";
    w.mnu_Decimal_SEP_COM->setChecked(symbol == ",");
    w.mnu_Decimal_SEP_DOT->setChecked(symbol == ".");
    appState().DecimalSymbol = symbol;
    const bool wasUpdating = appState().UpdatingFields;
    appState().UpdatingFields = true;
    // A plain character replacement: a field may hold any text, so nothing is parsed.
    for (int n = 1; n <= 15; ++n) {
        QLineEdit* field = w.TextFields[n];
        if (field) FormMain::SetFieldText(field, QString(field->text()).replace(other, symbol));
    }
    appState().UpdatingFields = false;
    if (!wasUpdating) w.Calcular(FormMain::Canvas::Picture1);
    w.Modified = wasModified;
}

} // namespace

void FormMain::mnu_IDIOMA_ESP_Click() {
    SwitchLanguage(*this, "ESP");
}
void FormMain::mnu_IDIOMA_ENG_Click() {
    SwitchLanguage(*this, "ENG");
}
void FormMain::mnu_Decimal_SEP_COM_Click() {
    SwitchDecimalSymbol(*this, ",");
}
void FormMain::mnu_Decimal_SEP_DOT_Click() {
    SwitchDecimalSymbol(*this, ".");
}

void FormMain::AjustaIDIOMA_GUI() {
    const std::span<const Caption> captions = MainWindowCaptions();
    ApplyCaptions(this, captions.first(1)); // the window title
    const QString language = appState().UiLanguage;
    for (QLineEdit* name : {Text17, Text16}) {
        const QString translated = TranslateComponentName(name->text(), language);
        SetFieldText(name, translated);
    }
    ApplyCaptions(this, captions.subspan(1));
    // New axis titles in the new language, recomputed and drawn.
    Text16_Change();
}

} // namespace zorvek
