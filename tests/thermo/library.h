// The shipped component library, read once for all tests, and look-ups that must succeed.
#pragma once
#include <gtest/gtest.h>
#include <string_view>

#include "lookup.h"
#include "thermodata.h"

namespace zorvek::thermo {

inline const ThermoData& Library() {
    static const DataReadResult read = ReadThermoDataFile(ZORVEK_THERMO_DATA_FILE);
    if (!read.ok()) {
        ADD_FAILURE() << "cannot read " << ZORVEK_THERMO_DATA_FILE;
        std::abort();
    }
    return *read.data;
}

inline int Index(std::string_view query) {
    const LookupResult r = FindComponent(Library(), query);
    EXPECT_EQ(r.status, LookupStatus::Found) << query;
    return r.index;
}

} // namespace zorvek::thermo
