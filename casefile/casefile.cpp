#include "casefile.h"

#include "numtext.h"
#include "tabletext.h"
#include "textfile.h"

namespace zorvek {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Blanks (spaces) trimmed from both ends, as the field values are stored.
std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

} // namespace

std::string WithoutRefusedCaseCharacters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (!IsRefusedInCaseValue(c)) out += c;
    return out;
}

std::string CaseFileText(const CaseFieldTexts& fields, CaseModel model, const EquilibriumTable& table) {
    std::string text;
    text.reserve(2048);
    for (const auto& [field, tag] : kCaseWriteOrder) {
        text += tag;
        text += TrimBlanks(fields[static_cast<int>(field)]);
        text += ">";
        text += kCrLf;
    }
    if (model == CaseModel::Alpha) text += "<VLE=ALPHA>\r\n";
    if (model == CaseModel::Table) text += "<VLE=TABLE>\r\n";
    text += "[[\r\n";
    for (int i = 0; i < kTableSlots; ++i) {
        text += FileNumberText(table.x[i]);
        text += '\t';
        text += FileNumberText(table.y[i]);
        text += kCrLf;
    }
    text += "]]\r\n";
    return text;
}

CaseReadResult ReadCaseText(std::string_view original, std::string_view uiLanguage) {
    const std::string normalized = WithCrLfLineEnds(original);
    const std::string_view text = normalized;
    CaseReadResult result;
    for (const auto& [field, tag] : kCaseReadOrder)
        result.fields[static_cast<int>(field)] = FindTagValue(text, tag);
    result.tableModel = text.find("<VLE=TABLE") != std::string_view::npos;

    const std::optional<std::string_view> block = FindTableBlock(text);
    if (!block) {
        result.status = CaseReadStatus::BadFormat;
        return result;
    }

    // Rows go into scratch storage, so a table that fails its checks never replaces the one in use.
    EquilibriumTable read;
    const std::vector<TableRow> rows = ReadTableRows(*block, false);
    for (size_t i = 0; i < rows.size() && i < static_cast<size_t>(kTableSlots); ++i) {
        read.x[i] = rows[i].x;
        read.y[i] = rows[i].y;
    }
    // The table ends before the first slot whose x is exactly -1; data after it is never looked at.
    int last = kTableSlots - 1;
    for (int i = 0; i < kTableSlots; ++i) {
        if (read.x[i] == -1) {
            last = i - 1;
            break;
        }
    }
    // The same checks and completion as the editor's acceptance; a table of the end points alone is
    // not refused here but opens in the alpha model (below).
    const TableAcceptance check = CheckAndCompleteTable(read, last, uiLanguage, false);
    if (check.status == AcceptanceStatus::Rejected) {
        result.status = CaseReadStatus::Rejected;
        result.message = check.message;
        result.table = read;
        return result;
    }
    result.status = CaseReadStatus::Accepted;
    result.table = check.table; // an empty block (NoTable) stays empty with LastPointIndex -1
    // Only (0, 0) and (1, 1): no curve to design with, so no table counts as accepted and the case
    // opens in the alpha model; the points stay for the editor to show.
    if (result.table.LastPointIndex <= 1) result.table.LastPointIndex = -1;
    return result;
}

} // namespace zorvek
