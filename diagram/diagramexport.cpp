#include "diagramexport.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "imagecanvas.h"
#include "vectorcanvas.h"

namespace zorvek {

namespace {

// Exported pictures show discs at the points, as the report image does; there are no markers.
DiagramOptions PictureOptions(const DiagramOptions& options) {
    DiagramOptions picture = options;
    picture.placeMarker = nullptr;
    picture.BlackAndWhite = false;
    return picture;
}

QSizeF LogicalSize(QSize pixels, double scale) {
    return QSizeF(pixels) / scale;
}

bool Fail(PictureError* error, const QFileDevice& file) {
    if (error)
        *error = PictureError{file.error() == QFileDevice::NoError ? 1 : static_cast<int>(file.error()),
                              file.errorString()};
    return false;
}

// The diagram as far as the outcome reached, then what the screen draws over it; a null outcome is blank.
void DrawPicture(DiagramCanvas& canvas, const DesignOutcome* outcome, const DiagramOptions& options) {
    if (!outcome) {
        canvas.Clear();
        return;
    }
    DrawDiagram(canvas, *outcome, options);
    if (options.overlays) options.overlays(canvas, options);
}

bool ValidSize(QSize pixels, double scale, PictureError* error) {
    if (pixels.width() > 0 && pixels.height() > 0 && scale > 0 && std::isfinite(scale)) return true;
    if (error) *error = PictureError{1, "Invalid picture size"};
    return false;
}

} // namespace

double PictureScale(QSize pixels, double devicePixelRatio) {
    const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
    return std::max(ratio, std::min(pixels.width(), pixels.height()) / 700.0);
}

QImage DiagramImage(const DesignOutcome* outcome, const DiagramOptions& options, const QFont& font,
                    QSize pixels, double scale) {
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.setDevicePixelRatio(scale);
    // Screen resolution times the scale, so that a word processor shows it at its logical size.
    const int dotsPerMetre = static_cast<int>(std::lround(96 / 0.0254 * scale));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    ImageCanvas canvas(image, CanvasIdentity::Picture4, font);
    if (outcome) DrawPicture(canvas, outcome, PictureOptions(options));
    return image;
}

bool WriteDiagramPng(const QString& path, const DesignOutcome* outcome, const DiagramOptions& options,
                     const QFont& font, QSize pixels, double scale, PictureError* error) {
    if (!ValidSize(pixels, scale, error)) return false;
    const QImage image = DiagramImage(outcome, options, font, pixels, scale);
    QSaveFile file(path);
    if (image.isNull() || !file.open(QIODevice::WriteOnly)) return Fail(error, file);
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        return Fail(error, file);
    }
    if (!file.commit()) return Fail(error, file);
    return true;
}

bool WriteDiagramSvg(const QString& path, const DesignOutcome* outcome, const DiagramOptions& options,
                     const QFont& font, QSize pixels, double scale, PictureError* error) {
    if (!ValidSize(pixels, scale, error)) return false;
    const QSizeF size = LogicalSize(pixels, scale);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Fail(error, file);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), size));
        svg.setResolution(96);
        svg.setTitle("ZORVEK - McCabe-Thiele");
        QPainter painter(&svg);
        VectorCanvas canvas(painter, size, CanvasIdentity::Picture4, font);
        DrawPicture(canvas, outcome, PictureOptions(options));
    }
    if (!file.commit()) return Fail(error, file);
    return true;
}

bool WriteDiagramPdf(const QString& path, const DesignOutcome* outcome, const DiagramOptions& options,
                     const QFont& font, QSize pixels, double scale, PictureError* error) {
    if (!ValidSize(pixels, scale, error)) return false;
    const QSizeF size = LogicalSize(pixels, scale);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Fail(error, file);
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setCreator("ZORVEK");
        writer.setTitle(QFileInfo(path).completeBaseName());
        // One page of the diagram's own size, 96 logical pixels to the inch, without margins.
        writer.setPageLayout(QPageLayout(QPageSize(size * 72.0 / 96.0, QPageSize::Point),
                                         QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        QPainter painter;
        if (painter.begin(&writer)) {
            painter.scale(writer.resolution() / 96.0, writer.resolution() / 96.0);
            VectorCanvas canvas(painter, size, CanvasIdentity::Picture4, font);
            DrawPicture(canvas, outcome, PictureOptions(options));
            drawn = true;
        }
    }
    if (!drawn) {
        file.cancelWriting();
        return Fail(error, file);
    }
    if (!file.commit()) return Fail(error, file);
    return true;
}

QString PictureFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png" || suffix == "svg" || suffix == "pdf") return suffix;
    return {};
}

bool WriteDiagramPicture(const QString& path, const DesignOutcome* outcome, const DiagramOptions& options,
                         const QFont& font, QSize pixels, double scale, PictureError* error) {
    const QString format = PictureFormatOf(path);
    if (format == "png") return WriteDiagramPng(path, outcome, options, font, pixels, scale, error);
    if (format == "svg") return WriteDiagramSvg(path, outcome, options, font, pixels, scale, error);
    if (format == "pdf") return WriteDiagramPdf(path, outcome, options, font, pixels, scale, error);
    if (error) *error = PictureError{1, "Unknown picture format (use .png, .svg or .pdf)"};
    return false;
}

} // namespace zorvek
