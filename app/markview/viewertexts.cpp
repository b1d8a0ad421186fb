#include "viewertexts.h"

#include "programfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

namespace markview {

QString Tx(const QString& language, const char* esp, const char* eng) {
    if (language == "ESP") return QString::fromUtf8(esp);
    if (language == "ENG") return QString::fromUtf8(eng);
    return {};
}

QString PartHeading(const QString& l, int part) {
    switch (part) {
    case kStatement:
        return Tx(l, "Enunciado", "Statement");
    case kAnswers:
        return Tx(l, "Respuestas", "Answers");
    case kResults:
        return Tx(l, "Resultados", "Results");
    case kSolution:
        return Tx(l, "Resolución completa", "Full solution");
    default:
        return {};
    }
}

QString FaultText(const QString& l, Fault fault) {
    switch (fault) {
    case Fault::None:
        return {};
    case Fault::MissingEnd:
        return Tx(l, "falta el cierre de un elemento", "an element is not closed");
    case Fault::UnexpectedEnd:
        return Tx(l, "cierre de un elemento que no se abrió", "an element is closed that was not opened");
    case Fault::PartMisplaced:
        return Tx(l, "parte repetida o dentro de otra parte", "a part is repeated or inside another part");
    case Fault::NoParts:
        return Tx(l, "el documento no contiene ninguna parte", "the document holds no part");
    case Fault::TextOutsideParts:
        return Tx(l, "texto fuera de las partes del documento", "text outside the parts of the document");
    case Fault::BadTab:
        return Tx(l, "tabulación sin columna", "a tab stop without a column");
    case Fault::BadSystem:
        return Tx(l, "sistema de ecuaciones mal formado", "a malformed system of equations");
    case Fault::BadPicture:
        return Tx(l, "imagen mal formada", "a malformed picture");
    case Fault::TooDeep:
        return Tx(l, "fracciones anidadas en exceso", "fractions nested too deeply");
    case Fault::BadDecimal:
        return Tx(l, "símbolo decimal no válido", "an invalid decimal symbol");
    }
    return {};
}

QString SavedLanguage() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "ZORVEK", "ZORVEK");
    const QVariant stored = settings.value("SETUP/LANG");
    if (stored.isValid()) return stored.toString();
    return QFile::exists(zorvek::ProgramFile("esp.txt", QCoreApplication::applicationDirPath())) ? "ESP"
                                                                                                 : "ENG";
}

} // namespace markview
