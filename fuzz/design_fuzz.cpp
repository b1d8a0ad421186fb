// Calcular on seven arbitrary entry texts (split at NUL bytes): never crashes, and a solved case has
// its texts and a staircase that fits the arrays; a rejected one has an error line.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "design.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zorvek;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    CaseTexts fields;
    std::string* slots[] = {&fields.alpha, &fields.q, &fields.zF, &fields.xD,
                            &fields.xB,    &fields.R, &fields.E};
    for (std::string* slot : slots) {
        const size_t cut = text.find('\0');
        *slot = std::string(text.substr(0, cut));
        text = cut == std::string_view::npos ? std::string_view{} : text.substr(cut + 1);
    }
    CalcSettings settings;
    settings.DecimalSymbol = ",";
    const DesignOutcome o = Calcular(fields, settings);
    if ((o.reached == Reached::Complete) != o.error.empty()) std::abort();
    if (o.reached == Reached::Complete && (o.texts[kText14Plates].empty() || o.stairPoints.size() > 991))
        std::abort();
    return 0;
}
