// The kiosk's one window. It owns every control and all run-time state, shows the panels
// of the current step (ShowMode) and holds every touch handler, named after its control
// and event. The handlers live beside the screens they serve: navigation here in shell/,
// keypads, candidate search and paging in search/, the directions in answers/.
#pragma once

#include "shell/KioskState.h"

#include <QWidget>
#include <array>

namespace stopwise {

struct Catalogue;
struct Prompt;
class Label;
class Panel;
class Picture;

class Stopwise : public QWidget {
    Q_OBJECT
public:
    explicit Stopwise(QWidget* parent = nullptr);

    const KioskState& state() const { return m_state; }

    // Touch handlers: navigation.
    void Intro_Click();
    void IntroMessage_Click(short index);
    void HowDoIGetTo_Click();
    void WhensTheBusComing_Click();
    void IKnowStreetNames_Click();
    void IKnowLocation_Click();
    void BusScheduleOK_Click();
    void InstructionsOK_Click();
    void Back_Click(short index);

    // Touch handlers: keypads.
    void Letters_MouseDown(short index);
    void Letters_MouseUp(short index);
    void Numbers_MouseDown(short index);
    void Numbers_MouseUp(short index);

    // Touch handlers: candidates.
    void MoreStreets_Click(short index);
    void MoreAreas_Click(short index);
    void MoreStops_Click(short index);
    void SelectBtn_Click(short index);

protected:
    bool event(QEvent* event) override;

private:
    void Form_Load();
    void ShowMode();
    void BuildMatches();
    void ShowMatchesPage();
    void ShowInstructions();

    void moveTo(int mode);
    void nextPage(short index);
    void showPrompt(const Prompt& prompt);
    void showPagingPictures(int mode, bool live);
    void fitOuterSize();
    void connectTouches();

    // The controls that change at run time, found once by name after the screens are built.
    struct Controls {
        Panel *Intro, *MainMenu, *BusSchedule, *SearchType, *Instructions;
        Panel *StreetSelect, *StreetSelectList, *KeyPad, *NumKeyPad;
        Label *StreetSelectTitle, *StreetSelectText, *StreetSelectListTitle, *SearchWord;
        Label *InstructionsTitle, *InstructionsText, *BusScheduleBList, *BusScheduleTList;
        std::array<Label*, 4> ListItem;
        std::array<Picture*, 4> SelectBtn;
        std::array<Picture*, 2> MoreStreets, MoreAreas, MoreStops;
        std::array<Picture*, 28> Letter_sel;
        std::array<Picture*, 12> Number_sel;
    };
    Controls findControls() const;

    const Catalogue* m_catalogue = nullptr;
    KioskState m_state;
    Controls m_controls;
};

} // namespace stopwise
