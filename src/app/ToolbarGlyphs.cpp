#include "app/ToolbarGlyphs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace vantrel {

namespace {

// Glyphs are drawn on a 32 x 32 grid; the toolbar scales them to its icon size.
constexpr int kSize = 32;

const QColor kInk(40, 40, 40);
const QColor kRadioBody(52, 73, 94);
const QColor kPaper(250, 250, 245);
const QColor kFolder(230, 180, 60);
const QColor kDisk(60, 100, 170);
const QColor kArrowIn(40, 140, 60);
const QColor kArrowOut(200, 70, 40);

QPixmap canvas() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.5));
}

// A small portable radio: body, display, keypad dots and antenna.
void radio(QPainter& p, QRectF body) {
    p.setBrush(kRadioBody);
    p.drawRoundedRect(body, 2, 2);
    p.drawLine(QPointF(body.right() - 3, body.top()), QPointF(body.right() - 3, body.top() - 8));
    p.setBrush(QColor(170, 220, 170));
    p.drawRect(QRectF(body.left() + 2, body.top() + 3, body.width() - 4, 5));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 2; ++col) {
            p.drawEllipse(QPointF(body.left() + 4 + col * (body.width() - 8), body.top() + 12 + row * 4), 1.2, 1.2);
        }
    }
    p.setPen(QPen(kInk, 1.5));
}

// A thick arrow from `from` to `to`.
void arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
    p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const QPolygonF head{to + u * 2, to - u * 5 + n * 4, to - u * 5 - n * 4};
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head);
    p.setPen(QPen(kInk, 1.5));
}

QPixmap folder() {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    prepare(p);
    p.setBrush(kFolder.darker(115));
    p.drawRect(QRectF(3, 8, 12, 4));
    p.setBrush(kFolder);
    p.drawRect(QRectF(3, 11, 26, 16));
    p.setBrush(kFolder.lighter(120));
    p.drawPolygon(QPolygonF{QPointF(7, 15), QPointF(30, 15), QPointF(26, 27), QPointF(3, 27)});
    return pixmap;
}

QPixmap disk() {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    prepare(p);
    p.setBrush(kDisk);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(8, 17, 16, 11));
    return pixmap;
}

// Read: data travels from the radio to the computer. Program: the other way.
QPixmap radioTransfer(bool intoRadio) {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    prepare(p);
    radio(p, QRectF(18, 10, 11, 20));
    if (intoRadio) {
        arrow(p, QPointF(2, 19), QPointF(14, 19), kArrowOut);
    } else {
        arrow(p, QPointF(15, 19), QPointF(3, 19), kArrowIn);
    }
    return pixmap;
}

QPixmap printer() {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    prepare(p);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(120, 120, 120));
    p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
    return pixmap;
}

// A nine-pin serial plug with its cable.
QPixmap serialPlug() {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    prepare(p);
    p.setBrush(QColor(160, 160, 170));
    p.drawPolygon(QPolygonF{QPointF(3, 8), QPointF(29, 8), QPointF(26, 20), QPointF(6, 20)});
    p.setBrush(kInk);
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(7.5 + i * 4.2, 12), 1, 1);
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(9.5 + i * 4.2, 16.5), 1, 1);
    p.setPen(QPen(kInk, 3));
    p.drawLine(QPointF(16, 20), QPointF(16, 30));
    return pixmap;
}

QPixmap serialNumber() {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    prepare(p);
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(2, 8, 28, 16), 3, 3);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(2, 8, 28, 16), Qt::AlignCenter, QStringLiteral("S/N"));
    return pixmap;
}

}  // namespace

QPixmap drawToolbarGlyph(int bitmap) {
    switch (bitmap) {
        case glyph::kLoadArchive:
            return folder();
        case glyph::kSaveArchive:
            return disk();
        case glyph::kReadRadio:
            return radioTransfer(false);
        case glyph::kProgramAll:
            return radioTransfer(true);
        case glyph::kPrint:
            return printer();
        case glyph::kCommunicationSettings:
            return serialPlug();
        case glyph::kProgramSerialNumber:
            return serialNumber();
        default:
            return {};
    }
}

QPixmap drawApplicationIcon(int pixels) {
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    // The antenna's arcs reach above the grid and the keypad to its lower edge: the square around
    // the whole drawing is what fills the icon.
    const QRectF whole(1.5, -4, 36, 36);
    p.scale(pixels / whole.width(), pixels / whole.height());
    p.translate(-whole.topLeft());
    prepare(p);
    radio(p, QRectF(9, 10, 14, 20));
    p.setPen(QPen(kArrowIn, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(13, 0, 14, 14), 0, 90 * 16);
    p.drawArc(QRectF(10, -3, 20, 20), 0, 90 * 16);
    return pixmap;
}

}  // namespace vantrel
