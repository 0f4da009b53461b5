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
        const bool walked =
            kiosk
                .walk({"IntroMessage(3)", "HowDoIGetTo", "IKnowStreetNames", "type f",
                       "choose Forbes Ave", "type m", "choose Murray Ave", "InstructionsOK",
                       "HowDoIGetTo", "IKnowLocation", "type o", "choose Oakland", "MoreStops(0)",
                       "choose CMU", "InstructionsOK"})
                .isEmpty();
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
    return bench::compareWithBaseline(argc, argv,
                                      {.figure = "peak resident size",
                                       .kiosk = "kiosk after both trips",
                                       .unit = "KiB",
                                       .decimals = 0,
                                       .runs = "5",
                                       .goalAtOne = 1.20},
                                      peakAfter);
}
