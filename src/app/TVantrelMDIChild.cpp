#include "app/TVantrelMDIChild.h"

#include "app/ToolbarGlyphs.h"

#include <QIcon>

namespace vantrel {

TVantrelMDIChild::TVantrelMDIChild(QWidget* window, const QString& caption, bool withApplicationIcon) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(window);
    setWindowTitle(caption);
    if (withApplicationIcon) setWindowIcon(applicationIcon());
    adjustSize();
}

QIcon applicationIcon() { return QIcon(drawApplicationIcon()); }

}  // namespace vantrel
