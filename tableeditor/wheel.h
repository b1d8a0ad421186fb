// The module Wheel: catches the mouse wheel anywhere inside one hooked window and calls that window's
// MouseWheel(MouseKeys, Rotation, Xpos, Ypos) by name, once per wheel step (fine-grained devices are
// accumulated to whole steps of 120). Only one window is hooked at a time.
#pragma once

class QWidget;

namespace zorvek {

// Hooks window (an event filter on it and on its child widgets). A second call, for the same or another
// window, changes nothing until WheelUnhook.
void WheelHook(QWidget* window);
// Removes the hook; the next WheelHook installs it again.
void WheelUnhook();

bool WheelHooked();
QWidget* WheelTarget();

} // namespace zorvek
