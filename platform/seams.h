// The outside effects of the windows, each behind one replaceable function: message boxes, file
// dialogs, the shell's "open" and starting a program. Set to the real thing at start-up; tests replace
// them to see exact texts and answer without blocking.
#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace zorvek {

enum class MsgIcon { None, Information, Warning, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    QString title;
    QString text;
};

// A file dialog. filter is written "description|pattern|description|pattern"; the first pair is selected.
struct FileDialogRequest {
    bool save = false; // save-as dialog (else open)
    QString title;
    QString filter;
    QString folder;              // initial folder
    QString fileName;            // proposed name (save)
    bool overwritePrompt = true; // save: ask before replacing
    bool mustExist = true;       // open: the chosen file must exist
};

struct Seams {
    // Shows a modal message box and returns the answer.
    std::function<MsgAnswer(QWidget* parent, const MessageRequest&)> messageBox;
    // Returns the chosen path, or an empty text when the user cancelled.
    std::function<QString(QWidget* parent, const FileDialogRequest&)> fileDialog;
    // The shell's "open" for a document, a web page or a mailto address; false on failure.
    std::function<bool(const QUrl&)> openUrl;
    // Starts a program without waiting; false on failure.
    std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
};

// The process-wide seams; installRealSeams() sets the Qt implementations (done by default).
Seams& seams();
void installRealSeams();

// Shortcut: a message box titled "Error" with a warning icon and an OK button.
void ShowError(QWidget* parent, const QString& text);

// Turns "desc|*.a|desc|*.b" into Qt's "desc (*.a);;desc (*.b)" form: each description as given, then
// its patterns, "*.*" written "*" so that it matches names without a dot too.
QString QtFilterFromPairs(const QString& pairs);

// Sets up the box the real message-box seam shows for a request: icon, title, text, standard buttons
// (their texts are Qt's, in the language of Qt's installed translations).
void ConfigureMessageBox(QMessageBox& box, const MessageRequest& request);

// Sets up the dialog the real file-dialog seam shows for a request: title, filters (their descriptions
// shown as given), folder, open or save, overwrite prompt.
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

} // namespace zorvek
