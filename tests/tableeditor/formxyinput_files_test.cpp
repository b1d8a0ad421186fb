// The editor's table files, case files opened in it, and the clipboard.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <cmath>

#include "casefile.h"
#include "editorfixture.h"

namespace zorvek {

namespace {

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

} // namespace

TEST_F(EditorTest, SaveAndReopenGiveTheSame100Slots) {
    editor->Working.x[30] = 0.123456789012345;
    editor->Working.y[30] = 0.666666666666667; // 15 significant digits travel exactly
    editor->Working.y[40] = 0.5;               // y of an empty slot travels too
    const EquilibriumTable saved = editor->Working;
    dialogAnswer = Path("table.vle");
    editor->Guardar();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_TRUE(dialogs[0].save);
    EXPECT_TRUE(dialogs[0].overwritePrompt);
    EXPECT_EQ(dialogs[0].title, "Save as");
    EXPECT_EQ(dialogs[0].filter, "Data table file (*.vle)|*.vle|All files (*.*)|*.*");
    EXPECT_EQ(appState().PATH_TABLA, dir.path());
    const QByteArray bytes = FileBytes(dialogAnswer);
    EXPECT_EQ(bytes.count("\r\n"), 104);
    EXPECT_TRUE(bytes.startsWith("<A=Metanol>\r\n<B=Agua>\r\n[[\r\n0\t0\r\n.05\t"));
    EXPECT_TRUE(bytes.endsWith("-1\t-1\r\n]]\r\n"));
    EXPECT_TRUE(messages.empty());

    editor->Borrar();
    editor->NameA = "x";
    editor->Abrir();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_FALSE(dialogs[1].save);
    EXPECT_EQ(dialogs[1].folder, dir.path()); // the remembered table folder
    EXPECT_EQ(dialogs[1].filter,
              "Data table file (*.vle)|*.vle|McCabe-Thiele file (*.mct)|*.mct|All files (*.*)|*.*");
    for (int i = 0; i < kTableSlots; ++i) { // the same to 15 significant digits
        EXPECT_NEAR(editor->Working.x[i], saved.x[i], 5e-15 * std::abs(saved.x[i])) << i;
        EXPECT_NEAR(editor->Working.y[i], saved.y[i], 5e-15 * std::abs(saved.y[i])) << i;
    }
    EXPECT_EQ(editor->Working.y[30], 0.666666666666667);
    EXPECT_EQ(editor->NameA, "Metanol");
}

TEST_F(EditorTest, SaveFailureKeepsTheOldFileAndSaysWhy) {
    appState().UiLanguage = "ESP";
    WriteBytes(Path("plain"), "old");
    dialogAnswer = Path("plain/table.vle");
    editor->Guardar();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("ERROR: No se pudo guardar la tabla:\r\n" + dialogAnswer +
                                            "\r\nError : "))
        << messages[0].text.toStdString();
    EXPECT_EQ(FileBytes(Path("plain")), "old");
}

TEST_F(EditorTest, CancelledDialogsChangeNothing) {
    const EquilibriumTable before = editor->Working;
    dialogAnswer.clear();
    editor->Abrir();
    editor->Guardar();
    EXPECT_EQ(editor->Working, before);
    EXPECT_TRUE(appState().PATH_TABLA.isEmpty());
    EXPECT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].folder, QCoreApplication::applicationDirPath());
}

TEST_F(EditorTest, CaseFileOpensWithItsNamesAndTable) {
    EquilibriumTable table;
    table.x[0] = 0.25, table.y[0] = 0.4;
    CaseFieldTexts fields;
    FieldText(fields, CaseField::A) = "Etanol";
    FieldText(fields, CaseField::B) = "Agua Ñ";
    WriteBytes(Path("case.mct"), QByteArray::fromStdString(CaseFileText(fields, CaseModel::Table, table)));
    dialogAnswer = Path("case.mct");
    editor->Abrir();
    EXPECT_EQ(editor->NameA, "Etanol");
    EXPECT_EQ(editor->NameB, "Agua Ñ");
    EXPECT_EQ(editor->Working.x[0], 0.25);
    EXPECT_EQ(editor->Working.x[1], -1);
    EXPECT_EQ(editor->TxtX[0]->text(), "0.25");
}

TEST_F(EditorTest, FileWithoutBlockEndKeepsTheRows) {
    const EquilibriumTable before = editor->Working;
    WriteBytes(Path("bad.vle"), "<A=Nuevo>\r\n[[\r\n0.1\t0.2\r\n");
    dialogAnswer = Path("bad.vle");
    editor->Abrir();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "ERROR: Invalid format:\r\n" + dialogAnswer);
    EXPECT_EQ(editor->Working, before);
    EXPECT_EQ(editor->NameA, "Nuevo"); // names are read before the block is looked for
}

TEST_F(EditorTest, Windows1252FileKeepsItsAccents) {
    WriteBytes(Path("old.vle"), "<A=Metanol-Agua \xD1>\r\n<B=Agua>\r\n[[\r\n.5\t.7\r\n]]\r\n");
    dialogAnswer = Path("old.vle");
    editor->Abrir();
    EXPECT_EQ(editor->NameA, "Metanol-Agua Ñ");
    EXPECT_EQ(editor->Working.y[0], 0.7);
}

TEST_F(EditorTest, CopyPasteAndCut) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    SetPoints({{0.5, 0.75}, {0.25, 0.125}});
    editor->Copiar();
    EXPECT_EQ(clipboard->text(), "0.5\t0.75\r\n0.25\t0.125\r\n");

    clipboard->setText("0,25 0,4\r\n\r\n\r\n0.5\t\t0.7\r\n");
    editor->VScroll1->setValue(10);
    editor->Pegar();
    EXPECT_EQ(editor->VScroll1->value(), 0);
    EXPECT_EQ(editor->Working.x[0], 0.25);
    EXPECT_EQ(editor->Working.y[0], 0.4);
    EXPECT_EQ(editor->Working.x[1], 0.5);
    EXPECT_EQ(editor->Working.y[1], 0.7);
    EXPECT_EQ(editor->Working.x[2], -1);
    EXPECT_EQ(editor->TxTY[1]->text(), "0.7");

    const EquilibriumTable before = editor->Working;
    clipboard->setText("0.3\r\n0.4\r\n");
    editor->Pegar(); // single numbers only: nothing changes
    EXPECT_EQ(editor->Working, before);

    clipboard->setText("a spreadsheet\n0.1\t0.2\n0.3\t0.5\n"); // LF alone, from another program
    editor->Pegar();
    EXPECT_EQ(editor->Working.x[0], 0); // "a spreadsheet": x reads as 0
    EXPECT_EQ(editor->Working.x[2], 0.3);

    editor->Cortar();
    EXPECT_EQ(clipboard->text(), "0\t0\r\n0.1\t0.2\r\n0.3\t0.5\r\n");
    EXPECT_EQ(editor->Working.x[0], -1);
    editor->Copiar(); // empty table: the clipboard keeps its text
    EXPECT_EQ(clipboard->text(), "0\t0\r\n0.1\t0.2\r\n0.3\t0.5\r\n");
}

} // namespace zorvek
