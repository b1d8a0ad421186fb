// The diagram as a picture for other programs: an image of a chosen size (PNG, clipboard), an SVG of
// vectors or a PDF of the diagram alone. Drawn by the pictures' rules and colours, with discs at the
// stream points and the q-point (as the report image shows them), over the options' view window, with
// what the options' overlays draw over it.
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include "design.h"
#include "mccabediagram.h"

namespace zorvek {

// Why a picture could not be written: a file error's code and description.
struct PictureError {
    int code = 0;
    QString description;
};

// The default size of an exported picture, in pixels.
constexpr int kExportPixels = 1600;

// The scale at which a picture of that many pixels is drawn: the diagram keeps the proportions of text
// to plot of the 700 x 700 report picture, and is never drawn coarser than the screen's device pixel
// ratio.
double PictureScale(QSize pixels, double devicePixelRatio);

// Each function draws outcome as far as it reached; a null outcome is a cleared diagram (blank, as
// after Clear). font is the picture's font in logical pixels.

// The diagram drawn on an image of pixels device pixels at the given scale (its logical size is
// pixels / scale).
QImage DiagramImage(const DesignOutcome* outcome, const DiagramOptions& options, const QFont& font,
                    QSize pixels, double scale);

// The picture files, each replaced only when complete. The PNG has the given pixels; the SVG and the
// PDF page have the logical size pixels / scale (the PDF at 96 logical pixels per inch).
bool WriteDiagramPng(const QString& path, const DesignOutcome* outcome, const DiagramOptions& options,
                     const QFont& font, QSize pixels, double scale, PictureError* error = nullptr);
bool WriteDiagramSvg(const QString& path, const DesignOutcome* outcome, const DiagramOptions& options,
                     const QFont& font, QSize pixels, double scale, PictureError* error = nullptr);
bool WriteDiagramPdf(const QString& path, const DesignOutcome* outcome, const DiagramOptions& options,
                     const QFont& font, QSize pixels, double scale, PictureError* error = nullptr);

// The picture format of a path by its extension (case ignored): "png", "svg", "pdf", or "" for others.
QString PictureFormatOf(const QString& path);

// Writes path in the format of its extension; false with the reason when that is none of the three.
bool WriteDiagramPicture(const QString& path, const DesignOutcome* outcome, const DiagramOptions& options,
                         const QFont& font, QSize pixels, double scale, PictureError* error = nullptr);

} // namespace zorvek
