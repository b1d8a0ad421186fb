// The two printed pages of a design case on any PageDevice (printer or PDF): page 1 the title, a rule
// and the results summary; page 2 the McCabe-Thiele diagram in its 180 mm square and the stage table.
// Copies are made by repeating pages (collated 1, 2, 1, 2 ...; else 1, 1 ..., 2, 2 ...).
#pragma once
#include <QPainter>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pagedevice.h"

namespace zorvek {

class DiagramCanvas;
class PageCanvas;

// What the pages print, asked for while each page is written.
struct PageSource {
    QString UiLanguage = "ENG";
    // The results summary (Informe), lines separated by CR LF; built afresh for each page 1.
    std::function<std::string()> Informe;
    // The stage table (StageListing), lines separated by CR LF.
    std::function<std::string()> StageListing;
    // Draws the diagram on the page canvas: Calcular with printing on.
    std::function<void(DiagramCanvas&)> CalcularOnPage;
};

// Minimum printable area, in millimetres.
constexpr double kMinPrintableWidth = 190;
constexpr double kMinPrintableHeight = 260;
constexpr double kLineStep = 4; // millimetres between printed text lines

// Opens a painter on a page device and hands out its millimetre canvas. Page breaks are kept pending
// until something follows them, so the document never ends with a blank page.
class PageWriter {
  public:
    explicit PageWriter(PageDevice& device);
    ~PageWriter();
    bool IsOpen() const { return open_; }
    DiagramCanvas& Canvas();
    double PrintableHeight() const { return printable_.height(); }
    // Starts a page: takes the pending break, if any.
    bool StartPage();
    // Ends the current page; the next StartPage or NextPage begins a new sheet.
    void PageBreak() { breakPending_ = true; }
    // A continuation sheet for text that ran past the printable area.
    bool NextPage();
    // End of document; false when the device failed.
    bool End();

  private:
    PageDevice& device_;
    QPainter painter_;
    std::unique_ptr<PageCanvas> canvas_;
    QSizeF printable_;
    bool open_ = false;
    bool breakPending_ = false;
    bool failed_ = false;
};

// Writes text line by line from (10, y): one line per CR LF, kLineStep apart, stopping when the rest
// is blank. A line that would pass the printable bottom goes to a continuation sheet, from y = 10.
void WriteLines(PageWriter& writer, std::string text, double y);

void ImprimirPAG1(PageWriter& writer, const PageSource& source);
void ImprimirPAG2(PageWriter& writer, const PageSource& source);

// The pages in print order: 1 and 2 for each copy, collated or not.
std::vector<int> PageOrder(int copies, bool collate);

enum class PrintOutcome { Printed, PaperTooSmall, DeviceFailed };
bool PaperLargeEnough(const QSizeF& printableMm);

// Checks the paper, then prints the copies and ends the document.
PrintOutcome PrintPages(PageDevice& device, const PageSource& source, int copies, bool collate);

} // namespace zorvek
