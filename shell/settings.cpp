#include "settings.h"

#include "appstate.h"
#include "programfiles.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>

namespace zorvek {

namespace {

const char* const kApplication = "ZORVEK";
const char* const kSection = "SETUP";

} // namespace

QString ReadSetting(const QString& key, const QString& defaultValue) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kApplication, kApplication);
    if (store.status() != QSettings::NoError) return defaultValue;
    store.beginGroup(kSection);
    const QVariant value = store.value(key);
    if (!value.isValid()) return defaultValue;
    return value.toString();
}

void WriteSetting(const QString& key, const QString& text) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kApplication, kApplication);
    store.beginGroup(kSection);
    store.setValue(key, text);
    store.endGroup();
    store.sync();
}

QString LanguageAtStart(const QString& appFolder) {
    const QString stored = ReadSetting("LANG", "?");
    if (stored != "?") return stored;
    return QFile::exists(ProgramFile("esp.txt", appFolder)) ? QString("ESP") : QString("ENG");
}

QString DecimalSymbolAtStart(const QString& regionalOneAndHalf) {
    const QString stored = ReadSetting("DecimalSYMBOL", "?");
    if (stored != "?") return stored;
    return regionalOneAndHalf.contains(',') ? QString(",") : QString(".");
}

QString RegionalOneAndHalf() {
    return QLocale::system().toString(1.5);
}

void SaveSettingsAtExit() {
    const AppState& state = appState();
    WriteSetting("DecimalSYMBOL", state.DecimalSymbol);
    WriteSetting("LANG", state.UiLanguage);
    WriteSetting("PATH_TABLA", state.PATH_TABLA);
    WriteSetting("PATH_FILE", state.PATH_FILE);
}

int DeleteTemporaryFiles(const QString& folder) {
    int deleted = 0;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) return 0;
    for (const char* pattern : {"*.jpg", "*.rex"}) {
        for (const QString& name : dir.entryList({pattern}, QDir::Files | QDir::Hidden)) {
            if (QFile::remove(dir.filePath(name))) ++deleted;
        }
    }
    return deleted;
}

} // namespace zorvek
