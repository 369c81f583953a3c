#include "PictureSession.h"

#include "app/CommandIds.h"

#include <QDialog>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

#include <stdexcept>

namespace vantrel::testing {

namespace {

// What the recorder reported through the test framework outside of any test.
int reportsSoFar() { return ::testing::UnitTest::GetInstance()->ad_hoc_test_result().total_part_count(); }

}  // namespace

PictureSession::PictureSession() : reportsBefore_(reportsSoFar()) {
    const std::filesystem::path built(VANTREL_BIN_DIR);
    for (const char* shipped : {"title.bmp", "portablesetup.bmp", "mobilesetup.bmp", "bbo.cfg"}) {
        std::filesystem::copy_file(built / shipped, folder.path() / shipped);
    }
}

void PictureSession::startOverReadRadio(const std::string& profile) {
    putRadio(profile + ".json");
    if (!startApp()) throw std::runtime_error("the program did not start");
    choose(command::kReadRadio);
    settle();
    if (!client().radioRead()) throw std::runtime_error("the radio " + profile + " was not read");
    ui.clear();
}

void PictureSession::answer(std::deque<MessageAnswer> answers) { ui.answers = std::move(answers); }

QImage PictureSession::openWindow() {
    settle();
    const auto frames = client().subWindowList();
    if (frames.isEmpty()) throw std::runtime_error("no window is open");
    return frames.front()->grab().toImage();
}

QImage PictureSession::nextDialog(const std::function<void()>& open) {
    QImage shot;
    ui.dialogs.push_back([&shot](QDialog& dialog) {
        dialog.show();
        settle();
        shot = dialog.grab().toImage();
        dialog.hide();
        return int(QDialog::Rejected);
    });
    open();
    if (shot.isNull()) throw std::runtime_error("no dialog came up");
    return shot;
}

void PictureSession::expectScriptDone() const {
    // An unscripted question is reported through the test framework by the recorder.
    if (reportsSoFar() != reportsBefore_) throw std::runtime_error("a question was not scripted");
    if (!ui.answers.empty()) throw std::runtime_error("a scripted answer was not asked for");
    if (!ui.dialogs.empty()) throw std::runtime_error("a scripted dialog did not come up");
}

}  // namespace vantrel::testing
