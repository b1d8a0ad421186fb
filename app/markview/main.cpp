// markview: shows a ZORVEK worked-solution report given on the command line.
#include <QApplication>
#include <QTimer>
#include <cstring>

#include "programfiles.h"
#include "viewertexts.h"
#include "viewerwindow.h"

int main(int argc, char** argv) {
    // "--pdf" shows no window, so it needs no display: without one (a terminal, a build script) Qt's
    // offscreen platform draws the pages.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("markview");
    // Part of ZORVEK on the desktop: its entry and icon.
    QApplication::setDesktopFileName(ZORVEK_APP_ID);
    QApplication::setWindowIcon(zorvek::ProgramIcon());
    QStringList args = QApplication::arguments();
    args.removeFirst();
    // For the speed measurement: quit as soon as the first page has been painted.
    const bool quitAfterPaint = args.removeAll("--first-paint-exit") > 0;
    // "--pdf OUT": write the report as PDF without showing a window.
    QString pdfOut;
    if (const qsizetype at = args.indexOf("--pdf"); at >= 0 && at + 1 < args.size()) {
        pdfOut = args.at(at + 1);
        args.remove(at, 2);
    }
    markview::ViewerWindow window(markview::SavedLanguage());
    if (!pdfOut.isEmpty()) return window.OpenReport(args.join(' ')) && window.ExportPdfTo(pdfOut) ? 0 : 1;
    if (quitAfterPaint)
        QObject::connect(&window, &markview::ViewerWindow::firstPagePainted, &app, &QApplication::quit,
                         Qt::QueuedConnection);
    window.show();
    // Started from ZORVEK's "View report": come to the front with the focus.
    window.raise();
    window.activateWindow();
    if (args.isEmpty()) {
        QTimer::singleShot(0, &window, [&window] { window.OpenReport(QString()); });
    } else {
        // The path arrives whole, blanks included, as the main program passes it.
        window.OpenReport(args.join(' '));
    }
    return app.exec();
}
