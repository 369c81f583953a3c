// vantrel-draw-icons FOLDER: draws the program's icon into FOLDER/<N>x<N>/apps/vantrel.png at the
// sizes desktop menus ask for, from the same drawing the windows carry. Run at build time, offscreen.

#include "app/ToolbarGlyphs.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: vantrel-draw-icons FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const int pixels : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString size = QStringLiteral("%1x%1/apps").arg(pixels);
        const QString path = folder.filePath(size + QStringLiteral("/vantrel.png"));
        if (!folder.mkpath(size) || !vantrel::drawApplicationIcon(pixels).save(path, "PNG")) {
            std::fprintf(stderr, "vantrel-draw-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
