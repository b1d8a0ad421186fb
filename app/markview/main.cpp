// markview: shows a ZORVEK worked-solution report given on the command line.
#include <QApplication>
#include <QTimer>

#include "commandline.h"
#include "qttranslations.h"
#include "viewerwindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("markview");
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
