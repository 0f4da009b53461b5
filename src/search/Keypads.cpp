#include "search/Keypads.h"

#include "screens/Stage.h"
#include "search/CandidateList.h"
#include "toolkit/Picture.h"

namespace stopwise {

Keypads::Keypads(KioskState& state, const Screens& screens, Stage& stage, CandidateList& candidates)
    : m_state(state)
    , m_screens(screens)
    , m_stage(stage)
    , m_candidates(candidates)
{
}

void Keypads::Letters_MouseDown(short index)
{
    m_screens.Letter_sel.at(index)->show();
}
void Keypads::Numbers_MouseDown(short index)
{
    m_screens.Number_sel.at(index)->show();
}

void Keypads::Letters_Cancel(short index)
{
    m_screens.Letter_sel.at(index)->hide();
}
void Keypads::Numbers_Cancel(short index)
{
    m_screens.Number_sel.at(index)->hide();
}

void Keypads::Letters_MouseUp(short index)
{
    m_screens.Letter_sel.at(index)->hide();
    if (index < NumberPadKey)
        m_state.KeyPadInput += letterOfKey(index);
    else if (index == NumberPadKey)
        m_stage.showNumberPad();
    else
        m_state.KeyPadInput.clear();
    m_candidates.BuildMatches();
}

void Keypads::Numbers_MouseUp(short index)
{
    m_screens.Number_sel.at(index)->hide();
    if (index < LetterPadKey)
        m_state.KeyPadInput += digitOfKey(index);
    else if (index == LetterPadKey)
        m_stage.showLetterPad();
    else
        m_state.KeyPadInput.clear();
    m_candidates.BuildMatches();
}

} // namespace stopwise
