// ReportMarkup read into a document model: the declared decimal symbol and the four parts (statement,
// answers, results, full solution), each a list of styled text runs, line breaks, tab stops, fractions,
// systems of equations and pictures. Plain C++, so the parser can be fuzzed without a display.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace markview {

enum class Script { Normal, Sub, Super };

struct Node;
using Nodes = std::vector<Node>;

struct Node {
    enum class Kind { Text, Break, Tab, Fraction, System, Image };
    Kind kind = Kind::Text;
    std::string text; // Text: UTF-8, the decimal token already resolved
    bool bold = false;
    bool italic = false;
    Script script = Script::Normal;
    int column = 0;              // Tab: character column of the base font
    std::vector<Nodes> children; // Fraction: numerator, denominator; System: one entry per equation
    std::string imageName;       // Image: file name relative to the document's folder
    double widthMm = 0, heightMm = 0;
};

enum Part { kStatement, kAnswers, kResults, kSolution, kPartCount };

struct Document {
    std::string decimalSymbol = ".";
    std::array<Nodes, kPartCount> parts;
    std::array<bool, kPartCount> present{};
};

// What is wrong with malformed markup; the viewer words it in the interface language.
enum class Fault {
    None,
    MissingEnd,
    UnexpectedEnd,
    PartMisplaced,
    NoParts,
    TextOutsideParts,
    BadTab,
    BadSystem,
    BadPicture,
    TooDeep,
    BadDecimal
};

struct ParseResult {
    Document document;
    bool ok = false;
    Fault fault = Fault::None;
    std::string error;      // the fault in English, with the token concerned
    std::size_t offset = 0; // byte offset of the fault
};

// Reads a whole document. Never throws; malformed markup gives ok == false with the first fault.
ParseResult ParseReportMarkup(std::string_view text);

// Reads the inside of one part (no part tokens), for tests and previews.
ParseResult ParsePartMarkup(std::string_view text, const std::string& decimalSymbol = ".");

} // namespace markview
