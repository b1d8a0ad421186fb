// Text forms of an x-y equilibrium table: the "[[" ... "]]" block of table and case files, clipboard
// text, and the acceptance check that completes a table with (0, 0) and (1, 1) before it is used.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "equilibrium.h"

namespace zorvek {

struct TableRow {
    double x = 0;
    double y = 0;
};

// Normalises a block (outer CR LF removed, TABs to blanks, blank runs and blank lines collapsed) and
// reads at most 100 rows "x y". With skipRowsWithoutSeparator (the paste rule) a row holding no blank is
// skipped without using a slot.
std::vector<TableRow> ReadTableRows(std::string_view block, bool skipRowsWithoutSeparator);

// The text between the first "[[" and the first "]]", or nothing when either is missing (or "]]" comes
// before the end of "[[").
std::optional<std::string_view> FindTableBlock(std::string_view text);

// The characters between the first occurrence of tag (for example "<A=") and the next ">" at or after
// it; nothing when the tag or the ">" is missing. Not trimmed.
std::optional<std::string> FindTagValue(std::string_view text, std::string_view tag);

// The whole 104-line table file text (names, "[[", 100 slots in file form, "]]"), CR LF line ends.
std::string TableFileText(std::string_view nameA, std::string_view nameB, const EquilibriumTable& table);

// Clipboard text: one "x TAB y CR LF" row per slot whose x and y both differ from -1.
std::string ClipboardTableText(const EquilibriumTable& table);

enum class AcceptanceStatus {
    NoTable,  // nothing to accept: the editor closes as with Cancel
    Rejected, // message says why; table holds the working table after the trailing slots were cleared
    Accepted, // table is completed and LastPointIndex set
};

struct TableAcceptance {
    AcceptanceStatus status = AcceptanceStatus::NoTable;
    std::string message;    // the error message in the interface language when Rejected
    EquilibriumTable table; // see AcceptanceStatus
    // Rejected by a check of one point: the slot and coordinate to show the user (an order error is the
    // point that is not above the one before it). -1 when no single value is at fault.
    int badSlot = -1;
    bool badY = false;
};

// The checks and the completion shared by the editor's acceptance and the case-file reader: points
// 0..last are checked for range, order and pure components one point at a time, then completed with
// (1, 1) and (0, 0). A table with no room for the completion is refused, and with requireInteriorPoint
// also one that would hold only the two end points. A refused table comes back unchanged; last < 0
// gives NoTable.
TableAcceptance CheckAndCompleteTable(const EquilibriumTable& table, int last, std::string_view uiLanguage,
                                      bool requireInteriorPoint);

// The acceptance check of a working table: finds the last point, clears x of the slots after it, checks
// range, order and pure components point by point, then completes the table with (1, 1) and (0, 0).
TableAcceptance AcceptTable(const EquilibriumTable& working, std::string_view uiLanguage);

} // namespace zorvek
