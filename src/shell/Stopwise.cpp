#include "shell/Stopwise.h"

#include "catalogue/DefineData.h"
#include "shell/KeepOnScreen.h"
#include "shell/Layout.h"
#include "shell/ScreenFit.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/Picture.h"
#include "toolkit/ScreenBuilder.h"

#include <QWindow>

namespace stopwise {
namespace {

constexpr QSize OuterSize(WindowWidthTwips / TwipsPerPixel, WindowHeightTwips / TwipsPerPixel);
// A small tool window: a title bar with the caption and a close box only.
constexpr Qt::WindowFlags ToolWindow =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The screens are built first, so that the subsystems can be handed their controls.
QWidget& withScreens(QWidget& window)
{
    buildScreens(window, PanelLayout);
    return window;
}

CandidateList::Controls candidateControls(const QWidget& w)
{
    return {
        .StreetSelect = controlOf<Panel>(w, "StreetSelect"),
        .StreetSelectList = controlOf<Panel>(w, "StreetSelectList"),
        .StreetSelectTitle = controlOf<Label>(w, "StreetSelectTitle"),
        .StreetSelectText = controlOf<Label>(w, "StreetSelectText"),
        .StreetSelectListTitle = controlOf<Label>(w, "StreetSelectListTitle"),
        .SearchWord = controlOf<Label>(w, "SearchWord"),
        .ListItem = controlsOf<Label, 4>(w, "ListItem"),
        .SelectBtn = controlsOf<Picture, 4>(w, "SelectBtn"),
        .MoreStreets = controlsOf<Picture, 2>(w, "MoreStreets"),
        .MoreAreas = controlsOf<Picture, 2>(w, "MoreAreas"),
        .MoreStops = controlsOf<Picture, 2>(w, "MoreStops"),
    };
}

Keypads::Controls keypadControls(const QWidget& w)
{
    return {
        .KeyPad = controlOf<Panel>(w, "KeyPad"),
        .NumKeyPad = controlOf<Panel>(w, "NumKeyPad"),
        .Letter_sel = controlsOf<Picture, LetterKeyCount>(w, "Letter_sel"),
        .Number_sel = controlsOf<Picture, NumberKeyCount>(w, "Number_sel"),
    };
}

Answers::Controls answerControls(const QWidget& w)
{
    return {
        .BusScheduleBList = controlOf<Label>(w, "BusScheduleBList"),
        .BusScheduleTList = controlOf<Label>(w, "BusScheduleTList"),
        .InstructionsTitle = controlOf<Label>(w, "InstructionsTitle"),
        .InstructionsText = controlOf<Label>(w, "InstructionsText"),
    };
}

} // namespace

Stopwise::Stopwise(QWidget* parent)
    : QWidget(parent, parent ? Qt::Widget : ToolWindow)
    , m_candidates(m_state, LoadCatalogue(), candidateControls(withScreens(*this)),
                   [this](Step step) { moveTo(step); })
    , m_keypads(m_state, keypadControls(*this), m_candidates)
    , m_answers(m_state, answerControls(*this))
{
    setObjectName(QStringLiteral("Stopwise"));
    if (isWindow()) {
        setWindowTitle(QStringLiteral("Stopwise"));
        // A tool window would otherwise close and leave the program running.
        setAttribute(Qt::WA_QuitOnClose);
        keepOnScreen(*this);
    }
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor::fromRgb(WindowBackground));
    setPalette(background);

    for (std::size_t i = 0; i < PanelLayout.size(); ++i)
        m_panels[i] = controlOf<Panel>(*this, PanelLayout[i].name);
    m_intro = controlOf<Panel>(*this, "Intro");
    for (std::size_t step = 0; step < PanelsOfStep.size(); ++step)
        for (std::size_t i = 0; i < PanelsOfStep[step].size(); ++i)
            if (!PanelsOfStep[step][i].empty())
                m_shownIn[step][i] = controlOf<Panel>(*this, PanelsOfStep[step][i]);
    connectTouches();
    Form_Load();
}

