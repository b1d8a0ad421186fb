// Files from outside and the diagram's export on the real window: command-line and dropped cases and
// tables (good, damaged, missing, several), the save prompt of a drop, the recent cases in the File menu
// and the settings, and Export diagram with its dialogs.
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSpinBox>
#include <QUrl>

#include "desktop_fixture.h"
#include "formxyinput.h"
#include "picturesizedialog.h"
#include "settings.h"

#include <sys/stat.h>

class FilesTest : public DesktopTest {
  protected:
    void Drop(const QStringList& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& f : files) urls << QUrl::fromLocalFile(f);
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &enter);
        lastDragAccepted = enter.isAccepted();
        if (!lastDragAccepted) return;
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &drop);
    }
    QString WriteFile(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return Path(name);
    }
    bool lastDragAccepted = false;
};

TEST_F(FilesTest, CommandLineOpensAGoodCaseAndReportsDamagedAndMissingOnes) {
    const QString good = WriteCase("good.mct", "0.9");
    form->OpenFiles({good}, false);
    EXPECT_EQ(form->DocumentName, good);
    EXPECT_EQ(form->Text4->text(), "0.9");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->RecentCases.value(0), good);

    const QString damaged = WriteFile("damaged.mct", "<XD=0.7>\r\nno table here\r\n");
    form->OpenFiles({damaged}, false);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "ERROR: Invalid format:\r\n" + damaged);
    EXPECT_TRUE(form->DocumentName.isEmpty());

    messages.clear();
    form->Abrir(good);
    const QString missing = Path("nowhere.mct");
    form->OpenFiles({missing}, false);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].text, "ERROR: File not found:\r\n" + missing);
    EXPECT_EQ(form->DocumentName, good); // nothing lost
    EXPECT_EQ(form->Text4->text(), "0.9");
}

TEST_F(FilesTest, SeveralFilesOpenTheFirstAndSaySo) {
    const QString first = WriteCase("first.mct", "0.91"), second = WriteCase("second.mct", "0.92");
    form->OpenFiles({first, second}, false);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, zorvek::MsgIcon::Information);
    EXPECT_EQ(messages[0].text,
              "ZORVEK opens one file at a time.\r\nOpening:\r\n" + first + "\r\nNot opened:\r\n" + second);
    EXPECT_EQ(form->DocumentName, first);
}

TEST_F(FilesTest, UnreadableFileGetsItsReason) {
    const QString folder = Path("a folder.mct");
    ASSERT_TRUE(QDir().mkpath(folder));
    form->OpenFiles({folder}, false);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("ERROR: Unable to read the file:\r\n" + folder + "\r\nError : "))
        << messages[0].text.toStdString();
    EXPECT_EQ(form->Text4->text(), "0.85");
}

TEST_F(FilesTest, ATableOpensInTheEditor) {
    const QString table =
        WriteFile("points.vle", "<A=Metanol>\r\n<B=Agua>\r\n[[\r\n0.2\t0.4\r\n0.6\t0.85\r\n]]\r\n");
    WithModal(
        [](QWidget* modal) {
            auto* editor = qobject_cast<zorvek::FormXYinput*>(modal);
            ASSERT_NE(editor, nullptr);
            // The file is read once the editor is up.
            EXPECT_TRUE(QTest::qWaitFor([editor] { return editor->Working.x[0] == 0.2; }, 2000));
            EXPECT_EQ(editor->NameA, "Metanol");
            editor->Aceptar();
        },
        [&] { form->OpenFiles({table}, false); });
    EXPECT_TRUE(form->TableMode);
    EXPECT_EQ(form->TablaELV.LastPointIndex, 3);
    EXPECT_EQ(form->Text16->text(), "Metanol");
    EXPECT_EQ(form->mnu_Edicion_UNDO->text(), "&Undo accepted table");
    EXPECT_TRUE(form->DocumentName.isEmpty()); // the case is still the one it was
}

TEST_F(FilesTest, DropOpensWithTheSavePrompt) {
    const QString good = WriteCase("dropped.mct", "0.93");
    Drop({Path("notes.txt")});
    EXPECT_FALSE(lastDragAccepted); // only cases and tables are taken
    Type(form->Text4, "0.8");
    QTest::keyClick(form->Text4, Qt::Key_Return);
    answers = {zorvek::MsgAnswer::Cancel};
    Drop({good});
    EXPECT_TRUE(lastDragAccepted);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Do you want to save changes to ?");
    EXPECT_EQ(form->Text4->text(), "0.8"); // cancelled: nothing opened
    answers = {zorvek::MsgAnswer::No};
    Drop({good});
    EXPECT_EQ(form->DocumentName, good);
    EXPECT_EQ(form->Text4->text(), "0.93");
    // Dropped on an entry field, a case opens the same way instead of landing in the field as text.
    const QString other = WriteCase("other.mct", "0.94");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(other)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form->Text3, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form->Text3, &drop);
    EXPECT_EQ(form->DocumentName, other);
    EXPECT_EQ(form->Text3->text(), "0.46");
}

