#include "help.h"

#include "appstate.h"
#include "files.h"
#include "makerinfo.h"
#include "programfiles.h"
#include "seams.h"

#include <QFileInfo>
#include <QUrl>

namespace zorvek {

namespace {

void Warn(QWidget* parent, const QString& title, const QString& text) {
    seams().messageBox(parent, MessageRequest{MsgIcon::Warning, MsgButtons::Ok, title, text});
}

} // namespace

QString ManualFileName() {
    QString suffix;
    if (appState().UiLanguage == "ESP") suffix = "_ES";
    if (appState().UiLanguage == "ENG") suffix = "_EN";
    return QString("Manual_") + kAppTitle + suffix + ".pdf";
}

QString ManualPath(const QString& appFolder) {
    return appFolder + "/" + ManualFileName();
}

QString HomePage() {
    if (appState().UiLanguage == "ESP") return MakerWebSpanish();
    if (appState().UiLanguage == "ENG") return MakerWebEnglish();
    return {};
}

bool OpenManual(QWidget* parent) {
    const QString path = ProgramFile(ManualFileName(), ApplicationFolder());
    // The desktop's opener reports success before it looks at the file, so a missing manual is
    // caught here.
    if (QFileInfo(path).isFile() && seams().openUrl(QUrl::fromLocalFile(path))) return true;
    if (appState().UiLanguage == "ESP")
        Warn(parent, "Error",
             QString::fromUtf8("No se encuentra o no se puede abrir el archivo:\r\n") + path +
                 QString::fromUtf8(
                     "\r\nAsegúrese que el archivo existe y que se halla en la carpeta correcta."));
    if (appState().UiLanguage == "ENG") Warn(parent, "Error", "Sorry, cannot find/open the file:\r\n" + path);
    return false;
}

bool OpenWebPage(QWidget* parent, const QString& address) {
    if (seams().openUrl(QUrl(address))) return true;
    if (appState().UiLanguage == "ESP")
        Warn(parent, QString::fromUtf8("No se puede abrir la página"),
             QString::fromUtf8("No se puede abrir la página ") + address +
                 QString::fromUtf8(
                     "\r\nAsegúrese de tener una conexión activa a internet y un navegador instalado."));
    if (appState().UiLanguage == "ENG")
        Warn(parent, "Unable to open the page", "Error: Unable to open the page " + address);
    return false;
}

} // namespace zorvek
