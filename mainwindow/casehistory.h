// CaseHistory: undo and redo of the changes of the case in the main window, on Qt's QUndoStack. Each
// step keeps only what it changed (entry texts, model, table, and for an opened case the document),
// before and after; undoing writes the fields back and recomputes through the window's own commands.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUndoStack>

class QLineEdit;

namespace zorvek {

class FormMain;

// What a step of the history was, for its caption ("Undo drag of xD").
enum class CaseStepKind { Typed, SliderDrag, MarkerDrag, CurveDrag, ModelSwitch, Table, Clear, Open };

// The entry fields whose texts are the case: Text1 .. Text6, Text15, Text16, Text17, by slot.
constexpr int kCaseFieldSlots = 9;
int FieldNumberOfSlot(int slot);
int SlotOfField(int fieldNumber); // -1 for fields that are not part of the case

class CaseHistory : public QObject {
    Q_OBJECT
  public:
    explicit CaseHistory(FormMain& window);
    ~CaseHistory() override;

    QUndoStack& Stack() { return stack_; }

    // A command of the window that changes the case (Clear, Open, model switch, accepted table): the
    // case is noted at Begin and the step recorded at End when something changed. Steps begun inside
    // another step, or while the history itself writes the fields, belong to the outer one.
    void Begin(CaseStepKind kind);
    void End();
    // A mouse gesture (a slider, a marker or the curve, from press to release): one step.
    void BeginGesture(CaseStepKind kind, int detail);
    void EndGesture();

    // Typed values: the text a field had when it got the focus is its baseline; leaving the field or
    // Enter records one step when the text differs.
    void FieldFocused(QLineEdit* field);
    void CommitTyped();
    bool TypedPending() const;

    void Undo();
    void Redo();
    // The captions of the Edit menu entries in the current language, with what they would undo or redo.
    QString UndoCaption() const;
    QString RedoCaption() const;
    bool CanUndo() const;
    bool CanRedo() const;

    // After a successful save: a save onto another file clears the history, any other marks the
    // present state as the saved one.
    void Saved(const QString& previousName, const QString& path);

    // True while undo or redo write the fields: the window's commands record nothing then.
    bool Replaying() const { return replaying_ > 0; }

    struct Snapshot;
    class Command;

  private:
    void Record(CaseStepKind kind, int detail, const Snapshot& before);
    void Rebase(); // the focused field's baseline becomes its present text
    void Apply(const Command& command, bool after);
    friend class Command;

    FormMain& w_;
    QUndoStack stack_;
    int depth_ = 0;     // nesting of Begin .. End
    int replaying_ = 0; // nesting of Apply
    CaseStepKind kind_ = CaseStepKind::Typed;
    Snapshot* before_ = nullptr; // the case at the outermost Begin or at the gesture's press
    bool gesture_ = false;
    int gestureDetail_ = -1;
    // Typed values: the focused entry field and its baseline, with the conventions it was written in.
    QPointer<QLineEdit> field_;
    QString baseline_;
    QString baselineSymbol_, baselineLanguage_;
};

// Scope of a window command in the history: Begin at construction, End at destruction.
class CaseStep {
  public:
    CaseStep(FormMain& window, CaseStepKind kind);
    ~CaseStep();
    CaseStep(const CaseStep&) = delete;
    CaseStep& operator=(const CaseStep&) = delete;

  private:
    FormMain& w_;
};

} // namespace zorvek
