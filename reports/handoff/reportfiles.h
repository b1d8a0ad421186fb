// The files of a worked-solution report in the temporary folder: the diagram bitmap "mcth_temp" N ".bmp"
// turned into "mcth_temp" N ".jpg" (Qt's JPEG writer), and the document "restemp" M ".rex". Qt Gui only,
// so the command-line tool can write reports too.
#pragma once
#include <QImage>
#include <QString>
#include <functional>

#include "workedsolution.h"

namespace zorvek {

// Six decimal digits, 100000 .. 199999, from a generator seeded afresh from the clock. `taken` tells
// whether a number is already in use; another is drawn then (a few times at most).
QString ReportNumber(const std::function<bool(const QString&)>& taken = {});

enum class JpegFault { None, CannotFind, NoMemory, CannotLoad };

// The conversion's messages, in English whatever the interface language ("Cannot find file", ...).
QString JpegFaultText(JpegFault fault);
inline constexpr char kJpegFaultTitle[] = "Error encountered!";

// Reads a Windows bitmap and writes it as JPEG at the given quality (0..100). A 1-bit bitmap goes
// through an 8-bit image; 16-, 24- and 32-bit bitmaps are written as 24-bit colour.
JpegFault BmpToJpeg(const QString& bmpPath, const QString& jpgPath, int quality);

// Waits until the file exists, letting pending events run, for at most timeoutMs.
bool WaitForFile(const QString& path, int timeoutMs);

// Writes the document (decimal declaration and the four parts) as "restemp" M ".rex" in folder, whole,
// UTF-8 without byte-order mark. Returns its path, or an empty text when it could not be written.
QString WriteReportDocument(const QString& folder, const QString& decimalSymbol, const WorkedSolution& parts);

// Everything a report needs, without the viewer: the diagram image saved as bitmap, converted to JPEG,
// the document composed in fields.UiLanguage and written, the bitmap removed.
struct ReportFilesResult {
    bool ok = false;
    QString document; // path of the .rex
    QString image;    // path of the .jpg
    QString error;    // why not, when !ok
};
ReportFilesResult WriteReportFiles(const QString& folder, const QImage& diagram, const ReportFields& fields);

} // namespace zorvek
