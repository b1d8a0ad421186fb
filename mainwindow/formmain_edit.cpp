// FormMain's Edit menu: undo and redo of the case through its history, with captions that say what
// they undo, and the diagram copied to the clipboard as an image, as the screen shows it.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "casehistory.h"
#include "diagramexport.h"
#include "diagramview.h"
#include "formmain.h"

namespace zorvek {

void FormMain::mnu_Edicion_UNDO_Click() {
    History->Undo();
    RefreshEditActions();
}

void FormMain::mnu_Edicion_REDO_Click() {
    History->Redo();
    RefreshEditActions();
}

void FormMain::RefreshEditActions() {
    if (!History || !mnu_Edicion_UNDO) return;
    mnu_Edicion_UNDO->setText(History->UndoCaption());
    mnu_Edicion_REDO->setText(History->RedoCaption());
    mnu_Edicion_UNDO->setEnabled(History->CanUndo());
    mnu_Edicion_REDO->setEnabled(History->CanRedo());
}

void FormMain::mnu_Edicion_COPYDIAGRAM_Click() {
    // The diagram's size on the screen, sharp at the screen's pixel density.
    const double ratio = Picture1->devicePixelRatioF();
    const QSize pixels = (QSizeF(Picture1->size()) * ratio).toSize();
    const QImage image = ScreenDiagramImage(pixels, ratio);
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(image);
}

} // namespace zorvek
