// A random-touch soak of the kiosk: seeded presses, slides, lifts, taps and double taps of
// one finger anywhere in the window, with the kiosk's invariants checked after each event
// against the soak's own reading of the rules. Used by the stopwise-soak program.
#pragma once

#include "KioskHarness.h"

#include <array>
#include <random>

namespace stopwise {
class Picture;
}

namespace stopwise::soak {

struct Counts {
    long events = 0;               // presses, slides and lifts sent to the window
    long moves = 0;                // changes of step
    std::array<long, 10> visits{}; // entries into each step
};

class Soak {
public:
    Soak(testing::Kiosk& kiosk, unsigned seed);

    // Sends about `events` events; stops early after the first few violations.
    void run(long events);

    const Counts& counts() const { return m_counts; }
    const QStringList& violations() const { return m_violations; }

private:
    void touchSomething();
    void sent(bool fingerDown);
    void check();
    void fail(const QString& what);

    QPoint anywhere();
    QPoint onAVisiblePicture();

    testing::Kiosk& m_kiosk;
    const QList<Picture*> m_pictures; // every key and button, found once
    std::mt19937 m_random;
    bool m_held = false;
    int m_step;
    Counts m_counts;
    QStringList m_violations;
};

} // namespace stopwise::soak
