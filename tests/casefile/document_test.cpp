// FormMain's case files and document commands on the real window: save and open with every outcome,
// the save-changes prompt, the dialogs and their folder.
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QToolTip>

#include "casefile.h"
#include "documentfixture.h"

namespace zorvek {

namespace {

EquilibriumTable FourPoints() {
    EquilibriumTable t;
    const double xs[] = {0, 0.2, 0.6, 1}, ys[] = {0, 0.4, 0.85, 1};
    for (int i = 0; i < 4; ++i) t.x[i] = xs[i], t.y[i] = ys[i];
    t.LastPointIndex = 3;
    return t;
}

} // namespace

TEST_F(DocumentTest, SaveAndReopenGiveTheSameCase) {
    form->Text16->setText("Metanol");
    form->Text17->setText("Agua");
    form->Text4->setText("0.9");
    form->Text6->setText(" 2.5 ");
    form->TablaELV = FourPoints();
    form->CrearSuperTABLA_ELV();
    form->OptTAB->setChecked(true);
    form->OptTAB_Click();
    const QString path = Path("case.mct");
    ASSERT_TRUE(form->Save(path));
    EXPECT_EQ(form->DocumentName, path);
    EXPECT_FALSE(form->Modified);
    EXPECT_TRUE(appState().PATH_FILE.isEmpty()); // saving does not move the case folder
    const QByteArray bytes = Bytes(path);
    EXPECT_EQ(bytes.count("\r\n"), 112);
    EXPECT_TRUE(
        bytes.startsWith("<A=Metanol>\r\n<B=Agua>\r\n<ALPHA=2>\r\n<Q=0.5>\r\n<ZF=0.46>\r\n<XB=0.17>\r\n"
                         "<XD=0.9>\r\n<R=2.5>\r\n<E=1.0>\r\n<VLE=TABLE>\r\n[[\r\n0\t0\r\n.2\t.4\r\n"));

    std::array<QString, 18> before;
    for (int n = 1; n <= 17; ++n) before[n] = form->TextFields[n]->text().trimmed();
    form->Borrar();
    form->TablaELV = EquilibriumTable();
    form->OptVOL->setChecked(true);
    form->OptVOL_Click();
    form->Abrir(path);
    for (int n : {1, 2, 3, 4, 5, 6, 15, 16, 17}) EXPECT_EQ(form->TextFields[n]->text(), before[n]) << n;
    EXPECT_EQ(form->TablaELV, FourPoints());
    EXPECT_TRUE(form->OptTAB->isChecked());
    EXPECT_TRUE(form->TableMode);
    EXPECT_FALSE(form->Text7->text().isEmpty()); // recomputed
    EXPECT_EQ(form->DocumentName, path);
    EXPECT_FALSE(form->Modified);
    EXPECT_EQ(appState().PATH_FILE, dir.path());
    EXPECT_TRUE(messages.empty());
}

TEST_F(DocumentTest, MissingEfficiencyTagLeavesTheFieldEmpty) {
    QByteArray text = CaseWithBlock("<VLE=ALPHA>\r\n", "");
    text.replace("<E=1.0>\r\n", "");
    Write(Path("noe.mct"), text);
    form->Abrir(Path("noe.mct"));
    EXPECT_EQ(form->Text15->text(), "");
    EXPECT_EQ(form->Text1->text(), "2");
    EXPECT_FALSE(form->LblERROR->text().isEmpty()); // Calcular reports the empty field
    EXPECT_EQ(form->DocumentName, Path("noe.mct"));
}

TEST_F(DocumentTest, BlockWithoutEndMakesTheDocumentUnnamed) {
    form->DocumentName = Path("earlier.mct");
    const EquilibriumTable table = form->TablaELV;
    QByteArray text = CaseWithBlock("<VLE=TABLE>\r\n", "0.1\t0.3\r\n");
    text.replace("]]", "");
    Write(Path("open.mct"), text);
    form->Abrir(Path("open.mct"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "ERROR: Invalid format:\r\n" + Path("open.mct"));
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].icon, MsgIcon::Warning);
    EXPECT_EQ(form->DocumentName, "");
    EXPECT_FALSE(form->Modified);
    EXPECT_EQ(form->TablaELV, table);
    EXPECT_EQ(form->Text3->text(), "0.46"); // the fields keep what the tags gave
    EXPECT_EQ(form->Text7->text(), "");     // no recomputation
}

