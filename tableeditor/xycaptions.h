// Every text of the table editor in both languages: captions, explanations, dialog titles and filters,
// and the save message. Chosen by two separate comparisons of UiLanguage; "" for any other value.
#pragma once
#include <QString>
#include <array>

namespace zorvek {

struct XYCaptions {
    QString title;
    std::array<QString, 8> buttons; // LabelB(0..7)
    QString explainX;               // Label1(3)
    QString explainY;               // Label1(4)
    QString openTitle, openFilter;
    QString saveTitle, saveFilter;
    QString saveFailed; // followed by CR LF, path, CR LF, "Error : " code " - " description
    QString components; // caption of the button that opens the components dialog
};

// The caption set of the current UiLanguage.
XYCaptions CurrentXYCaptions();

} // namespace zorvek
