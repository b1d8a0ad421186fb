// The component look-up on any query against the shipped library, then the equilibrium of a pair, a
// pressure and a model chosen by the input's first bytes: indices stay in range, and every table that
// comes out rises strictly from (0, 0) to (1, 1).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "lookup.h"
#include "thermodata.h"
#include "thermotexts.h"
#include "vle.h"

namespace {

// The replay names the file at build time; fuzz/run.sh runs from the repository and from build-fuzz/.
zorvek::thermo::DataReadResult ReadLibrary() {
#ifdef ZORVEK_THERMO_DATA_FILE
    return zorvek::thermo::ReadThermoDataFile(ZORVEK_THERMO_DATA_FILE);
#else
    auto read = zorvek::thermo::ReadThermoDataFile("thermo/data/zorvek_thermo.txt");
    return read.ok() ? read : zorvek::thermo::ReadThermoDataFile("../thermo/data/zorvek_thermo.txt");
#endif
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zorvek::thermo;
    static const DataReadResult read = ReadLibrary();
    if (!read.ok()) std::abort();
    const ThermoData& d = *read.data;
    const int n = static_cast<int>(d.components.size());
    const std::string_view query(reinterpret_cast<const char*>(data), size);
    const LookupResult found = FindComponent(d, query);
    if (found.status == LookupStatus::Found && (found.index < 0 || found.index >= n)) std::abort();
    if (found.status == LookupStatus::Ambiguous && found.candidates.size() < 2) std::abort();
    (void)LookupMessage(d, found, query, "ESP");
    for (const char* lang : {"ESP", "ENG"})
        for (int i : SearchComponents(d, query, lang))
            if (i < 0 || i >= n) std::abort();
    if (size < 6) return 0;
    VleRequest request;
    request.first = (data[0] | data[1] << 8) % n;
    request.second = (data[2] | data[3] << 8) % n;
    request.model = static_cast<ModelChoice>(data[4] % 4);
    request.pressureKPa = 0.01 * std::pow(10.0, data[5] / 40.0); // 0.01 kPa .. about 24 MPa
    request.tablePoints = 3 + data[4] % 97;
    const VleResult r = SolveVle(d, request);
    (void)VleMessage(d, r, "ENG", ".");
    (void)SwapNotice(d, r, "ENG");
    if (r.status != VleStatus::Ok) return 0;
    if (r.table.size() < 3 || r.table.size() > 99 || r.table.front().y != 0 || r.table.back().x != 1)
        std::abort();
    for (size_t i = 1; i < r.table.size(); ++i)
        if (!(r.table[i].x > r.table[i - 1].x && r.table[i].y > r.table[i - 1].y)) std::abort();
    return 0;
}
