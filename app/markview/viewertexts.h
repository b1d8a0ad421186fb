// Every text markview shows, in Spanish and English, chosen by two separate comparisons of the
// interface language so that any other value shows neither.
#pragma once
#include <QString>

#include "markup.h"

namespace markview {

QString Tx(const QString& language, const char* esp, const char* eng);

QString PartHeading(const QString& language, int part);
QString FaultText(const QString& language, Fault fault);

// The interface language saved by ZORVEK, else Spanish when "esp.txt" lies beside the program (or,
// in an installed tree, in its data folder).
QString SavedLanguage();

} // namespace markview
