// The two on-screen keypads. A key's pressed picture shows while the finger is down; the
// key acts when the finger lifts, wherever that is, and the candidates follow every key.
#include "shell/Panel.h"
#include "shell/Picture.h"
#include "shell/Stopwise.h"

namespace stopwise {
namespace {

constexpr short NumberPadKey = 26; // "#" on the letter keypad
constexpr short LetterPadKey = 10; // "abc" on the number keypad

} // namespace

void Stopwise::Letters_MouseDown(short index)
{
    m_controls.Letter_sel.at(index)->show();
}
void Stopwise::Numbers_MouseDown(short index)
{
    m_controls.Number_sel.at(index)->show();
}

void Stopwise::Letters_MouseUp(short index)
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
    BuildMatches();
}

void Stopwise::Numbers_MouseUp(short index)
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
    BuildMatches();
}

} // namespace stopwise
