// Files as the windows read and write them, through the one reader and writer of casefile/textfile.h:
// whole texts, UTF-8 without byte-order mark on writing, UTF-8 or else Windows-1252 on reading; the
// application and temporary folders; the busy pointer.
#pragma once
#include <QString>

namespace zorvek {

struct FileError {
    int code = 0; // 0: no error, else the system's error number
    QString description;
};

// Reads a whole regular file of bounded size. Bytes that are not valid UTF-8 are read as Windows-1252.
// Returns false (and an empty text) when the file is missing, unreadable, a folder, not a regular file or
// too large.
bool ReadTextFile(const QString& path, QString& text, FileError* error = nullptr);

// Writes text whole as UTF-8 through a uniquely named temporary file in the same folder, flushed to disk
// and renamed over the old file: on any failure the old file stays intact and nothing half-written remains.
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
