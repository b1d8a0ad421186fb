// zorvek-manualpdf: turns a user's manual written in HTML into a PDF page by page.
//   zorvek-manualpdf <manual.html> <output.pdf>
// Images are looked up relative to the HTML file's folder.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zorvek-manualpdf <manual.html> <output.pdf>\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QFile file(input);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString html = QString::fromUtf8(file.readAll());
    const QDir folder = QFileInfo(input).absoluteDir();

    QTextDocument document;
    QFont font("Liberation Sans");
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet("h1 { color: #1d3557; } h2 { color: #1d3557; margin-top: 14px; } "
                                  "th { background-color: #e3e9f2; }");
    static const QRegularExpression imageSource(R"re(<img[^>]*src="([^"]+)")re");
    for (auto match = imageSource.globalMatch(html); match.hasNext();) {
        const QString source = match.next().captured(1);
        const QImage image(folder.filePath(source));
        if (image.isNull()) {
            std::fprintf(stderr, "missing image %s\n", qPrintable(source));
            return 1;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(source), image);
    }
    document.setHtml(html);

    QPdfWriter writer(output);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator("ZORVEK");
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter));
    document.print(&writer);
    if (!QFileInfo(output).isFile() || QFileInfo(output).size() == 0) {
        std::fprintf(stderr, "could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
