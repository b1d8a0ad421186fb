// Files as the program reads and writes them: whole texts, UTF-8 without byte-order mark on writing,
// UTF-8 or else Windows-1252 on reading; the application and temporary folders; the busy pointer.
#pragma once
#include <QString>

namespace zorvek {

struct FileError {
    int code = 0;        // 0: no error
    QString description;
};

// Reads a whole file. Bytes that are not valid UTF-8 are read as Windows-1252. Returns false (and an
// empty text) when the file cannot be opened or read.
bool ReadTextFile(const QString& path, QString& text, FileError* error = nullptr);

// Decodes bytes as UTF-8, or as Windows-1252 when they are not valid UTF-8.
QString DecodeText(const QByteArray& bytes);

// Writes text whole as UTF-8 through a temporary file in the same folder that replaces the old file in
// one rename: on any failure the old file stays intact and nothing half-written remains.
bool WriteTextFileAtomic(const QString& path, const QString& text, FileError* error = nullptr);

// The folder of the executable, and the folder of a path (everything before its last "/").
QString ApplicationFolder();
QString FolderOf(const QString& path);

// "temp" under the application folder when that is writable (and not the bin folder of an installed
// tree), else under the per-user cache folder. Created when missing.
QString TempFolder();

// Shows the busy pointer for its lifetime; call Restore() before showing a message.
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    void Restore();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    bool active_ = false;
};

} // namespace zorvek
