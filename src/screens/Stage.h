// What is on show: the one place that shows and hides the panels. A step shows its own panels
// and nothing else; during a search exactly one of the prompt and the candidate list shows,
// and exactly one of the two keypads. The window and the subsystems ask it, never a panel.
#pragma once

#include "common/Steps.h"
#include "screens/Screens.h"

namespace stopwise {

class Stage {
public:
    explicit Stage(const Screens& screens);

    // Hides every panel, in the order of the layout, then shows the step's own: a search
    // step opens on its prompt and the letter keypad.
    void show(Step step);

    // The right-hand half of a search: the candidate list, or the prompt in its place.
    void showCandidates();
    void showPrompt();
    // The left-hand half: the number keypad, or the letter keypad.
    void showNumberPad();
    void showLetterPad();

private:
    // Shows one panel of a pair before hiding the other, so one of them is always on screen.
    void swap(Panel* Screens::*shown, Panel* Screens::*hidden);

    const Screens& m_screens;
};

} // namespace stopwise
