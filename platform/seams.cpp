#include "seams.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>

namespace zorvek {

namespace {

MsgAnswer RealMessageBox(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(parent);
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
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return request.buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
    }
}

QString RealFileDialog(QWidget* parent, const FileDialogRequest& request) {
    const QString filter = QtFilterFromPairs(request.filter);
    if (request.save) {
        QFileDialog::Options options;
        if (!request.overwritePrompt) options |= QFileDialog::DontConfirmOverwrite;
        QString start = request.folder;
        if (!request.fileName.isEmpty()) start = request.folder.isEmpty() ? request.fileName
                                                                          : request.folder + "/" + request.fileName;
        return QFileDialog::getSaveFileName(parent, request.title, start, filter, nullptr, options);
    }
    return QFileDialog::getOpenFileName(parent, request.title, request.folder, filter);
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

void installRealSeams() { seams() = MakeRealSeams(); }

void ShowError(QWidget* parent, const QString& text) {
    seams().messageBox(parent, MessageRequest{MsgIcon::Warning, MsgButtons::Ok, QStringLiteral("Error"), text});
}

QString QtFilterFromPairs(const QString& pairs) {
    const QStringList parts = pairs.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        // Qt reads the patterns from the parentheses; keep the description readable.
        if (!description.contains('(')) description += " (" + patterns + ")";
        else if (!description.contains(patterns)) description += " (" + patterns + ")";
        filters << description;
    }
    return filters.join(";;");
}

} // namespace zorvek
