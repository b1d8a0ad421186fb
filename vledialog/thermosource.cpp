#include "thermosource.h"

#include <QCoreApplication>

namespace zorvek {

namespace {

struct Source {
    QString path; // empty: beside the executable
    thermo::DataReadResult read;
};

Source& TheSource() {
    static Source source;
    return source;
}

} // namespace

thermo::DataReadResult WindowThermoData() {
    Source& s = TheSource();
    if (s.read.ok()) return s.read;
    const std::string path =
        s.path.isEmpty() ? thermo::ThermoDataFile(QCoreApplication::applicationDirPath().toStdString())
                         : s.path.toStdString();
    s.read = thermo::ReadThermoDataFile(path);
    return s.read;
}

void SetThermoDataFileForWindows(const QString& path) {
    TheSource() = Source{path, {}};
}

} // namespace zorvek
