#include "seams.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>

namespace zorvek {

namespace {

MsgAnswer RealMessageBox(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(parent);
    ConfigureMessageBox(box, request);
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return request.buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
    }
}

QString RealFileDialog(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    ConfigureFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

Seams MakeRealSeams() {
    Seams s;
    s.messageBox = RealMessageBox;
    s.fileDialog = RealFileDialog;
    s.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    s.startDetached = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    return s;
}

} // namespace

Seams& seams() {
    static Seams instance = MakeRealSeams();
    return instance;
}

void installRealSeams() {
    seams() = MakeRealSeams();
}

void ShowError(QWidget* parent, const QString& text) {
    seams().messageBox(parent,
                       MessageRequest{MsgIcon::Warning, MsgButtons::Ok, QStringLiteral("Error"), text});
}

QString QtFilterFromPairs(const QString& pairs) {
    const QStringList parts = pairs.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = QString(parts[i + 1]).replace(';', ' ').split(' ', Qt::SkipEmptyParts);
        // "*.*" means every file, as it does elsewhere; here it would hide the names without a dot.
        for (QString& pattern : patterns)
            if (pattern == "*.*") pattern = "*";
        // Qt reads the patterns from the last parentheses and, with the details hidden, shows the
        // description before them exactly as given.
        filters << parts[i] + " (" + patterns.join(' ') + ")";
    }
    return filters.join(";;");
}

void ConfigureMessageBox(QMessageBox& box, const MessageRequest& request) {
    switch (request.icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    box.setWindowTitle(request.title);
    box.setText(request.text);
    switch (request.buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
}

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(request.title);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(QtFilterFromPairs(request.filter).split(";;", Qt::SkipEmptyParts));
    dialog.setDirectory(request.folder);
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
        if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
}

} // namespace zorvek
