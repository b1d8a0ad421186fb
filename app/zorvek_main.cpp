// zorvek: the desktop program. Opens the main window on the start-up case.
#include <QApplication>

#include "formmain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZORVEK");
    zorvek::FormMain window;
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
