// A random-touch soak of the kiosk: seeded presses, slides, lifts, taps and double taps of
// one finger anywhere in the window, with the kiosk's invariants checked after each event
// against the soak's own reading of the rules. Used by the stopwise-soak program.
#pragma once

#include "KioskHarness.h"

#include <array>
#include <random>

namespace stopwise::soak {

class Soak {
public:
    Soak(testing::Kiosk& kiosk, unsigned seed);

    // Sends about `events` events; stops early after the first few violations.
    void run(long events);

    long events = 0;               // presses, slides and lifts sent to the window
    std::array<long, 10> visits{}; // entries into each step
    QStringList violations;

private:
    void touchSomething();
    void sent(bool fingerDown);
    void check();
    QPoint somewhere();

    testing::Kiosk& m_kiosk;
    std::mt19937 m_random;
    bool m_held = false;
    int m_step = 0;
};

} // namespace stopwise::soak
