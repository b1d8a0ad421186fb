// Every text of the components dialog in both languages, chosen by two separate comparisons of
// UiLanguage ("" for any other value). The messages of the library and the equilibrium themselves are
// in thermo/thermotexts.h.
#pragma once
#include <QString>
#include <array>

namespace zorvek {

struct ComponentsCaptions {
    QString title;
    QString componentA, componentB; // picker labels
    QString filterHint;             // placeholder of the filter boxes
    QString pressure, model;
    std::array<QString, 4> models; // automatic, ideal, NRTL, UNIFAC (the combo box, in that order)
    QString inUse;                 // followed by the model's name
    QString use, cancel;
    QString chooseBoth;   // no component picked in a list
    QString boilingPoint; // "Tb" caption of each component line
    QString minimumAzeotrope, maximumAzeotrope, noAzeotrope;
    QString liquid, vapour;    // legends of the T-x-y preview
    QString xyTitle, txyTitle; // titles of the two previews
};

ComponentsCaptions CurrentComponentsCaptions();

} // namespace zorvek
