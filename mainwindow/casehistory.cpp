#include "casehistory.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QUndoCommand>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "appstate.h"
#include "captions.h"
#include "desktoptexts.h"
#include "diagramview.h"
#include "formmain.h"

namespace zorvek {

namespace {

constexpr std::array<int, kCaseFieldSlots> kFieldOfSlot = {1, 2, 3, 4, 5, 6, 15, 16, 17};

bool IsNameSlot(int slot) {
    return slot >= 7;
}

// A text recorded under other conventions, as the separator or language switch would have left it:
// numbers get the current decimal symbol, the names their translation.
QString InCurrentConventions(const QString& text, int slot, const QString& symbol, const QString& language) {
    const AppState& state = appState();
    if (IsNameSlot(slot))
        return language == state.UiLanguage ? text : TranslateComponentName(text, state.UiLanguage);
    if (symbol == state.DecimalSymbol || symbol.isEmpty() || state.DecimalSymbol.isEmpty()) return text;
    return QString(text).replace(symbol, state.DecimalSymbol);
}

QLineEdit* FieldOfSlot(const FormMain& w, int slot) {
    return w.TextFields[kFieldOfSlot[slot]];
}

} // namespace

int FieldNumberOfSlot(int slot) {
    return slot >= 0 && slot < kCaseFieldSlots ? kFieldOfSlot[slot] : -1;
}

int SlotOfField(int fieldNumber) {
    for (int slot = 0; slot < kCaseFieldSlots; ++slot)
        if (kFieldOfSlot[slot] == fieldNumber) return slot;
    return -1;
}

// The case as the window holds it, for the moment a step begins and ends.
struct CaseHistory::Snapshot {
    std::array<QString, kCaseFieldSlots> texts;
    bool tableLayout = false; // the panel shows the table model (the option button clicked last)
    bool tableMode = false;   // the model in use
    EquilibriumTable table;
    QString documentName;
    bool modified = false;

    static Snapshot Of(const FormMain& w) {
        Snapshot s;
        for (int slot = 0; slot < kCaseFieldSlots; ++slot) s.texts[slot] = FieldOfSlot(w, slot)->text();
        // Read from the panel rather than the option buttons: a click has already moved the check mark
        // when its handler begins, while the panel still shows the model it had.
        s.tableLayout = !w.Label1[30]->isHidden();
        s.tableMode = w.TableMode;
        s.table = w.TablaELV;
        s.documentName = w.DocumentName;
        s.modified = w.Modified;
        return s;
    }
};

// One step: what it changed, before and after. The first redo is the change itself, already made.
class CaseHistory::Command : public QUndoCommand {
  public:
    Command(CaseHistory& history, CaseStepKind kind, int detail)
        : kind(kind), detail(detail), history_(history) {
        symbol = appState().DecimalSymbol;
        language = appState().UiLanguage;
    }
    void undo() override { history_.Apply(*this, false); }
    void redo() override {
        if (done_) {
            done_ = false;
            return;
        }
        history_.Apply(*this, true);
    }
    QString Description() const { return desktoptext::StepDescription(kind, detail, fileName); }

    struct Field {
        int slot;
        QString before, after;
    };
    CaseStepKind kind;
    int detail;
    QString fileName; // an opened case
    std::vector<Field> fields;
    std::optional<std::array<bool, 4>> model; // layout and mode, before and after
    std::optional<std::pair<EquilibriumTable, EquilibriumTable>> table;
    std::optional<std::pair<QString, QString>> documentName;
    std::array<bool, 2> modified{};
    QString symbol, language; // the conventions the texts were written in

