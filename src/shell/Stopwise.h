// The kiosk's one window, or, on a screen of its own, the middle of it (a Surround is its
// parent then). It owns every control and all run-time state, starts up
// (Form_Load), shows the panels of the current step (ShowMode), makes the moves between
// steps and routes every touch to its handler. The handlers of the moves are here; the
// keypads and the candidates (search/) and the answers (answers/) have handlers of their
// own, and come back to the window only to move to another step.
#pragma once

#include "answers/Answers.h"
#include "common/KioskState.h"
#include "screens/Screens.h"
#include "screens/Stage.h"
#include "search/CandidateList.h"
#include "search/Keypads.h"
#include "toolkit/TouchGate.h"

#include <QWidget>

namespace stopwise {

class Stopwise : public QWidget {
    Q_OBJECT
public:
    explicit Stopwise(QWidget* parent = nullptr);

    const KioskState& state() const { return m_state; }

    void Intro_Click();
    void IntroMessage_Click(short index);
    void HowDoIGetTo_Click();
    void WhensTheBusComing_Click();
    void IKnowStreetNames_Click();
    void IKnowLocation_Click();
    void BusScheduleOK_Click();
    void InstructionsOK_Click();
    void Back_Click(short index);
    void Surround_Click();

protected:
    bool event(QEvent* event) override;

private:
    void Form_Load();
    void ShowMode();
    void moveTo(Step step);
    void connectTouches();
    void fitSize();

    // The parts only keep references to one another until the constructor's body has built
    // the screens, so they may be declared in any order.
    KioskState m_state;
    Screens m_screens{};
    Stage m_stage;
    CandidateList m_candidates;
    Keypads m_keypads;
    Answers m_answers;
    TouchGate m_gate;
};

} // namespace stopwise
