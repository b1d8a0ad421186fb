// The two printed pages written to a PDF file instead of a printer: one copy, on A4 portrait, with a
// printable area of 200 x 277 mm centred across the sheet. The file is replaced only when complete.
#pragma once
#include <QString>

#include "files.h"
#include "pagewriter.h"

class QIODevice;

namespace zorvek {

// Printable area of the exported pages, in millimetres.
constexpr double kPdfMarginLeftRight = 5;
constexpr double kPdfMarginTopBottom = 10;

// A PDF page device writing to an open output device.
std::unique_ptr<PageDevice> PdfPageDevice(QIODevice* output, const QString& title);

// Writes the pages to path; false with the error's code and description when the file cannot be written.
bool ExportPdf(const QString& path, const PageSource& source, FileError* error = nullptr);

// The path with ".pdf" added when its file name has no extension.
QString WithPdfExtension(const QString& path);

} // namespace zorvek
