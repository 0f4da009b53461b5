// The two on-screen keypads. A key's pressed picture shows while the finger is down; the
// key acts when the finger lifts, wherever that is: a letter or digit is typed, clear
// empties the text, and the switch keys swap the keypads. The candidates follow every key.
#pragma once

#include "common/KioskState.h"

#include <array>

namespace stopwise {

class CandidateList;
class Panel;
class Picture;

// The letter keypad: A to Z are keys 0 to 25, then these two.
enum LetterKey : short { NumberPadKey = 26, ClearLettersKey = 27, LetterKeyCount };
// The number keypad: the digits 0 to 9 are keys 0 to 9, then these two.
enum NumberKey : short { LetterPadKey = 10, ClearNumbersKey = 11, NumberKeyCount };

class Keypads {
public:
    struct Controls {
        Panel *KeyPad, *NumKeyPad;
        std::array<Picture*, LetterKeyCount> Letter_sel;
        std::array<Picture*, NumberKeyCount> Number_sel;
    };

    Keypads(KioskState& state, const Controls& controls, CandidateList& candidates);

    void Letters_MouseDown(short index);
    void Letters_MouseUp(short index);
    void Numbers_MouseDown(short index);
    void Numbers_MouseUp(short index);

private:
    KioskState& m_state;
    Controls m_controls;
    CandidateList& m_candidates;
};

} // namespace stopwise
