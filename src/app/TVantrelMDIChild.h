#pragma once

#include <QMdiSubWindow>

namespace vantrel {

// The frame around every window the client holds: it takes the window as its content, sizes
// itself to it, shows the caption and deletes itself (and so the window) when closed.
class TVantrelMDIChild : public QMdiSubWindow {
public:
    // `applicationIcon`: the frame carries the program's icon instead of the default one.
    TVantrelMDIChild(QWidget* window, const QString& caption, bool applicationIcon = false);
};

// The program's icon, drawn once.
QIcon applicationIcon();

}  // namespace vantrel