TEST_F(DocumentTest, RejectedTableKeepsTheTableAndTheName) {
    struct Case {
        QByteArray block;
        QString esp;
    };
    const Case cases[] = {
        {"0\t0.2\r\n", "ERROR: Valores incompatibles para disolución pura de un componente"},
        {"1.2\t0.9\r\n", "ERROR: Datos fuera del rango [0, 1]"},
        {"0.3\t0.5\r\n0.3\t0.6\r\n", "ERROR: Los valores no son consecutivos"},
    };
    appState().UiLanguage = "ESP";
    for (const Case& c : cases) {
        messages.clear();
        form->DocumentName = Path("earlier.mct");
        form->TablaELV = FourPoints();
        Write(Path("bad.mct"), CaseWithBlock("<VLE=TABLE>\r\n", c.block));
        form->Abrir(Path("bad.mct"));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, c.esp);
        EXPECT_EQ(form->TablaELV, FourPoints());
        EXPECT_EQ(form->DocumentName, Path("earlier.mct"));
        EXPECT_TRUE(form->Modified); // the fields changed
    }
}

TEST_F(DocumentTest, TableCaseWithOnePointOpensInTheAlphaModel) {
    Write(Path("one.mct"), CaseWithBlock("<VLE=TABLE>\r\n", "1\t1\r\n"));
    form->OptTAB->setChecked(true);
    form->Abrir(Path("one.mct"));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(form->OptVOL->isChecked());
    EXPECT_FALSE(form->TableMode);
    EXPECT_EQ(form->DocumentName, Path("one.mct"));
}

TEST_F(DocumentTest, CommasTabsAndBlankLinesCompleteToFourPoints) {
    Write(Path("t.mct"), CaseWithBlock("<VLE=TABLE>\r\n", "0,2 0,4\r\n\r\n\r\n0.6\t\t0.85\r\n"));
    form->Abrir(Path("t.mct"));
    EXPECT_EQ(form->TablaELV, FourPoints());
    EXPECT_TRUE(form->TableMode);
    EXPECT_TRUE(form->OptTAB->isChecked());
}

TEST_F(DocumentTest, SavingOverALongerFileLeavesNoTrace) {
    const QString path = Path("long.mct");
    Write(path, QByteArray(20000, 'x'));
    ASSERT_TRUE(form->Save(path));
    const QByteArray bytes = Bytes(path);
    EXPECT_EQ(bytes.count("\r\n"), 112);
    EXPECT_FALSE(bytes.contains('x'));
    EXPECT_TRUE(bytes.endsWith("-1\t-1\r\n]]\r\n"));
}

TEST_F(DocumentTest, FailedSaveKeepsTheFlagAndTheName) {
    Write(Path("plain"), "old");
    form->DocumentName = Path("earlier.mct");
    form->Modified = true;
    const QString path = Path("plain/case.mct");
    EXPECT_FALSE(form->Save(path));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("ERROR: Unable to save the file:\r\n" + path + "\r\nError : "))
        << messages[0].text.toStdString();
    EXPECT_TRUE(form->Modified);
    EXPECT_EQ(form->DocumentName, Path("earlier.mct"));
    EXPECT_EQ(Bytes(Path("plain")), "old");

    // An existing file in a folder where nothing can be created: the old file stays as it was.
    const QString kernelFile = "/proc/version";
    const QByteArray old = Bytes(kernelFile);
    if (old.isEmpty()) GTEST_SKIP() << "no /proc here";
    messages.clear();
    EXPECT_FALSE(form->Save(kernelFile));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("ERROR: Unable to save the file:\r\n/proc/version\r\nError : "));
    EXPECT_EQ(Bytes(kernelFile), old);
    EXPECT_TRUE(form->Modified);
}

TEST_F(DocumentTest, Windows1252NamesOpenIntact) {
    Write(Path("old.mct"), "<A=Metanol-Agua \xD1>\r\n<B=Agua \xE1>\r\n<ALPHA=2>[[\r\n]]\r\n");
    form->Abrir(Path("old.mct"));
    EXPECT_EQ(form->Text16->text(), "Metanol-Agua Ñ");
    EXPECT_EQ(form->Text17->text(), "Agua á");
}

