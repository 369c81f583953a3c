// The picture of the progress window: the program's name over a radio sending.

#include "PictureKit.h"

#include <QLinearGradient>

namespace vantrel::pictures {

QImage drawTitlePicture() {
    QImage image(520, 300, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(24, 44, 84));
    sky.setColorAt(1, QColor(60, 110, 160));
    p.fillRect(image.rect(), sky);

    // A portable radio with its antenna, and the waves it sends.
    p.setPen(QPen(QColor(20, 20, 25), 2));
    p.setBrush(QColor(45, 50, 60));
    p.drawRoundedRect(QRectF(70, 120, 70, 140), 8, 8);
    p.drawRect(QRectF(120, 60, 8, 62));
    p.setBrush(QColor(150, 210, 150));
    p.drawRect(QRectF(80, 135, 50, 26));
    p.setBrush(QColor(200, 200, 205));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) p.drawEllipse(QPointF(88 + col * 17, 185 + row * 20), 5, 5);
    }
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        p.setPen(QPen(QColor(255, 210, 90, 255 - i * 50), 4));
        const qreal r = 18.0 * i;
        p.drawArc(QRectF(124 - r, 60 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }

    QFont face(QStringLiteral("Liberation Sans"));
    face.setPixelSize(64);
    face.setBold(true);
    p.setFont(face);
    p.setPen(Qt::white);
    p.drawText(QRectF(200, 90, 310, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vantrel"));
    face.setPixelSize(20);
    face.setBold(false);
    p.setFont(face);
    p.setPen(QColor(220, 230, 245));
    p.drawText(QRectF(204, 170, 310, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Radio alignment tool"));
    face.setPixelSize(14);
    p.setFont(face);
    p.drawText(QRectF(204, 200, 310, 50), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Reads, tunes and programs the softpots of\nportable and mobile radios"));
    return image;
}

}  // namespace vantrel::pictures
