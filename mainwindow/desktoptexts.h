// The main window's texts of undo and redo, zoom, the diagram export, opening files from the command
// line or a drop, and the recent cases, in Spanish and English ("" for any other interface language).
// The fixed captions of these menus are in the window's caption set (shell/captions.cpp).
#pragma once
#include <QString>
#include <QStringList>

#include "casehistory.h"

namespace zorvek::desktoptext {

// What a step of the history changed: "drag of xD", "change of the name of A", "opening of case.mct".
QString StepDescription(CaseStepKind kind, int detail, const QString& fileName = QString());
// "&Undo" / "&Deshacer" and "&Redo" / "&Rehacer", followed by the step's description when there is one.
QString UndoCaption(const QString& description);
QString RedoCaption(const QString& description);

// Messages: a file that does not exist, one that cannot be read, several files at once, a recent case
// that has gone, a picture that cannot be written.
QString FileNotFound(const QString& path);
QString FileUnreadable(const QString& path, int code, const QString& description);
QString SeveralFiles(const QString& opened, const QStringList& notOpened);
QString RecentCaseMissing(const QString& path);
QString ExportFailed(const QString& path, int code, const QString& description);

// The export dialogs.
QString ExportDialogTitle();
QString ExportFilter(); // "description|pattern|..." with PNG first
QString SizeDialogTitle();
QString SizeWidth();
QString SizeHeight();
QString SizeUnits();
QString OkButton();
QString CancelButton();

} // namespace zorvek::desktoptext
