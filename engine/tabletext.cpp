// Table text: finding and reading the "[[" ... "]]" block, the file and clipboard forms, and the
// acceptance check that completes a working table with (0, 0) and (1, 1).
#include "tabletext.h"

#include "messages.h"
#include "numtext.h"
#include "textreplace.h"

namespace zorvek {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool IsBlank(std::string_view s) {
    return s.find_first_not_of(" \r\n") == std::string_view::npos;
}

} // namespace

std::vector<TableRow> ReadTableRows(std::string_view block, bool skipRowsWithoutSeparator) {
    while (block.starts_with(kCrLf)) block.remove_prefix(2);
    while (block.ends_with(kCrLf)) block.remove_suffix(2);
    std::string text = ReplaceAll(block, "\t", " ");
    for (int pass = 0; pass < 3; ++pass) text = ReplaceAll(text, "  ", " ");
    for (int pass = 0; pass < 3; ++pass) text = ReplaceAll(text, "\r\n\r\n", "\r\n");
    text += kCrLf;

    std::vector<TableRow> rows;
    std::string_view rest = text;
    while (rows.size() < static_cast<size_t>(kTableSlots) && !IsBlank(rest)) {
        const size_t end = rest.find(kCrLf); // never npos: the text ends with CR LF
        const std::string_view row = rest.substr(0, end);
        rest.remove_prefix(end + 2);
        const size_t blank = row.find(' ');
        if (blank == std::string_view::npos) {
            // A single number: the paste rule skips it; a file row reads it as x with y = 0, which the
            // acceptance check then reports instead of silently dropping the row.
            if (skipRowsWithoutSeparator) continue;
            rows.push_back({ParseNumber(TrimSpaces(row)), 0});
            continue;
        }
        rows.push_back(
            {ParseNumber(TrimSpaces(row.substr(0, blank))), ParseNumber(TrimSpaces(row.substr(blank + 1)))});
    }
    return rows;
}

std::optional<std::string_view> FindTableBlock(std::string_view text) {
    const size_t open = text.find("[[");
    const size_t close = text.find("]]");
    if (open == std::string_view::npos || close == std::string_view::npos || close < open + 2)
        return std::nullopt;
    return text.substr(open + 2, close - open - 2);
}

std::optional<std::string> FindTagValue(std::string_view text, std::string_view tag) {
    const size_t start = text.find(tag);
    if (start == std::string_view::npos) return std::nullopt;
    const size_t close = text.find('>', start + tag.size());
    if (close == std::string_view::npos) return std::nullopt;
    return std::string(text.substr(start + tag.size(), close - start - tag.size()));
}

std::string TableFileText(std::string_view nameA, std::string_view nameB, const EquilibriumTable& table) {
    std::string out;
    out.reserve(4096);
    out.append("<A=").append(nameA).append(">\r\n");
    out.append("<B=").append(nameB).append(">\r\n");
    out.append("[[\r\n");
    for (int i = 0; i < kTableSlots; ++i)
        out.append(FileNumberText(table.x[i])).append("\t").append(FileNumberText(table.y[i])).append(kCrLf);
    out.append("]]\r\n");
    return out;
}

std::string ClipboardTableText(const EquilibriumTable& table) {
    std::string out;
    for (int i = 0; i < kTableSlots; ++i) {
        if (table.x[i] == -1 || table.y[i] == -1) continue;
        out.append(ClipboardNumberText(table.x[i]))
            .append("\t")
            .append(ClipboardNumberText(table.y[i]))
            .append(kCrLf);
    }
    return out;
}

TableAcceptance CheckAndCompleteTable(const EquilibriumTable& table, int last, std::string_view uiLanguage,
                                      bool requireInteriorPoint) {
    TableAcceptance result;
    result.table = table;
    if (last < 0 || last >= kTableSlots) return result; // NoTable
    auto reject = [&](MessageId id, int slot = -1, bool isY = false) {
        result.status = AcceptanceStatus::Rejected;
        result.message = Message(id, uiLanguage);
        result.badSlot = slot;
        result.badY = isY;
        return result;
    };
    const EquilibriumTable& t = table;
    for (int i = 0; i <= last; ++i) {
        const double x = t.x[i], y = t.y[i];
        if (!(x >= 0 && x <= 1 && y >= 0 && y <= 1))
            return reject(MessageId::TableOutOfRange, i, x >= 0 && x <= 1);
        if (i < last && !(x < t.x[i + 1] && y < t.y[i + 1]))
            return reject(MessageId::TableNotIncreasing, i + 1, x < t.x[i + 1]);
        // A pure component's x is right by itself; its y is what disagrees.
        if ((x == 0) != (y == 0) || (x == 1) != (y == 1))
            return reject(MessageId::TablePureComponent, i, x == 0 || x == 1);
    }
    const bool addEnd = t.x[last] != 1;
    const bool addStart = t.x[0] != 0;
    const int finalLast = last + (addEnd ? 1 : 0) + (addStart ? 1 : 0);
    if (finalLast >= kTableSlots) return reject(MessageId::TableNoRoomForEnds);
    if (requireInteriorPoint && finalLast < 2) return reject(MessageId::TableNeedsInteriorPoint);

    EquilibriumTable& out = result.table;
    if (addEnd) {
        ++last;
        out.x[last] = 1;
        out.y[last] = 1;
    }
    if (addStart) {
        for (int i = last; i >= 0; --i) {
            out.x[i + 1] = out.x[i];
            out.y[i + 1] = out.y[i];
        }
        ++last;
        out.x[0] = 0;
        out.y[0] = 0;
    }
    out.LastPointIndex = last;
    // Points that pass the checks can still give a volatility no double holds (a point a hair from
    // x = 1 with a low y): such a table would leave the dense tables half built, so refuse it here.
    if (last >= 2) {
        DenseTables trial;
        FailureRecord failures;
        if (!CrearSuperTABLA_ELV(out, trial, failures)) {
            result.table = table;
            return reject(MessageId::TableUnusable);
        }
    }
    result.status = AcceptanceStatus::Accepted;
    return result;
}

TableAcceptance AcceptTable(const EquilibriumTable& working, std::string_view uiLanguage) {
    int last = -1;
    bool stopped = false;
    for (int i = 0; i < kTableSlots; ++i) {
        if (working.x[i] == -1) {
            last = i - 1;
            stopped = true;
            break;
        }
        if (working.x[i] == 1) {
            last = i;
            stopped = true;
            break;
        }
    }
    if (!stopped || last < 0) {
        TableAcceptance none; // NoTable
        none.table = working;
        return none;
    }
    EquilibriumTable t = working;
    for (int i = last + 1; i < kTableSlots; ++i) t.x[i] = -1;
    return CheckAndCompleteTable(t, last, uiLanguage, true);
}

} // namespace zorvek
