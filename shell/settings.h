// The per-user settings store of the application "ZORVEK", section "SETUP" ("LANG", "DecimalSYMBOL",
// "PATH_TABLA", "PATH_FILE"), and the start-up and shutdown steps that use it. Every step is attempted
// on its own; a store or folder that fails is skipped without a message.
#pragma once
#include <QString>

namespace zorvek {

// The stored text of key, or defaultValue when the key is absent or the store cannot be read.
QString ReadSetting(const QString& key, const QString& defaultValue);
// Stores text under key; a store that cannot be written loses it silently.
void WriteSetting(const QString& key, const QString& text);

// "LANG" as stored; when absent, "ESP" if "esp.txt" lies in appFolder (or, in an installed tree,
// in its data folder), else "ENG".
QString LanguageAtStart(const QString& appFolder);
// "DecimalSYMBOL" as stored; when absent, "," if the regional text of one and a half holds a comma.
QString DecimalSymbolAtStart(const QString& regionalOneAndHalf);
// The regional text of one and a half (QLocale::system()).
QString RegionalOneAndHalf();

// Writes "DecimalSYMBOL", "LANG", "PATH_TABLA" and "PATH_FILE" from the process-wide values, in
// that order.
void SaveSettingsAtExit();
// Deletes every "*.jpg" and then every "*.rex" file in folder; returns how many were deleted.
int DeleteTemporaryFiles(const QString& folder);

} // namespace zorvek
