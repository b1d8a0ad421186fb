// The printed pages of a case given by its entry texts, without a main window: the command-line PDF
// export solves the case once and prints its summary, stage table and diagram from that outcome.
#pragma once
#include <QString>
#include <string>

#include "design.h"
#include "pagewriter.h"

namespace zorvek {

struct PrintableCase {
    CaseTexts entries;
    std::string nameA, nameB; // Text16 and Text17
    bool TableMode = false;
    const DenseTables* dense = nullptr; // required in table mode; must outlive the page source
    int LastPointIndex = -1;            // of the accepted table
    QString UiLanguage = "ENG";
    QString DecimalSymbol = ".";
    bool BlackAndWhite = false;
};

// The axis titles the main window builds from the name of component A.
void AxisTitlesFor(const std::string& nameA, const QString& uiLanguage, QString& axisTitleX,
                   QString& axisTitleY);

// Solves the case; error is the error line's text (empty when the case is complete).
DesignOutcome SolvePrintableCase(const PrintableCase& c);

// The page source of a complete case (check SolvePrintableCase's error first).
PageSource CasePageSource(const PrintableCase& c);

} // namespace zorvek
