// zorvek: the desktop program. Main shows the splash, which then loads and shows the main window.
#include <QApplication>

#include "startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZORVEK");
    zorvek::Main();
    return QApplication::exec();
}
