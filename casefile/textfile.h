// Whole text files without windows (used by the command-line solver): UTF-8 or else Windows-1252 on
// reading, UTF-8 through a temporary file and one rename on writing.
#pragma once
#include <string>
#include <string_view>

namespace zorvek {

// Bytes as UTF-8: unchanged when they are valid UTF-8, else read as Windows-1252 and converted.
std::string DecodeFileBytes(std::string_view bytes);

// Line ends made CR LF: text written by other programs may end its lines with LF or CR alone, while
// table rows are read at CR LF.
std::string WithCrLfLineEnds(std::string_view text);

// Reads a whole file and decodes it; false with error set when it cannot be opened or read.
bool ReadWholeTextFile(const std::string& path, std::string& text, std::string& error);

// Writes text to a temporary file beside path and renames it over path, so the old file stays intact
// when anything fails. false with error (and code, the system's error number) set on failure.
bool WriteWholeTextFile(const std::string& path, std::string_view text, std::string& error,
                        int* code = nullptr);

} // namespace zorvek
