// Commands of FormMain whose real bodies are still to be written. Whoever writes one moves it into its
// own file and deletes both its stub here and its line in DisablePendingCommands.
#include <QAction>
#include <QLabel>

#include "formmain.h"

namespace zorvek {

void FormMain::DisablePendingCommands() {}

} // namespace zorvek