TEST_F(DocumentTest, SavePromptOnCloseAndOpen) {
    struct Flow {
        const char* what;
        QString document;
        std::vector<MsgAnswer> answers;
        std::vector<QString> paths;
        bool closes;
        int dialogs;
    };
    const Flow flows[] = {
        {"Yes, unnamed, save-as cancelled", "", {MsgAnswer::Yes}, {""}, false, 1},
        {"Yes, unnamed, saved", "", {MsgAnswer::Yes}, {"saved.mct"}, true, 1},
        {"Yes, named: saves without a dialog", "named.mct", {MsgAnswer::Yes}, {}, true, 0},
        {"Cancel", "", {MsgAnswer::Cancel}, {}, false, 0},
        {"No", "", {MsgAnswer::No}, {}, true, 0},
    };
    for (const Flow& f : flows) {
        SetUp();
        form->DocumentName = f.document.isEmpty() ? "" : Path(f.document);
        form->Modified = true;
        answers.assign(f.answers.begin(), f.answers.end());
        for (const QString& p : f.paths) paths.push_back(p.isEmpty() ? "" : Path(p));
        const QString asked = "Do you want to save changes to " + form->DocumentName + "?";
        form->close();
        EXPECT_EQ(!form->isVisible(), f.closes) << f.what;
        EXPECT_EQ(static_cast<int>(dialogs.size()), f.dialogs) << f.what;
        ASSERT_EQ(messages.size(), 1u) << f.what;
        EXPECT_EQ(messages[0].icon, MsgIcon::Question);
        EXPECT_EQ(messages[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(messages[0].title, "ZORVEK");
        EXPECT_EQ(messages[0].text, asked) << f.what;
        EXPECT_EQ(form->Modified, !f.closes || f.answers[0] == MsgAnswer::No) << f.what;
        messages.clear();
        dialogs.clear();
    }
}

TEST_F(DocumentTest, PromptTextInSpanishNamesTheDocument) {
    appState().UiLanguage = "ESP";
    form->DocumentName = "/casos/a.mct";
    form->Modified = true;
    answers = {MsgAnswer::Cancel};
    form->mnu_Archivo_OPEN_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "¿Desea guardar el documento /casos/a.mct?");
    EXPECT_TRUE(dialogs.empty()); // abandoned: no open dialog
}

TEST_F(DocumentTest, UnchangedWindowClosesWithoutAsking) {
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(messages.empty());
}

TEST_F(DocumentTest, DialogsTitlesFiltersAndFolder) {
    form->mnu_Archivo_OPEN_Click(); // cancelled
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_FALSE(dialogs[0].save);
    EXPECT_TRUE(dialogs[0].mustExist);
    EXPECT_EQ(dialogs[0].title, "Open");
    EXPECT_EQ(dialogs[0].filter, "McCabe-Thiele file (*.mct)|*.mct|All files (*.*)|*.*");
    EXPECT_EQ(dialogs[0].folder, QCoreApplication::applicationDirPath());

    appState().UiLanguage = "ESP";
    paths = {Path("other.mct")};
    form->mnu_Archivo_SAVEAS_Click();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_TRUE(dialogs[1].save);
    EXPECT_TRUE(dialogs[1].overwritePrompt);
    EXPECT_EQ(dialogs[1].title, "Guardar como");
    EXPECT_EQ(dialogs[1].filter, "Archivo de McCabe-Thiele (*.mct)|*.mct|Todos los archivos (*.*)|*.*");
    EXPECT_EQ(form->DocumentName, Path("other.mct"));
    EXPECT_TRUE(appState().PATH_FILE.isEmpty()); // saving leaves the case folder alone

    form->mnu_Archivo_SAVE_Click(); // named: no dialog
    EXPECT_EQ(dialogs.size(), 2u);
    form->mnu_Archivo_SAVEAS_Click(); // save as always asks
    EXPECT_EQ(dialogs.size(), 3u);

    paths = {Path("other.mct")};
    form->mnu_Archivo_OPEN_Click();
    EXPECT_EQ(appState().PATH_FILE, dir.path());
    form->mnu_Archivo_OPEN_Click();
    EXPECT_EQ(dialogs.back().folder, dir.path());
    EXPECT_EQ(dialogs.back().title, "Abrir");
}

} // namespace zorvek

