#include "Soak.h"

#include "toolkit/Picture.h"

#include <QCoreApplication>

#include <algorithm>

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

} // namespace

std::string_view nameOf(Step step)
{
    constexpr std::string_view Names[] = {
        "welcome",      "main menu", "next arrivals", "search type",       "street",
        "cross street", "area",      "stop",          "street directions", "stop directions"};
    static_assert(std::size(Names) == std::size(EveryStep), "a name for every step");
    return Names[std::size_t(step)];
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

// A tap on `control`, the way to another step: "SelectBtn" and "Back" are any of those on
// show. A search with no candidate on show is typed into first: clear when something is
// typed, else any key of the keypad on show, until some name begins with what is typed.
void Soak::touchTowards(const QString& control)
{
    const auto anyShown = [&](const char* array, int count) -> const QWidget* {
        QList<const QWidget*> shown;
        for (int i = 0; i < count; ++i)
            if (const QWidget* widget = m_kiosk.control(QStringLiteral("%1(%2)").arg(array).arg(i));
                widget->isVisible())
                shown << widget;
        return shown.isEmpty()
                   ? nullptr
                   : shown[std::uniform_int_distribution<qsizetype>(0, shown.size() - 1)(m_random)];
    };
    if (control == "Back")
        return tap(*anyShown("Back", 2));
    if (control != "SelectBtn")
        return tap(*m_kiosk.control(control));
    if (const QWidget* select = anyShown("SelectBtn", ListRows))
        return tap(*select);
    const bool letters = m_kiosk.control("KeyPad")->isVisible();
    if (!m_kiosk.state().KeyPadInput.empty())
        return tap(*m_kiosk.control(letters ? QStringLiteral("Letters(%1)").arg(ClearLettersKey)
                                            : QStringLiteral("Numbers(%1)").arg(ClearNumbersKey)));
    tap(*(letters ? anyShown("Letters", LetterKeyCount) : anyShown("Numbers", NumberKeyCount)));
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
    const int names = int(state.Matches.size());
    if (names > 0 && (state.DataPageNumber < 0 || state.DataPageNumber * 4 >= names))
        fail(QStringLiteral("page %1 of %2 names").arg(state.DataPageNumber).arg(names));
    if (const QStringList pressed = m_kiosk.pressedLooks(); pressed.size() > (m_held ? 1 : 0))
        fail(QStringLiteral("keys drawn pressed: %1").arg(pressed.join(u' ')));
}

} // namespace stopwise::soak
