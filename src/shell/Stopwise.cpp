#include "shell/Stopwise.h"

#include "catalogue/DefineData.h"
#include "screens/Layout.h"
#include "screens/ScreenBuilder.h"
#include "shell/KeepOnScreen.h"
#include "shell/ScreenFit.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/Picture.h"
#include "toolkit/PlainBackground.h"

#include <QWindow>

namespace stopwise {
namespace {

constexpr QSize OuterSize(WindowWidthTwips / TwipsPerPixel, WindowHeightTwips / TwipsPerPixel);
// A small tool window: a title bar with the caption and a close box only.
constexpr Qt::WindowFlags ToolWindow =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace

Stopwise::Stopwise(QWidget* parent)
    : QWidget(parent, parent ? Qt::Widget : ToolWindow)
    , m_stage(m_screens)
    , m_candidates(m_state, LoadCatalogue(), m_screens, m_stage,
                   [this](Step step) { moveTo(step); })
    , m_keypads(m_state, m_screens, m_stage, m_candidates)
    , m_answers(m_state, m_screens)
{
    setObjectName(QStringLiteral("Stopwise"));
    if (isWindow()) {
        setWindowTitle(QStringLiteral("Stopwise"));
        // A tool window would otherwise close and leave the program running.
        setAttribute(Qt::WA_QuitOnClose);
        keepOnScreen(*this);
    }
    fillBackground(*this, QColor::fromRgb(WindowBackground));
    buildScreens(*this, m_screens);
    connectTouches();
    Form_Load();
}

// Which handler a touch on a control runs. Controls without a handler here (texts, shapes,
// the cards behind the prompt and the list) take the touch and do nothing.
void Stopwise::connectTouches()
{
    const Screens& s = m_screens;
    const auto onClick = [](const auto& controls, auto* receiver, auto handler) {
        connectEach(controls, &Control::clicked, receiver, handler);
    };
    onClick(s.Intro, this, &Stopwise::Intro_Click);
    onClick(s.IntroMessage, this, &Stopwise::IntroMessage_Click);
    onClick(s.HowDoIGetTo, this, &Stopwise::HowDoIGetTo_Click);
    onClick(s.WhensTheBusComing, this, &Stopwise::WhensTheBusComing_Click);
    onClick(s.IKnowStreetNames, this, &Stopwise::IKnowStreetNames_Click);
    onClick(s.IKnowLocation, this, &Stopwise::IKnowLocation_Click);
    onClick(s.BusScheduleOK, this, &Stopwise::BusScheduleOK_Click);
    onClick(s.InstructionsOK, this, &Stopwise::InstructionsOK_Click);
    onClick(s.Back, this, &Stopwise::Back_Click);
    connectEach(s.Letters, &Control::pressed, &m_keypads, &Keypads::Letters_MouseDown);
    connectEach(s.Letters, &Control::released, &m_keypads, &Keypads::Letters_MouseUp);
    connectEach(s.Numbers, &Control::pressed, &m_keypads, &Keypads::Numbers_MouseDown);
    connectEach(s.Numbers, &Control::released, &m_keypads, &Keypads::Numbers_MouseUp);
    connectEach(s.Letters, &Control::cancelled, &m_keypads, &Keypads::Letters_Cancel);
    connectEach(s.Numbers, &Control::cancelled, &m_keypads, &Keypads::Numbers_Cancel);
    onClick(s.MoreStreets, &m_candidates, &CandidateList::MoreStreets_Click);
    onClick(s.MoreAreas, &m_candidates, &CandidateList::MoreAreas_Click);
    onClick(s.MoreStops, &m_candidates, &CandidateList::MoreStops_Click);
    onClick(s.SelectBtn, &m_candidates, &CandidateList::SelectBtn_Click);
}

void Stopwise::Form_Load()
{
    m_state.Mode = Step::Welcome;
    fitSize();
    for (const PanelRow& panel : PanelLayout)
        (m_screens.*panel.panel)->move(panel.x, panel.y);
    m_answers.FillSchedule();
    ShowMode();
}

void Stopwise::ShowMode()
{
    const bool search = searchOf(m_state.Mode).has_value();
    if (search)
        m_state.KeyPadInput.clear();
    m_stage.show(m_state.Mode);
    if (search)
        m_candidates.BuildMatches();
    else if (isDirections(m_state.Mode))
        m_answers.ShowInstructions();
}

// Every move answers a touch (or its stand-in for assistive technology): a second touch that
// follows at once was meant for the screen before, and the gate drops it.
void Stopwise::moveTo(Step step)
{
    m_state.Mode = step;
    m_gate.screenChanged();
    ShowMode();
}

void Stopwise::Intro_Click()
{
    moveTo(Step::MainMenu);
}

// On a screen of its own the welcome screen is all of the glass: a touch on the surround goes
// on as one on the welcome panel does. On every other step the surround does nothing.
void Stopwise::Surround_Click()
{
    if (m_state.Mode == Step::Welcome)
        Intro_Click();
}

void Stopwise::IntroMessage_Click(short)
{
    Intro_Click();
}
void Stopwise::HowDoIGetTo_Click()
{
    moveTo(Step::SearchType);
}
void Stopwise::WhensTheBusComing_Click()
{
    moveTo(Step::NextArrivals);
}
void Stopwise::IKnowStreetNames_Click()
{
    moveTo(Step::Street);
}
void Stopwise::IKnowLocation_Click()
{
    moveTo(Step::Area);
}
void Stopwise::BusScheduleOK_Click()
{
    moveTo(Step::MainMenu);
}
void Stopwise::InstructionsOK_Click()
{
    moveTo(Step::MainMenu);
}
void Stopwise::Back_Click(short)
{
    moveTo(stepAfterBack(m_state.Mode));
}

// The window measures 436 x 311 with its title bar and border, so the client area is what
// remains inside the frame the window system draws; the frame is known only once shown. On a
// screen of its own the kiosk is the screens' extent, and no more.
void Stopwise::fitSize()
{
    if (!isWindow()) {
        setFixedSize(ExtentWidth, ExtentHeight);
        return;
    }
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize client = OuterSize.shrunkBy(frame);
    if (client != size())
        setFixedSize(client);
}

bool Stopwise::event(QEvent* event)
{
    if (event->type() == QEvent::Show)
        m_gate.watch(*this); // the window exists once shown
    if (event->type() == QEvent::Show || event->type() == QEvent::Move)
        fitSize();
    return QWidget::event(event);
}

} // namespace stopwise
