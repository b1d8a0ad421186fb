// The editor's commands: clear, open and save table files, copy, cut and paste, OK and Cancel.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>

#include "appstate.h"
#include "casefile.h"
#include "files.h"
#include "formxyinput.h"
#include "messages.h"
#include "seams.h"
#include "tabletext.h"
#include "textfile.h"
#include "xycaptions.h"

namespace zorvek {

namespace {

std::string Utf8(const QString& s) {
    return s.toStdString();
}

// Other programs may end lines with LF or CR alone; rows are read at CR LF.
std::string WithCrLf(const QString& text) {
    return WithCrLfLineEnds(Utf8(text));
}

QString DialogFolder() {
    const QString folder = appState().PATH_TABLA;
    return folder.isEmpty() ? ApplicationFolder() : folder;
}

void FillFromRows(EquilibriumTable& table, const std::vector<TableRow>& rows) {
    table.x.fill(-1);
    table.y.fill(-1);
    for (size_t i = 0; i < rows.size() && i < static_cast<size_t>(kTableSlots); ++i) {
        table.x[i] = rows[i].x;
        table.y[i] = rows[i].y;
    }
}

} // namespace

void FormXYinput::Borrar() {
    Working.x.fill(-1);
    Working.y.fill(-1);
    ShowFromFirstRow();
}

void FormXYinput::Abrir() {
    const XYCaptions c = CurrentXYCaptions();
    FileDialogRequest request;
    request.save = false;
    request.title = c.openTitle;
    request.filter = c.openFilter;
    request.folder = DialogFolder();
    request.mustExist = true;
    const QString path = seams().fileDialog(this, request);
    if (path.isEmpty()) return;
    OpenTableFile(path);
}

void FormXYinput::OpenTableFile(const QString& path) {
    BusyCursor busy;
    appState().PATH_TABLA = FolderOf(path);
    QString content;
    ReadTextFile(path, content); // an unreadable file reads as empty and fails for format below
    const std::string text = WithCrLf(content);
    // The names keep only what a case or table file can carry back (casefile.h).
    if (auto a = FindTagValue(text, "<A=")) NameA = QString::fromStdString(WithoutRefusedCaseCharacters(*a));
    if (auto b = FindTagValue(text, "<B=")) NameB = QString::fromStdString(WithoutRefusedCaseCharacters(*b));
    const std::optional<std::string_view> block = FindTableBlock(text);
    if (!block) {
        busy.Restore();
        ShowError(this, QString::fromStdString(Message(MessageId::InvalidFormat, appState().LanguageStd())) +
                            "\r\n" + path);
        return;
    }
    FillFromRows(Working, ReadTableRows(*block, false));
    ShowFromFirstRow();
}

void FormXYinput::Guardar() {
    const XYCaptions c = CurrentXYCaptions();
    FileDialogRequest request;
    request.save = true;
    request.title = c.saveTitle;
    request.filter = c.saveFilter;
    request.folder = DialogFolder();
    request.overwritePrompt = true;
    const QString path = seams().fileDialog(this, request);
    if (path.isEmpty()) return;

    BusyCursor busy;
    appState().PATH_TABLA = FolderOf(path);
    const std::string text = TableFileText(Utf8(NameA), Utf8(NameB), Working);
    FileError error;
    // Written to a temporary file that replaces the old one in one rename: a failure keeps the old file.
    const bool ok = WriteTextFileAtomic(path, QString::fromStdString(text), &error);
    busy.Restore();
    if (!ok)
        ShowError(this, c.saveFailed + "\r\n" + path + "\r\nError : " + QString::number(error.code) + " - " +
                            error.description);
}

void FormXYinput::Copiar() {
    const std::string text = ClipboardTableText(Working);
    if (text.empty()) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

void FormXYinput::Cortar() {
    Copiar();
    Borrar();
}

void FormXYinput::Pegar() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    const QMimeData* data = clipboard->mimeData();
    if (!data || !data->hasText()) return;
    const std::vector<TableRow> rows = ReadTableRows(WithCrLf(data->text()), true);
    if (rows.empty()) return;
    FillFromRows(Working, rows);
    ShowFromFirstRow();
}

void FormXYinput::Aceptar() {
    outcome_.okPressed = true;
    const TableAcceptance acceptance = AcceptTable(Working, appState().LanguageStd());
    switch (acceptance.status) {
    case AcceptanceStatus::NoTable:
        Cancelar();
        return;
    case AcceptanceStatus::Rejected:
        Working.x = acceptance.table.x;
        Working.y = acceptance.table.y;
        Refresh();
        ShowError(this, QString::fromStdString(acceptance.message));
        ShowCell(acceptance.badSlot, acceptance.badY);
        return;
    case AcceptanceStatus::Accepted:
        outcome_.accepted = true;
        outcome_.table = acceptance.table;
        outcome_.nameA = NameA;
        outcome_.nameB = NameB;
        accept();
        return;
    }
}

void FormXYinput::ShowCell(int slot, bool isY) {
    if (slot < 0) return;
    const int first = VScroll1->value();
    int value = first;
    if (slot < first) value = slot;
    if (slot > first + kRows - 1) value = slot - (kRows - 1);
    if (value < VScroll1->minimum() || value > VScroll1->maximum()) return; // slot 99 is never shown
    VScroll1->setValue(value);
    QLineEdit* box = (isY ? TxTY : TxtX)[slot - value];
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void FormXYinput::Cancelar() {
    reject();
}

} // namespace zorvek
