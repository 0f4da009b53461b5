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
    while (soak.events < events && soak.violations.isEmpty()) {
        soak.run(std::min(Stretch - soak.events % Stretch, events - soak.events));
        const long resident = statusKiB("VmRSS:");
        if (residentAtFirstStretch == 0 && soak.events >= Stretch)
            residentAtFirstStretch = resident;
        std::printf("%9ld events, resident %ld KiB\n", soak.events, resident);
        std::fflush(stdout);
    }

    std::printf("soak seed %u: %ld events, each followed by the checks\nentries by step:", seed,
                soak.events);
    for (long visits : soak.visits)
        std::printf(" %ld", visits);
    std::printf("\n");
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
    const bool passed = soak.violations.isEmpty() && memoryFlat;
    std::printf("%s\n", passed ? "passed" : "failed");
    return passed ? 0 : 1;
}
