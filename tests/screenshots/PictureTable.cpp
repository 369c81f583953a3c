#include "PictureTable.h"

#include "ModalDriver.h"
#include "PictureSession.h"
#include "ServiceReportPicture.h"
#include "app/CommandIds.h"
#include "app/TApxPreviewWin.h"
#include "app/TBasebandUpdateWindow.h"
#include "screens/TTuningScreen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QMdiSubWindow>

#include <stdexcept>

namespace vantrel::testing {
namespace {

using namespace command;
using Take = std::function<QImage(PictureSession&)>;
using InWindow = std::function<void(QWidget&)>;

constexpr MessageAnswer kOk = MessageAnswer::Ok;
constexpr MessageAnswer kYes = MessageAnswer::Yes;
constexpr MessageAnswer kNo = MessageAnswer::No;

// The window a command opens over a read radio of `profile`, after the answers to the
// questions it asks (on opening or in `then`) and what `then` does in it.
Take window(std::string profile, int command, std::deque<MessageAnswer> answers = {}, InWindow then = {}) {
    return [=](PictureSession& s) {
        s.startOverReadRadio(profile);
        s.answer(answers);
        s.choose(command);
        s.settle();
        const auto frames = s.client().subWindowList();
        if (then && !frames.isEmpty()) then(*frames.front()->widget());
        return s.openWindow();
    };
}

// Presses a button of a tuning screen, named by its control number.
InWindow press(int control) {
    return [control](QWidget& w) {
        auto* button = dynamic_cast<QAbstractButton*>(dynamic_cast<TTuningScreen&>(w).control(control));
        if (button == nullptr) throw std::runtime_error("no button " + std::to_string(control));
        button->click();
    };
}

// Chooses a tone in a list of the baseband offset window, as the technician does.
InWindow chooseTone(int list, const char* tone) {
    return [list, tone](QWidget& w) {
        QComboBox* box = dynamic_cast<TBasebandUpdateWindow&>(w).list(list);
        box->setCurrentText(QString::fromLatin1(tone));
        emit box->activated(box->currentIndex());
    };
}

// The dialog a command runs, over the program started without a radio.
Take dialog(int command) {
    return [command](PictureSession& s) {
        if (!s.startApp()) throw std::runtime_error("the program did not start");
        return s.nextDialog([&] { s.choose(command); });
    };
}

// The port dialog as a new installation (no com.ini) greets the technician.
QImage firstStart(PictureSession& s) {
    return s.nextDialog([&] { s.startApp({}, false); });
}

// The main window over the portable's read radio, with its setup picture open.
QImage mainWindow(PictureSession& s) {
    s.startOverReadRadio("portable-v1");
    s.choose(kPortableRadioSetup);
    s.settle();
    return s.frame().grab().toImage();
}

// Print/Printout Preview showing the first two pages of the report.
QImage printPreview(PictureSession& s) {
    s.startOverReadRadio("portable-v1");
    QImage shot;
    whenModal<TApxPreviewWin>([&shot](TApxPreviewWin& preview) {
        preview.action(TApxPreviewWin::kTwoPages)->trigger();
        PictureSession::settle();
        shot = preview.grab().toImage();
        preview.close();
    });
    s.choose(kPrintPreview);
    if (shot.isNull()) throw std::runtime_error("the preview did not come up");
    return shot;
}

}  // namespace

const std::vector<Picture>& pictureTable() {
    static const std::vector<Picture> pictures{
        {"screens/main-window.png", mainWindow},
        {"screens/port-dialog-first-start.png", firstStart},
        {"screens/port-dialog-options.png", dialog(kCommunicationSettings)},
        {"screens/about.png", dialog(kAbout)},
        {"screens/print-preview.png", printPreview},
        {"screens/service-report.png", serviceReportPage},
        // Utilities, on the codeplug radio the sample bbo.cfg describes.
        {"screens/serial-number.png", window("mobile-bbo-codeplug-prefixed", kProgramSerialNumber)},
        {"screens/temp-comp.png", window("mobile-bbo-codeplug-prefixed", kTempCompRead)},
        {"screens/baseband-offset.png",
         window("mobile-bbo-codeplug-prefixed", kBasebandOffsetUpdate, {}, chooseTone(1, "1500 Hz"))},
        // Tx Align: the single-value screens.
        {"screens/reference-oscillator-warp.png", window("portable-v1", kReferenceOscillatorWarp)},
        {"screens/vco-attenuation-12-5khz.png", window("portable-v1", kVco125)},
        {"screens/vco-attenuation-20khz.png", window("portable-v1", kVco20)},
        {"screens/dtmf-deviation.png", window("portable-v1", kDtmf)},
        {"screens/dalmor-signalling.png", window("portable-v1", kDalmor)},
        {"screens/high-speed-trunking.png", window("portable-v1", kHighSpeedTrunking)},
        {"screens/select-5.png", window("portable-v1", kSelect5)},
        {"screens/mpt1327.png", window("portable-v1", kMpt1327)},
        // Tx Align: a row per frequency point.
        {"screens/transmit-high-power.png", window("portable-v1", kTransmitHighPower)},
        {"screens/modulation-balance.png", window("portable-v1", kModulationBalance)},
        {"screens/vco-attenuation-25khz.png", window("portable-v1", kVco25)},
        // Tx Align: the radio tunes the PA voltage limit itself, and finds nothing at F2.
        {"screens/pa-voltage-limit.png", window("mobile-v2-pa-limit-zero", kPaVoltageLimit, {kOk}, press(7000))},
        // Tx Align: PA bias, after OK to the 6 V note and No (or Yes: the defaults) to the current.
        {"screens/pa-bias-high-power.png", window("portable-v1", kPaBiasHighPower, {kOk, kNo})},
        {"screens/pa-bias-low-power.png", window("portable-v1", kPaBiasLowPower, {kOk, kNo})},
        {"screens/pa-bias-default-high-power.png", window("portable-v1", kPaBiasHighPower, {kOk, kYes})},
        {"screens/pa-bias-rx-mode.png", window("mobile-e3", kPaBiasRxMode)},
        // Tx Align: the mobiles of the second tuning procedure.
        {"screens/k-and-m-tuning.png", window("mobile-v2-centred-k", kKandMTuning)},
        {"screens/battery-threshold.png", window("mobile-v2", kBatteryThreshold)},
        {"screens/dac.png", window("mobile-a", kDac)},
        // Rx Align; the squelch after the radio tuned F3 itself.
        {"screens/squelch-attenuation-12-5khz.png", window("portable-v1", kSquelch125, {}, press(7004))},
        {"screens/front-end-filter.png", window("mobile-e2", kFrontEndFilter)},
        {"screens/rated-volume-carrier-squelch.png", window("portable-v1", kRatedVolumeCarrierSquelch)},
        {"screens/rated-volume-sollen.png", window("portable-sollen", kRatedVolumeSollen)},
        {"screens/rssi.png", window("portable-v1", kRssi)},
    };
    return pictures;
}

}  // namespace vantrel::testing
