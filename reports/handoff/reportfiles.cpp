#include "reportfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QThread>
#include <chrono>
#include <random>

namespace zorvek {

QString ReportNumber(const std::function<bool(const QString&)>& taken) {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::mt19937 generator(static_cast<std::mt19937::result_type>(ticks) ^ std::random_device{}());
    std::uniform_int_distribution<int> draw(100000, 199999);
    QString number = QString::number(draw(generator));
    for (int attempt = 0; attempt < 20 && taken && taken(number); ++attempt)
        number = QString::number(draw(generator));
    return number;
}

QString JpegFaultText(JpegFault fault) {
    switch (fault) {
    case JpegFault::None:
        return {};
    case JpegFault::CannotFind:
        return "Cannot find file";
    case JpegFault::NoMemory:
        return "Not enough memory";
    case JpegFault::CannotLoad:
        return "Cannot load file";
    }
    return {};
}

JpegFault BmpToJpeg(const QString& bmpPath, const QString& jpgPath, int quality) {
    QImageReader reader(bmpPath, "BMP");
    if (!QFile::exists(bmpPath) || !reader.canRead()) return JpegFault::CannotFind;
    const QSize size = reader.size();
    if (!size.isValid()) return JpegFault::CannotLoad;
    QImage image(size, QImage::Format_RGB32); // the allocation fails only when memory runs out
    if (image.isNull()) return JpegFault::NoMemory;
    if (!reader.read(&image)) return JpegFault::CannotLoad;
    if (image.depth() == 1)
        image = image.convertToFormat(QImage::Format_Indexed8);
    else if (image.depth() > 15)
        image = image.convertToFormat(QImage::Format_RGB888);
    image.save(jpgPath, "JPG", quality); // its result shows as the file being there or not
    return JpegFault::None;
}

bool WaitForFile(const QString& path, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(path)) {
        if (timer.elapsed() >= timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

QString WriteReportDocument(const QString& folder, const QString& decimalSymbol,
                            const WorkedSolution& parts) {
    if (!QDir().mkpath(folder)) return {};
    // A new number when one is in use, so a document still open in a viewer is never replaced.
    const QString number =
        ReportNumber([&](const QString& n) { return QFile::exists(folder + "/restemp" + n + ".rex"); });
    const QString path = folder + "/restemp" + number + ".rex";
    if (QFile::exists(path) && !QFile::remove(path)) return {};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    const QByteArray bytes = QByteArray::fromStdString(ReportDocument(decimalSymbol.toStdString(), parts));
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return {};
    }
    return file.commit() ? path : QString();
}

ReportFilesResult WriteReportFiles(const QString& folder, const QImage& diagram, const ReportFields& fields) {
    ReportFilesResult result;
    if (!QDir().mkpath(folder)) {
        result.error = "cannot create the folder " + folder;
        return result;
    }
    const QString number = ReportNumber([&](const QString& n) {
        return QFile::exists(folder + "/mcth_temp" + n + ".bmp") ||
               QFile::exists(folder + "/mcth_temp" + n + ".jpg");
    });
    const QString bmp = folder + "/mcth_temp" + number + ".bmp";
    const QString jpg = folder + "/mcth_temp" + number + ".jpg";
    if (!diagram.save(bmp, "BMP")) {
        result.error = "cannot write " + bmp;
        return result;
    }
    const JpegFault fault = BmpToJpeg(bmp, jpg, 95);
    QFile::remove(bmp);
    if (fault != JpegFault::None || !QFile::exists(jpg)) {
        result.error = fault != JpegFault::None ? JpegFaultText(fault) : "cannot write " + jpg;
        return result;
    }
    result.image = jpg;
    const WorkedSolution parts = ComposeWorkedSolution(fields, ("mcth_temp" + number + ".jpg").toStdString());
    result.document = WriteReportDocument(folder, QString::fromStdString(fields.DecimalSymbol), parts);
    if (result.document.isEmpty()) {
        result.error = "cannot write the report document in " + folder;
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace zorvek
