#include "makerinfo.h"

#include <QUrl>

#ifndef ZORVEK_VERSION_MAJOR
#error "the build passes ZORVEK_VERSION_MAJOR and ZORVEK_VERSION_MINOR"
#endif

namespace zorvek {

int VersionMajor() {
    return ZORVEK_VERSION_MAJOR;
}
int VersionMinor() {
    return ZORVEK_VERSION_MINOR;
}
QString MakerWebEnglish() {
    return QStringLiteral(ZORVEK_MAKER_WEB);
}
QString MakerWebSpanish() {
    return QStringLiteral(ZORVEK_MAKER_WEB_ES);
}
QString MakerHost() {
    const QString host = QUrl(MakerWebEnglish()).host();
    return host.isEmpty() ? MakerWebEnglish() : host;
}
QString MakerEmail() {
    return QStringLiteral(ZORVEK_MAKER_EMAIL);
}
QString MakerLegalLine() {
    return QString::fromUtf8(ZORVEK_MAKER_LEGAL);
}

} // namespace zorvek
