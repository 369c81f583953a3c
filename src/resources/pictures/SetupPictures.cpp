// How a radio is connected for alignment: the PC with Vantrel on a COM port, the radio on its
// programming cable, the power supply in place of the battery (portable) or on the DC cable
// (mobile), and the test set on the antenna socket and the audio lines.

#include "PictureKit.h"

namespace vantrel::pictures {

using namespace palette;

namespace {

constexpr int kWidth = 580;
constexpr int kHeight = 470;
const QRectF kLegend(10, 320, 560, 140);

QImage blank() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

void heading(Sketch& s, const QString& title) {
    s.font(17, true);
    s.text(QRectF(0, 6, kWidth, 24), title, Qt::AlignHCenter | Qt::AlignTop);
    s.font(12);
}

void pc(Sketch& s) {
    s.device(QRectF(15, 45, 150, 95), kPc, QStringLiteral("PC"), QStringLiteral("running Vantrel"));
    s.painter().setBrush(QColor(90, 110, 140));
    s.painter().drawRect(QRectF(45, 88, 90, 36));  // the screen
    s.socket(QPointF(165, 118), QStringLiteral("COM port"));
}

void testSet(Sketch& s) {
    s.device(QRectF(420, 45, 145, 130), kTestSet, QStringLiteral("Test set"),
             QStringLiteral("service monitor:\nRF power, frequency,\ndeviation, signal\ngenerator, audio"));
    // Named clear of the box's edge and of the cable that arrives from the left.
    s.socket(QPointF(420, 70), QStringLiteral("RF IN/OUT"), Sketch::Label::AboveLeft);
    s.socket(QPointF(420, 150), QStringLiteral("AUDIO"));
}

}  // namespace

QImage drawPortableSetup() {
    QImage image = blank();
    Sketch s(image);
    heading(s, QStringLiteral("Portable radio setup"));
    pc(s);
    testSet(s);

    // The radio, standing, with the battery eliminator under it.
    s.device(QRectF(255, 80, 72, 140), kRadio.lighter(260), QStringLiteral("Radio"), QStringLiteral("portable"));
    s.painter().setBrush(QColor(255, 220, 170));
    s.device(QRectF(245, 222, 92, 44), kSupply.lighter(110), QStringLiteral("Battery"), QStringLiteral("eliminator"));
    // Named beside the cable that leaves it upwards.
    s.socket(QPointF(305, 80), QStringLiteral("Antenna socket"), Sketch::Label::AboveLeft);
    s.socket(QPointF(255, 150), QStringLiteral("Side conn."));
    s.socket(QPointF(327, 170), QStringLiteral("Accessory"));

    s.device(QRectF(15, 215, 150, 85), kSupply, QStringLiteral("DC power supply"), QStringLiteral("set to 7.5 V"));
    s.socket(QPointF(165, 240), QStringLiteral("+"), Sketch::Label::Left);
    s.socket(QPointF(165, 280), QStringLiteral("-"), Sketch::Label::Left);

    s.cable({QPointF(170, 118), QPointF(215, 118), QPointF(215, 150), QPointF(250, 150)}, kDataCable);
    s.step(QPointF(200, 100), 1);
    s.cable({QPointF(170, 240), QPointF(245, 240)}, kPositive);
    s.cable({QPointF(170, 280), QPointF(225, 280), QPointF(225, 255), QPointF(245, 255)}, kNegative);
    s.step(QPointF(205, 300), 2);
    s.cable({QPointF(305, 75), QPointF(305, 48), QPointF(340, 48), QPointF(340, 70), QPointF(415, 70)}, kRfCable, 4);
    s.step(QPointF(345, 34), 3);
    s.cable({QPointF(332, 170), QPointF(385, 170), QPointF(385, 150), QPointF(415, 150)}, kAudioCable, 2.5, true);
    s.step(QPointF(370, 190), 4);

    s.legend(kLegend,
             {QStringLiteral("PC COM port to the radio's side connector: programming cable (Options menu)."),
              QStringLiteral("Battery eliminator to the supply, red to +, black to -; the supply at 7.5 V."),
              QStringLiteral("Antenna socket to the test set's RF IN/OUT, 50 ohm cable; antenna off."),
              QStringLiteral("Test set AUDIO to the accessory socket, for the receive adjustments."),
              QStringLiteral("Supply on, radio on, then File > Read Radio Information and Softpots.")},
             QStringLiteral("Never key the radio unless the test set or a dummy load is on its antenna socket."));
    return image;
}

QImage drawMobileSetup() {
    QImage image = blank();
    Sketch s(image);
    heading(s, QStringLiteral("Mobile radio setup"));
    pc(s);
    testSet(s);

    // The radio, lying, with its front socket facing the PC and its antenna socket at the rear.
    s.device(QRectF(230, 120, 130, 70), kRadio.lighter(260), QStringLiteral("Radio"), QStringLiteral("mobile"));
    s.socket(QPointF(230, 155), QStringLiteral("Front socket"));
    s.socket(QPointF(360, 135), QStringLiteral("Antenna"), Sketch::Label::Above);
    s.socket(QPointF(360, 175), QStringLiteral("Speaker"));
    s.socket(QPointF(295, 190), QStringLiteral("DC power"), Sketch::Label::Above);

    s.device(QRectF(15, 215, 150, 85), kSupply, QStringLiteral("DC power supply"),
             QStringLiteral("13.8 V, able to\ndeliver the transmit current"));
    s.socket(QPointF(165, 245), QStringLiteral("+"), Sketch::Label::Left);
    s.socket(QPointF(165, 285), QStringLiteral("-"), Sketch::Label::Left);

    s.cable({QPointF(170, 118), QPointF(200, 118), QPointF(200, 155), QPointF(225, 155)}, kDataCable);
    s.step(QPointF(185, 100), 1);
    s.cable({QPointF(170, 245), QPointF(289, 245), QPointF(289, 195)}, kPositive, 4);
    s.cable({QPointF(170, 285), QPointF(301, 285), QPointF(301, 195)}, kNegative, 4);
    s.step(QPointF(240, 265), 2);
    s.cable({QPointF(365, 135), QPointF(390, 135), QPointF(390, 70), QPointF(415, 70)}, kRfCable, 4);
    s.step(QPointF(372, 95), 3);
    s.cable({QPointF(365, 175), QPointF(400, 175), QPointF(400, 150), QPointF(415, 150)}, kAudioCable, 2.5, true);
    s.step(QPointF(395, 200), 4);

    s.legend(kLegend,
             {QStringLiteral("PC COM port to the front (microphone) socket: programming cable (Options)."),
              QStringLiteral("DC cable to the supply, red to +, black to -, its fuse in place; 13.8 V."),
              QStringLiteral("Antenna socket to the test set's RF IN/OUT, 50 ohm cable rated for the power."),
              QStringLiteral("Speaker output to the test set AUDIO, for the receive adjustments."),
              QStringLiteral("Supply on, radio on, then File > Read Radio Information and Softpots.")},
             QStringLiteral("Never key the radio unless the test set or a dummy load is on its antenna socket."));
    return image;
}

}  // namespace vantrel::pictures