TEST_F(FilesTest, RecentCasesInTheMenuAndTheSettings) {
    form->RecentCases.clear();
    form->AddRecentCase(QString());
    EXPECT_FALSE(form->mnu_Archivo_RECENT->menuAction()->isEnabled());
    QStringList written;
    for (int n = 0; n < 10; ++n) {
        const QString path = Path(QString("case%1.mct").arg(n));
        ASSERT_TRUE(form->Save(path));
        written.prepend(path);
    }
    form->Abrir(written[5]); // an open moves it to the top
    ASSERT_EQ(form->RecentCases.size(), 8);
    EXPECT_EQ(form->RecentCases[0], written[5]);
    EXPECT_EQ(form->RecentCases[1], written[0]);
    EXPECT_FALSE(form->RecentCases.contains(written[9]));
    const QList<QAction*> entries = form->mnu_Archivo_RECENT->actions();
    ASSERT_GE(entries.size(), 8);
    EXPECT_EQ(entries[0]->text(), "&1 case4.mct");
    EXPECT_EQ(entries[0]->toolTip(), written[5]);
    EXPECT_EQ(zorvek::ReadSetting("RECENT1", ""), written[5]);
    EXPECT_EQ(zorvek::ReadSetting("RECENT8", ""), form->RecentCases[7]);
    EXPECT_EQ(zorvek::ReadSetting("LANG", "absent"), "absent"); // the program's own keys untouched

    // Another window reads the same list back.
    zorvek::FormMain second;
    EXPECT_EQ(second.RecentCases, form->RecentCases);

    // Opening one: the case opens; a missing one goes from the list with a message.
    entries[1]->trigger();
    EXPECT_EQ(form->DocumentName, written[0]);
    QFile::remove(form->RecentCases[2]);
    const QString gone = form->RecentCases[2];
    form->mnu_Archivo_RECENT->actions()[2]->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "ERROR: File not found:\r\n" + gone + "\r\nIt has been removed from the recent cases.");
    EXPECT_FALSE(form->RecentCases.contains(gone));
    EXPECT_EQ(form->RecentCases.size(), 7);
    form->mnu_Archivo_RECENT_CLEAR->trigger();
    EXPECT_TRUE(form->RecentCases.isEmpty());
    EXPECT_EQ(zorvek::ReadSetting("RECENT1", "absent"), "");
}

TEST_F(FilesTest, ExportDiagramAsksForNameAndSize) {
    ASSERT_TRUE(form->Save(Path("mycase.mct")));
    paths = {Path("picture")}; // no extension: a PNG
    WithModal(
        [](QWidget* modal) {
            auto* dialog = qobject_cast<zorvek::PictureSizeDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->Size(), QSize(1600, 1600));
            dialog->Width->setValue(640);
            dialog->Height->setValue(480);
            dialog->accept();
        },
        [this] { form->mnu_Archivo_EXPORTDIAGRAM->trigger(); });
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Export diagram");
    EXPECT_EQ(dialogs[0].fileName, "mycase.png");
    EXPECT_EQ(dialogs[0].folder, dir.path());
    EXPECT_EQ(QImage(Path("picture.png")).size(), QSize(640, 480));
    EXPECT_FALSE(form->Modified); // exporting changes nothing of the case

    // SVG and PDF need no size; a folder that does not exist gets the file error.
    ASSERT_TRUE(form->ExportDiagram(Path("picture.svg"), QSize(1600, 1600)));
    QFile svg(Path("picture.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<polyline"));
    EXPECT_FALSE(form->ExportDiagram(Path("no/such/folder.png"), QSize(100, 100)));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("ERROR: Unable to export the diagram:\r\n" +
                                            Path("no/such/folder.png") + "\r\nError : "));
}

TEST_F(FilesTest, ExportShowsWhatTheScreenShows) {
    // Zoomed: the export shows the view; after Clear it is blank.
    form->SetDiagramView({0.5, 1, 0.5, 1});
    const QImage zoomed = form->ScreenDiagramImage({470, 650}, 1);
    form->ZoomWhole();
    const QImage whole = form->ScreenDiagramImage({470, 650}, 1);
    EXPECT_NE(zoomed, whole);
    QTest::mouseClick(form->LabelB[1], Qt::LeftButton);
    const QImage blank = form->ScreenDiagramImage({100, 100}, 1);
    for (int y = 0; y < 100; y += 7)
        for (int x = 0; x < 100; x += 7) ASSERT_EQ(blank.pixelColor(x, y), QColor(Qt::white));
}

// A pipe or a device named as a file is refused at once with its reason: opening it never waits.
TEST_F(FilesTest, APipeOrADeviceIsNeverWaitedOn) {
    const QString pipe = Path("pipe.mct");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {pipe, QString("/dev/zero")}) {
        if (!QFileInfo::exists(path)) continue;
        messages.clear();
        form->OpenFiles({path}, false);
        ASSERT_EQ(messages.size(), 1u) << path.toStdString();
        EXPECT_TRUE(messages[0].text.startsWith("ERROR: Unable to read the file:\r\n" + path + "\r\nError : "))
            << messages[0].text.toStdString();
        EXPECT_EQ(form->Text4->text(), "0.85");
    }
}
