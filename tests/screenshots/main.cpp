// vantrel-screenshots: makes every picture of the documentation from the desktop program itself,
// offscreen over the simulated radios, so that a picture changes only when what it shows does.
//
//   vantrel-screenshots [--into FOLDER] [--list] [PICTURE...]
//
// Writes under FOLDER (default: docs/ of the source tree) each picture of the table, or only those
// named ("screens/rssi.png"). A picture whose bytes did not change is left untouched. A full run
// also names every picture in docs/screens of the source tree that the table does not make.

#include "PictureSession.h"
#include "PictureTable.h"
#include "QtLeakSuppressions.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QStyleFactory>
#include <QStyleHints>
#include <QTemporaryFile>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

namespace {

using vantrel::testing::Picture;
using vantrel::testing::PictureSession;
using vantrel::testing::pictureTable;

struct Options {
    std::filesystem::path into = std::filesystem::path(VANTREL_SOURCE_DIR) / "docs";
    bool list = false;
    std::set<std::string> only;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--into" && i + 1 < argc) {
            options.into = argv[++i];
        } else if (word == "--list") {
            options.list = true;
        } else if (word.starts_with("-")) {
            return false;
        } else {
            options.only.insert(word);
        }
    }
    return true;
}

// One screen of 1280 × 800 at 96 dots to the inch, whatever the machine's display: the main
// window and the preview open maximized on it.
bool useFixedScreen(QTemporaryFile& config) {
    if (!config.open()) return false;
    config.write(R"({"screens": [{"name": "docs", "x": 0, "y": 0, "width": 1280, "height": 800,)"
                 R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    for (const char* scaling : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_STYLE_OVERRIDE"}) {
        qunsetenv(scaling);
    }
    // Numbers and texts as the program shows them in English, whatever the machine's language.
    qputenv("LC_ALL", "C.UTF-8");
    return true;
}

// The offscreen platform says of every window that it cannot grab the mouse; that is no news.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, text)) << '\n';
}

// Writes the picture unless the file already holds the same bytes; false when it cannot.
bool save(const QImage& image, const std::filesystem::path& path, bool& changed) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return false;
    QFile file(QString::fromStdString(path.string()));
    if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes) {
        changed = false;
        return true;
    }
    file.close();
    std::filesystem::create_directories(path.parent_path());
    changed = true;
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool take(const Picture& picture, const std::filesystem::path& into) {
    try {
        PictureSession session;
        const QImage image = picture.take(session);
        session.expectScriptDone();
        bool changed = false;
        if (image.isNull() || !save(image, into / picture.file, changed)) {
            std::cerr << picture.file << ": could not be written\n";
            return false;
        }
        std::cout << picture.file << (changed ? ": written" : ": unchanged") << '\n';
        return true;
    } catch (const std::exception& e) {
        std::cerr << picture.file << ": " << e.what() << '\n';
        return false;
    }
}

// The pictures in docs/screens that no row of the table makes.
std::vector<std::string> picturesNotMade() {
    std::vector<std::string> strays;
    const std::filesystem::path docs = std::filesystem::path(VANTREL_SOURCE_DIR) / "docs";
    for (const auto& entry : std::filesystem::directory_iterator(docs / "screens")) {
        const std::string file = "screens/" + entry.path().filename().string();
        const auto made = [&](const Picture& p) { return p.file == file; };
        if (entry.path().extension() == ".png" && std::none_of(pictureTable().begin(), pictureTable().end(), made)) {
            strays.push_back(file);
        }
    }
    return strays;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << "Usage: vantrel-screenshots [--into FOLDER] [--list] [PICTURE...]\n";
        return 2;
    }
    if (options.list) {
        for (const Picture& picture : pictureTable()) std::cout << picture.file << '\n';
        return 0;
    }
    QTemporaryFile screen;
    if (!useFixedScreen(screen)) {
        std::cerr << "vantrel-screenshots: no temporary file for the screen's description\n";
        return 1;
    }
    qInstallMessageHandler(quietPlatform);
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale::c());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // A text cursor that does not blink is drawn the same in every picture.
    QGuiApplication::styleHints()->setCursorFlashTime(0);

    int made = 0;
    int failed = 0;
    std::size_t chosen = 0;
    for (const Picture& picture : pictureTable()) {
        if (!options.only.empty() && !options.only.contains(picture.file)) continue;
        ++chosen;
        ++(take(picture, options.into) ? made : failed);
    }
    if (chosen < options.only.size()) {
        std::cerr << "vantrel-screenshots: a picture named is not in the table (--list names them)\n";
        ++failed;
    }
    if (options.only.empty()) {
        for (const std::string& stray : picturesNotMade()) {
            std::cerr << "docs/" << stray << ": no row of the table makes it\n";
            ++failed;
        }
    }
    std::cout << made << " pictures made, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
