// Fuzz target: the ReportMarkup parser of markview never crashes, hangs or builds an inconsistent model,
// whatever the bytes of a document.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "markup.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckNodes(const markview::Nodes& nodes) {
    using markview::Node;
    for (const Node& n : nodes) {
        switch (n.kind) {
        case Node::Kind::Text:
            Check(!n.text.empty());
            break;
        case Node::Kind::Tab:
            Check(n.column >= 0 && n.column <= 400);
            break;
        case Node::Kind::Fraction:
            Check(n.children.size() == 2);
            break;
        case Node::Kind::Image:
            Check(!n.imageName.empty() && n.widthMm > 0 && n.widthMm <= 400);
            break;
        default:
            break;
        }
        for (const markview::Nodes& child : n.children) CheckNodes(child);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const markview::ParseResult doc = markview::ParseReportMarkup(text);
    Check(doc.ok == (doc.fault == markview::Fault::None));
    Check(doc.offset <= size);
    if (doc.ok)
        for (const markview::Nodes& part : doc.document.parts) CheckNodes(part);
    const markview::ParseResult part = markview::ParsePartMarkup(text, ",");
    Check(part.offset <= size);
    if (part.ok) CheckNodes(part.document.parts[markview::kStatement]);
    return 0;
}
