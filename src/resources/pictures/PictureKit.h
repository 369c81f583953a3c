#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <initializer_list>

namespace vantrel::pictures {

// The pictures the program shows beside the executable.
QImage drawTitlePicture();
QImage drawPortableSetup();
QImage drawMobileSetup();

// The few shapes the pictures are made of.
namespace palette {
inline const QColor kInk(35, 38, 45);
inline const QColor kPaper(255, 255, 255);
inline const QColor kPc(214, 222, 235);
inline const QColor kRadio(52, 73, 94);
inline const QColor kSupply(236, 214, 160);
inline const QColor kTestSet(200, 228, 205);
inline const QColor kDataCable(40, 90, 200);
inline const QColor kRfCable(120, 60, 20);
inline const QColor kAudioCable(120, 120, 120);
inline const QColor kPositive(205, 35, 35);
inline const QColor kNegative(20, 20, 20);
inline const QColor kWarning(180, 30, 30);
}  // namespace palette

class Sketch {
public:
    Sketch(QImage& image);

    QPainter& painter() { return painter_; }

    void font(int pixels, bool bold = false);
    void text(const QRectF& box, const QString& words, int flags = Qt::AlignCenter | Qt::TextWordWrap);
    // A labelled box standing for a device.
    void device(const QRectF& box, const QColor& fill, const QString& title, const QString& detail = {});
    enum class Label { Below, Above, AboveLeft, Left };
    // A socket on a device, with its name beside it.
    void socket(const QPointF& at, const QString& name, Label side = Label::Below);
    // A cable through the points; a dashed one carries audio.
    void cable(std::initializer_list<QPointF> points, const QColor& colour, qreal width = 3, bool dashed = false);
    // A numbered marker that the legend refers to.
    void step(const QPointF& at, int number);
    // The numbered legend below the drawing.
    void legend(const QRectF& box, std::initializer_list<QString> lines, const QString& warning);

private:
    QPainter painter_;
};

}  // namespace vantrel::pictures
