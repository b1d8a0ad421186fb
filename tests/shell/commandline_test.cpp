// Files named on the command line: after the splash and the load, a good case opens as "Open" does, a
// damaged or missing one gets its message and the program runs on with the start-up case.
#include "appstate.h"
#include "formmain.h"
#include "settings.h"
#include "shelltestsupport.h"
#include "startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace zorvek;

namespace {

class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ClearSettings();
        appState() = AppState{};
        appState().UiLanguage = "ENG";
    }
    void TearDown() override {
        if (FormMain* window = MainWindow()) {
            QPointer<FormMain> guard(window);
            window->Modified = false;
            window->close();
            EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }, 3000));
        }
        test::ClearSettings();
        appState() = AppState{};
    }
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return dir.filePath(name);
    }
    QByteArray GoodCase() const {
        QByteArray text =
            "<A=agua>\r\n<B=glicol>\r\n<ALPHA=3>\r\n<Q=1>\r\n<ZF=0.4>\r\n<XB=0.05>\r\n<XD=0.95>\r\n"
            "<R=2>\r\n<E=1>\r\n<VLE=ALPHA>\r\n[[\r\n";
        for (int i = 0; i < 100; ++i) text += "-1\t-1\r\n";
        return text + "]]\r\n";
    }
    test::RecordingSeams seams_;
    QTemporaryDir dir;
};

} // namespace

TEST_F(CommandLineTest, AGoodCaseOpensAfterTheStartUp) {
    const QString good = Write("good.mct", GoodCase());
    Main({good});
    ASSERT_TRUE(QTest::qWaitFor([] { return MainWindow() != nullptr; }, 3000));
    FormMain* window = MainWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->DocumentName == good; }, 3000));
    EXPECT_EQ(window->Text4->text(), "0.95");
    EXPECT_EQ(window->Text16->text(), "agua");
    EXPECT_FALSE(window->Modified);
    EXPECT_TRUE(seams_.messages.empty());
}

TEST_F(CommandLineTest, DamagedAndMissingFilesGetAMessageAndTheProgramRunsOn) {
    const QString damaged = Write("damaged.mct", "<XD=0.7>\r\n");
    const QString missing = dir.filePath("missing.mct");
    const struct {
        QString path;
        QString message;
    } cases[] = {{damaged, "ERROR: Invalid format:\r\n" + damaged},
                 {missing, "ERROR: File not found:\r\n" + missing}};
    for (const auto& c : cases) {
        seams_.messages.clear();
        FormMain* window = LoadMainWindow({c.path});
        ASSERT_TRUE(QTest::qWaitFor([&] { return !seams_.messages.empty(); }, 3000));
        EXPECT_EQ(seams_.messages[0].text, c.message);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->DocumentName.isEmpty());
        TearDown();
    }
    // The start-up case stays when nothing could be read at all.
    FormMain* window = LoadMainWindow({missing});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seams_.messages.empty(); }, 3000));
    EXPECT_EQ(window->Text4->text(), "0.85");
}

TEST_F(CommandLineTest, RelativePathsBecomeFullOnes) {
    const QString good = Write("relative.mct", GoodCase());
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    FormMain* window = LoadMainWindow({"relative.mct"});
    QDir::setCurrent(before);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->DocumentName.isEmpty(); }, 3000));
    EXPECT_EQ(window->DocumentName, QFileInfo(good).absoluteFilePath());
}
