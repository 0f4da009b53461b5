#include "screens/Stage.h"

#include "screens/Layout.h"
#include "toolkit/Panel.h"

namespace stopwise {

Stage::Stage(const Screens& screens)
    : m_screens(screens)
{
}

void Stage::show(Step step)
{
    for (const PanelRow& panel : PanelLayout)
        (m_screens.*panel.panel)->hide();
    for (Panel* Screens::*panel : panelsOf(step))
        if (panel)
            (m_screens.*panel)->show();
}

void Stage::swap(Panel* Screens::*shown, Panel* Screens::*hidden)
{
    (m_screens.*shown)->show();
    (m_screens.*hidden)->hide();
}

void Stage::showCandidates()
{
    swap(&Screens::StreetSelectList, &Screens::StreetSelect);
}
void Stage::showPrompt()
{
    swap(&Screens::StreetSelect, &Screens::StreetSelectList);
}
void Stage::showNumberPad()
{
    swap(&Screens::NumKeyPad, &Screens::KeyPad);
}
void Stage::showLetterPad()
{
    swap(&Screens::KeyPad, &Screens::NumKeyPad);
}

} // namespace stopwise
