// The two on-screen keypads. A key's pressed picture shows while the finger is down; the
// key acts when the finger lifts, wherever that is: a letter or digit is typed, clear
// empties the text, and the switch keys swap the keypads. The candidates follow every key.
// A press that sees no release (its touch cancelled) only takes the pressed picture back.
#pragma once

#include "common/KioskState.h"
#include "screens/Screens.h"

#include <QObject>

namespace stopwise {

class CandidateList;
class Stage;

class Keypads : public QObject {
    Q_OBJECT
public:
    Keypads(KioskState& state, const Screens& screens, Stage& stage, CandidateList& candidates);

    void Letters_MouseDown(short index);
    void Letters_MouseUp(short index);
    void Numbers_MouseDown(short index);
    void Numbers_MouseUp(short index);
    void Letters_Cancel(short index);
    void Numbers_Cancel(short index);

private:
    KioskState& m_state;
    const Screens& m_screens;
    Stage& m_stage;
    CandidateList& m_candidates;
};

} // namespace stopwise
