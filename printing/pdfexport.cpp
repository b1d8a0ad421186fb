#include "pdfexport.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace zorvek {

std::unique_ptr<PageDevice> PdfPageDevice(QIODevice* output, const QString& title) {
    auto writer = std::make_unique<QPdfWriter>(output);
    writer->setCreator("ZORVEK");
    writer->setTitle(title);
    writer->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kPdfMarginLeftRight, kPdfMarginTopBottom, kPdfMarginLeftRight, kPdfMarginTopBottom),
        QPageLayout::Millimeter));
    return WrapPagedDevice(std::move(writer));
}

bool ExportPdf(const QString& path, const PageSource& source, FileError* error) {
    QSaveFile file(path);
    auto fail = [&](const QFileDevice& f) {
        if (error)
            *error = FileError{f.error() == QFileDevice::NoError ? 1 : static_cast<int>(f.error()),
                               f.errorString()};
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) return fail(file);
    PrintOutcome outcome = PrintOutcome::DeviceFailed;
    {
        const std::unique_ptr<PageDevice> device = PdfPageDevice(&file, QFileInfo(path).completeBaseName());
        outcome = PrintPages(*device, source, 1, true);
    }
    if (outcome != PrintOutcome::Printed) {
        file.cancelWriting();
        return fail(file);
    }
    if (!file.commit()) return fail(file);
    if (error) *error = FileError{};
    return true;
}

QString WithPdfExtension(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + ".pdf";
}

} // namespace zorvek
