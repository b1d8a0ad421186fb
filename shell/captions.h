// The main window's caption set in Spanish and English, kept as a table keyed by the controls' object
// names, the code that applies such a set to a window, and the component-name translation. (The table
// editor keeps its own set in tableeditor/xycaptions.h.)
#pragma once
#include <QString>
#include <span>
#include <vector>

class QWidget;

namespace zorvek {

// What a caption entry sets on the control named objectName (empty name: the window itself).
enum class CaptionKind { Title, Text, ToolTip };

struct Caption {
    const char* objectName; // "" is the window title
    CaptionKind kind;
    const char* esp;
    const char* eng;
};

// The main window's caption set in the order it is applied. The home-page entry's address is added
// by ApplyCaptions from the maker's home page of the language.
const std::vector<Caption>& MainWindowCaptions();

// The text of an entry in the current UiLanguage ("" when it is neither "ESP" nor "ENG"), with the
// fixed window-title prefix and the home-page address completed.
QString CaptionText(const Caption& caption);

// Sets every caption of the set on window and its children, in order; a control that is missing is
// skipped. Returns how many captions were set.
int ApplyCaptions(QWidget* window, std::span<const Caption> captions);

// The component name translated into newLanguage ("ESP" or "ENG") when its lower-case text is one of
// agua/water, etanol/ethanol, benceno/benzene, tolueno/toluene in the other language; otherwise the
// text unchanged.
QString TranslateComponentName(const QString& text, const QString& newLanguage);

} // namespace zorvek
