// FormMain's Equilibrium menu: the components dialog over the main window; "Use" opens the table
// editor holding the generated points and names as if typed, so that OK accepts them through the
// editor's own checks and the main window's usual path (dense tables, table model, modified case).
// Cancel in the dialog changes nothing.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "formcomponents.h"
#include "formmain.h"
#include "formxyinput.h"

namespace zorvek {

void FormMain::CreateEquilibriumMenu() {
    // Its captions come with the window's others (MainWindowCaptions) when the language is applied.
    mnu_Equilibrio = new QMenu("E&quilibrium", this);
    menuBar()->insertMenu(mnu_OPCIONES->menuAction(), mnu_Equilibrio);
    mnu_Equilibrio->setObjectName("mnu_Equilibrio");
    mnu_Equilibrio_COMPONENTES = mnu_Equilibrio->addAction("&Components...");
    mnu_Equilibrio_COMPONENTES->setObjectName("mnu_Equilibrio_COMPONENTES");
    connect(mnu_Equilibrio_COMPONENTES, &QAction::triggered, this,
            &FormMain::mnu_Equilibrio_COMPONENTES_Click);
}

void FormMain::mnu_Equilibrio_COMPONENTES_Click() {
    FormComponents::Choice choice;
    if (!ChooseComponents(this, Text16->text(), Text17->text(), choice)) return;
    EditTable([&choice](FormXYinput& editor) {
        editor.PutGeneratedTable(choice.points, choice.nameA, choice.nameB);
    });
}

} // namespace zorvek
