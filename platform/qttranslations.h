// Qt's own texts (the standard Yes / No / Cancel buttons, the file and print dialogs, the text boxes'
// context menus) in the interface language, from Qt's catalogue of Debian's qt6-translations-l10n
// (qtbase_es.qm in Qt's translations folder).
#pragma once
#include <QString>

namespace zorvek {

// Installs the Spanish catalogue for "ESP" and removes it for "ENG" (Qt's texts are English), so that
// Qt's widgets follow the language menu. Any other value leaves things as they are. Returns whether Qt's
// texts are now in the language asked for (false when the Spanish catalogue is not installed).
bool UseQtTranslations(const QString& uiLanguage);

} // namespace zorvek
