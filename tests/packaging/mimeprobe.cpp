// Prints, for each file named, the MIME type Qt's database gives it, its comment in the current
// locale and its icon name, tab-separated: what a file manager built on the same database shows.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QMimeDatabase db;
    for (const QString& path : QCoreApplication::arguments().mid(1)) {
        const QMimeType type = db.mimeTypeForFile(path);
        std::printf("%s\t%s\t%s\n", qPrintable(type.name()), qPrintable(type.comment()),
                    qPrintable(type.iconName()));
    }
    return 0;
}
