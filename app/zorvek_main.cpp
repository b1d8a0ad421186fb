// zorvek: the desktop program. Main shows the splash, which then loads and shows the main window and
// opens the case (*.mct) or table (*.vle) named on the command line, if any.
#include <QApplication>

#include "programfiles.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZORVEK");
    // The desktop entry and icon of an installed program (window icon, task bar, Wayland app id).
    QApplication::setDesktopFileName(ZORVEK_APP_ID);
    QApplication::setWindowIcon(zorvek::ProgramIcon());
    // Qt has taken its own options (-platform, -style, ...) out of the arguments.
    zorvek::Main(QApplication::arguments().mid(1));
    return QApplication::exec();
}
