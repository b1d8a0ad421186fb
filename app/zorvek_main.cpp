// zorvek: the desktop program. Main shows the splash, which then loads and shows the main window.
#include <QApplication>

#include "programfiles.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZORVEK");
    // The desktop entry and icon of an installed program (window icon, task bar, Wayland app id).
    QApplication::setDesktopFileName(ZORVEK_APP_ID);
    QApplication::setWindowIcon(zorvek::ProgramIcon());
    zorvek::Main();
    return QApplication::exec();
}