namespace zorvek {

// A case saved in the relative-volatility model carries a valid table: choosing "Tabla" afterwards
// computes with that table, not with the table of a case opened before nor with unbuilt dense tables.
TEST_F(DocumentTest, TablaComputesWithTheTableOfTheOpenedCase) {
    const QByteArray own = "0\t0\r\n0.1\t0.35\r\n0.3\t0.62\r\n0.5\t0.78\r\n0.8\t0.93\r\n1\t1\r\n";
    const QByteArray other = "0\t0\r\n0.5\t0.55\r\n1\t1\r\n";
    // The results the file's own table gives.
    const CaseReadResult read = ReadCaseText(CaseWithBlock("<VLE=TABLE>\r\n", own).toStdString(), "ENG");
    ASSERT_TRUE(read.OpensInTableModel());
    static DenseTables dense;
    FailureRecord failures;
    ASSERT_TRUE(zorvek::CrearSuperTABLA_ELV(read.table, dense, failures));
    CalcSettings settings;
    settings.TableMode = true;
    settings.dense = &dense;
    const CaseTexts texts; // the fields of CaseWithBlock
    const DesignOutcome expected = zorvek::Calcular(texts, settings);
    ASSERT_EQ(expected.reached, Reached::Complete);

    for (const bool tableOpenedBefore : {false, true}) {
        if (tableOpenedBefore) {
            Write(Path("before.mct"), CaseWithBlock("<VLE=TABLE>\r\n", other));
            form->Abrir(Path("before.mct"));
            ASSERT_TRUE(form->TableMode);
        }
        Write(Path("alpha.mct"), CaseWithBlock("<VLE=ALPHA>\r\n", own));
        form->Abrir(Path("alpha.mct"));
        ASSERT_FALSE(form->TableMode);
        EXPECT_EQ(form->Text14->text(), "7.55"); // solved with alpha = 2
        QTest::mouseClick(form->OptTAB, Qt::LeftButton, {}, QPoint(6, 10));
        ASSERT_TRUE(form->TableMode);
        EXPECT_EQ(form->Text7->text().toStdString(), expected.texts[kText7Rmin]) << tableOpenedBefore;
        EXPECT_EQ(form->Text14->text().toStdString(), expected.texts[kText14Plates]) << tableOpenedBefore;
        EXPECT_TRUE(messages.empty());
    }
}

} // namespace zorvek

namespace zorvek {

// The fields a case file carries refuse, as they are typed or pasted, the characters it cannot carry
// back, with a hint; names of every other printable character and accented letters survive a save and
// an open.
TEST_F(DocumentTest, NamesRefuseWhatTheFileCannotCarryBack) {
    QString typed;
    for (char c = '!'; c <= '~'; ++c) typed += QChar(c);
    typed += QString::fromUtf8(" áéíóúñÁÉÍÓÚÑüç");
    QString kept = typed;
    kept.remove('<').remove('>').remove('[').remove(']');
    form->activateWindow();
    form->Text16->setFocus();
    for (const QChar c : typed) { // as the keyboard sends them, accented letters included
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(form->Text16, &press);
    }
    EXPECT_EQ(form->Text16->text(), kept);
    QCoreApplication::processEvents();
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Characters not allowed: < > [ ] and line breaks");

    // A paste keeps the rest, line breaks and tag texts taken out.
    form->Text17->setFocus();
    QGuiApplication::clipboard()->setText("Agua ]]<E=5>\r\n[[ pura");
    form->Text17->paste();
    EXPECT_EQ(form->Text17->text(), "Agua E=5 pura");
    form->Text3->setFocus();
    form->Text3->selectAll();
    QTest::keyClicks(form->Text3, "0.4<6");
    EXPECT_EQ(form->Text3->text(), "0.46");

    const QString path = Path("names.mct");
    ASSERT_TRUE(form->Save(path));
    form->Text16->clear();
    form->Text17->clear();
    form->Abrir(path);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->Text16->text(), kept);
    EXPECT_EQ(form->Text17->text(), "Agua E=5 pura");
    EXPECT_EQ(form->Text15->text(), "1.0"); // the tag after the names is still the efficiency
    EXPECT_EQ(form->Text3->text(), "0.46");
}

} // namespace zorvek