  private:
    CaseHistory& history_;
    bool done_ = true;
};

CaseHistory::CaseHistory(FormMain& window) : QObject(&window), w_(window) {
    stack_.setUndoLimit(1000);
}

CaseHistory::~CaseHistory() {
    stack_.disconnect(); // the stack empties itself as it goes: nobody is to hear of it
    delete before_;
}

void CaseHistory::Begin(CaseStepKind kind) {
    if (Replaying() || depth_ > 0) {
        ++depth_;
        return;
    }
    // A window command that comes inside a gesture (a double click that opens the editor) closes it.
    if (gesture_) EndGesture();
    CommitTyped();
    depth_ = 1;
    kind_ = kind;
    delete before_;
    before_ = new Snapshot(Snapshot::Of(w_));
    if (kind == CaseStepKind::Open) w_.Picture1->SetView(ViewWindow{}); // another case is shown whole
}

void CaseHistory::End() {
    if (depth_ == 0) return;
    if (--depth_ > 0 || Replaying() || !before_) return;
    const Snapshot before = *before_;
    delete before_;
    before_ = nullptr;
    Rebase(); // first: the stack's signals refresh the captions, which look at the baseline
    Record(kind_, -1, before);
}

void CaseHistory::BeginGesture(CaseStepKind kind, int detail) {
    if (Replaying() || depth_ > 0) return;
    if (gesture_) EndGesture();
    CommitTyped();
    gesture_ = true;
    kind_ = kind;
    gestureDetail_ = detail;
    delete before_;
    before_ = new Snapshot(Snapshot::Of(w_));
}

void CaseHistory::EndGesture() {
    if (!gesture_) return;
    gesture_ = false;
    if (!before_) return;
    const Snapshot before = *before_;
    delete before_;
    before_ = nullptr;
    Rebase();
    Record(kind_, gestureDetail_, before);
}

void CaseHistory::Record(CaseStepKind kind, int detail, const Snapshot& before) {
    const Snapshot after = Snapshot::Of(w_);
    auto command = std::make_unique<Command>(*this, kind, detail);
    for (int slot = 0; slot < kCaseFieldSlots; ++slot) {
        if (before.texts[slot] != after.texts[slot])
            command->fields.push_back({slot, before.texts[slot], after.texts[slot]});
    }
    if (before.tableLayout != after.tableLayout || before.tableMode != after.tableMode)
        command->model = std::array{before.tableLayout, before.tableMode, after.tableLayout, after.tableMode};
    if (!(before.table == after.table)) command->table = std::pair{before.table, after.table};
    if (kind == CaseStepKind::Open) {
        command->documentName = std::pair{before.documentName, after.documentName};
        command->modified = {before.modified, after.modified};
        command->fileName =
            QFileInfo(after.documentName.isEmpty() ? before.documentName : after.documentName).fileName();
    }
    const bool changed =
        !command->fields.empty() || command->model || command->table ||
        (command->documentName && command->documentName->first != command->documentName->second);
    if (kind == CaseStepKind::Open) {
        // Another case: the steps of the one before are gone, the opening itself can be undone.
        stack_.clear();
        if (!changed) return;
        stack_.push(command.release());
        if (!w_.Modified) stack_.setClean();
        return;
    }
    if (changed) stack_.push(command.release());
}

void CaseHistory::FieldFocused(QLineEdit* field) {
    CommitTyped(); // another field had the focus without losing it first (a window switch)
    field_ = field;
    Rebase();
}

void CaseHistory::Rebase() {
    if (!field_) return;
    baseline_ = field_->text();
    baselineSymbol_ = appState().DecimalSymbol;
    baselineLanguage_ = appState().UiLanguage;
}

bool CaseHistory::TypedPending() const {
    if (!field_ || Replaying()) return false;
    const int slot = SlotOfField(static_cast<int>(
        std::find(w_.TextFields.begin(), w_.TextFields.end(), field_.data()) - w_.TextFields.begin()));
    if (slot < 0) return false;
    return InCurrentConventions(baseline_, slot, baselineSymbol_, baselineLanguage_) != field_->text();
}

void CaseHistory::CommitTyped() {
    if (!field_ || Replaying() || !TypedPending()) return;
    const int number = static_cast<int>(std::find(w_.TextFields.begin(), w_.TextFields.end(), field_.data()) -
                                        w_.TextFields.begin());
    const int slot = SlotOfField(number);
    auto command = std::make_unique<Command>(*this, CaseStepKind::Typed, slot);
    command->fields.push_back(
        {slot, InCurrentConventions(baseline_, slot, baselineSymbol_, baselineLanguage_), field_->text()});
    Rebase();
    stack_.push(command.release());
}

void CaseHistory::Apply(const Command& command, bool after) {
    ++replaying_;
    if (command.table) {
        w_.TablaELV = after ? command.table->second : command.table->first;
        if (w_.TablaELV.LastPointIndex > 0) w_.CrearSuperTABLA_ELV();
    }
    if (command.kind == CaseStepKind::Clear && after) {
        w_.Borrar(); // the command itself: the panel and the diagram cleared
    } else {
        for (const Command::Field& field : command.fields) {
            const QString& text = after ? field.after : field.before;
            FormMain::SetFieldText(FieldOfSlot(w_, field.slot),
                                   InCurrentConventions(text, field.slot, command.symbol, command.language));
        }
        if (command.model) {
            const bool layout = (*command.model)[after ? 2 : 0];
            const bool mode = (*command.model)[after ? 3 : 1];
            QRadioButton* option = layout ? w_.OptTAB : w_.OptVOL;
            option->setChecked(true);
            if (layout)
                w_.OptTAB_Click();
            else
                w_.OptVOL_Click();
            w_.TableMode = mode;
        }
        w_.Calcular();
    }
    if (command.documentName)
        w_.DocumentName = after ? command.documentName->second : command.documentName->first;
    --replaying_;
}

void CaseHistory::Undo() {
    if (w_.DragFlag || w_.CurveDrag || gesture_ || depth_ > 0 || Replaying()) return;
    CommitTyped();
    if (!stack_.canUndo()) return;
    const auto* command = static_cast<const Command*>(stack_.command(stack_.index() - 1));
    const bool document = command->documentName.has_value();
    const bool modified = command->modified[0];
    stack_.undo();
    w_.Modified = document ? modified : !stack_.isClean();
    Rebase();
}

void CaseHistory::Redo() {
    if (w_.DragFlag || w_.CurveDrag || gesture_ || depth_ > 0 || Replaying()) return;
    CommitTyped();
    if (!stack_.canRedo()) return;
    const auto* command = static_cast<const Command*>(stack_.command(stack_.index()));
    const bool document = command->documentName.has_value();
    const bool modified = command->modified[1];
    const bool clear = command->kind == CaseStepKind::Clear;
    stack_.redo();
    // Clear leaves the case unmodified, as Borrar always does.
    if (!clear) w_.Modified = document ? modified : !stack_.isClean();
    Rebase();
}

bool CaseHistory::CanUndo() const {
    return TypedPending() || stack_.canUndo();
}

bool CaseHistory::CanRedo() const {
    return !TypedPending() && stack_.canRedo();
}

QString CaseHistory::UndoCaption() const {
    if (TypedPending()) {
        const int number = static_cast<int>(
            std::find(w_.TextFields.begin(), w_.TextFields.end(), field_.data()) - w_.TextFields.begin());
        return desktoptext::UndoCaption(
            desktoptext::StepDescription(CaseStepKind::Typed, SlotOfField(number)));
    }
    if (!stack_.canUndo()) return desktoptext::UndoCaption(QString());
    return desktoptext::UndoCaption(
        static_cast<const Command*>(stack_.command(stack_.index() - 1))->Description());
}

QString CaseHistory::RedoCaption() const {
    if (TypedPending() || !stack_.canRedo()) return desktoptext::RedoCaption(QString());
    return desktoptext::RedoCaption(
        static_cast<const Command*>(stack_.command(stack_.index()))->Description());
}

void CaseHistory::Saved(const QString& previousName, const QString& path) {
    CommitTyped(); // the file holds the typed text: it belongs to the saved state
    if (!previousName.isEmpty() && previousName != path)
        stack_.clear();
    else
        stack_.setClean();
}

CaseStep::CaseStep(FormMain& window, CaseStepKind kind) : w_(window) {
    if (w_.History) w_.History->Begin(kind);
}

CaseStep::~CaseStep() {
    if (w_.History) w_.History->End();
}

} // namespace zorvek
