#include "appstate.h"
#include "formsplash.h"
#include "shelltestsupport.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zorvek;

namespace {

class SplashTest : public ::testing::Test {
  protected:
    void TearDown() override { appState() = AppState{}; }
};

} // namespace

TEST_F(SplashTest, TextsFollowTheLanguageAtLoad) {
    const struct {
        const char* language;
        QString version, title1, webTip;
    } cases[] = {
        {"ENG", QString("Version: ") + ZORVEK_EXPECTED_VERSION, "Chemical Engineering Software",
         QUrl(ZORVEK_EXPECTED_WEB).host()},
        {"ESP", QString::fromUtf8("Versión: ") + ZORVEK_EXPECTED_VERSION,
         QString::fromUtf8("Software de Ingeniería Química"), ZORVEK_EXPECTED_WEB_ES},
        {"FRA", "", "", ""},
    };
    for (const auto& c : cases) {
        appState().UiLanguage = c.language;
        FormSplash splash(FormSplash::Use::About);
        EXPECT_EQ(splash.lblVersion->text(), c.version);
        EXPECT_EQ(splash.LblTIT1->text(), c.title1);
        EXPECT_EQ(splash.LblWEB->toolTip(), c.webTip);
        EXPECT_EQ(splash.LlblMAIL->text(), ZORVEK_EXPECTED_EMAIL);
        EXPECT_FALSE(splash.LblLEGAL->text().isEmpty());
        EXPECT_FALSE(splash.Timer1->isActive()); // an about window never closes by itself
    }
}

TEST_F(SplashTest, ClickOrKeyBeforeTheTimerShowsTheMainWindowOnce) {
    for (int way = 0; way < 3; ++way) {
        int shown = 0;
        QPointer<FormSplash> splash = new FormSplash(FormSplash::Use::Splash);
        splash->StartSplash([&] { ++shown; });
        ASSERT_TRUE(splash->Timer1->isActive());
        EXPECT_EQ(splash->Timer1->interval(), 400);
        if (way == 0) QTest::mouseClick(splash->LblTIT1, Qt::LeftButton);
        if (way == 1) QTest::mouseClick(splash->Image1[0], Qt::LeftButton);
        if (way == 2) QTest::keyClick(splash, Qt::Key_Space);
        EXPECT_EQ(shown, 1) << way;
        QTest::qWait(450); // the timer must not fire afterwards; the window deletes itself
        EXPECT_EQ(shown, 1) << way;
        EXPECT_TRUE(splash.isNull()) << way;
    }
}

TEST_F(SplashTest, TimerShowsTheMainWindowWhileTheSplashIsStillVisible) {
    bool visibleWhenShown = false;
    int shown = 0;
    QPointer<FormSplash> splash = new FormSplash(FormSplash::Use::Splash);
    splash->StartSplash([&] {
        ++shown;
        visibleWhenShown = splash && splash->isVisible();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown > 0; }, 3000));
    EXPECT_TRUE(visibleWhenShown);
    QTest::qWait(50);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(splash.isNull());
}

TEST_F(SplashTest, LinksOpenThroughTheShellAndKeepTheWindowOpen) {
    appState().UiLanguage = "ESP";
    FormSplash splash(FormSplash::Use::About);
    splash.show();
    test::RecordingSeams seams(true);
    QTest::mouseClick(splash.LblWEB, Qt::LeftButton);
    QTest::mouseClick(splash.LlblMAIL, Qt::LeftButton);
    ASSERT_EQ(seams.opened.size(), 2u);
    EXPECT_EQ(seams.opened[0], QUrl(ZORVEK_EXPECTED_WEB_ES));
    EXPECT_EQ(seams.opened[1], QUrl(QString("mailto:") + ZORVEK_EXPECTED_EMAIL));
    EXPECT_TRUE(seams.messages.empty());
    EXPECT_TRUE(splash.isVisible());
}

TEST_F(SplashTest, LinkFailureMessages) {
    const QString host = QUrl(ZORVEK_EXPECTED_WEB).host();
    const struct {
        const char* language;
        const char* webTitle;
        QString webText;
        const char* mailTitle;
        QString mailText;
    } cases[] = {
        {"ENG", "Error", "Sorry, cannot connect to " + host, "ZORVEK",
         "Sorry, cannot found your email client application."},
        {"ESP", "No se puede abrir la página",
         QString::fromUtf8("No se puede abrir la página ") + ZORVEK_EXPECTED_WEB_ES +
             QString::fromUtf8(
                 "\r\nAsegúrese de tener una conexión activa a internet y un navegador instalado."),
         "No se puede acceder al correo",
         QString::fromUtf8(
             "No se puede acceder al correo.\r\nAsegúrese de tener una conexión activa a internet y "
             "un lector de correos instalado.")},
        {"DEU", "Fehler", QString::fromUtf8("Entschuldigung. Kann die Seite nicht öffnen ") + host, "Fehler",
         "Fehler. E-Mail-Client nicht gefunden"},
    };
    for (const auto& c : cases) {
        appState().UiLanguage = c.language;
        FormSplash splash(FormSplash::Use::About);
        test::RecordingSeams seams(false);
        splash.LblWEB_Click();
        splash.LlblMAIL_Click();
        ASSERT_EQ(seams.messages.size(), 2u) << c.language;
        EXPECT_EQ(seams.messages[0].title, QString::fromUtf8(c.webTitle));
        EXPECT_EQ(seams.messages[0].text, c.webText);
        EXPECT_EQ(seams.messages[1].title, c.mailTitle);
        EXPECT_EQ(seams.messages[1].text, c.mailText);
        EXPECT_EQ(seams.opened[0],
                  QUrl(c.language == QString("ESP") ? ZORVEK_EXPECTED_WEB_ES : ZORVEK_EXPECTED_WEB));
    }
}
