// markview: shows a ZORVEK worked-solution report given on the command line.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "commandline.h"
#include "programfiles.h"
#include "qttranslations.h"
#include "viewerwindow.h"

int main(int argc, char** argv) {
    // The usage line needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("%s\n", markview::kUsageLine);
            return 0;
        }
    }
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
    const markview::ViewerCommand command = markview::ParseViewerCommand(args);
    // Qt's own texts (print dialog, file dialog, buttons) in the document's language.
    zorvek::UseQtTranslations(command.language);
    markview::ViewerWindow window(command.language);
    if (!command.pdfOut.isEmpty())
        return window.OpenReport(command.document) && window.ExportPdfTo(command.pdfOut) ? 0 : 1;
    // For the speed measurement: quit as soon as the first page has been painted.
    if (command.quitAfterPaint)
        QObject::connect(&window, &markview::ViewerWindow::firstPagePainted, &app, &QApplication::quit,
                         Qt::QueuedConnection);
    window.show();
    // Started from ZORVEK's "View report": come to the front with the focus.
    window.raise();
    window.activateWindow();
    if (command.document.isEmpty()) {
        QTimer::singleShot(0, &window, [&window] { window.OpenReport(QString()); });
    } else {
        window.OpenReport(command.document);
    }
    return app.exec();
}
