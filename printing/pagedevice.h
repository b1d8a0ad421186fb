// A paged drawing surface measured in millimetres from the top-left corner of its printable area:
// a printer job or a PDF file. The print job draws pages on it and asks for a new page between them.
#pragma once
#include <QSizeF>
#include <memory>

class QPaintDevice;
class QPagedPaintDevice;

namespace zorvek {

class PageDevice {
  public:
    virtual ~PageDevice() = default;
    // The surface a QPainter opens; its origin is the top-left corner of the printable area.
    virtual QPaintDevice* paintDevice() = 0;
    // Width and height of the printable area in millimetres.
    virtual QSizeF printableSizeMm() const = 0;
    // Ends the current page and starts the next one; false on failure.
    virtual bool newPage() = 0;
};

// Wraps a Qt paged device (QPrinter, QPdfWriter) set up by the caller.
std::unique_ptr<PageDevice> WrapPagedDevice(std::unique_ptr<QPagedPaintDevice> device);

} // namespace zorvek
