// Paints laid-out report pages with QPainter: on screen, into images (tests, thumbnails), on a printer
// and into PDF. The painter works in layout units (1/720 inch) with the page's top-left at the origin.
#pragma once
#include <QImage>
#include <QPainter>
#include <QString>

#include "layout.h"

class QPagedPaintDevice;

namespace markview {

// Paints one page: white sheet, its boxes and the page number "n / total" at the foot.
void PaintPage(QPainter& painter, const ReportLayout& layout, int pageIndex);

// The page as an image at the given resolution (dots per inch).
QImage RenderPage(const ReportLayout& layout, int pageIndex, double dpi);

// Every page in order on a paged device (printer or PDF writer) set to the layout's page size.
// Returns false when painting could not start.
bool PaintDocument(QPagedPaintDevice& device, const ReportLayout& layout);

// Writes the whole report as a PDF file.
bool ExportPdf(const QString& path, const ReportLayout& layout, const QString& title);

} // namespace markview
