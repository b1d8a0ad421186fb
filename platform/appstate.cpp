#include "appstate.h"

namespace zorvek {

AppState& appState() {
    static AppState state;
    return state;
}

} // namespace zorvek
