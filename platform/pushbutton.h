// The click of a push button drawn as a face image with a caption over it, as the platform reports a
// click: a left-button press arms the button and the left-button release over the same button clicks it
// once. Other mouse buttons, the second press of a double click and a release away from the button
// click nothing, so no action runs twice or by accident.
#pragma once

class QEvent;

namespace zorvek {

class PushButtonClicks {
  public:
    enum class Step {
        None,     // not a press or release: leave it to the widget
        Ignored,  // a press or release that does nothing (other mouse buttons)
        Pressed,  // show button i pressed
        Released, // show button i at rest, no action
        Clicked,  // show button i at rest and run its action
    };

    // A mouse event on button i (its face or caption); overButton tells whether the event's position lies
    // on button i.
    Step OnMouse(int i, const QEvent* event, bool overButton);
    // The button the last left press armed, -1 for none.
    int Armed() const { return armed_; }

  private:
    int armed_ = -1;
    int pressedOn_ = -1; // the button shown pressed
};

} // namespace zorvek
