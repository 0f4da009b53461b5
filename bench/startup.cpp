// stopwise-bench-startup [runs]: the time from constructing the window to its first painted
// frame, each in a fresh process, for the kiosk and for a bare Qt window of the same size
// painting one line of Arial: medians and their ratio, as a desktop shows the window and on a
// 3840 x 2160 screen.
#include "Measure.h"
#include "shell/Stopwise.h"

#include <QElapsedTimer>
#include <memory>

using namespace stopwise;

namespace {

double coldStart(const QString& which)
{
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QWidget> window;
    if (which == "kiosk")
        window = std::make_unique<Stopwise>();
    else
        window = std::make_unique<bench::BareWindow>();
    bench::showFirstFrame(*window);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    bench::useOffscreenByDefault();
    QApplication app(argc, argv);
    if (bench::measuredOnceIfAsked(app.arguments(), coldStart))
        return 0;
    const int runs = app.arguments().value(1, "21").toInt();
    std::printf("start-up to first frame, median of %d fresh processes (%s)\n", runs,
                qPrintable(QGuiApplication::platformName()));
    for (double scale : {1.0, 7.5}) {
        const auto [kioskMs, floorMs] = bench::medianOfFreshRuns(runs, scale);
        std::printf(" at scale %g\n", scale);
        std::printf("  kiosk          %8.2f ms\n", kioskMs);
        std::printf("  bare window    %8.2f ms\n", floorMs);
        std::printf("  ratio          %8.2f (goal at 1: at most 1.30)\n", kioskMs / floorMs);
    }
    return 0;
}
