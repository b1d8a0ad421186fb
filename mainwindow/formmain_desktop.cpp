// FormMain's desktop conventions: the Edit and View menus, the Recent cases and Export diagram entries
// of the File menu, and the routing of the events they need (typed values and gestures for the undo
// history, zoom and pan on the diagram, files dropped on the entry fields).
#include <QAction>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QUndoStack>
#include <algorithm>

#include "casehistory.h"
#include "diagramview.h"
#include "formmain.h"

namespace zorvek {

namespace {

QAction* NewAction(QObject* owner, const char* name, const QString& text) {
    auto* action = new QAction(text, owner);
    action->setObjectName(name);
    return action;
}

// The entry of menu that follows the given one (null at the end).
QAction* ActionAfter(QMenu* menu, QAction* action) {
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(action);
    return at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr;
}

bool MatchesAny(const QKeyEvent* key, const QList<QKeySequence>& sequences) {
    const QKeySequence pressed(key->keyCombination());
    return std::any_of(sequences.begin(), sequences.end(),
                       [&](const QKeySequence& s) { return s.matches(pressed) == QKeySequence::ExactMatch; });
}

} // namespace

void FormMain::SetUpDesktopConventions() {
    History = new CaseHistory(*this);
    CreateDesktopMenus();
    SetUpKeyboard();
    LoadRecentCases();
    setAcceptDrops(true);
    connect(&History->Stack(), &QUndoStack::indexChanged, this, &FormMain::RefreshEditActions);
    for (int n = 1; n < static_cast<int>(TextFields.size()); ++n) {
        if (SlotOfField(n) >= 0)
            connect(TextFields[n], &QLineEdit::textEdited, this, &FormMain::RefreshEditActions);
    }
    RefreshEditActions();
}

void FormMain::CreateDesktopMenus() {
    // Edit, after File.
    mnu_Edicion = new QMenu("&Edit", this);
    mnu_Edicion->setObjectName("mnu_Edicion");
    menuBar()->insertMenu(mnu_OPCIONES->menuAction(), mnu_Edicion);
    mnu_Edicion_UNDO = NewAction(this, "mnu_Edicion_UNDO", "&Undo");
    mnu_Edicion_REDO = NewAction(this, "mnu_Edicion_REDO", "&Redo");
    mnu_Edicion_COPYDIAGRAM = NewAction(this, "mnu_Edicion_COPYDIAGRAM", "&Copy diagram");
    mnu_Edicion->addAction(mnu_Edicion_UNDO);
    mnu_Edicion->addAction(mnu_Edicion_REDO);
    mnu_Edicion->addSeparator();
    mnu_Edicion->addAction(mnu_Edicion_COPYDIAGRAM);
    // Its shortcut belongs to the diagram: in an entry field Ctrl+C copies the field's text.
    mnu_Edicion_COPYDIAGRAM->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    Picture1->addAction(mnu_Edicion_COPYDIAGRAM);
    connect(mnu_Edicion, &QMenu::aboutToShow, this, &FormMain::RefreshEditActions);
    connect(mnu_Edicion_UNDO, &QAction::triggered, this, &FormMain::mnu_Edicion_UNDO_Click);
    connect(mnu_Edicion_REDO, &QAction::triggered, this, &FormMain::mnu_Edicion_REDO_Click);
    connect(mnu_Edicion_COPYDIAGRAM, &QAction::triggered, this, &FormMain::mnu_Edicion_COPYDIAGRAM_Click);

    // View, after Edit: one menu shared with the diagram's other view entries.
    mnu_Ver = findChild<QMenu*>("mnu_Ver");
    if (!mnu_Ver) {
        mnu_Ver = new QMenu("&View", this);
        mnu_Ver->setObjectName("mnu_Ver");
        menuBar()->insertMenu(mnu_OPCIONES->menuAction(), mnu_Ver);
    }
    mnu_Ver_ZOOMIN = NewAction(this, "mnu_Ver_ZOOMIN", "Zoom &in");
    mnu_Ver_ZOOMOUT = NewAction(this, "mnu_Ver_ZOOMOUT", "Zoom &out");
    mnu_Ver_ZOOMALL = NewAction(this, "mnu_Ver_ZOOMALL", "&Whole diagram");
    QAction* before = mnu_Ver->actions().isEmpty() ? nullptr : mnu_Ver->actions().front();
    mnu_Ver->insertActions(before, {mnu_Ver_ZOOMIN, mnu_Ver_ZOOMOUT, mnu_Ver_ZOOMALL});
    if (before) mnu_Ver->insertSeparator(before);
    const auto centre = [this] {
        const ViewWindow& v = Picture1->View();
        return QPointF((v.x0 + v.x1) / 2, (v.y0 + v.y1) / 2);
    };
    connect(mnu_Ver_ZOOMIN, &QAction::triggered, this, [this, centre] { ZoomAbout(1.25, centre()); });
    connect(mnu_Ver_ZOOMOUT, &QAction::triggered, this, [this, centre] { ZoomAbout(1 / 1.25, centre()); });
    connect(mnu_Ver_ZOOMALL, &QAction::triggered, this, &FormMain::ZoomWhole);

    // File: Recent cases after Save as, Export diagram after Export PDF.
    mnu_Archivo_RECENT = new QMenu("&Recent cases", this);
    mnu_Archivo_RECENT->setObjectName("mnu_Archivo_RECENT");
    mnu_Archivo_RECENT->setToolTipsVisible(true);
    mnu_Archivo->insertMenu(ActionAfter(mnu_Archivo, mnu_Archivo_SAVEAS), mnu_Archivo_RECENT);
    mnu_Archivo_RECENT_CLEAR = NewAction(this, "mnu_Archivo_RECENT_CLEAR", "&Clear list");
    connect(mnu_Archivo_RECENT_CLEAR, &QAction::triggered, this, [this] {
        RecentCases.clear();
        AddRecentCase(QString()); // stores and shows the empty list
    });
    mnu_Archivo_EXPORTDIAGRAM = NewAction(this, "mnu_Archivo_EXPORTDIAGRAM", "Export &diagram...");
    mnu_Archivo->insertAction(ActionAfter(mnu_Archivo, mnu_Archivo_PDF), mnu_Archivo_EXPORTDIAGRAM);
    connect(mnu_Archivo_EXPORTDIAGRAM, &QAction::triggered, this, &FormMain::mnu_Archivo_EXPORTDIAGRAM_Click);
}

bool FormMain::DesktopEvent(QObject* watched, QEvent* event) {
    if (!History) return false;
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const bool release = type == QEvent::MouseButtonRelease;

    const auto field = std::find(TextFields.begin() + 1, TextFields.end(), watched);
    if (field != TextFields.end()) {
        QLineEdit* edit = *field;
        if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
            // A case or table file dropped on a field opens as on the window; text drops stay the field's.
            auto* drop = static_cast<QDropEvent*>(event);
            if (!drop->mimeData() || !drop->mimeData()->hasUrls()) return false;
            if (type == QEvent::Drop)
                dropEvent(drop);
            else
                AcceptFileDrag(drop);
            return true;
        }
        if (SlotOfField(static_cast<int>(field - TextFields.begin())) < 0) return false;
        if (type == QEvent::FocusIn) {
            History->FieldFocused(edit);
            RefreshEditActions();
        } else if (type == QEvent::FocusOut) {
            History->CommitTyped();
            RefreshEditActions();
        } else if (type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) History->CommitTyped();
        } else if (type == QEvent::ShortcutOverride) {
            // Undo and redo of the case, not of the field's own typing: the window's entries take the keys.
            auto* key = static_cast<QKeyEvent*>(event);
            if (MatchesAny(key, mnu_Edicion_UNDO->shortcuts()) ||
                MatchesAny(key, mnu_Edicion_REDO->shortcuts()))
                return true;
        }
        return false;
    }
    if (watched == Picture1) {
        if (ZoomEvent(event)) return true;
        if (press) History->BeginGesture(CaseStepKind::CurveDrag, -1);
        if (release) History->EndGesture();
        return false;
    }
    for (int k = 0; k < 4; ++k) {
        if (watched != Label2[k]) continue;
        if (press) History->BeginGesture(CaseStepKind::MarkerDrag, k);
        if (release) History->EndGesture();
        return false;
    }
    for (int i = 0; i < 7; ++i) {
        if (watched != Image2[i]) continue;
        if (press) History->BeginGesture(CaseStepKind::SliderDrag, i);
        if (release) History->EndGesture();
        return false;
    }
    return false;
}

} // namespace zorvek
