#include "appstate.h"
#include "settings.h"
#include "shelltestsupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zorvek;

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { test::ClearSettings(); }
    void TearDown() override {
        test::ClearSettings();
        appState() = AppState{};
    }
};

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST_F(SettingsTest, StoreLivesInTheIsolatedFolderUnderZorvekSetup) {
    WriteSetting("LANG", "ESP");
    QSettings raw(test::SettingsFolder() + "/ZORVEK/ZORVEK.conf", QSettings::IniFormat);
    EXPECT_EQ(raw.value("SETUP/LANG").toString(), "ESP");
    EXPECT_EQ(ReadSetting("LANG", "?"), "ESP");
    EXPECT_EQ(ReadSetting("PATH_FILE", "none"), "none");
}

TEST_F(SettingsTest, LanguageAtStartFollowsStoreThenMarkerFile) {
    QTemporaryDir app;
    EXPECT_EQ(LanguageAtStart(app.path()), "ENG");
    Touch(app.path() + "/esp.txt");
    EXPECT_EQ(LanguageAtStart(app.path()), "ESP");
    // Once stored, the marker no longer matters, and a stored odd value is taken as it stands.
    WriteSetting("LANG", "ENG");
    EXPECT_EQ(LanguageAtStart(app.path()), "ENG");
    WriteSetting("LANG", "FRA");
    EXPECT_EQ(LanguageAtStart(app.path()), "FRA");
}

TEST_F(SettingsTest, DecimalSymbolAtStart) {
    struct Case {
        const char* stored; // nullptr: absent
        const char* regional;
        const char* expected;
    };
    const Case cases[] = {
        {nullptr, "1,5", ","}, {nullptr, "1.5", "."}, {nullptr, "1٫5", "."},
        {".", "1,5", "."},     {",", "1.5", ","},     {"x", "1,5", "x"},
    };
    for (const Case& c : cases) {
        test::ClearSettings();
        if (c.stored) WriteSetting("DecimalSYMBOL", c.stored);
        EXPECT_EQ(DecimalSymbolAtStart(QString::fromUtf8(c.regional)), c.expected) << c.regional;
    }
}

TEST_F(SettingsTest, SaveSettingsAtExitWritesTheFourValues) {
    appState().UiLanguage = "ESP";
    appState().DecimalSymbol = ",";
    appState().PATH_TABLA = "/home/u/tablas";
    appState().PATH_FILE = "/home/u/casos";
    SaveSettingsAtExit();
    EXPECT_EQ(ReadSetting("LANG", "?"), "ESP");
    EXPECT_EQ(ReadSetting("DecimalSYMBOL", "?"), ",");
    EXPECT_EQ(ReadSetting("PATH_TABLA", "?"), "/home/u/tablas");
    EXPECT_EQ(ReadSetting("PATH_FILE", "?"), "/home/u/casos");
}

TEST_F(SettingsTest, DeleteTemporaryFilesRemovesOnlyImagesAndReports) {
    QTemporaryDir temp;
    for (const char* name :
         {"mcth_temp1.jpg", "mcth_temp2.jpg", "restemp1.rex", "mcth_temp1.bmp", "notes.txt"})
        Touch(temp.path() + "/" + name);
    EXPECT_EQ(DeleteTemporaryFiles(temp.path()), 3);
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), (QStringList{"mcth_temp1.bmp", "notes.txt"}));
    EXPECT_EQ(DeleteTemporaryFiles(temp.path()), 0);
    EXPECT_EQ(DeleteTemporaryFiles(temp.path() + "/missing"), 0);
    EXPECT_EQ(DeleteTemporaryFiles(""), 0);
}
