// The start-up procedure Main: chooses the interface language and shows the splash, which then loads
// and shows the main window.
#pragma once
#include <QStringList>

namespace zorvek {

class FormMain;

// Reads "LANG" (or looks for "esp.txt" in the application folder) and shows FormSplash without
// waiting. Call once, with the QApplication running. files: the files named on the command line,
// opened once the main window is up.
void Main(const QStringList& files = {});

// Creates FormMain, runs its load and shows it (what the splash does when it closes), then opens files
// as a drop on the window would, without the save prompt. The window deletes itself when closed.
FormMain* LoadMainWindow(const QStringList& files = {});

// The main window created by the last LoadMainWindow, or null once it is closed.
FormMain* MainWindow();

} // namespace zorvek
