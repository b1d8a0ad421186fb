#include "pagewriter.h"

#include <QPaintDevice>

#include "pagecanvas.h"
#include "printtexts.h"

namespace zorvek {

namespace {

constexpr double kLeft = 10;
constexpr double kContinuationTop = 10;
constexpr double kRuleWidthMm = 0.2; // the title rule's outline; the page sets no width of its own

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

void ResetFont(DiagramCanvas& canvas, const QString& family, double points) {
    // Italic, underline and strikethrough are never set on a page canvas; only bold and size change.
    canvas.SetFont(family, points, true);
}

} // namespace

PageWriter::PageWriter(PageDevice& device) : device_(device) {
    printable_ = device_.printableSizeMm();
    QPaintDevice* paintDevice = device_.paintDevice();
    if (!paintDevice || !painter_.begin(paintDevice)) return;
    open_ = true;
    canvas_ = std::make_unique<PageCanvas>(painter_, paintDevice->logicalDpiX());
}

PageWriter::~PageWriter() {
    if (painter_.isActive()) painter_.end();
}

DiagramCanvas& PageWriter::Canvas() {
    return *canvas_;
}

bool PageWriter::StartPage() {
    if (!breakPending_) return !failed_;
    breakPending_ = false;
    return NextPage();
}

bool PageWriter::NextPage() {
    if (!device_.newPage()) failed_ = true;
    return !failed_;
}

bool PageWriter::End() {
    if (!open_) return false;
    open_ = false;
    const bool ended = painter_.end();
    return ended && !failed_;
}

void WriteLines(PageWriter& writer, std::string text, double y) {
    DiagramCanvas& canvas = writer.Canvas();
    static const std::string kBreak = "\r\n";
    while (!IsBlank(text)) {
        std::string line;
        const auto at = text.find(kBreak);
        if (at == std::string::npos) { // a last line without its line break still prints
            line = text;
            text.clear();
        } else {
            line = text.substr(0, at);
            text.erase(0, at + kBreak.size());
        }
        if (y + kLineStep > writer.PrintableHeight()) {
            writer.NextPage();
            y = kContinuationTop;
        }
        canvas.SetTextPosition(kLeft, y);
        canvas.PrintText(QString::fromStdString(line));
        y += kLineStep;
    }
}

void ImprimirPAG1(PageWriter& writer, const PageSource& source) {
    writer.StartPage();
    const std::string summary = source.Informe ? source.Informe() : std::string();
    DiagramCanvas& canvas = writer.Canvas();
    ResetFont(canvas, "Arial", 11);
    canvas.SetTextPosition(kLeft, 10);
    canvas.PrintText(Pick(printtext::PageTitle, source.UiLanguage));
    // The rule under the title: a rectangle outline from (10, 14.5) to (180, 15).
    canvas.SetDrawWidth(kRuleWidthMm / 25.4 * canvas.Resolution());
    canvas.Line(10, 14.5, 180, 14.5);
    canvas.Line(180, 14.5, 180, 15);
    canvas.Line(180, 15, 10, 15);
    canvas.Line(10, 15, 10, 14.5);
    ResetFont(canvas, "Courier New", 10);
    WriteLines(writer, summary, 18);
    writer.PageBreak();
}

void ImprimirPAG2(PageWriter& writer, const PageSource& source) {
    writer.StartPage();
    DiagramCanvas& canvas = writer.Canvas();
    // The diagram first: a stage table that runs past the page continues on the next sheet.
    if (source.CalcularOnPage) source.CalcularOnPage(canvas);
    ResetFont(canvas, "Courier New", 10);
    canvas.SetTextPosition(kLeft, 200);
    canvas.PrintText(Pick(printtext::StagesHeading, source.UiLanguage));
    WriteLines(writer, source.StageListing ? source.StageListing() : std::string(), 205);
    writer.PageBreak();
}

std::vector<int> PageOrder(int copies, bool collate) {
    std::vector<int> order;
    if (copies < 1) return order;
    order.reserve(2 * static_cast<std::size_t>(copies));
    if (collate) {
        for (int c = 0; c < copies; ++c) order.insert(order.end(), {1, 2});
    } else {
        order.insert(order.end(), copies, 1);
        order.insert(order.end(), copies, 2);
    }
    return order;
}

bool PaperLargeEnough(const QSizeF& printableMm) {
    return printableMm.width() >= kMinPrintableWidth && printableMm.height() >= kMinPrintableHeight;
}

PrintOutcome PrintPages(PageDevice& device, const PageSource& source, int copies, bool collate) {
    if (!PaperLargeEnough(device.printableSizeMm())) return PrintOutcome::PaperTooSmall;
    PageWriter writer(device);
    if (!writer.IsOpen()) return PrintOutcome::DeviceFailed;
    for (int page : PageOrder(copies, collate)) {
        if (page == 1)
            ImprimirPAG1(writer, source);
        else
            ImprimirPAG2(writer, source);
    }
    return writer.End() ? PrintOutcome::Printed : PrintOutcome::DeviceFailed;
}

} // namespace zorvek
