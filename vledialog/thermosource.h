// The component library as the windows read it: once, from <application folder>/../share/zorvek/thermo
// (or the file a test names), kept for the rest of the run once it has been read.
#pragma once
#include <QString>

#include "thermodata.h"

namespace zorvek {

// The library, or the reason it cannot be read (read again on every call until it succeeds).
thermo::DataReadResult WindowThermoData();

// Reads the library from path instead, forgetting what was read before (tests); an empty path returns
// to the folder beside the executable.
void SetThermoDataFileForWindows(const QString& path);

} // namespace zorvek
