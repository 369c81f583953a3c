// The GUI tests run the real widgets without a display.

#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

// Under the leak checker: the toolkit, its fonts and its platform plugin keep caches until the
// process ends. Leaks of our own are still reported.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6\nleak:libfontconfig\nleak:libglib\nleak:libgobject\nleak:libdbus\nleak:libxkbcommon\n";
}

int main(int argc, char** argv) {
    // Test discovery runs this binary at build time, without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
