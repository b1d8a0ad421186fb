#include "startup.h"

#include "appstate.h"
#include "files.h"
#include "formmain.h"
#include "formsplash.h"
#include "settings.h"
#include "startupprobe.h"

#include <QFileInfo>
#include <QPointer>
#include <QTimer>

namespace zorvek {

namespace {

QPointer<FormMain>& CurrentMainWindow() {
    static QPointer<FormMain> window;
    return window;
}

} // namespace

void Main(const QStringList& files) {
    // Qt applies the desktop's style by itself: there is no common-controls library to initialise.
    appState().UiLanguage = LanguageAtStart(ApplicationFolder());
    auto* splash = new FormSplash(FormSplash::Use::Splash);
    StartupProbe::SplashShown();
    splash->StartSplash([files] {
        StartupProbe::SplashDone();
        LoadMainWindow(files);
    });
}

FormMain* LoadMainWindow(const QStringList& files) {
    auto* window = new FormMain;
    window->setAttribute(Qt::WA_DeleteOnClose);
    CurrentMainWindow() = window;
    window->Form_Load();
    StartupProbe::Watch(window);
    window->show();
    // After the start-up: the case opened over the start-up case, its messages over the window.
    // Full paths now, while the working folder is the one the command line was typed in.
    QStringList paths;
    for (const QString& file : files) paths << QFileInfo(file).absoluteFilePath();
    if (!paths.isEmpty()) QTimer::singleShot(0, window, [window, paths] { window->OpenFiles(paths, false); });
    return window;
}

FormMain* MainWindow() {
    return CurrentMainWindow().data();
}

} // namespace zorvek
