// Commands of FormMain whose real bodies are still to be written. Whoever writes one moves it into its
// own file and deletes both its stub here and its line in DisablePendingCommands.
#include <QAction>
#include <QLabel>

#include "formmain.h"

namespace zorvek {

void FormMain::DisablePendingCommands() {
}

// Drags of sliders and markers (formmain_drag.cpp)
void FormMain::Image2_MouseDown(int, QPoint) {}
void FormMain::Image2_MouseMove(int, QPoint) {}
void FormMain::Image2_MouseUp(int) {}
void FormMain::Label2_MouseDown(int, QPoint) {}
void FormMain::Label2_MouseMove(int, QPoint) {}
void FormMain::Label2_MouseUp(int) {}

// Read-out and diagram clicks (formmain_pointer.cpp)
void FormMain::Picture1_MouseDown(QPoint) {}
void FormMain::Picture1_MouseMove(QPoint) {}
void FormMain::Picture1_MouseUp(QPoint) {}
void FormMain::Picture1_DblClick(QPoint) {}
void FormMain::Picture2_MouseMove(QPoint) {}
void FormMain::Timer2_Timer() {}

} // namespace zorvek
