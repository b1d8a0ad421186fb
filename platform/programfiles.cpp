#include "programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zorvek {

QString DataFolder(const QString& exeFolder) {
    return QDir::cleanPath(exeFolder + "/../share/zorvek");
}

QString DataFolder() {
    return DataFolder(QCoreApplication::applicationDirPath());
}

bool InstalledLayout(const QString& exeFolder) {
    return !exeFolder.isEmpty() && QDir(exeFolder).dirName() == "bin" &&
           QFileInfo(DataFolder(exeFolder)).isDir();
}

QString ProgramFile(const QString& name, const QString& exeFolder) {
    const QString beside = exeFolder + "/" + name;
    if (QFileInfo::exists(beside)) return beside;
    const QString data = DataFolder(exeFolder) + "/" + name;
    if (QFileInfo::exists(data)) return data;
    return InstalledLayout(exeFolder) ? data : beside;
}

QString ViewerProgram(const QString& exeFolder) {
    const QString beside = exeFolder + "/markview";
    if (QFileInfo(beside).isExecutable()) return beside;
    const QString libexec = QDir::cleanPath(exeFolder + "/../libexec/zorvek/markview");
    if (QFileInfo(libexec).isExecutable()) return libexec;
    return beside;
}

QString TempFolderFor(const QString& exeFolder, const QString& cacheFolder) {
    const QFileInfo info(exeFolder);
    if (!exeFolder.isEmpty() && info.isDir() && info.isWritable() && !InstalledLayout(exeFolder))
        return exeFolder + "/temp";
    return cacheFolder + "/temp";
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString file = QString(":/icons/zorvek-%1.png").arg(size);
        if (QFileInfo::exists(file)) icon.addFile(file, QSize(size, size));
    }
    return icon;
}

} // namespace zorvek
