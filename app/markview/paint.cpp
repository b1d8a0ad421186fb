#include "paint.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainterPath>
#include <QPdfWriter>

#include "viewertexts.h"

namespace markview {

namespace {

void PaintBrace(QPainter& p, const Box& b, double ox, double oy) {
    const double top = oy - b.ascent, bottom = oy + b.descent, mid = (top + bottom) / 2;
    const double xl = ox + 0.1 * b.axis, xr = ox + b.axis, xm = (xl + xr) / 2;
    const double r = std::min((bottom - top) / 4, b.axis);
    QPainterPath path;
    path.moveTo(xr, top);
    path.quadTo(xm, top, xm, top + r);
    path.lineTo(xm, mid - r);
    path.quadTo(xm, mid, xl, mid);
    path.quadTo(xm, mid, xm, mid + r);
    path.lineTo(xm, bottom - r);
    path.quadTo(xm, bottom, xr, bottom);
    p.setPen(QPen(Qt::black, b.thickness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void PaintBox(QPainter& p, const Box& b, double ox, double oy) {
    const double x = ox + b.x, y = oy + b.y;
    switch (b.kind) {
    case Box::Kind::Text:
        p.setFont(b.font);
        p.setPen(b.color);
        p.drawText(QPointF(x, y), b.text);
        break;
    case Box::Kind::Group:
        for (const Box& c : b.children) PaintBox(p, c, x, y);
        break;
    case Box::Kind::Fraction:
        for (const Box& c : b.children) PaintBox(p, c, x, y);
        p.setPen(QPen(Qt::black, b.thickness, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x + 0.3 * b.thickness, y - b.axis),
                   QPointF(x + b.width - 0.3 * b.thickness, y - b.axis));
        break;
    case Box::Kind::System:
        PaintBrace(p, b, x, y);
        for (const Box& c : b.children) PaintBox(p, c, x, y);
        break;
    case Box::Kind::Image: {
        const QRectF rect(x, y - b.ascent, b.width, b.ascent);
        if (!b.image.isNull()) {
            p.drawImage(rect, b.image);
        } else {
            p.setPen(QPen(Qt::gray, 4, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(rect);
            p.setFont(b.font);
            p.setPen(Qt::darkGray);
            p.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, b.text);
        }
        break;
    }
    case Box::Kind::Rule:
        p.setPen(QPen(b.color, b.thickness, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x, y), QPointF(x + b.width, y));
        break;
    }
}

} // namespace

void PaintPage(QPainter& painter, const ReportLayout& layout, int pageIndex) {
    const PageGeometry& g = layout.geometry;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(QRectF(0, 0, g.Width(), g.Height()), Qt::white);
    if (pageIndex >= 0 && pageIndex < static_cast<int>(layout.pages.size())) {
        const Page& page = layout.pages[pageIndex];
        for (const Box& b : page.boxes) PaintBox(painter, b, 0, 0);
        painter.setFont(ReportFont(false, false, 0.85 * kBaseSize));
        painter.setPen(Qt::darkGray);
        const QString number = QString("%1 / %2").arg(page.number).arg(layout.pages.size());
        painter.drawText(QRectF(0, g.Bottom() + 0.3 * g.Left(), g.Width(), 2 * kBaseSize),
                         Qt::AlignHCenter | Qt::AlignTop, number);
    }
    painter.restore();
}

QImage RenderPage(const ReportLayout& layout, int pageIndex, double dpi) {
    const PageGeometry& g = layout.geometry;
    const double scale = dpi / kUnitsPerInch;
    QImage image(qRound(g.Width() * scale), qRound(g.Height() * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    QPainter painter(&image);
    painter.scale(scale, scale);
    PaintPage(painter, layout, pageIndex);
    return image;
}

bool PaintDocument(QPagedPaintDevice& device, const ReportLayout& layout) {
    const PageGeometry& g = layout.geometry;
    device.setPageLayout(QPageLayout(QPageSize(QSizeF(g.widthMm, g.heightMm), QPageSize::Millimeter),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The painter's origin is the page corner (no margins); one layout unit is 1/720 inch.
    const double scale = device.logicalDpiX() / kUnitsPerInch;
    for (int i = 0; i < static_cast<int>(layout.pages.size()); ++i) {
        if (i > 0) device.newPage();
        painter.save();
        painter.scale(scale, scale);
        PaintPage(painter, layout, i);
        painter.restore();
    }
    return painter.end();
}

bool ExportPdf(const QString& path, const ReportLayout& layout, const QString& title) {
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setTitle(title);
    writer.setCreator("markview");
    return PaintDocument(writer, layout);
}

} // namespace markview
