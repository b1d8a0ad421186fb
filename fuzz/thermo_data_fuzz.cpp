// The component data reader on any bytes: a file it accepts holds finite, ordered values, and the
// equilibrium of its first components is computed without a crash, giving a table that the editor's
// acceptance rules would take (x and y rising strictly from (0, 0) to (1, 1)).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "thermodata.h"
#include "thermotexts.h"
#include "vle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zorvek::thermo;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const DataReadResult read = ParseThermoData(text);
    if (!read.ok()) {
        if (read.error != DataError::Damaged || DataErrorMessage(read, "ENG").empty()) std::abort();
        return 0;
    }
    const ThermoData& d = *read.data;
    if (d.components.size() < 2) std::abort();
    for (const Component& c : d.components)
        if (!(c.vp.Tmin > 0 && c.vp.Tmin < c.vp.Tmax) || !std::isfinite(c.tb)) std::abort();
    for (ModelChoice model : {ModelChoice::Automatic, ModelChoice::Unifac}) {
        VleRequest request;
        request.first = 0;
        request.second = 1;
        request.model = model;
        request.tablePoints = 9;
        request.curvePoints = 11;
        const VleResult r = SolveVle(d, request);
        (void)VleMessage(d, r, "ESP", ",");
        if (r.status != VleStatus::Ok) continue;
        if (r.table.size() < 3 || r.table.front().x != 0 || r.table.back().y != 1) std::abort();
        for (size_t i = 1; i < r.table.size(); ++i)
            if (!(r.table[i].x > r.table[i - 1].x && r.table[i].y > r.table[i - 1].y)) std::abort();
        for (const TxyPoint& p : r.txy)
            if (!std::isfinite(p.T) || !(p.y >= 0 && p.y <= 1)) std::abort();
    }
    return 0;
}
