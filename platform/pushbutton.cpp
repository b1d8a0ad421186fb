#include "pushbutton.h"

#include <QMouseEvent>

namespace zorvek {

PushButtonClicks::Step PushButtonClicks::OnMouse(int i, const QEvent* event, bool overButton) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (static_cast<const QMouseEvent*>(event)->button() != Qt::LeftButton) return Step::Ignored;
        // The second press of a double click looks pressed but arms nothing: its release is no click.
        armed_ = event->type() == QEvent::MouseButtonPress ? i : -1;
        pressedOn_ = i;
        return Step::Pressed;
    }
    case QEvent::MouseButtonRelease: {
        if (static_cast<const QMouseEvent*>(event)->button() != Qt::LeftButton) return Step::Ignored;
        const bool click = armed_ == i && overButton;
        const bool wasPressed = pressedOn_ == i;
        armed_ = -1;
        pressedOn_ = -1;
        if (click) return Step::Clicked;
        return wasPressed ? Step::Released : Step::Ignored;
    }
    default:
        return Step::None;
    }
}

} // namespace zorvek
