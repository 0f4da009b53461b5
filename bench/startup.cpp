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
    return bench::compareWithBaseline(argc, argv,
                                      {.figure = "start-up to first frame",
                                       .kiosk = "kiosk",
                                       .unit = "ms",
                                       .decimals = 2,
                                       .runs = "21",
                                       .goalAtOne = 1.30},
                                      coldStart);
}
