#include "commandline.h"

#include "viewertexts.h"

namespace markview {

namespace {

// Removes "option VALUE" from args and returns VALUE (empty when the option is not there).
QString TakeOption(QStringList& args, const QString& option) {
    const qsizetype at = args.indexOf(option);
    if (at < 0 || at + 1 >= args.size()) return {};
    const QString value = args.at(at + 1);
    args.remove(at, 2);
    return value;
}

} // namespace

ViewerCommand ParseViewerCommand(QStringList args) {
    ViewerCommand command;
    command.quitAfterPaint = args.removeAll("--first-paint-exit") > 0;
    command.pdfOut = TakeOption(args, "--pdf");
    const QString language = TakeOption(args, "--lang");
    command.language = language == "ESP" || language == "ENG" ? language : SavedLanguage();
    // The path arrives whole, blanks included, as the main program passes it.
    command.document = args.join(' ');
    return command;
}

} // namespace markview
