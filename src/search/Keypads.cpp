#include "search/Keypads.h"

#include "search/CandidateList.h"
#include "toolkit/Panel.h"
#include "toolkit/Picture.h"

namespace stopwise {

Keypads::Keypads(KioskState& state, const Controls& controls, CandidateList& candidates)
    : m_state(state)
    , m_controls(controls)
    , m_candidates(candidates)
{
}

void Keypads::Letters_MouseDown(short index)
{
    m_controls.Letter_sel.at(index)->show();
}
void Keypads::Numbers_MouseDown(short index)
{
    m_controls.Number_sel.at(index)->show();
}

void Keypads::Letters_MouseUp(short index)
{
    m_controls.Letter_sel.at(index)->hide();
    if (index < NumberPadKey) {
        m_state.KeyPadInput += char('a' + index);
    } else if (index == NumberPadKey) {
        m_controls.NumKeyPad->show(); // show the new pad first: one is always on screen
        m_controls.KeyPad->hide();
    } else {
        m_state.KeyPadInput.clear();
    }
    m_candidates.BuildMatches();
}

void Keypads::Numbers_MouseUp(short index)
{
    m_controls.Number_sel.at(index)->hide();
    if (index < LetterPadKey) {
        m_state.KeyPadInput += char('0' + index);
    } else if (index == LetterPadKey) {
        m_controls.KeyPad->show();
        m_controls.NumKeyPad->hide();
    } else {
        m_state.KeyPadInput.clear();
    }
    m_candidates.BuildMatches();
}

} // namespace stopwise
