// The help commands: the user's manual (a PDF beside the executable), the maker's home page and the
// shared OpenWebPage, each opened through the shell seam with its failure message in both languages.
#pragma once
#include <QString>

class QWidget;

namespace zorvek {

// "Manual_ZORVEK" + "_ES" (Spanish), "_EN" (English) or nothing + ".pdf".
QString ManualFileName();
// appFolder + "/" + ManualFileName().
QString ManualPath(const QString& appFolder);
// The home page of the current language ("" when the language is neither).
QString HomePage();

// Opens the manual of the current language from the application folder (or, in an installed tree,
// from the data folder). A missing file or a shell failure shows the manual message. Returns whether
// the manual was handed to the shell.
bool OpenManual(QWidget* parent);
// Opens address with the shell; on failure shows the page message. Returns whether it opened.
bool OpenWebPage(QWidget* parent, const QString& address);

} // namespace zorvek
