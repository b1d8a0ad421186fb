#include "startup.h"

#include "appstate.h"
#include "files.h"
#include "formmain.h"
#include "formsplash.h"
#include "settings.h"
#include "startupprobe.h"

#include <QPointer>

namespace zorvek {

namespace {

QPointer<FormMain>& CurrentMainWindow() {
    static QPointer<FormMain> window;
    return window;
}

} // namespace

void Main() {
    // Qt applies the desktop's style by itself: there is no common-controls library to initialise.
    appState().UiLanguage = LanguageAtStart(ApplicationFolder());
    auto* splash = new FormSplash(FormSplash::Use::Splash);
    StartupProbe::SplashShown();
    splash->StartSplash([] {
        StartupProbe::SplashDone();
        LoadMainWindow();
    });
}

FormMain* LoadMainWindow() {
    auto* window = new FormMain;
    window->setAttribute(Qt::WA_DeleteOnClose);
    CurrentMainWindow() = window;
    window->Form_Load();
    StartupProbe::Watch(window);
    window->show();
    return window;
}

FormMain* MainWindow() {
    return CurrentMainWindow().data();
}

} // namespace zorvek
