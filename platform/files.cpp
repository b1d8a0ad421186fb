#include "files.h"

#include "programfiles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <string>

#include "textfile.h"

namespace zorvek {

namespace {

// Paths as the file system spells them (UTF-8 here), texts as UTF-8.
std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void SetError(FileError* error, int code, const std::string& description) {
    if (error) *error = FileError{code, QString::fromStdString(description)};
}

} // namespace

bool ReadTextFile(const QString& path, QString& text, FileError* error) {
    std::string content, description;
    int code = 0;
    const bool ok = ReadWholeTextFile(NativePath(path), content, description, &code);
    text = QString::fromStdString(content);
    SetError(error, ok ? 0 : code, ok ? std::string() : description);
    return ok;
}

bool WriteTextFileAtomic(const QString& path, const QString& text, FileError* error) {
    std::string description;
    int code = 0;
    const bool ok = WriteWholeTextFile(NativePath(path), text.toStdString(), description, &code);
    SetError(error, ok ? 0 : code, ok ? std::string() : description);
    return ok;
}

QString ApplicationFolder() {
    return QCoreApplication::applicationDirPath();
}

QString FolderOf(const QString& path) {
    const int slash = path.lastIndexOf('/');
    return slash < 0 ? QString() : path.left(slash);
}

QString TempFolder() {
    const QString folder =
        TempFolderFor(ApplicationFolder(), QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    QDir().mkpath(folder);
    return folder;
}

BusyCursor::BusyCursor() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        active_ = true;
    }
}

BusyCursor::~BusyCursor() {
    Restore();
}

void BusyCursor::Restore() {
    if (active_) {
        QApplication::restoreOverrideCursor();
        active_ = false;
    }
}

} // namespace zorvek
