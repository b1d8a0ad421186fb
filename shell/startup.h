// The start-up procedure Main: chooses the interface language and shows the splash, which then loads
// and shows the main window.
#pragma once

namespace zorvek {

class FormMain;

// Reads "LANG" (or looks for "esp.txt" in the application folder) and shows FormSplash without
// waiting. Call once, with the QApplication running.
void Main();

// Creates FormMain, runs its load and shows it (what the splash does when it closes). The window
// deletes itself when closed.
FormMain* LoadMainWindow();

// The main window created by the last LoadMainWindow, or null once it is closed.
FormMain* MainWindow();

} // namespace zorvek
