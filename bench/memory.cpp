// stopwise-bench-memory [runs]: peak resident size after a full street trip and a full
// location trip, each in a fresh process, against a bare Qt window of the same size
// painting one line of Arial: medians and their ratio, as a desktop shows the window and on a
// 3840 x 2160 screen.
#include "KioskHarness.h"
#include "Measure.h"
#include "ProcessMemory.h"

using namespace stopwise;

namespace {

long peakAfter(const QString& which)
{
    if (which == "kiosk") {
        testing::Kiosk kiosk;
        const bool walked = kiosk.walk(
            {"IntroMessage(3)", "HowDoIGetTo", "IKnowStreetNames", "type f", "choose Forbes Ave",
             "type m", "choose Murray Ave", "InstructionsOK", "HowDoIGetTo", "IKnowLocation",
             "type o", "choose Oakland", "MoreStops(0)", "choose CMU", "InstructionsOK"});
        QCoreApplication::processEvents();
        if (!walked || kiosk.state().SelectedStop != "CMU")
            std::exit(1);
    } else {
        bench::BareWindow window;
        bench::showFirstFrame(window);
    }
    return statusKiB("VmHWM:");
}

} // namespace

int main(int argc, char* argv[])
{
    bench::useOffscreenByDefault();
    QApplication app(argc, argv);
    if (bench::measuredOnceIfAsked(app.arguments(), peakAfter))
        return 0;
    const int runs = app.arguments().value(1, "5").toInt();
    std::printf("peak resident size, median of %d fresh processes (%s)\n", runs,
                qPrintable(QGuiApplication::platformName()));
    for (double scale : {1.0, 7.5}) {
        const auto [kioskKiB, floorKiB] = bench::medianOfFreshRuns(runs, scale);
        std::printf(" at scale %g\n", scale);
        std::printf("  kiosk after both trips %8.0f KiB\n", kioskKiB);
        std::printf("  bare window            %8.0f KiB\n", floorKiB);
        std::printf("  ratio                  %8.2f (goal at 1: at most 1.20)\n",
                    kioskKiB / floorKiB);
    }
    return 0;
}
