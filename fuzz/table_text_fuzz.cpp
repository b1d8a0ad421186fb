// The table-text reader on any bytes: the block is found, its rows read (both rules), the working table
// checked, and an accepted table built into dense tables, whose entries stay finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "equilibrium.h"
#include "tabletext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zorvek;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)FindTagValue(text, "<A=");
    const std::string_view block = FindTableBlock(text).value_or(text);
    for (bool pasteRule : {false, true}) {
        const auto rows = ReadTableRows(block, pasteRule);
        if (rows.size() > static_cast<size_t>(kTableSlots)) std::abort();
        EquilibriumTable working;
        for (size_t i = 0; i < rows.size(); ++i) {
            working.x[i] = rows[i].x;
            working.y[i] = rows[i].y;
        }
        const TableAcceptance accepted = AcceptTable(working, "ENG");
        if (accepted.status != AcceptanceStatus::Accepted) continue;
        const EquilibriumTable& t = accepted.table;
        if (t.x[0] != 0 || t.x[t.LastPointIndex] != 1 || t.LastPointIndex < 2) std::abort();
        // A build may still fail on extreme volatilities (reported to the caller); what it writes is finite.
        static DenseTables dense;
        FailureRecord failures;
        const bool built = CrearSuperTABLA_ELV(t, dense, failures);
        if (built == failures.Failed()) std::abort();
        for (int k = 0; k < kDenseSize; ++k)
            if (!std::isfinite(dense.DenseY[k]) || !std::isfinite(dense.DenseX[k])) std::abort();
        (void)ClipboardTableText(t);
        (void)TableFileText("A", "B", t);
    }
    return 0;
}
