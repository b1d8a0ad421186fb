// The printers of the system behind one replaceable seam: the installed printers' names, the current
// printer (the one the next print job goes to) and a factory for its page device. Tests replace it
// with a fixed list and a recording or PDF page device, so no real printer is needed.
#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "pagedevice.h"

namespace zorvek {

struct PrinterSeam {
    // Device names of the installed printers in the system's order; empty when there is none.
    std::function<QStringList()> printerNames;
    // Device name of the current printer (empty when there is none).
    std::function<QString()> currentPrinter;
    // Makes the named printer the current one.
    std::function<void(const QString&)> setCurrentPrinter;
    // A new print job on the current printer; null when it cannot be opened.
    std::function<std::unique_ptr<PageDevice>()> openPrinter;
};

// The process-wide printer seam; installRealPrinterSeam() sets the Qt implementation (done by default).
PrinterSeam& printerSeam();
void installRealPrinterSeam();

} // namespace zorvek
