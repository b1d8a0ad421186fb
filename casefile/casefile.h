// The design case as a *.mct text: composing the 112-line file (nine tags, the model line, the 100-slot
// table block) and reading one back with the table checks and completion. Plain C++, no windows.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "equilibrium.h"

namespace zorvek {

// The nine tagged texts of a case: the component names and the seven numeric entry fields.
enum class CaseField { A, B, ALPHA, Q, ZF, XB, XD, R, E };
constexpr int kCaseFieldCount = 9;

struct CaseFieldTag {
    CaseField field;
    std::string_view tag;
};

// The order the file writes the tags, and the order the reader fills the fields in.
inline constexpr std::array<CaseFieldTag, kCaseFieldCount> kCaseWriteOrder = {{
    {CaseField::A, "<A="},
    {CaseField::B, "<B="},
    {CaseField::ALPHA, "<ALPHA="},
    {CaseField::Q, "<Q="},
    {CaseField::ZF, "<ZF="},
    {CaseField::XB, "<XB="},
    {CaseField::XD, "<XD="},
    {CaseField::R, "<R="},
    {CaseField::E, "<E="},
}};
inline constexpr std::array<CaseFieldTag, kCaseFieldCount> kCaseReadOrder = {{
    {CaseField::A, "<A="},
    {CaseField::B, "<B="},
    {CaseField::ALPHA, "<ALPHA="},
    {CaseField::ZF, "<ZF="},
    {CaseField::XD, "<XD="},
    {CaseField::XB, "<XB="},
    {CaseField::R, "<R="},
    {CaseField::Q, "<Q="},
    {CaseField::E, "<E="},
}};

// Field texts indexed by CaseField.
using CaseFieldTexts = std::array<std::string, kCaseFieldCount>;
inline std::string& FieldText(CaseFieldTexts& texts, CaseField f) {
    return texts[static_cast<int>(f)];
}

// Characters a tagged value cannot carry back from the file: "<" starts a tag (a name holding "<E="
// would give another E), ">" ends the value, "[" and "]" make the table block's "[[" and "]]", and a line
// break splits the tag's line. The fields the case file carries refuse them.
constexpr bool IsRefusedInCaseValue(char c) {
    return c == '<' || c == '>' || c == '[' || c == ']' || c == '\r' || c == '\n';
}
// The text without those characters (UTF-8: they are single bytes that never occur inside a sequence).
std::string WithoutRefusedCaseCharacters(std::string_view text);

// Which option button is selected: the model line is left out when neither is.
enum class CaseModel { None, Alpha, Table };

// The whole case text, UTF-8 with CR LF after every line: the tag values trimmed of blanks, the model
// line, "[[", the 100 slots in file form (x TAB y), "]]".
std::string CaseFileText(const CaseFieldTexts& fields, CaseModel model, const EquilibriumTable& table);

enum class CaseReadStatus {
    BadFormat, // no "[[" or no "]]": the fields are loaded, the table is not
    Rejected,  // the table failed a check (message says which); the previous table stays in use
    Accepted,  // table holds the completed table with its LastPointIndex
};

struct CaseReadResult {
    CaseReadStatus status = CaseReadStatus::BadFormat;
    // The text of every tag found (untrimmed), indexed by CaseField; a missing tag leaves nothing.
    std::array<std::optional<std::string>, kCaseFieldCount> fields;
    bool tableModel = false; // "<VLE=TABLE" appears somewhere
    std::string message;     // Rejected: the check's message in the interface language
    // Accepted: the completed table. LastPointIndex is -1 when it has no point between (0, 0) and (1, 1)
    // (an empty block, or a single end point), which cannot serve as an equilibrium curve.
    EquilibriumTable table;

    // True when the case opens in the table model: "<VLE=TABLE" and a table of at least two points.
    bool OpensInTableModel() const {
        return status == CaseReadStatus::Accepted && tableModel && table.LastPointIndex > 0;
    }
};

// Reads a case text: tags anywhere by first occurrence, the model, the first "[[" ... "]]" block read
// with the table-text reader, the range / order / pure-component checks point by point, and the
// completion with (1, 1) and (0, 0).
CaseReadResult ReadCaseText(std::string_view text, std::string_view uiLanguage);

} // namespace zorvek