// Which handler a touch on a control runs, by the control's name. Controls without a row
// here (texts, shapes, the card behind the prompt) take the touch and do nothing. A row
// that names no control stops the kiosk at start.
void Stopwise::connectTouches()
{
    enum class On : std::uint8_t { Click, Press, Release };
    struct TouchRoute {
        std::string_view control;
        On on;
        void (*run)(Stopwise&, short index);
    };
    static constexpr TouchRoute Routes[] = {
        {"Intro", On::Click, [](Stopwise& w, short) { w.Intro_Click(); }},
        {"IntroMessage", On::Click, [](Stopwise& w, short i) { w.IntroMessage_Click(i); }},
        {"HowDoIGetTo", On::Click, [](Stopwise& w, short) { w.HowDoIGetTo_Click(); }},
        {"WhensTheBusComing", On::Click, [](Stopwise& w, short) { w.WhensTheBusComing_Click(); }},
        {"IKnowStreetNames", On::Click, [](Stopwise& w, short) { w.IKnowStreetNames_Click(); }},
        {"IKnowLocation", On::Click, [](Stopwise& w, short) { w.IKnowLocation_Click(); }},
        {"BusScheduleOK", On::Click, [](Stopwise& w, short) { w.BusScheduleOK_Click(); }},
        {"InstructionsOK", On::Click, [](Stopwise& w, short) { w.InstructionsOK_Click(); }},
        {"Back", On::Click, [](Stopwise& w, short i) { w.Back_Click(i); }},
        {"Letters", On::Press, [](Stopwise& w, short i) { w.m_keypads.Letters_MouseDown(i); }},
        {"Letters", On::Release, [](Stopwise& w, short i) { w.m_keypads.Letters_MouseUp(i); }},
        {"Numbers", On::Press, [](Stopwise& w, short i) { w.m_keypads.Numbers_MouseDown(i); }},
        {"Numbers", On::Release, [](Stopwise& w, short i) { w.m_keypads.Numbers_MouseUp(i); }},
        {"MoreStreets", On::Click,
         [](Stopwise& w, short i) { w.m_candidates.MoreStreets_Click(i); }},
        {"MoreAreas", On::Click, [](Stopwise& w, short i) { w.m_candidates.MoreAreas_Click(i); }},
        {"MoreStops", On::Click, [](Stopwise& w, short i) { w.m_candidates.MoreStops_Click(i); }},
        {"SelectBtn", On::Click, [](Stopwise& w, short i) { w.m_candidates.SelectBtn_Click(i); }},
    };
    const auto controls = findChildren<Control*>();
    for (const TouchRoute& route : Routes) {
        const auto signal = route.on == On::Click   ? &Control::clicked
                            : route.on == On::Press ? &Control::pressed
                                                    : &Control::released;
        int routed = 0;
        for (Control* control : controls) {
            if (control->objectName().section(u'(', 0, 0) !=
                QLatin1StringView(route.control.data(), route.control.size()))
                continue;
            connect(control, signal, this, [this, run = route.run](short i) { run(*this, i); });
            ++routed;
        }
        if (routed == 0)
            qFatal("stopwise: no control named %s takes its touches", route.control.data());
    }
}

void Stopwise::Form_Load()
{
    m_state.Mode = Step::Welcome;
    fitSize();
    for (std::size_t i = 0; i < PanelLayout.size(); ++i)
        m_panels[i]->move(PanelLayout[i].x, PanelLayout[i].y);
    m_answers.FillSchedule();
    ShowMode();
}

void Stopwise::ShowMode()
{
    for (Panel* panel : m_panels)
        panel->hide();
    const bool search = searchOf(m_state.Mode).has_value();
    if (search)
        m_state.KeyPadInput.clear();
    for (Panel* panel : m_shownIn[std::size_t(m_state.Mode)])
        if (panel)
            panel->show();
    if (search)
        m_candidates.BuildMatches();
    else if (m_state.Mode >= Step::StreetDirections)
        m_answers.ShowInstructions();
}

void Stopwise::moveTo(Step step)
{
    m_state.Mode = step;
    ShowMode();
}

void Stopwise::Intro_Click()
{
    m_intro->hide();
    moveTo(Step::MainMenu);
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
    if (event->type() == QEvent::Show || event->type() == QEvent::Move)
        fitSize();
    return QWidget::event(event);
}

} // namespace stopwise
