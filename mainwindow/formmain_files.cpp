// FormMain document commands: open, save, save as and exit, the save-changes prompt, and the two halves
// of a case file in the window (Save writes it, Abrir reads it back into the fields, table and model).
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>

#include "appstate.h"
#include "casefile.h"
#include "casehistory.h"
#include "casemessages.h"
#include "files.h"
#include "formmain.h"
#include "seams.h"

namespace zorvek {

namespace {

// Both dialogs start in the case folder, or in the application folder while there is none.
QString CaseDialogFolder() {
    const QString folder = appState().PATH_FILE;
    return folder.isEmpty() ? ApplicationFolder() : folder;
}

QString CaseFilter() {
    return Tr("Archivo de McCabe-Thiele (*.mct)|*.mct|Todos los archivos (*.*)|*.*",
              "McCabe-Thiele file (*.mct)|*.mct|All files (*.*)|*.*");
}

// The field of the main window that holds each tagged text.
QLineEdit* FieldOf(const FormMain& w, CaseField field) {
    switch (field) {
    case CaseField::A:
        return w.Text16;
    case CaseField::B:
        return w.Text17;
    case CaseField::ALPHA:
        return w.Text1;
    case CaseField::Q:
        return w.Text2;
    case CaseField::ZF:
        return w.Text3;
    case CaseField::XB:
        return w.Text5;
    case CaseField::XD:
        return w.Text4;
    case CaseField::R:
        return w.Text6;
    case CaseField::E:
        return w.Text15;
    }
    return nullptr;
}

// The save-changes prompt, when the case is modified. Returns false when the command is abandoned:
// Cancel, or Yes with a save that failed or whose dialog was cancelled.
bool GoOnAfterSavePrompt(FormMain& w) {
    if (!w.Modified) return true;
    const std::string text = SavePromptText(w.DocumentName.toStdString(), appState().LanguageStd());
    const MsgAnswer answer = seams().messageBox(&w, MessageRequest{MsgIcon::Question, MsgButtons::YesNoCancel,
                                                                   "ZORVEK", QString::fromStdString(text)});
    if (answer == MsgAnswer::Yes) {
        w.mnu_Archivo_SAVE_Click();
        return !w.Modified;
    }
    return answer == MsgAnswer::No;
}

} // namespace

void FormMain::mnu_Archivo_OPEN_Click() {
    if (!GoOnAfterSavePrompt(*this)) return;
    FileDialogRequest request;
    request.save = false;
    request.title = Tr("Abrir", "Open");
    request.filter = CaseFilter();
    request.folder = CaseDialogFolder();
    request.mustExist = true;
    const QString path = seams().fileDialog(this, request);
    if (path.isEmpty()) return;
    Abrir(path);
}

void FormMain::mnu_Archivo_SAVE_Click() {
    if (!DocumentName.isEmpty())
        Save(DocumentName);
    else
        Save_As();
}

void FormMain::mnu_Archivo_SAVEAS_Click() {
    Save_As();
}

bool FormMain::Save_As() {
    FileDialogRequest request;
    request.save = true;
    request.title = Tr("Guardar como", "Save as");
    request.filter = CaseFilter();
    request.folder = CaseDialogFolder();
    request.overwritePrompt = true;
    const QString path = seams().fileDialog(this, request);
    if (path.isEmpty()) return false;
    return Save(path);
}

void FormMain::mnu_Archivo_Salir_Click() {
    close();
}

bool FormMain::Form_QueryUnload() {
    return GoOnAfterSavePrompt(*this);
}

bool FormMain::Save(const QString& path) {
    CaseFieldTexts fields;
    for (const auto& [field, tag] : kCaseWriteOrder)
        FieldText(fields, field) = FieldOf(*this, field)->text().toStdString();
    CaseModel model = CaseModel::None;
    if (OptVOL->isChecked()) model = CaseModel::Alpha;
    if (OptTAB->isChecked()) model = CaseModel::Table;
    const std::string text = CaseFileText(fields, model, TablaELV);

    BusyCursor busy;
    FileError error;
    // A temporary file beside the old one replaces it in one rename, so a failed save never loses the
    // case saved before.
    const bool ok = WriteTextFileAtomic(path, QString::fromStdString(text), &error);
    busy.Restore();
    if (!ok) {
        ShowError(this, QString::fromStdString(CaseSaveFailedMessage(path.toStdString(), error.code,
                                                                     error.description.toStdString(),
                                                                     appState().LanguageStd())));
        return false;
    }
    const QString previousName = DocumentName;
    DocumentName = path;
    Modified = false;
    if (History) History->Saved(previousName, path);
    AddRecentCase(path);
    return true;
}

void FormMain::Abrir(const QString& path) {
    const CaseStep step(*this, CaseStepKind::Open);
    appState().PATH_FILE = FolderOf(path);
    BusyCursor busy;
    QString content;
    ReadTextFile(path, content); // unreadable: empty text, which fails for format below
    const CaseReadResult read = ReadCaseText(content.toStdString(), appState().LanguageStd());

    Borrar();
    // Each field change runs its handling as typing would (cursors, axis titles, modified flag).
    for (const auto& [field, tag] : kCaseReadOrder) {
        const std::optional<std::string>& value = read.fields[static_cast<int>(field)];
        if (value) FieldOf(*this, field)->setText(QString::fromStdString(*value));
    }
    if (read.status == CaseReadStatus::BadFormat) {
        busy.Restore();
        ShowError(this, QString::fromStdString(
                            CaseInvalidFormatMessage(path.toStdString(), appState().LanguageStd())));
        DocumentName.clear();
        Modified = false;
        return;
    }
    if (read.status == CaseReadStatus::Rejected) {
        // The table in use stays as it was: the rows were read into scratch storage.
        busy.Restore();
        ShowError(this, QString::fromStdString(read.message));
        return;
    }
    TablaELV = read.table;
    // The dense tables describe the table in use whatever the model, so that choosing "Tabla" later
    // computes with this table and not with one opened before.
    if (TablaELV.LastPointIndex > 0) CrearSuperTABLA_ELV();
    busy.Restore();
    if (read.OpensInTableModel()) {
        OptTAB->setChecked(true);
        OptTAB_Click();
    } else {
        OptVOL->setChecked(true);
        OptVOL_Click();
    }
    Calcular();
    Modified = false;
    DocumentName = path;
    AddRecentCase(path);
}

} // namespace zorvek