namespace zorvek {

namespace {

// The names a shown file dialog lists in its folder, once `until` is among them (or after 5 s).
QStringList ListedNames(QFileDialog& dialog, const QString& until) {
    auto* view = dialog.findChild<QListView*>("listView");
    if (!view) return {};
    QStringList names;
    for (int waited = 0; waited < 5000; waited += 20) {
        names.clear();
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names << view->model()->index(row, 0, root).data().toString();
        if (names.contains(until)) break;
        QTest::qWait(20);
    }
    return names;
}

} // namespace

// "All files (*.*)" of the open dialog lists every file, also a case saved without a dot in its name.
TEST_F(DocumentTest, AllFilesShowsNamesWithoutADot) {
    for (const char* name : {"case1", "a.mct", "notes.txt"}) Write(Path(name), "x");
    appState().PATH_FILE = dir.path();
    form->mnu_Archivo_OPEN_Click();
    ASSERT_EQ(dialogs.size(), 1u);
    QFileDialog dialog;
    ConfigureFileDialog(dialog, dialogs[0]);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    // The entries read as the window wrote them.
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(0), "McCabe-Thiele file (*.mct)");
    EXPECT_EQ(types->itemText(1), "All files (*.*)");
    QStringList listed = ListedNames(dialog, "a.mct");
    EXPECT_TRUE(listed.contains("a.mct"));
    EXPECT_FALSE(listed.contains("case1"));
    dialog.selectNameFilter(dialog.nameFilters().at(1));
    listed = ListedNames(dialog, "notes.txt");
    EXPECT_TRUE(listed.contains("notes.txt")) << listed.join(", ").toStdString();
    EXPECT_TRUE(listed.contains("case1")) << listed.join(", ").toStdString();
}

} // namespace zorvek

namespace zorvek {

// "Yes" at the save prompt of Open saves the case first and opens only when the save succeeded.
TEST_F(DocumentTest, YesAtTheOpenPromptSavesBeforeOpening) {
    struct Flow {
        const char* what;
        QString document;           // the case's name before Open ("" unsaved)
        std::vector<QString> paths; // the dialogs' answers: save as (unsaved case only), then open
        bool saved, opened;
    };
    const Flow flows[] = {
        {"unnamed, saved as, then opened", "", {"first.mct", "other.mct"}, true, true},
        {"named: saved without a dialog, then opened", "first.mct", {"other.mct"}, true, true},
        {"unnamed, save as cancelled: nothing opens", "", {""}, false, false},
        {"the save fails: nothing opens", "plain/first.mct", {"other.mct"}, false, false},
    };
    for (const Flow& f : flows) {
        SetUp();
        Write(Path("plain"), "not a folder");
        Write(Path("other.mct"), CaseWithBlock("<VLE=ALPHA>\r\n", "").replace("<R=3>", "<R=4>"));
        QFile::remove(Path("first.mct"));
        form->DocumentName = f.document.isEmpty() ? "" : Path(f.document);
        form->Text6->setText("2.5");
        ASSERT_TRUE(form->Modified);
        answers = {MsgAnswer::Yes};
        for (const QString& p : f.paths) paths.push_back(p.isEmpty() ? "" : Path(p));
        form->mnu_Archivo_OPEN_Click();
        ASSERT_FALSE(messages.empty()) << f.what;
        EXPECT_EQ(messages[0].buttons, MsgButtons::YesNoCancel) << f.what;
        EXPECT_EQ(Bytes(Path("first.mct")).contains("<R=2.5>"), f.saved) << f.what;
        if (f.opened) {
            EXPECT_EQ(form->DocumentName, Path("other.mct")) << f.what;
            EXPECT_EQ(form->Text6->text(), "4") << f.what;
            EXPECT_FALSE(form->Modified) << f.what;
            ASSERT_FALSE(dialogs.empty());
            EXPECT_FALSE(dialogs.back().save) << f.what; // the last dialog was the open dialog
        } else {
            EXPECT_EQ(form->Text6->text(), "2.5") << f.what; // the case stays, still modified
            EXPECT_TRUE(form->Modified) << f.what;
            for (const FileDialogRequest& d : dialogs) EXPECT_TRUE(d.save) << f.what;
        }
        messages.clear();
        dialogs.clear();
    }
}

} // namespace zorvek
