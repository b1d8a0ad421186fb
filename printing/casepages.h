// The printed pages of a case given by its entry texts, without a main window: the command-line PDF
// export solves the case once and prints its summary, stage table and diagram from that outcome.
#pragma once
#include <QGuiApplication>
#include <QString>
#include <memory>
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

// The printable case of the command-line tool: the entry texts, names, model and display settings.
PrintableCase PrintableCaseFrom(const CaseTexts& fields, const std::string& nameA, const std::string& nameB,
                                const CalcSettings& settings, int lastPointIndex);

// Fonts, images and PDF pages need a GUI application, but never a display: creates one on the
// offscreen platform when the process has none (the command-line tool), else returns nothing.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

// Solves the case; error is the error line's text (empty when the case is complete).
DesignOutcome SolvePrintableCase(const PrintableCase& c);

// The page source of a complete case (check SolvePrintableCase's error first).
PageSource CasePageSource(const PrintableCase& c);

} // namespace zorvek
