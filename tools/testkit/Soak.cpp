#include "Soak.h"

#include "catalogue/DefineData.h"
#include "search/CandidateSearch.h"
#include "toolkit/Picture.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>

namespace stopwise::soak {
namespace {

// The soak's own reading of the moves: where a touch on a control takes each step.
// "SelectBtn" is any select button on show, "Back" the one on show.
struct Move {
    QString control;
    Step to;
};

std::vector<Move> movesFrom(Step step)
{
    switch (step) {
    case Step::Welcome: return {{"Intro", Step::MainMenu}};
    case Step::MainMenu:
        return {{"WhensTheBusComing", Step::NextArrivals}, {"HowDoIGetTo", Step::SearchType}};
    case Step::NextArrivals: return {{"BusScheduleOK", Step::MainMenu}};
    case Step::SearchType:
        return {{"IKnowStreetNames", Step::Street}, {"IKnowLocation", Step::Area}};
    case Step::Street: return {{"SelectBtn", Step::CrossStreet}, {"Back", Step::MainMenu}};
    case Step::CrossStreet: return {{"SelectBtn", Step::StreetDirections}, {"Back", Step::Street}};
    case Step::Area: return {{"SelectBtn", Step::Stop}, {"Back", Step::MainMenu}};
    case Step::Stop: return {{"SelectBtn", Step::StopDirections}, {"Back", Step::Area}};
    case Step::StreetDirections:
    case Step::StopDirections: return {{"InstructionsOK", Step::MainMenu}};
    }
    return {};
}

// The panels each step shows: outside the searches one; in a search one of each pair.
QStringList panelsOf(Step step, const QStringList& shown)
{
    const auto either = [&](const char* one, const char* other) {
        return shown.contains(one) ? QString(one) : QString(other);
    };
    switch (step) {
    case Step::Welcome: return {"Intro"};
    case Step::MainMenu: return {"MainMenu"};
    case Step::NextArrivals: return {"BusSchedule"};
    case Step::SearchType: return {"SearchType"};
    case Step::Street:
    case Step::CrossStreet:
    case Step::Area:
    case Step::Stop:
        return {either("StreetSelect", "StreetSelectList"), either("KeyPad", "NumKeyPad")};
    case Step::StreetDirections:
    case Step::StopDirections: return {"Instructions"};
    }
    return {};
}

} // namespace

std::string_view nameOf(Step step)
{
    switch (step) {
    case Step::Welcome: return "welcome";
    case Step::MainMenu: return "main menu";
    case Step::NextArrivals: return "next arrivals";
    case Step::SearchType: return "search type";
    case Step::Street: return "street";
    case Step::CrossStreet: return "cross street";
    case Step::Area: return "area";
    case Step::Stop: return "stop";
    case Step::StreetDirections: return "street directions";
    case Step::StopDirections: return "stop directions";
    }
    return {};
}

Soak::Soak(testing::Kiosk& kiosk, unsigned seed)
    : m_kiosk(kiosk)
    , m_random(seed)
    , m_pictures(kiosk.window().findChildren<Picture*>())
{
    for (const Step step : EveryStep)
        visits[step] = 0;
    visits[m_step] = 1; // the kiosk starts on it
}

void Soak::run(long count)
{
    m_kiosk.catchUpAfterEachEvent = false;
    for (const long end = events + count; events < end && violations.size() < 5;) {
        if (m_held || std::bernoulli_distribution(0.25)(m_random)) {
            touchAtRandom();
        } else {
            // On to the step seen least of those one touch away.
            const auto moves = movesFrom(m_step);
            touchTowards(std::ranges::min(moves, {}, [&](const Move& move) {
                             return visits[move.to];
                         }).control);
        }
        if (events % 64 < 2)
            QCoreApplication::processEvents(); // the window catches up and paints now and then
    }
    m_kiosk.lift();
    m_kiosk.catchUpAfterEachEvent = true;
}

// Half the time anywhere, half the time on a shown picture, as often a candidate as a key,
// so that the touches get deep into the searches and out again.
QPoint Soak::somewhere()
{
    QList<Picture*> shown, candidates;
    for (Picture* picture : std::as_const(m_pictures))
        if (picture->isVisible())
            (picture->readWith() ? candidates : shown) << picture;
    if (!candidates.isEmpty() && std::bernoulli_distribution(0.25)(m_random))
        shown = candidates;
    if (shown.isEmpty() || std::bernoulli_distribution(0.5)(m_random))
        return {std::uniform_int_distribution<int>(0, m_kiosk.window().width() - 1)(m_random),
                std::uniform_int_distribution<int>(0, m_kiosk.window().height() - 1)(m_random)};
    const Picture* picture =
        shown[std::uniform_int_distribution<qsizetype>(0, shown.size() - 1)(m_random)];
    return picture->mapTo(&m_kiosk.window(), picture->rect().center());
}

// One finger: a press only while nothing is held, a slide or lift only after a press; now
// and then a press held for later, or a double tap.
void Soak::touchAtRandom()
{
    const int kind = std::uniform_int_distribution<int>(0, 99)(m_random);
    const QPoint at = somewhere();
    if (m_held) {
        kind < 30 ? m_kiosk.slide(at) : m_kiosk.lift(at);
        return sent(kind < 30);
    }
    constexpr int DoubleTap = 80; // milliseconds between the two taps
    const int taps = kind % 5 == 0 ? 2 : 1;
    for (int tap = 0; tap < taps; ++tap) {
        m_kiosk.press(at, tap == 0 ? testing::Kiosk::Patience : DoubleTap);
        sent(true);
        if (kind % 4 == 0)
            return; // held
        m_kiosk.lift(at);
        sent(false);
    }
}

// A tap on `control`, the way to another step. A search with no candidate on show to
// choose from is first cleared, then typed into on the letter keypad: the first letter of
// one of its names.
void Soak::touchTowards(const QString& control)
{
    const auto shown = [&](const QString& name) {
        const QWidget* widget = m_kiosk.control(name);
        return widget->isVisible() ? widget : nullptr;
    };
    const auto oneOf = [&](const QString& array, int count) -> const QWidget* {
        QList<const QWidget*> found;
        for (int i = 0; i < count; ++i)
            if (const QWidget* widget = shown(QStringLiteral("%1(%2)").arg(array).arg(i)))
                found << widget;
        return found.isEmpty()
                   ? nullptr
                   : found[std::uniform_int_distribution<qsizetype>(0, found.size() - 1)(m_random)];
    };
    if (control == "Back")
        return tap(*oneOf("Back", 2));
    if (control != "SelectBtn")
        return tap(*m_kiosk.control(control));
    if (const QWidget* select = oneOf("SelectBtn", ListRows))
        return tap(*select);
    const KioskState& state = m_kiosk.state();
    auto names = Candidates(LoadCatalogue(), {.search = *searchOf(m_step),
                                              .selectedStreet = state.SelectedStreet,
                                              .selectedArea = state.SelectedArea});
    std::erase_if(names, [](std::string_view name) { return name.empty(); }); // the unnamed slot
    if (names.empty()) // a street with no cross streets, an area with no stops
        return tap(*oneOf("Back", 2));
    const bool numbers = shown("NumKeyPad");
    const auto key = [&](int letter, int number) {
        tap(*m_kiosk.control(numbers ? QStringLiteral("Numbers(%1)").arg(number)
                                     : QStringLiteral("Letters(%1)").arg(letter)));
    };
    if (!m_kiosk.state().KeyPadInput.empty())
        return key(ClearLettersKey, ClearNumbersKey);
    const char first =
        names[std::uniform_int_distribution<std::size_t>(0, names.size() - 1)(m_random)].front();
    if (std::isdigit(first))
        return key(NumberPadKey, keyOfDigit(first));
    key(keyOfLetter(char(std::tolower(first))), LetterPadKey);
}

void Soak::tap(const QWidget& control)
{
    const QPoint at = control.mapTo(&m_kiosk.window(), control.rect().center());
    m_kiosk.press(at);
    sent(true);
    m_kiosk.lift(at);
    sent(false);
}

void Soak::sent(bool fingerDown)
{
    m_held = fingerDown;
    ++events;
    check();
}

void Soak::check()
{
    const KioskState& state = m_kiosk.state();
    const auto fail = [&](const QString& what) {
        violations << QStringLiteral("event %1 (%2): %3")
                          .arg(events)
                          .arg(QLatin1StringView(nameOf(state.Mode)), what);
    };
    if (state.Mode != m_step) {
        const auto moves = movesFrom(m_step);
        if (std::ranges::none_of(moves, [&](const Move& move) { return move.to == state.Mode; }))
            fail(QStringLiteral("a move from %1").arg(QLatin1StringView(nameOf(m_step))));
        ++visits[m_step = state.Mode];
    }
    // The step's own panels, and nothing else.
    if (const QStringList shown = m_kiosk.visiblePanels(); shown != panelsOf(state.Mode, shown))
        fail(QStringLiteral("panels shown: %1").arg(shown.join(u' ')));
    const int names = int(state.Matches.size());
    if (names > 0 && (state.DataPageNumber < 0 || state.DataPageNumber * 4 >= names))
        fail(QStringLiteral("page %1 of %2 names").arg(state.DataPageNumber).arg(names));
    long pressed = 0;
    for (const Picture* picture : std::as_const(m_pictures))
        pressed += picture->asset().art == Art::PressedKey && picture->isVisible();
    if (pressed > (m_held ? 1 : 0))
        fail(QStringLiteral("%1 pressed pictures shown").arg(pressed));
}

} // namespace stopwise::soak
