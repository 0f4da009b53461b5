// stopwise-soak [--events N] [--seed S]: touches the kiosk at random, checking its
// invariants after every event, and reports the counts and the resident memory on the way.
// Exits non-zero on any broken invariant, or when memory grows by more than 1 MiB between
// the 100,000th event and the end of a run of a million.
#include "ProcessMemory.h"
#include "Soak.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

using namespace stopwise;

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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

    constexpr long Stretch = 100'000;
    long residentAtFirstStretch = 0;
    while (soak.counts().events < events && soak.violations().isEmpty()) {
        soak.run(std::min(Stretch - soak.counts().events % Stretch, events - soak.counts().events));
        const long resident = residentKiB();
        if (residentAtFirstStretch == 0 && soak.counts().events >= Stretch)
            residentAtFirstStretch = resident;
        std::printf("%9ld events, resident %ld KiB\n", soak.counts().events, resident);
        std::fflush(stdout);
    }

    const soak::Counts& counts = soak.counts();
    std::printf("soak seed %u: %ld events, each followed by the checks; %ld moves between "
                "steps\nvisits by step:",
                seed, counts.events, counts.moves);
    for (long visits : counts.visits)
        std::printf(" %ld", visits);
    std::printf("\n");
    for (const QString& violation : soak.violations())
        std::printf("violation: %s\n", qPrintable(violation));

    bool memoryFlat = true;
    if (counts.events >= 10 * Stretch) {
        const long growth = residentKiB() - residentAtFirstStretch;
        std::printf("resident growth from event %ld to %ld: %ld KiB\n", Stretch, counts.events,
                    growth);
#if !defined(__SANITIZE_ADDRESS__) // the sanitizer's quarantine holds freed memory on purpose
        memoryFlat = growth <= 1024;
#endif
    }
    std::printf("%d passed, %d failed\n", soak.violations().isEmpty() && memoryFlat ? 1 : 0,
                soak.violations().isEmpty() && memoryFlat ? 0 : 1);
    return soak.violations().isEmpty() && memoryFlat ? 0 : 1;
}
