#include "printtexts.h"

namespace zorvek {

QString Pick(const PrintTextPair& text, const QString& uiLanguage) {
    if (uiLanguage == "ESP") return QString::fromUtf8(text.esp);
    if (uiLanguage == "ENG") return QString::fromUtf8(text.eng);
    return {};
}

} // namespace zorvek
