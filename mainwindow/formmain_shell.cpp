// FormMain's load and unload (settings, start-up case, default table, temporary files) and the help
// menu (manual, home page, about).
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "appstate.h"
#include "files.h"
#include "formmain.h"
#include "formsplash.h"
#include "help.h"
#include "settings.h"

namespace zorvek {

void FormMain::Form_Load() {
    AppState& state = appState();
    state.DecimalSymbol = DecimalSymbolAtStart(RegionalOneAndHalf());
    TablaELV.LastPointIndex = -1;
    ColocarControles();
    state.UpdatingFields = true;
    // Each operation converts the start-up texts and sets its check mark; the separator operation
    // does not recompute (UpdatingFields is on) and turns UpdatingFields off, so the language
    // operation computes the start-up case.
    if (state.DecimalSymbol == ".") mnu_Decimal_SEP_DOT_Click();
    if (state.DecimalSymbol == ",") mnu_Decimal_SEP_COM_Click();
    if (state.UiLanguage == "ESP") mnu_IDIOMA_ESP_Click();
    if (state.UiLanguage == "ENG") mnu_IDIOMA_ENG_Click();
    state.UpdatingFields = false;
    state.PATH_TABLA = ReadSetting("PATH_TABLA", "");
    state.PATH_FILE = ReadSetting("PATH_FILE", "");

    const QColor panel = Picture2->palette().color(QPalette::Window);
    for (QWidget* widget : std::initializer_list<QWidget*>{Shape2, OptVOL, OptTAB}) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, panel);
        widget->setPalette(palette);
    }
    for (int i = 0; i < 4; ++i) ShowButtonPressed(i, false);

    TablaELV = DefaultEquilibriumTable();
    TablaELV.LastPointIndex = -1; // the default points are only what the editor shows first
    Picture4 = QImage(700, 700, QImage::Format_RGB32);
    Picture4.fill(Qt::white);
    SetFieldText(Text15, "1");
    Modified = false;
}

void FormMain::Form_Unload() {
    SaveSettingsAtExit();
    DeleteTemporaryFiles(TempFolder());
}

void FormMain::mnu_Ayuda_Manual_Click() {
    OpenManual(this);
}

void FormMain::mnu_Ayuda_WEB_Click() {
    const QString page = HomePage();
    if (!page.isEmpty()) OpenWebPage(this, page);
}

void FormMain::mnu_Ayuda_Acerca_Click() {
    FormSplash::ShowAbout(this);
}

} // namespace zorvek
