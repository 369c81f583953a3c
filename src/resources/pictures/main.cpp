// vantrel-draw-pictures FOLDER: draws title.bmp, portablesetup.bmp and mobilesetup.bmp into
// FOLDER. Run at build time, offscreen.

#include "PictureKit.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: vantrel-draw-pictures FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* name;
        QImage (*draw)();
    } pictures[] = {
        {"title.bmp", vantrel::pictures::drawTitlePicture},
        {"portablesetup.bmp", vantrel::pictures::drawPortableSetup},
        {"mobilesetup.bmp", vantrel::pictures::drawMobileSetup},
    };
    for (const auto& picture : pictures) {
        const QString path = folder.filePath(QString::fromLatin1(picture.name));
        if (!picture.draw().save(path, "BMP")) {
            std::fprintf(stderr, "vantrel-draw-pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
