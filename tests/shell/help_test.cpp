#include "appstate.h"
#include "files.h"
#include "help.h"
#include "shelltestsupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zorvek;

namespace {

class HelpTest : public ::testing::Test {
  protected:
    void TearDown() override {
        appState() = AppState{};
        for (const char* language : {"ESP", "ENG"}) {
            appState().UiLanguage = language;
            QFile::remove(ManualPath(ApplicationFolder()));
        }
        appState() = AppState{};
    }
};

} // namespace

TEST_F(HelpTest, ManualPathByLanguage) {
    const struct {
        const char* language;
        const char* path;
    } cases[] = {{"ESP", "/opt/z/Manual_ZORVEK_ES.pdf"},
                 {"ENG", "/opt/z/Manual_ZORVEK_EN.pdf"},
                 {"DEU", "/opt/z/Manual_ZORVEK.pdf"}};
    for (const auto& c : cases) {
        appState().UiLanguage = c.language;
        EXPECT_EQ(ManualPath("/opt/z"), c.path);
    }
}

TEST_F(HelpTest, MissingManualShowsItsPathInTheCurrentLanguage) {
    const QString folder = ApplicationFolder();
    const struct {
        const char* language;
        QString text;
    } cases[] = {
        {"ENG", "Sorry, cannot find/open the file:\r\n" + folder + "/Manual_ZORVEK_EN.pdf"},
        {"ESP", QString::fromUtf8("No se encuentra o no se puede abrir el archivo:\r\n") + folder +
                    QString::fromUtf8(
                        "/Manual_ZORVEK_ES.pdf\r\nAsegúrese que el archivo existe y que se halla en la "
                        "carpeta correcta.")},
    };
    for (const auto& c : cases) {
        appState().UiLanguage = c.language;
        test::RecordingSeams seams(true); // the desktop opener would claim success
        EXPECT_FALSE(OpenManual(nullptr));
        ASSERT_EQ(seams.messages.size(), 1u);
        EXPECT_EQ(seams.messages[0].title, "Error");
        EXPECT_EQ(seams.messages[0].icon, MsgIcon::Warning);
        EXPECT_EQ(seams.messages[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(seams.messages[0].text, c.text);
        EXPECT_TRUE(seams.opened.empty());
    }
    appState().UiLanguage = "DEU";
    test::RecordingSeams quiet(false);
    EXPECT_FALSE(OpenManual(nullptr));
    EXPECT_TRUE(quiet.messages.empty());
}

TEST_F(HelpTest, PresentManualIsHandedToTheShell) {
    appState().UiLanguage = "ENG";
    const QString path = ManualPath(ApplicationFolder());
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    test::RecordingSeams ok(true);
    EXPECT_TRUE(OpenManual(nullptr));
    ASSERT_EQ(ok.opened.size(), 1u);
    EXPECT_EQ(ok.opened[0], QUrl::fromLocalFile(path));
    EXPECT_TRUE(ok.messages.empty());

    test::RecordingSeams failing(false);
    EXPECT_FALSE(OpenManual(nullptr));
    ASSERT_EQ(failing.messages.size(), 1u);
    EXPECT_TRUE(failing.messages[0].text.endsWith("Manual_ZORVEK_EN.pdf"));
}

TEST_F(HelpTest, OpenWebPageFailureMessages) {
    const QString page = "https://example.org/x";
    const struct {
        const char* language;
        const char* title;
        QString text;
    } cases[] = {
        {"ENG", "Unable to open the page", "Error: Unable to open the page " + page},
        {"ESP", "No se puede abrir la página",
         QString::fromUtf8("No se puede abrir la página ") + page +
             QString::fromUtf8(
                 "\r\nAsegúrese de tener una conexión activa a internet y un navegador instalado.")},
    };
    for (const auto& c : cases) {
        appState().UiLanguage = c.language;
        test::RecordingSeams seams(false);
        EXPECT_FALSE(OpenWebPage(nullptr, page));
        ASSERT_EQ(seams.messages.size(), 1u);
        EXPECT_EQ(seams.messages[0].title, QString::fromUtf8(c.title));
        EXPECT_EQ(seams.messages[0].text, c.text);
    }
    appState().UiLanguage = "ENG";
    test::RecordingSeams ok(true);
    EXPECT_TRUE(OpenWebPage(nullptr, page));
    ASSERT_EQ(ok.opened.size(), 1u);
    EXPECT_EQ(ok.opened[0], QUrl(page));
    EXPECT_TRUE(ok.messages.empty());
}

TEST_F(HelpTest, HomePageByLanguage) {
    appState().UiLanguage = "ESP";
    EXPECT_EQ(HomePage(), ZORVEK_EXPECTED_WEB_ES);
    appState().UiLanguage = "ENG";
    EXPECT_EQ(HomePage(), ZORVEK_EXPECTED_WEB);
    appState().UiLanguage = "DEU";
    EXPECT_EQ(HomePage(), "");
}
