// libFuzzer target: any bytes as a case file. Decoding, the reader and the table checks must neither
// crash, hang nor read out of bounds, and an accepted table must be usable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "casefile.h"
#include "textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text =
        zorvek::DecodeFileBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const char* language : {"ESP", "ENG"}) {
        const zorvek::CaseReadResult r = zorvek::ReadCaseText(text, language);
        if (r.status == zorvek::CaseReadStatus::Rejected && r.message.empty()) std::abort();
        if (r.status != zorvek::CaseReadStatus::Accepted) continue;
        const int last = r.table.LastPointIndex;
        if (last < -1 || last >= zorvek::kTableSlots) std::abort();
        if (last > 0 && (r.table.x[0] != 0 || r.table.x[last] != 1)) std::abort();
        for (int i = 0; i < last; ++i)
            if (!(r.table.x[i] < r.table.x[i + 1] && r.table.y[i] < r.table.y[i + 1])) std::abort();
        // Whatever was read writes back as a 112-line file or less (no model line).
        zorvek::CaseFieldTexts fields;
        for (int f = 0; f < zorvek::kCaseFieldCount; ++f)
            if (r.fields[f]) fields[f] = *r.fields[f];
        (void)zorvek::CaseFileText(fields, zorvek::CaseModel::Table, r.table);
    }
    return 0;
}
