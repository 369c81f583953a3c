#pragma once

#include <QWidget>

#include <filesystem>

class QLabel;

namespace vantrel {

// The picture that shows how the PC, the radio, the power supply and the test set are wired
// for a portable (kind 41) or a mobile radio (kind 42). It writes its kind into the shared
// open-window number when made, and clears that and the client's picture flag when destroyed.
class tunerSetupWindow : public QWidget {
public:
    static constexpr int kPortableKind = 41;
    static constexpr int kMobileKind = 42;
    static constexpr const char* kPortablePicture = "portablesetup.bmp";
    static constexpr const char* kMobilePicture = "mobilesetup.bmp";
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 500;

    tunerSetupWindow(bool portable, int& openScreenKind, bool& setupPictureOpen, const std::filesystem::path& picture,
                     QWidget* parent = nullptr);
    ~tunerSetupWindow() override;

    static int kindOf(bool portable) { return portable ? kPortableKind : kMobileKind; }
    bool hasPicture() const { return hasPicture_; }

    QSize sizeHint() const override { return {kWidth, kHeight}; }

private:
    int& openScreenKind_;
    bool& setupPictureOpen_;
    bool hasPicture_ = false;
};

}  // namespace vantrel
