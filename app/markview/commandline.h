// markview's command line: the document (its path may arrive split at blanks), "--lang ESP|ENG" with the
// language of the document as ZORVEK hands it over, "--pdf OUT", "--help" and the speed probe's flag.
#pragma once
#include <QString>
#include <QStringList>

namespace markview {

struct ViewerCommand {
    QString document;            // empty: none given
    QString language;            // "ESP" or "ENG": from --lang, else the language ZORVEK last saved
    QString pdfOut;              // --pdf: write the PDF without a window
    bool quitAfterPaint = false; // --first-paint-exit
};

// args without the program name. A document given alone still opens in the saved language.
ViewerCommand ParseViewerCommand(QStringList args);

// What --help prints: the options above (the speed probe's flag is no option for users).
inline constexpr const char* kUsageLine = "usage: markview [FILE] [--lang ESP|ENG] [--pdf OUT]";

} // namespace markview
