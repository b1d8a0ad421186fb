// Whole text files, the one reader and writer of case, table and report files for the windows and the
// command-line solver: UTF-8 or else Windows-1252 on reading, UTF-8 through a temporary file, flushed to
// disk and renamed, on writing. Plain C++ on POSIX files; never throws.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace zorvek {

// Bytes as UTF-8: unchanged when they are valid UTF-8, else read as Windows-1252 and converted.
std::string DecodeFileBytes(std::string_view bytes);

// Line ends made CR LF: text written by other programs may end its lines with LF or CR alone, while
// table rows are read at CR LF.
std::string WithCrLfLineEnds(std::string_view text);

// The largest file read: far above any case, table or report (a case is 2 KB), far below what would
// strain memory.
inline constexpr std::uintmax_t kMaxTextFileBytes = 16u * 1024 * 1024;

// Reads a whole regular file of at most kMaxTextFileBytes and decodes it. false, with an empty text and
// error (and code, the system's error number) set, when it is missing, unreadable, a folder or another
// kind of non-regular file (a pipe or a device is never waited on), or larger than the limit.
bool ReadWholeTextFile(const std::string& path, std::string& text, std::string& error, int* code = nullptr);

// Writes text to a temporary file of a unique name in the target's folder, flushes it to disk and renames
// it over path (a symbolic link's target), so the old file stays intact when anything fails and a crash
// leaves either the old or the new text. The new file keeps the old one's permissions. false with error
// (and code, the system's error number) set on failure; nothing of the temporary file remains.
bool WriteWholeTextFile(const std::string& path, std::string_view text, std::string& error,
                        int* code = nullptr);

} // namespace zorvek
