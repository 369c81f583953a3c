#include "app/TVantrelMDIChild.h"

#include "app/ToolbarGlyphs.h"

#include <QIcon>
#include <QStyle>

namespace vantrel {

TVantrelMDIChild::TVantrelMDIChild(QWidget* window, const QString& caption, bool withApplicationIcon) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(window);
    setWindowTitle(caption);
    // Without the program's icon a frame shows the toolkit's plain document icon, so the two
    // kinds of frame stay told apart although the program's icon is every window's default.
    setWindowIcon(withApplicationIcon ? applicationIcon() : style()->standardIcon(QStyle::SP_FileIcon));
    // The frame holds the whole window below its title bar; the toolkit's own adjustment leaves
    // the title bar out and cuts the window's bottom off.
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    resize(window->sizeHint() + QSize(2 * border, title + border));
}

QIcon applicationIcon() { return QIcon(drawApplicationIcon()); }

}  // namespace vantrel
