// startup_probe FOLDER: starts the desktop program as `vantrel` does, with FOLDER as
// its program folder, and prints the milliseconds from the launch time in VANTREL_PROBE_T0
// (nanoseconds since the epoch, e.g. from `date +%s%N` just before the launch) to the first
// paint of the main window. Then it quits without the end step.

#include "app/CommandLine.h"
#include "app/QtInteraction.h"
#include "app/TVantrelApp.h"
#include "app/TVantrelFrame.h"
#include "link/PortConfigurationFile.h"
#include "link/ProgramDirectory.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaint : public QObject {
public:
    FirstPaint(QObject* window, long long launchedNs) : window_(window), launchedNs_(launchedNs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && watched == window_ && event->type() == QEvent::Paint) {
            done_ = true;
            const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      std::chrono::system_clock::now().time_since_epoch())
                                      .count();
            std::printf("%.1f\n", static_cast<double>(now - launchedNs_) / 1e6);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QObject* window_;
    long long launchedNs_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const char* launched = std::getenv("VANTREL_PROBE_T0");
    if (argc != 2 || launched == nullptr) {
        std::fputs("usage: VANTREL_PROBE_T0=$(date +%s%N) startup_probe FOLDER\n", stderr);
        return 2;
    }
    vantrel::setProgramDirectory(argv[1]);
    if (vantrel::readPortNumber() == vantrel::kPortNumberUnreadable) vantrel::writePortNumber(1);

    vantrel::QtInteraction ui;
    vantrel::TVantrelApp app(vantrel::CommandLine{}, ui);
    if (!app.start()) return 1;
    FirstPaint probe(app.frame(), std::atoll(launched));
    application.installEventFilter(&probe);
    return QApplication::exec();
}
