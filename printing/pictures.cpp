#include "pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace zorvek {

namespace {

// One sheet with its number, drawn at (x, y); a folded corner marks it as paper.
void DrawSheet(QPainter& p, int x, int y, const QString& number) {
    const int w = 22, h = 28, fold = 6;
    const QPolygon outline({QPoint(x, y), QPoint(x + w - fold, y), QPoint(x + w, y + fold),
                            QPoint(x + w, y + h), QPoint(x, y + h)});
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(outline);
    p.drawPolyline(
        QPolygon({QPoint(x + w - fold, y), QPoint(x + w - fold, y + fold), QPoint(x + w, y + fold)}));
    QFont font("Arial");
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(30, 30, 120));
    p.drawText(QRect(x + 1, y + 1, w - fold, 14), Qt::AlignCenter,
               number); // stays visible behind the next sheet
}

} // namespace

QPixmap CollatePicture(bool collated) {
    QPixmap pixmap(kCollatePictureWidth, kCollatePictureHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Each stack: the back sheet up and right of the front one.
    const QString back[2] = {collated ? "2" : "1", collated ? "2" : "2"};
    const QString front[2] = {"1", collated ? "1" : "2"};
    for (int stack = 0; stack < 2; ++stack) {
        const int x = 8 + stack * 56;
        DrawSheet(p, x + 10, 6, back[stack]);
        DrawSheet(p, x, 18, front[stack]);
    }
    return pixmap;
}

QPixmap PictureButtonFace(ButtonFace face) {
    QPixmap pixmap(kButtonFaceWidth, kButtonFaceHeight);
    QPainter p(&pixmap);
    QLinearGradient shade(0, 0, 0, kButtonFaceHeight);
    shade.setColorAt(0, QColor(250, 250, 250));
    shade.setColorAt(1, QColor(208, 212, 220));
    p.fillRect(pixmap.rect(), shade);
    p.setPen(QColor(120, 124, 132));
    p.drawRect(0, 0, kButtonFaceWidth - 1, kButtonFaceHeight - 1);
    p.setPen(Qt::white);
    p.drawLine(1, 1, kButtonFaceWidth - 2, 1);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (face == ButtonFace::Print) {
        // A printer: body, paper tray on top, sheet coming out.
        p.setPen(QPen(QColor(50, 50, 50), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10.5, 6.5, 10, 8));
        p.setBrush(QColor(90, 96, 110));
        p.drawRoundedRect(QRectF(6.5, 12.5, 18, 10), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10.5, 20.5, 10, 8));
        p.setPen(QColor(60, 180, 60));
        p.drawPoint(QPointF(22, 15));
    } else {
        p.setPen(QPen(QColor(190, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 10), QPointF(21, 24));
        p.drawLine(QPointF(21, 10), QPointF(9, 24));
    }
    return pixmap;
}

} // namespace zorvek
