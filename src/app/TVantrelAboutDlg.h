#pragma once

#include <QDialog>

namespace vantrel {

// "About Vantrel": the product, the release number and the release date of this build.
class TVantrelAboutDlg : public QDialog {
public:
    static constexpr int kWidthUnits = 211;
    static constexpr int kHeightUnits = 66;

    explicit TVantrelAboutDlg(QWidget* parent = nullptr);

    static QString versionLine();  // "Version <release>"
    static QString dateLine();     // "Date <release date>"
};

}  // namespace vantrel
