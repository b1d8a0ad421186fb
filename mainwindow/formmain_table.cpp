// FormMain and the equilibrium table: the modal editor and what its outcome does to the model, and the
// dense tables built from the accepted table.
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "appstate.h"
#include "casehistory.h"
#include "formmain.h"
#include "formxyinput.h"

namespace zorvek {

void FormMain::EditarTABLA_ELV() {
    EditTableFile(QString());
}

void FormMain::EditTableFile(const QString& tablePath) {
    EditTable([&tablePath](FormXYinput& editor) {
        // Read once the editor is up, so that its messages stand over it.
        if (!tablePath.isEmpty())
            QTimer::singleShot(0, &editor, [&editor, tablePath] { editor.OpenTableFile(tablePath); });
    });
}

void FormMain::EditTable(const std::function<void(FormXYinput&)>& prepare) {
    const CaseStep step(*this, CaseStepKind::Table);
    FormXYinput editor(this);
    editor.Load(TablaELV, Text16->text(), Text17->text());
    if (prepare) prepare(editor);
    editor.exec();
    const FormXYinput::EditorOutcome& outcome = editor.Outcome();
    // OK turns the table model off; only an accepted table turns it on again.
    if (outcome.okPressed) TableMode = false;
    if (outcome.accepted) {
        TablaELV = outcome.table;
        Text16->setText(outcome.nameA);
        Text17->setText(outcome.nameB);
        TableMode = true;
    }
    if (TableMode && TablaELV.LastPointIndex != -1) {
        CrearSuperTABLA_ELV();
        // The components menu and a table file given from outside open the editor from the alpha
        // layout too: the panel shows the model in use, and a save records it.
        if (outcome.accepted && !OptTAB->isChecked()) {
            OptTAB->setChecked(true);
            OptTAB_Click();
        }
        // The language operation re-applies the captions and recomputes and redraws the design.
        if (appState().UiLanguage == "ESP") mnu_IDIOMA_ESP_Click();
        if (appState().UiLanguage == "ENG") mnu_IDIOMA_ENG_Click();
    } else {
        OptVOL->setChecked(true);
        OptVOL_Click();
        TableMode = false;
    }
    // A new table is a change of the case even when the names stay the same; the language operation
    // restores the flag it found, so this comes last.
    if (outcome.accepted) Modified = true;
}

void FormMain::CrearSuperTABLA_ELV() {
    // The checks of an accepted table rule out the failing operations (x = 0 or 1 only at the ends).
    FailureRecord failures;
    zorvek::CrearSuperTABLA_ELV(TablaELV, Dense, failures);
}

} // namespace zorvek
