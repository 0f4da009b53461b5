// stopwise-soak [--events N] [--seed S]: touches the kiosk at random, checking its
// invariants after every event, and reports the resident memory on the way, then the
// entries into each step and the events sent per second. Exits non-zero on any broken
// invariant, on a step never reached, or when memory grows by more than 1 MiB between the
// 100,000th event and the end of a run of a million.
#include "ProcessMemory.h"
#include "Soak.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <cstdio>

using namespace stopwise;

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own event loop wakes once for many posted events where GLib's writes for each: a
    // soak posts a great many, and the kiosk's handlers do not depend on the loop.
    qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({"events", "How many events to send.", "N", "1000000"});
    options.addOption({"seed", "The seed of the random touches.", "S", "1"});
    options.process(app);
    const long events = options.value("events").toLong();
    const unsigned seed = options.value("seed").toUInt();

    testing::Kiosk kiosk;
    soak::Soak soak(kiosk, seed);

    QElapsedTimer clock;
    clock.start();
    constexpr long Stretch = 100'000;
    long residentAtFirstStretch = 0;
    while (soak.events < events && soak.violations.isEmpty()) {
        soak.run(std::min(Stretch - soak.events % Stretch, events - soak.events));
        const long resident = statusKiB("VmRSS:");
        if (residentAtFirstStretch == 0 && soak.events >= Stretch)
            residentAtFirstStretch = resident;
        std::printf("%9ld events, resident %ld KiB\n", soak.events, resident);
        std::fflush(stdout);
    }

    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    std::printf("soak seed %u: %ld events in %.1f s, %.0f a second, each followed by the checks\n"
                "entries into each step:\n",
                seed, soak.events, seconds, double(soak.events) / seconds);
    bool everyStepReached = true;
    for (const auto& [step, visits] : soak.visits) {
        std::printf("%9ld  %.*s\n", visits, int(soak::nameOf(step).size()),
                    soak::nameOf(step).data());
        everyStepReached = everyStepReached && visits > 0;
    }
    for (const QString& violation : soak.violations)
        std::printf("violation: %s\n", qPrintable(violation));

    bool memoryFlat = true;
    if (soak.events >= 10 * Stretch) {
        const long growth = statusKiB("VmRSS:") - residentAtFirstStretch;
        std::printf("resident growth from event %ld to %ld: %ld KiB\n", Stretch, soak.events,
                    growth);
#if !defined(__SANITIZE_ADDRESS__) // the sanitizer's quarantine holds freed memory on purpose
        memoryFlat = growth <= 1024;
#endif
    }
    const bool passed = soak.violations.isEmpty() && memoryFlat && everyStepReached;
    std::printf("%s\n", passed ? "passed" : "failed");
    return passed ? 0 : 1;
}
