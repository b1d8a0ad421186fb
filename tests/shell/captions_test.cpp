#include "appstate.h"
#include "captions.h"

#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace zorvek;

TEST(TranslateComponentName, PairsBothWaysOnlyOnExactLowerCaseMatch) {
    struct Case {
        const char* text;
        const char* language;
        const char* expected;
    };
    const Case cases[] = {
        {"Agua", "ENG", "water"},
        {"Etanol", "ENG", "ethanol"},
        {"water", "ESP", "agua"},
        {"ETHANOL", "ESP", "etanol"},
        {"benceno", "ENG", "benzene"},
        {"Toluene", "ESP", "tolueno"},
        {"benceno ", "ENG", "benceno "},
        {" agua", "ENG", " agua"},
        {"agua", "ESP", "agua"},
        {"Water", "ENG", "Water"},
        {"metanol", "ENG", "metanol"},
        {"agua", "DEU", "agua"},
        {"", "ENG", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TranslateComponentName(c.text, c.language), c.expected) << c.text << " -> " << c.language;
}

namespace {

// A window with a few of the main window's controls, plus a dialog whose control shares a name.
struct FakeMain {
    QMainWindow window;
    QMenu* file = nullptr;
    QAction* exit = nullptr;
    QAction* web = nullptr;
    QLabel* button = nullptr;
    QLabel* marker = nullptr;
    QRadioButton* table = nullptr;
    QLabel* dialogButton = nullptr;

    FakeMain() {
        file = window.menuBar()->addMenu("x");
        file->setObjectName("mnu_Archivo");
        exit = file->addAction("x");
        exit->setObjectName("mnu_Archivo_Salir");
        web = window.menuBar()->addAction("x");
        web->setObjectName("mnu_Ayuda_WEB");
        auto* central = new QWidget(&window);
        window.setCentralWidget(central);
        button = new QLabel(central);
        button->setObjectName("LabelB_0");
        marker = new QLabel(central);
        marker->setObjectName("Label2_1");
        table = new QRadioButton(central);
        table->setObjectName("OptTAB");
        auto* dialog = new QDialog(&window);
        dialogButton = new QLabel(dialog);
        dialogButton->setObjectName("LabelB_0");
        dialogButton->setText("kept");
    }
};

} // namespace

TEST(ApplyCaptions, SetsTheMainWindowSetByObjectName) {
    struct Case {
        const char* language;
        const char* title;
        const char* file;
        const char* exit;
        const char* button;
        const char* marker;
        const char* table;
        QString web;
    };
    const Case cases[] = {
        {"ENG",
         "KestrovaSoftware - Design of distillation columns for binary mixtures. Number of Theoretical "
         "Plates by McCabe-Thiele method",
         "&File", "&Exit", "Calculate", "Point q: Intersection of q-line and the operating lines",
         "VLE Table", QString("Home &page: ") + ZORVEK_EXPECTED_WEB + "..."},
        {"ESP",
         "KestrovaSoftware - Diseño de columnas de destilación fraccionada de mezclas binarias por el "
         "método McCabe-Thiele",
         "&Archivo", "&Salir", "Calcular", "Punto q: Intersección de la línea q con las rectas operativas",
         "Tabla", QString::fromUtf8("Página web: ") + ZORVEK_EXPECTED_WEB_ES + "..."},
        {"FRA", "", "", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        appState().UiLanguage = c.language;
        FakeMain fake;
        const int applied = ApplyCaptions(&fake.window, MainWindowCaptions());
        EXPECT_EQ(applied, 7) << c.language; // title + the six controls present
        EXPECT_EQ(fake.window.windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(fake.file->title(), c.file);
        EXPECT_EQ(fake.exit->text(), c.exit);
        EXPECT_EQ(fake.button->text(), c.button);
        EXPECT_EQ(fake.marker->toolTip(), QString::fromUtf8(c.marker));
        EXPECT_EQ(fake.marker->text(), "");
        EXPECT_EQ(fake.table->text(), c.table);
        EXPECT_EQ(fake.web->text(), c.web);
        EXPECT_EQ(fake.dialogButton->text(), "kept");
    }
    appState() = AppState{};
}
