// Values the whole process shares: interface language, decimal symbol, remembered folders, the bulk
// field-update flag and the print options. Read from the settings at start-up, written at shutdown.
#pragma once
#include <QString>
#include <string>

namespace zorvek {

struct AppState {
    QString UiLanguage = "ENG";   // "ESP" or "ENG"; any other value shows neither text
    QString DecimalSymbol = ".";  // "," or "."
    QString PATH_TABLA;           // folder of the last table file, no trailing "/"
    QString PATH_FILE;            // folder of the last case file opened, no trailing "/"
    bool UpdatingFields = false;  // the program is rewriting field texts in bulk
    // Print options, set by the print dialog.
    bool PrintAccepted = false;
    int PrintCopies = 1;
    bool PrintCollate = false;
    bool BlackAndWhite = false;

    bool Spanish() const { return UiLanguage == "ESP"; }
    bool English() const { return UiLanguage == "ENG"; }
    std::string LanguageStd() const { return UiLanguage.toStdString(); }
    std::string DecimalStd() const { return DecimalSymbol.toStdString(); }
};

AppState& appState();

// Picks the text of the current language: Spanish for "ESP", English for "ENG", empty otherwise.
inline QString Tr(const QString& esp, const QString& eng) {
    if (appState().UiLanguage == "ESP") return esp;
    if (appState().UiLanguage == "ENG") return eng;
    return {};
}

} // namespace zorvek
