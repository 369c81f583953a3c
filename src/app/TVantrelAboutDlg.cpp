#include "app/TVantrelAboutDlg.h"

#include "app/DialogUnits.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// The build passes the release and its date; a build outside CMake still shows something true.
#ifndef VANTREL_VERSION
#define VANTREL_VERSION "unknown"
#endif
#ifndef VANTREL_RELEASE_DATE
#define VANTREL_RELEASE_DATE "unknown"
#endif

namespace vantrel {

QString TVantrelAboutDlg::versionLine() { return QStringLiteral("Version " VANTREL_VERSION); }

QString TVantrelAboutDlg::dateLine() { return QStringLiteral("Date " VANTREL_RELEASE_DATE); }

TVantrelAboutDlg::TVantrelAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Vantrel"));
    auto* layout = new QVBoxLayout(this);
    for (const QString& line : {QStringLiteral("Vantrel"), versionLine(), dateLine()}) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignHCenter);
        layout->addWidget(label);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    // 211 × 66 dialog units, unless the font needs more to show every line whole.
    setFixedSize(dialogUnitsToPixels(font(), kWidthUnits, kHeightUnits).expandedTo(sizeHint()));
}

}  // namespace vantrel
