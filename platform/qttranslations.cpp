#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zorvek {

namespace {

QTranslator*& SpanishCatalogue() {
    static QTranslator* translator = nullptr;
    return translator;
}

} // namespace

bool UseQtTranslations(const QString& uiLanguage) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    QTranslator*& spanish = SpanishCatalogue();
    if (uiLanguage == "ENG") {
        if (spanish) QCoreApplication::removeTranslator(spanish);
        return true;
    }
    if (uiLanguage != "ESP") return false;
    if (!spanish) {
        auto* translator = new QTranslator(app);
        if (!translator->load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete translator;
            return false;
        }
        spanish = translator;
    }
    // Installing the same catalogue again keeps one copy and tells the widgets once more.
    QCoreApplication::removeTranslator(spanish);
    return QCoreApplication::installTranslator(spanish);
}

} // namespace zorvek
