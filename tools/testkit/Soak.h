// A random-touch soak of the kiosk: seeded presses, releases, slides, taps and double taps
// anywhere in the window, with the kiosk's invariants checked after every
// single event. Used by the soak test and by the stopwise-soak program.
#pragma once

#include "shell/Stopwise.h"

#include <QEvent>
#include <QList>
#include <QStringList>
#include <array>
#include <random>

namespace stopwise {
class Picture;
}

namespace stopwise::soak {

struct Counts {
    long events = 0;               // presses, releases and slides sent to the window
    long checks = 0;               // invariant checks made, one after every event
    long moves = 0;                // changes of step
    std::array<long, 10> visits{}; // entries into each step
};

class Soak {
public:
    Soak(Stopwise& window, unsigned seed);

    // Sends about `events` events; stops early after the first few violations.
    void run(long events);

    const Counts& counts() const { return m_counts; }
    const QStringList& violations() const { return m_violations; }

private:
    void touchSomething();
    void send(QEvent::Type type, QPoint at);
    void check();
    void fail(const QString& what);

    QPoint anywhere();
    QPoint onAVisiblePicture();

    Stopwise& m_window;
    const QList<Picture*> m_pictures; // every key and button, found once
    QList<QWidget*> m_panels;         // in the order of the layout
    QList<QWidget*> m_pressedPictures;
    std::mt19937 m_random;
    bool m_held = false;
    int m_step;
    Counts m_counts;
    QStringList m_violations;
};

} // namespace stopwise::soak
