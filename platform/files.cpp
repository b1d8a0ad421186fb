#include "files.h"

#include "programfiles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <array>

namespace zorvek {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void SetError(FileError* error, int code, const QString& description) {
    if (error) *error = FileError{code, description};
}

} // namespace

QString DecodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    text.clear();
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F) text.append(QChar(kCp1252High[b - 0x80]));
        else text.append(QChar(b));
    }
    return text;
}

bool ReadTextFile(const QString& path, QString& text, FileError* error) {
    text.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, static_cast<int>(file.error()), file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        SetError(error, static_cast<int>(file.error()), file.errorString());
        return false;
    }
    text = DecodeText(bytes);
    SetError(error, 0, {});
    return true;
}

bool WriteTextFileAtomic(const QString& path, const QString& text, FileError* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        SetError(error, static_cast<int>(file.error()), file.errorString());
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        SetError(error, static_cast<int>(file.error()), file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        SetError(error, static_cast<int>(file.error()), file.errorString());
        return false;
    }
    SetError(error, 0, {});
    return true;
}

QString ApplicationFolder() { return QCoreApplication::applicationDirPath(); }

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

BusyCursor::~BusyCursor() { Restore(); }

void BusyCursor::Restore() {
    if (active_) {
        QApplication::restoreOverrideCursor();
        active_ = false;
    }
}

} // namespace zorvek
