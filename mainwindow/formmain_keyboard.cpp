// FormMain's keyboard: the tab order through the entry fields as they stand on the panel (names, the
// model, then each column top to bottom, left before right), the read-only results left out of it,
// and the shortcuts of the menu entries.
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>

#include "diagramview.h"
#include "formmain.h"

namespace zorvek {

void FormMain::SetUpKeyboard() {
    // The results can still be clicked into (to select and copy them), but Tab passes them by.
    for (int n = 7; n <= 14; ++n) TextFields[n]->setFocusPolicy(Qt::ClickFocus);
    // The diagram takes the focus for Ctrl+C and the arrow keys of a zoomed view.
    Picture1->setFocusPolicy(Qt::StrongFocus);
    const QList<QWidget*> order = {Text16, Text17, OptVOL, OptTAB, Text1, Text2,
                                   Text3,  Text6,  Text4,  Text15, Text5, Picture1};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);

    mnu_Archivo_OPEN->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnu_Archivo_SAVE->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnu_Archivo_SAVEAS->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnu_Archivo_PRINT->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnu_Archivo_Salir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnu_Archivo_CALC->setShortcut(QKeySequence(Qt::Key_F5));
    mnu_Ayuda_Manual->setShortcut(QKeySequence(Qt::Key_F1));
    mnu_Edicion_UNDO->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnu_Edicion_REDO->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnu_Edicion_COPYDIAGRAM->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnu_Ver_ZOOMIN->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mnu_Ver_ZOOMOUT->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    mnu_Ver_ZOOMALL->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
}

} // namespace zorvek
