// stopwise-bench-touch-latency [repetitions]: the heaviest single touch, a key release in the
// street step that rebuilds a list of more than four names and swaps the prompt for the list,
// timed from the release to the end of the repaint, at each scale of the screens: median,
// 95th percentile and worst, in a fresh process per scale. Between two timed touches the four
// streets of F are brought up, so the timed touch changes every name on show.
#include "KioskHarness.h"
#include "Measure.h"

#include <QElapsedTimer>

using namespace stopwise;

namespace {

// In a child at one scale: prints the median, the 95th percentile and the worst, in ms.
int measureOneScale(int repetitions)
{
    testing::Kiosk kiosk;
    kiosk.walk({"IntroMessage(3)", "HowDoIGetTo", "IKnowStreetNames"});
    QCoreApplication::processEvents();

    // Six streets begin with M: the list and the live More show.
    const QPoint m = kiosk.at("Letters(12)");
    std::vector<double> latencies;
    QElapsedTimer timer;
    // A finger on the touch screen, through the window system's entry for input.
    for (int i = 0; i < repetitions; ++i) {
        kiosk.press(m);
        timer.start();
        kiosk.lift(m);
        latencies.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (kiosk.state().Matches.size() != 6 ||
            !kiosk.walk({"Letters(27)", "type f", "Letters(27)"}).isEmpty())
            return 1;
        QCoreApplication::processEvents();
    }
    std::printf("%.4f %.4f %.4f\n", bench::median(latencies), bench::percentile(latencies, 0.95),
                bench::percentile(latencies, 1.0));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    bench::useOffscreenByDefault();
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.value(1) == QLatin1StringView("--once"))
        return measureOneScale(arguments.value(2).toInt());
    const int repetitions = arguments.value(1, "1000").toInt();
    std::printf("key release rebuilding six candidates, with repaint, %d times per scale "
                "(%s)\n",
                repetitions, qPrintable(QGuiApplication::platformName()));
    std::printf("  scale   median     95th      worst   (goal: median under 1 ms up to 3.75, "
                "under 3 ms at 7.5)\n");
    for (double scale : bench::Scales) {
        const QList<double> ms =
            bench::measureInChild({"--once", QString::number(repetitions)}, scale);
        std::printf("  %5.2f %8.3f %8.3f %8.3f ms\n", scale, ms.value(0), ms.value(1), ms.value(2));
    }
    return 0;
}
