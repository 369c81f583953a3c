#include "PictureKit.h"

#include <QFont>
#include <QPainterPath>
#include <QPen>

namespace vantrel::pictures {

using namespace palette;

Sketch::Sketch(QImage& image) : painter_(&image) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.fillRect(image.rect(), kPaper);
    font(12);
}

void Sketch::font(int pixels, bool bold) {
    QFont face(QStringLiteral("Liberation Sans"));
    face.setPixelSize(pixels);
    face.setBold(bold);
    painter_.setFont(face);
}

void Sketch::text(const QRectF& box, const QString& words, int flags) {
    painter_.setPen(kInk);
    painter_.drawText(box, flags, words);
}

void Sketch::device(const QRectF& box, const QColor& fill, const QString& title, const QString& detail) {
    painter_.setPen(QPen(kInk, 1.5));
    painter_.setBrush(fill);
    painter_.drawRoundedRect(box, 6, 6);
    font(13, true);
    const QRectF titleBox(box.left() + 4, box.top() + 4, box.width() - 8, 20);
    text(titleBox, title, Qt::AlignHCenter | Qt::AlignTop);
    if (!detail.isEmpty()) {
        font(11);
        text(QRectF(box.left() + 6, box.top() + 24, box.width() - 12, box.height() - 28), detail,
             Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
    }
    font(12);
}

void Sketch::socket(const QPointF& at, const QString& name, Label side) {
    painter_.setPen(QPen(kInk, 1.5));
    painter_.setBrush(QColor(250, 210, 60));
    painter_.drawEllipse(at, 5, 5);
    font(10, true);
    switch (side) {
        case Label::Below:
            text(QRectF(at.x() - 60, at.y() + 7, 120, 14), name, Qt::AlignCenter);
            break;
        case Label::Above:
            text(QRectF(at.x() - 60, at.y() - 22, 120, 14), name, Qt::AlignCenter);
            break;
        case Label::AboveLeft:
            text(QRectF(at.x() - 128, at.y() - 22, 120, 14), name, Qt::AlignRight | Qt::AlignVCenter);
            break;
        case Label::Left:
            font(14, true);
            text(QRectF(at.x() - 100, at.y() - 8, 92, 16), name, Qt::AlignRight | Qt::AlignVCenter);
            break;
    }
    font(12);
}

void Sketch::cable(std::initializer_list<QPointF> points, const QColor& colour, qreal width, bool dashed) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& p : points) {
        if (first) {
            path.moveTo(p);
            first = false;
        } else {
            path.lineTo(p);
        }
    }
    QPen pen(colour, width, dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

void Sketch::step(const QPointF& at, int number) {
    painter_.setPen(QPen(kInk, 1));
    painter_.setBrush(QColor(255, 235, 120));
    painter_.drawEllipse(at, 10, 10);
    font(12, true);
    text(QRectF(at.x() - 10, at.y() - 10, 20, 20), QString::number(number), Qt::AlignCenter);
    font(12);
}

void Sketch::legend(const QRectF& box, std::initializer_list<QString> lines, const QString& warning) {
    painter_.setPen(QPen(kInk, 1));
    painter_.setBrush(QColor(247, 247, 240));
    painter_.drawRect(box);
    font(11);
    qreal y = box.top() + 6;
    int number = 1;
    for (const QString& line : lines) {
        step(QPointF(box.left() + 14, y + 7), number++);
        font(11);
        text(QRectF(box.left() + 30, y, box.width() - 36, 16), line, Qt::AlignLeft | Qt::AlignVCenter);
        y += 18;
    }
    font(11, true);
    painter_.setPen(kWarning);
    painter_.drawText(QRectF(box.left() + 8, y + 2, box.width() - 16, 16), Qt::AlignLeft | Qt::AlignVCenter, warning);
    font(12);
}

}  // namespace vantrel::pictures
