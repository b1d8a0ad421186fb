// Where the program finds its own files, in a build tree (executables in app/, a data folder beside)
// and in an installed tree (bin/ and share/zorvek/ under one prefix), built in a scratch folder.
#include "programfiles.h"
#include "settings.h"
#include "shelltestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zorvek;

namespace {

class ProgramFilesTest : public ::testing::Test {
  protected:
    // Creates root/relative (and its folders); executable files get the execute bits.
    void Make(const QString& relative, bool executable = false) {
        const QString path = root_.path() + "/" + relative;
        ASSERT_TRUE(QDir().mkpath(path.left(path.lastIndexOf('/'))));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    }
    void MakeFolder(const QString& relative) { ASSERT_TRUE(QDir().mkpath(Path(relative))); }
    QString Path(const QString& relative) const { return root_.path() + "/" + relative; }

    QTemporaryDir root_;
};

TEST_F(ProgramFilesTest, FilesBesideTheExecutableComeFirstThenTheDataFolder) {
    // A build tree: executables and manuals in app/, data files mirrored in share/zorvek/.
    Make("build/app/Manual_ZORVEK_EN.pdf");
    Make("build/share/zorvek/thermo/components.dat");
    // An installed tree: manuals in share/zorvek/, a marker file dropped beside the executable.
    Make("usr/share/zorvek/Manual_ZORVEK_EN.pdf");
    Make("usr/share/zorvek/Manual_ZORVEK_ES.pdf");
    Make("usr/bin/esp.txt");
    // A folder that happens to be called bin, with no data folder: a copied application folder.
    Make("portable/bin/Manual_ZORVEK_EN.pdf");

    const struct {
        const char* exeFolder;
        const char* name;
        const char* expected; // relative to the scratch root
    } cases[] = {
        {"build/app", "Manual_ZORVEK_EN.pdf", "build/app/Manual_ZORVEK_EN.pdf"},
        {"build/app", "thermo/components.dat", "build/share/zorvek/thermo/components.dat"},
        {"build/app", "Manual_ZORVEK_ES.pdf", "build/app/Manual_ZORVEK_ES.pdf"}, // missing: beside
        {"usr/bin", "Manual_ZORVEK_EN.pdf", "usr/share/zorvek/Manual_ZORVEK_EN.pdf"},
        {"usr/bin", "esp.txt", "usr/bin/esp.txt"},
        {"usr/bin", "Manual_ZORVEK.pdf", "usr/share/zorvek/Manual_ZORVEK.pdf"}, // missing: data folder
        {"portable/bin", "Manual_ZORVEK_EN.pdf", "portable/bin/Manual_ZORVEK_EN.pdf"},
        {"portable/bin", "esp.txt", "portable/bin/esp.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramFile(c.name, Path(c.exeFolder)), Path(c.expected)) << c.exeFolder << " " << c.name;

    EXPECT_FALSE(InstalledLayout(Path("build/app")));
    EXPECT_TRUE(InstalledLayout(Path("usr/bin")));
    EXPECT_FALSE(InstalledLayout(Path("portable/bin")));
    EXPECT_EQ(DataFolder(Path("usr/bin")), Path("usr/share/zorvek"));
}

TEST_F(ProgramFilesTest, ViewerBesideTheExecutableElseInLibexec) {
    Make("a/bin/markview", true);
    Make("a/libexec/zorvek/markview", true);
    Make("b/bin/zorvek", true);
    Make("b/libexec/zorvek/markview", true);
    MakeFolder("c/bin");
    Make("d/bin/markview"); // not executable: a viewer that cannot be started is not taken
    Make("d/libexec/zorvek/markview", true);
    EXPECT_EQ(ViewerProgram(Path("a/bin")), Path("a/bin/markview"));
    EXPECT_EQ(ViewerProgram(Path("b/bin")), Path("b/libexec/zorvek/markview"));
    EXPECT_EQ(ViewerProgram(Path("c/bin")), Path("c/bin/markview"));
    EXPECT_EQ(ViewerProgram(Path("d/bin")), Path("d/libexec/zorvek/markview"));
}

TEST_F(ProgramFilesTest, TemporaryFolderNeverInAnInstalledBin) {
    MakeFolder("build/app");
    MakeFolder("build/share/zorvek");
    MakeFolder("usr/bin");
    MakeFolder("usr/share/zorvek");
    MakeFolder("portable/bin");
    const QString cache = Path("cache");
    EXPECT_EQ(TempFolderFor(Path("build/app"), cache), Path("build/app/temp"));
    EXPECT_EQ(TempFolderFor(Path("portable/bin"), cache), Path("portable/bin/temp"));
    EXPECT_EQ(TempFolderFor(Path("usr/bin"), cache), cache + "/temp"); // writable, yet installed
    EXPECT_EQ(TempFolderFor(Path("gone"), cache), cache + "/temp");
    EXPECT_EQ(TempFolderFor(QString(), cache), cache + "/temp");
}

TEST_F(ProgramFilesTest, MarkerFileInTheDataFolderOfAnInstalledTreeChoosesSpanish) {
    test::ClearSettings();
    MakeFolder("usr/bin");
    MakeFolder("usr/share/zorvek");
    EXPECT_EQ(LanguageAtStart(Path("usr/bin")), "ENG");
    Make("usr/share/zorvek/esp.txt");
    EXPECT_EQ(LanguageAtStart(Path("usr/bin")), "ESP");
    test::ClearSettings();
}

} // namespace
