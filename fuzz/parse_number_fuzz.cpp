// ParseNumber on any bytes: never crashes, never yields inf or NaN; and the display forms of the number
// it reads stay well formed.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "numtext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double v = zorvek::ParseNumber(text);
    if (!std::isfinite(v)) std::abort();
    // The file form reads back to the same value (to 15 significant digits).
    const double back = zorvek::ParseNumber(zorvek::FileNumberText(v));
    if (std::fabs(back - v) > std::fabs(v) * 1e-14) std::abort();
    if (zorvek::FormatFixed4(v, ",").size() > 64) std::abort();
    (void)zorvek::FormatSignificant(v, 5, ".");
    (void)zorvek::MarkupNumber(v);
    (void)zorvek::Recta(v, -v, ",");
    return 0;
}
