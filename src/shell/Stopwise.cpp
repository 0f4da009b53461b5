#include "shell/Stopwise.h"

#include "answers/AnswerTexts.h"
#include "catalogue/DefineData.h"
#include "shell/Label.h"
#include "shell/Layout.h"
#include "shell/Panel.h"
#include "shell/Picture.h"
#include "shell/ScreenBuilder.h"
#include "shell/Steps.h"

#include <QWindow>

namespace stopwise {
namespace {

// Which handler a touch on a control runs, by the control's name. Pictures that carry no
// name here (the card behind the prompt) and labels other than the welcome texts take the
// touch and do nothing.
enum class On : std::uint8_t { Click, Press, Release };
struct TouchRoute {
    std::string_view control;
    On on;
    void (*run)(Stopwise&, short index);
};

constexpr TouchRoute TouchRoutes[] = {
    {"Intro", On::Click, [](Stopwise& w, short) { w.Intro_Click(); }},
    {"IntroMessage", On::Click, [](Stopwise& w, short i) { w.IntroMessage_Click(i); }},
    {"HowDoIGetTo", On::Click, [](Stopwise& w, short) { w.HowDoIGetTo_Click(); }},
    {"WhensTheBusComing", On::Click, [](Stopwise& w, short) { w.WhensTheBusComing_Click(); }},
    {"IKnowStreetNames", On::Click, [](Stopwise& w, short) { w.IKnowStreetNames_Click(); }},
    {"IKnowLocation", On::Click, [](Stopwise& w, short) { w.IKnowLocation_Click(); }},
    {"BusScheduleOK", On::Click, [](Stopwise& w, short) { w.BusScheduleOK_Click(); }},
    {"InstructionsOK", On::Click, [](Stopwise& w, short) { w.InstructionsOK_Click(); }},
    {"Back", On::Click, [](Stopwise& w, short i) { w.Back_Click(i); }},
    {"Letters", On::Press, [](Stopwise& w, short i) { w.Letters_MouseDown(i); }},
    {"Letters", On::Release, [](Stopwise& w, short i) { w.Letters_MouseUp(i); }},
    {"Numbers", On::Press, [](Stopwise& w, short i) { w.Numbers_MouseDown(i); }},
    {"Numbers", On::Release, [](Stopwise& w, short i) { w.Numbers_MouseUp(i); }},
    {"MoreStreets", On::Click, [](Stopwise& w, short i) { w.MoreStreets_Click(i); }},
    {"MoreAreas", On::Click, [](Stopwise& w, short i) { w.MoreAreas_Click(i); }},
    {"MoreStops", On::Click, [](Stopwise& w, short i) { w.MoreStops_Click(i); }},
    {"SelectBtn", On::Click, [](Stopwise& w, short i) { w.SelectBtn_Click(i); }},
};

constexpr QSize OuterSize(WindowWidthTwips / TwipsPerPixel, WindowHeightTwips / TwipsPerPixel);

template <typename T>
T* findControl(const QWidget* window, std::string_view name, short index = Single)
{
    return window->findChild<T*>(QString::fromStdString(controlName(name, index)));
}

template <typename T, std::size_t N>
std::array<T*, N> findArray(const QWidget* window, std::string_view name)
{
    std::array<T*, N> elements{};
    for (short i = 0; i < short(N); ++i)
        elements[i] = findControl<T>(window, name, i);
    return elements;
}

} // namespace

Stopwise::Stopwise(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Stopwise"));
    setWindowTitle(QStringLiteral("Stopwise"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor::fromRgb(WindowBackground));
    setPalette(background);

    buildScreens(this);
    m_controls = findControls();
    connectTouches();
    Form_Load();
}

Stopwise::Controls Stopwise::findControls() const
{
    return {
        .Intro = findControl<Panel>(this, "Intro"),
        .MainMenu = findControl<Panel>(this, "MainMenu"),
        .BusSchedule = findControl<Panel>(this, "BusSchedule"),
        .SearchType = findControl<Panel>(this, "SearchType"),
        .Instructions = findControl<Panel>(this, "Instructions"),
        .StreetSelect = findControl<Panel>(this, "StreetSelect"),
        .StreetSelectList = findControl<Panel>(this, "StreetSelectList"),
        .KeyPad = findControl<Panel>(this, "KeyPad"),
        .NumKeyPad = findControl<Panel>(this, "NumKeyPad"),
        .StreetSelectTitle = findControl<Label>(this, "StreetSelectTitle"),
        .StreetSelectText = findControl<Label>(this, "StreetSelectText"),
        .StreetSelectListTitle = findControl<Label>(this, "StreetSelectListTitle"),
        .SearchWord = findControl<Label>(this, "SearchWord"),
        .InstructionsTitle = findControl<Label>(this, "InstructionsTitle"),
        .InstructionsText = findControl<Label>(this, "InstructionsText"),
        .BusScheduleBList = findControl<Label>(this, "BusScheduleBList"),
        .BusScheduleTList = findControl<Label>(this, "BusScheduleTList"),
        .ListItem = findArray<Label, 4>(this, "ListItem"),
        .SelectBtn = findArray<Picture, 4>(this, "SelectBtn"),
        .MoreStreets = findArray<Picture, 2>(this, "MoreStreets"),
        .MoreAreas = findArray<Picture, 2>(this, "MoreAreas"),
        .MoreStops = findArray<Picture, 2>(this, "MoreStops"),
        .Letter_sel = findArray<Picture, 28>(this, "Letter_sel"),
        .Number_sel = findArray<Picture, 12>(this, "Number_sel"),
    };
}

void Stopwise::connectTouches()
{
    for (Control* control : findChildren<Control*>()) {
        const QString name = control->objectName().section(u'(', 0, 0);
        for (const TouchRoute& route : TouchRoutes) {
            if (name != QLatin1StringView(route.control.data(), route.control.size()))
                continue;
            const auto signal = route.on == On::Click   ? &Control::clicked
                                : route.on == On::Press ? &Control::pressed
                                                        : &Control::released;
            connect(control, signal, this, [this, run = route.run](short i) { run(*this, i); });
        }
    }
}

void Stopwise::Form_Load()
{
    m_catalogue = &LoadCatalogue();
    m_state.Mode = Welcome;
    fitOuterSize();
    for (const PanelRow& row : PanelLayout)
        findControl<Panel>(this, row.name)->move(row.x, row.y);
    m_controls.BusScheduleBList->setText(ArrivalRoutes());
    m_controls.BusScheduleTList->setText(ArrivalTimes());
    ShowMode();
}

void Stopwise::ShowMode()
{
    const Controls& c = m_controls;
    for (Panel* panel : {c.Intro, c.MainMenu, c.BusSchedule, c.SearchType, c.Instructions,
                         c.StreetSelect, c.StreetSelectList, c.KeyPad, c.NumKeyPad})
        panel->hide();

    const int mode = m_state.Mode;
    if (isSearchStep(mode)) {
        m_state.KeyPadInput.clear();
        c.StreetSelect->show();
        c.KeyPad->show();
        BuildMatches();
    } else if (mode >= StreetDirections) {
        c.Instructions->show();
        ShowInstructions();
    } else {
        const std::array<Panel*, 4> screens{c.Intro, c.MainMenu, c.BusSchedule, c.SearchType};
        screens.at(mode)->show();
    }
}

void Stopwise::moveTo(int mode)
{
    m_state.Mode = mode;
    ShowMode();
}

void Stopwise::Intro_Click()
{
    m_controls.Intro->hide();
    moveTo(MainMenuStep);
}

void Stopwise::IntroMessage_Click(short)
{
    Intro_Click();
}
void Stopwise::HowDoIGetTo_Click()
{
    moveTo(SearchKind);
}
void Stopwise::WhensTheBusComing_Click()
{
    moveTo(NextArrivals);
}
void Stopwise::IKnowStreetNames_Click()
{
    moveTo(ChooseStreet);
}
void Stopwise::IKnowLocation_Click()
{
    moveTo(ChooseArea);
}
void Stopwise::BusScheduleOK_Click()
{
    moveTo(MainMenuStep);
}
void Stopwise::InstructionsOK_Click()
{
    moveTo(MainMenuStep);
}
void Stopwise::Back_Click(short)
{
    moveTo(stepAfterBack(m_state.Mode));
}

// The window measures 436 x 311 with its title bar and border, so the client area is what
// remains inside the frame the window system draws; the frame is known only once shown.
void Stopwise::fitOuterSize()
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize client = OuterSize.shrunkBy(frame);
    if (client != size())
        setFixedSize(client);
}

bool Stopwise::event(QEvent* event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Move)
        fitOuterSize();
    return QWidget::event(event);
}

} // namespace stopwise
