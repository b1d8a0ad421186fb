// Keyboard of the grid: the decimal key replacement and the navigation through both columns, scrolling
// at the top and bottom rows.
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include "appstate.h"
#include "formxyinput.h"

namespace zorvek {

namespace {

// The caret as the grid sees it: a selection counts from its start, a whole selection is also "at the
// end", and an empty box is both at position 0 and at the end.
bool CaretAtStart(const QLineEdit* box) {
    if (box->text().isEmpty()) return true;
    return (box->hasSelectedText() ? box->selectionStart() : box->cursorPosition()) == 0;
}

bool CaretAtEnd(const QLineEdit* box) {
    const int length = static_cast<int>(box->text().size());
    if (length == 0) return true;
    if (box->hasSelectedText() && box->selectedText().size() == length) return true;
    return !box->hasSelectedText() && box->cursorPosition() == length;
}

} // namespace

bool FormXYinput::CellKey(int row, bool isY, QKeyEvent* key) {
    QLineEdit* box = isY ? TxTY[row] : TxtX[row];
    const QString typed = key->text();
    if (typed == "," || typed == ".") {
        box->insert(appState().DecimalSymbol.left(1));
        return true;
    }
    const int last = kRows - 1;
    const bool canScrollDown = VScroll1->value() < VScroll1->maximum();
    const bool canScrollUp = VScroll1->value() > VScroll1->minimum();
    auto focus = [](QLineEdit* target) {
        target->setFocus(Qt::OtherFocusReason);
        target->selectAll();
        return true;
    };
    switch (key->key()) {
    case Qt::Key_Down:
        if (row < last) return focus(isY ? TxTY[row + 1] : TxtX[row + 1]);
        if (canScrollDown) ScrollBy(1);
        return true;
    case Qt::Key_Up:
        if (row > 0) return focus(isY ? TxTY[row - 1] : TxtX[row - 1]);
        if (canScrollUp) ScrollBy(-1);
        return true;
    case Qt::Key_Left:
        if (!isY) {
            if (row == 0 && canScrollUp) {
                ScrollBy(-1);
                return focus(TxTY[0]);
            }
            if (row >= 1 && CaretAtStart(box)) return focus(TxTY[row - 1]);
            return false;
        }
        if (CaretAtStart(box)) return focus(TxtX[row]);
        return false;
    case Qt::Key_Right:
        if (!CaretAtEnd(box)) return false;
        if (!isY) return focus(TxTY[row]);
        if (row < last) return focus(TxtX[row + 1]);
        if (canScrollDown) {
            ScrollBy(1);
            return focus(TxtX[last]);
        }
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!isY) return focus(TxTY[row]);
        if (row < last) return focus(TxtX[row + 1]);
        if (canScrollDown) {
            ScrollBy(1);
            focus(TxtX[last]);
        }
        return true; // Enter never closes the dialog
    default:
        return false;
    }
}

} // namespace zorvek

namespace zorvek {

void FormXYinput::keyPressEvent(QKeyEvent* event) {
    // Escape does what it does in a text box, nothing: the table being edited is not thrown away. The
    // editor closes through its buttons and the frame only.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zorvek
