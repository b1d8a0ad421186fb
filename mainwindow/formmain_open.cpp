// FormMain and files from outside: the files named on the command line and those dropped on the
// window. A case (*.mct, or any other name) opens as "Open" does, a table (*.vle) opens in the table
// editor; a missing or unreadable file, or more than one, gets a clear message and nothing is lost.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "appstate.h"
#include "desktoptexts.h"
#include "files.h"
#include "formmain.h"
#include "seams.h"

namespace zorvek {

namespace {

bool IsTableFile(const QString& path) {
    return QFileInfo(path).suffix().compare("vle", Qt::CaseInsensitive) == 0;
}

bool IsCaseFile(const QString& path) {
    return QFileInfo(path).suffix().compare("mct", Qt::CaseInsensitive) == 0;
}

// The local case and table files a drag carries.
QStringList DroppedFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && (IsCaseFile(path) || IsTableFile(path))) files << path;
    }
    return files;
}

} // namespace

void FormMain::AcceptFileDrag(QDropEvent* event) {
    if (DroppedFiles(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void FormMain::dragEnterEvent(QDragEnterEvent* event) {
    AcceptFileDrag(event);
}

void FormMain::dropEvent(QDropEvent* event) {
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    OpenFiles(files, true);
}

void FormMain::OpenFiles(const QStringList& paths, bool promptFirst) {
    if (paths.isEmpty()) return;
    const QString path = QFileInfo(paths.front()).absoluteFilePath();
    if (paths.size() > 1) {
        const MessageRequest request{MsgIcon::Information, MsgButtons::Ok, "ZORVEK",
                                     desktoptext::SeveralFiles(path, paths.mid(1))};
        seams().messageBox(this, request);
    }
    if (!QFileInfo::exists(path)) {
        ShowError(this, desktoptext::FileNotFound(path));
        return;
    }
    // Read as the open commands read it (a folder, a pipe, a device or a huge file is refused, never
    // waited on), so that the reason can be given before anything changes.
    QString content;
    FileError error;
    if (!ReadTextFile(path, content, &error)) {
        ShowError(this, desktoptext::FileUnreadable(path, error.code, error.description));
        return;
    }
    if (IsTableFile(path)) {
        // A table does not replace the case: it is one more change of it, made in the editor.
        EditTableFile(path);
        return;
    }
    // The save-changes prompt of the open command (the one the close check runs).
    if (promptFirst && !Form_QueryUnload()) return;
    Abrir(path);
}

} // namespace zorvek
