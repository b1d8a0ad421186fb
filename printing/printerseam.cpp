#include "printerseam.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace zorvek {

namespace {

// Qt has no system-wide "current printer": the process keeps its own, starting at the default one.
QString& currentPrinterName() {
    static QString name = QPrinterInfo::defaultPrinterName();
    return name;
}

PrinterSeam MakeRealPrinterSeam() {
    PrinterSeam s;
    s.printerNames = [] { return QPrinterInfo::availablePrinterNames(); };
    s.currentPrinter = [] {
        QString& name = currentPrinterName();
        const QStringList names = QPrinterInfo::availablePrinterNames();
        if (!names.contains(name)) name = names.isEmpty() ? QString() : names.front();
        return name;
    };
    s.setCurrentPrinter = [](const QString& name) { currentPrinterName() = name; };
    s.openPrinter = []() -> std::unique_ptr<PageDevice> {
        const QPrinterInfo info = QPrinterInfo::printerInfo(printerSeam().currentPrinter());
        if (info.isNull()) return nullptr;
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer->setPageOrientation(QPageLayout::Portrait);
        printer->setColorMode(QPrinter::Color);
        printer->setCopyCount(1); // copies are made by repeating the pages
        return WrapPagedDevice(std::move(printer));
    };
    return s;
}

} // namespace

PrinterSeam& printerSeam() {
    static PrinterSeam instance = MakeRealPrinterSeam();
    return instance;
}

void installRealPrinterSeam() {
    printerSeam() = MakeRealPrinterSeam();
}

} // namespace zorvek
