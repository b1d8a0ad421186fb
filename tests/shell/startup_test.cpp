// Start-up and shutdown of the whole program: Main, the splash, FormMain's load and unload.
#include "appstate.h"
#include "files.h"
#include "formmain.h"
#include "formsplash.h"
#include "settings.h"
#include "shelltestsupport.h"
#include "startup.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace zorvek;

namespace {

const QString kMarker = "/esp.txt";

FormSplash* OpenSplash() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* splash = qobject_cast<FormSplash*>(widget); splash && splash->isVisible()) return splash;
    return nullptr;
}

// Runs Main and waits for the splash to hand over to the main window.
FormMain* Start() {
    Main();
    EXPECT_NE(OpenSplash(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([] { return MainWindow() != nullptr; }, 3000));
    return MainWindow();
}

void Close(FormMain* window) {
    QPointer<FormMain> guard(window);
    window->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }, 3000));
}

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ClearSettings();
        appState() = AppState{};
        QFile::remove(ApplicationFolder() + kMarker);
    }
    void TearDown() override {
        if (FormMain* window = MainWindow()) Close(window);
        QFile::remove(ApplicationFolder() + kMarker);
        test::ClearSettings();
        appState() = AppState{};
    }
    test::RecordingSeams seams_;
};

} // namespace

TEST_F(StartupTest, FirstStartLanguageFollowsTheMarkerFile) {
    for (bool marker : {false, true}) {
        test::ClearSettings();
        if (marker) {
            QFile file(ApplicationFolder() + kMarker);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        FormMain* window = Start();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(appState().UiLanguage, marker ? "ESP" : "ENG");
        EXPECT_EQ(window->mnu_IDIOMA_ESP->isChecked(), marker);
        EXPECT_EQ(window->mnu_IDIOMA_ENG->isChecked(), !marker);
        EXPECT_EQ(window->mnu_Archivo->title(), marker ? "&Archivo" : "&File");
        EXPECT_EQ(window->LabelB[0]->text(), marker ? "Calcular" : "Calculate");
        EXPECT_FALSE(window->Modified);
        EXPECT_EQ(window->Text15->text(), "1");
        EXPECT_EQ(window->TablaELV.LastPointIndex, -1);
        EXPECT_DOUBLE_EQ(window->TablaELV.x[20], 1.0);
        EXPECT_DOUBLE_EQ(window->TablaELV.x[21], -1.0);
        EXPECT_EQ(window->Picture4.size(), QSize(700, 700));
        EXPECT_FALSE(appState().UpdatingFields);
        EXPECT_FALSE(window->Text7->text().isEmpty()); // the start-up case was computed
        Close(window);
        EXPECT_EQ(ReadSetting("LANG", "?"), marker ? "ESP" : "ENG");
        QFile::remove(ApplicationFolder() + kMarker);
    }
}

TEST_F(StartupTest, FirstStartWithCommaRegionalSettings) {
    if (!RegionalOneAndHalf().contains(','))
        GTEST_SKIP() << "run by the shell_comma_locale test with a comma locale";
    FormMain* window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(appState().DecimalSymbol, ",");
    EXPECT_TRUE(window->mnu_Decimal_SEP_COM->isChecked());
    EXPECT_FALSE(window->mnu_Decimal_SEP_DOT->isChecked());
    EXPECT_EQ(window->Text2->text(), "0,5");
    EXPECT_EQ(window->Text3->text(), "0,46");
    EXPECT_EQ(window->Text15->text(), "1");
    EXPECT_TRUE(window->Text7->text().contains(',')) << window->Text7->text().toStdString();
    EXPECT_FALSE(window->Modified);
}

TEST_F(StartupTest, ChoicesAreRememberedAcrossACloseAndANewStart) {
    FormMain* window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(appState().UiLanguage, "ENG");
    window->mnu_IDIOMA_ESP->trigger();
    const QString other = appState().DecimalSymbol == "," ? "." : ",";
    (other == "," ? window->mnu_Decimal_SEP_COM : window->mnu_Decimal_SEP_DOT)->trigger();
    appState().PATH_FILE = "/home/u/casos";
    appState().PATH_TABLA = "/home/u/tablas";
    Close(window);

    appState() = AppState{};
    window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(appState().UiLanguage, "ESP");
    EXPECT_EQ(appState().DecimalSymbol, other);
    EXPECT_EQ(window->Text3->text(), "0" + other + "46");
    EXPECT_EQ(appState().PATH_FILE, "/home/u/casos");
    EXPECT_EQ(appState().PATH_TABLA, "/home/u/tablas");
    EXPECT_EQ(window->windowTitle().left(19), "KestrovaSoftware - ");
    EXPECT_TRUE(window->windowTitle().contains(QString::fromUtf8("Diseño")));
}

TEST_F(StartupTest, ClickOnTheSplashShowsTheMainWindowAtOnce) {
    Main();
    FormSplash* splash = OpenSplash();
    ASSERT_NE(splash, nullptr);
    QTest::mouseClick(splash->LblTIT2, Qt::LeftButton);
    ASSERT_NE(MainWindow(), nullptr);
    EXPECT_TRUE(MainWindow()->isVisible());
    FormMain* first = MainWindow();
    QTest::qWait(500); // the timer must not load a second main window
    EXPECT_EQ(MainWindow(), first);
    EXPECT_EQ(OpenSplash(), nullptr);
}

TEST_F(StartupTest, TemporaryFilesAreRemovedAtExit) {
    FormMain* window = LoadMainWindow();
    const QString temp = TempFolder();
    for (const char* name : {"mcth_temp1.jpg", "restemp1.rex", "keep.bmp"}) {
        QFile file(temp + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    Close(window);
    EXPECT_FALSE(QFile::exists(temp + "/mcth_temp1.jpg"));
    EXPECT_FALSE(QFile::exists(temp + "/restemp1.rex"));
    EXPECT_TRUE(QFile::remove(temp + "/keep.bmp"));
    EXPECT_TRUE(seams_.messages.empty());
}

TEST_F(StartupTest, ManualMissingShowsItsPath) {
    appState().UiLanguage = "ENG";
    FormMain* window = LoadMainWindow();
    QFile::remove(ApplicationFolder() + "/Manual_ZORVEK_EN.pdf");
    ASSERT_TRUE(window->mnu_Ayuda_Manual->isEnabled());
    window->mnu_Ayuda_Manual->trigger();
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].text,
              "Sorry, cannot find/open the file:\r\n" + ApplicationFolder() + "/Manual_ZORVEK_EN.pdf");
}

TEST_F(StartupTest, StoredValuesOtherThanTheKnownOnesAreTakenAsTheyStand) {
    WriteSetting("LANG", "FRA");
    WriteSetting("DecimalSYMBOL", ";");
    FormMain* window = Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(appState().UiLanguage, "FRA");
    EXPECT_EQ(appState().DecimalSymbol, ";");
    // Neither language operation ran: no language is checked, and the captions are the design's.
    EXPECT_FALSE(window->mnu_IDIOMA_ESP->isChecked());
    EXPECT_FALSE(window->mnu_IDIOMA_ENG->isChecked());
    EXPECT_FALSE(appState().UpdatingFields);
    EXPECT_EQ(window->Text2->text(), "0.5"); // no separator operation converted the fields
    window->Modified = false;
    Close(window);
    EXPECT_EQ(ReadSetting("LANG", "?"), "FRA");
    EXPECT_EQ(ReadSetting("DecimalSYMBOL", "?"), ";");
}
