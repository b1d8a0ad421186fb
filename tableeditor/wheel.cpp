#include "wheel.h"

#include <QApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

namespace zorvek {

namespace {

// Mouse-key flags as the wheel message carries them.
constexpr int kLeftButton = 0x1, kRightButton = 0x2, kShift = 0x4, kControl = 0x8, kMiddleButton = 0x10;
constexpr int kWheelStep = 120;

int MouseKeys(const QWheelEvent& e) {
    int keys = 0;
    if (e.buttons() & Qt::LeftButton) keys |= kLeftButton;
    if (e.buttons() & Qt::RightButton) keys |= kRightButton;
    if (e.buttons() & Qt::MiddleButton) keys |= kMiddleButton;
    if (e.modifiers() & Qt::ShiftModifier) keys |= kShift;
    if (e.modifiers() & Qt::ControlModifier) keys |= kControl;
    return keys;
}

class WheelFilter : public QObject {
  public:
    QPointer<QWidget> target;
    QList<QPointer<QWidget>> watched;
    int pending = 0; // angle not yet turned into a whole step

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Wheel || !target) return QObject::eventFilter(object, event);
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int delta = wheel->angleDelta().y();
        if (delta == 0) return QObject::eventFilter(object, event); // a sideways wheel is no wheel step
        // Steps of opposite sign cancel what was pending.
        if ((pending > 0 && delta < 0) || (pending < 0 && delta > 0)) pending = 0;
        pending += delta;
        const QPoint at = wheel->globalPosition().toPoint();
        while (pending >= kWheelStep || pending <= -kWheelStep) {
            const int rotation = pending > 0 ? kWheelStep : -kWheelStep;
            pending -= rotation;
            QMetaObject::invokeMethod(target, "MouseWheel", Qt::DirectConnection,
                                      Q_ARG(int, MouseKeys(*wheel)), Q_ARG(int, rotation), Q_ARG(int, at.x()),
                                      Q_ARG(int, at.y()));
            if (!target) break;
        }
        // The wheel scrolls the grid only: the scroll bar must not scroll again by its own rule.
        return true;
    }
};

WheelFilter& Filter() {
    static WheelFilter filter;
    return filter;
}

bool hooked = false;

} // namespace

void WheelHook(QWidget* window) {
    if (hooked) return;
    hooked = true;
    WheelFilter& f = Filter();
    f.target = window;
    f.pending = 0;
    f.watched.clear();
    if (!window) return;
    f.watched.append(window);
    for (QWidget* child : window->findChildren<QWidget*>()) f.watched.append(child);
    for (const auto& w : f.watched) w->installEventFilter(&f);
}

void WheelUnhook() {
    WheelFilter& f = Filter();
    for (const auto& w : f.watched)
        if (w) w->removeEventFilter(&f);
    f.watched.clear();
    f.target = nullptr;
    f.pending = 0;
    hooked = false;
}

bool WheelHooked() {
    return hooked;
}

QWidget* WheelTarget() {
    return Filter().target;
}

} // namespace zorvek
