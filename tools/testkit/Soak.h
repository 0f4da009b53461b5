// A random-touch soak of the kiosk: seeded presses, slides, lifts, taps and double taps of
// one finger anywhere in the window, three in four of them a way on from the step the kiosk is
// on, with the kiosk's invariants checked after each event: every move one of the soak's own
// reading of the moves, the page on show one the names fill, at most the held key drawn
// pressed. Its work is crashes and leaks, under the sanitizers too; the tables and the screen
// images check what each step shows. Used by the stopwise-soak program and the everyday tests.
#pragma once

#include "KioskHarness.h"

#include <map>
#include <random>
#include <string_view>
#include <vector>

namespace stopwise::soak {

// The step's name, as the soak prints it.
std::string_view nameOf(Step step);

// Every step, in the order of Mode: a visitor reaches each from the welcome screen.
inline constexpr Step EveryStep[] = {
    Step::Welcome,          Step::MainMenu,       Step::NextArrivals, Step::SearchType,
    Step::Street,           Step::CrossStreet,    Step::Area,         Step::Stop,
    Step::StreetDirections, Step::StopDirections,
};
static_assert(std::size(EveryStep) == std::size_t(Step::StopDirections) + 1, "every step, once");

class Soak {
public:
    Soak(testing::Kiosk& kiosk, unsigned seed);

    // Sends about `events` events; stops early after the first few violations.
    void run(long events);

    long events = 0;             // presses, slides and lifts sent to the window
    std::map<Step, long> visits; // entries into each step
    QStringList violations;

private:
    void touchAtRandom();
    void touchTowards(const QString& control);
    void tap(const QWidget& control);
    QPoint somewhere();
    void sent(bool fingerDown);
    void check();

    testing::Kiosk& m_kiosk;
    std::mt19937 m_random;
    QList<Picture*> m_pictures;
    bool m_held = false;
    Step m_step = Step::Welcome;
};

} // namespace stopwise::soak
