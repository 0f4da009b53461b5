#include "Soak.h"

#include "catalogue/DefineData.h"
#include "toolkit/Picture.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <deque>

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

// For every step that can be reached from `from`, the first move on a shortest way there.
std::map<Step, Move> firstMoves(Step from)
{
    std::map<Step, Move> firstMove;
    std::deque<Step> queue{from};
    while (!queue.empty()) {
        const Step step = queue.front();
        queue.pop_front();
        for (const Move& move : movesFrom(step)) {
            if (move.to == from || firstMove.contains(move.to))
                continue;
            firstMove.emplace(move.to, step == from ? move : firstMove.at(step));
            queue.push_back(move.to);
        }
    }
    return firstMove;
}

// The soak's own reading of a search: the names that `offered` lets through and that begin
// with the typed text, case aside, in table order.
template <std::size_t N, typename Offered>
std::vector<std::string_view> beginningWith(const std::array<std::string_view, N>& names,
                                            const std::string& typed, Offered offered)
{
    const QString prefix = QString::fromStdString(typed);
    std::vector<std::string_view> found;
    for (std::size_t i = 0; i < N; ++i)
        if (offered(i) && !names[i].empty() &&
            QString::fromUtf8(names[i].data(), qsizetype(names[i].size()))
                .startsWith(prefix, Qt::CaseInsensitive))
            found.push_back(names[i]);
    return found;
}

std::vector<std::string_view> candidates(const KioskState& state, Search search)
{
    const Catalogue& places = LoadCatalogue();
    const int street = StreetIndex(state.SelectedStreet).value_or(0);
    const int area = AreaIndex(state.SelectedArea).value_or(0);
    const auto any = [](std::size_t) { return true; };
    switch (search) {
    case Search::Street: return beginningWith(places.Streets, state.KeyPadInput, any);
    case Search::CrossStreet:
        return beginningWith(places.Streets, state.KeyPadInput,
                             [&](std::size_t i) { return places.CrossStreets[i][street]; });
    case Search::Area: return beginningWith(places.Areas, state.KeyPadInput, any);
    case Search::Stop:
        return beginningWith(places.Stops, state.KeyPadInput,
                             [&](std::size_t i) { return places.AreaStops[i][area]; });
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

std::vector<Step> everyStep()
{
    std::vector<Step> steps{Step::Welcome};
    for (std::size_t i = 0; i < steps.size(); ++i)
        for (const Move& move : movesFrom(steps[i]))
            if (std::ranges::find(steps, move.to) == steps.end())
                steps.push_back(move.to);
    std::ranges::sort(steps);
    return steps;
}

Soak::Soak(testing::Kiosk& kiosk, unsigned seed)
    : m_kiosk(kiosk)
    , m_random(seed)
    , m_pictures(kiosk.window().findChildren<Picture*>())
{
    for (const Step step : everyStep())
        visits[step] = 0;
    visits[m_step] = 1; // the kiosk starts on it
    for (const char* panel : {"Intro", "MainMenu", "BusSchedule", "SearchType", "Instructions",
                              "StreetSelect", "StreetSelectList", "KeyPad", "NumKeyPad"})
        m_panels << kiosk.control(panel);
}

void Soak::run(long count)
{
    m_kiosk.catchUpAfterEachEvent = false;
    for (const long end = events + count; events < end && violations.size() < 5;) {
        if (m_held || std::bernoulli_distribution(0.25)(m_random)) {
            touchAtRandom();
        } else {
            // On the way to the step seen least of those that can be reached from here.
            const auto ways = firstMoves(m_step);
            const auto least = std::ranges::min_element(
                ways, {}, [&](const auto& way) { return visits[way.first]; });
            touchTowards(least->second.control);
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
        kind < 30 ? m_kiosk.move(at) : m_kiosk.release(at);
        return sent(kind < 30);
    }
    for (int tap = kind % 5 == 0 ? 2 : 1; tap > 0; --tap) {
        m_kiosk.press(at);
        sent(true);
        if (kind % 4 == 0)
            return; // held
        m_kiosk.release(at);
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
    KioskState untyped = m_kiosk.state();
    untyped.KeyPadInput.clear();
    const auto names = candidates(untyped, *searchOf(m_step));
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
        return key(NumberPadKey, first - '0');
    key(QChar::fromLatin1(first).toLower().unicode() - u'a', LetterPadKey);
}

void Soak::tap(const QWidget& control)
{
    const QPoint at = control.mapTo(&m_kiosk.window(), control.rect().center());
    m_kiosk.press(at);
    sent(true);
    m_kiosk.release(at);
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
    QStringList shown;
    for (const QWidget* panel : std::as_const(m_panels))
        if (panel->isVisible())
            shown << panel->objectName();
    if (shown != panelsOf(state.Mode, shown))
        fail(QStringLiteral("panels shown: %1").arg(shown.join(u' ')));
    const int names = int(state.Matches.size());
    if (names > 0 && (state.DataPageNumber < 0 || state.DataPageNumber * 4 >= names))
        fail(QStringLiteral("page %1 of %2 names").arg(state.DataPageNumber).arg(names));
    // With nothing typed the first three searches show their prompt and keep the old list.
    const auto search = searchOf(state.Mode);
    if (search && (!state.KeyPadInput.empty() || search == Search::Stop) &&
        state.Matches != candidates(state, *search))
        fail(
            QStringLiteral("candidates for \"%1\"").arg(QString::fromStdString(state.KeyPadInput)));
    long pressed = 0;
    for (const Picture* picture : std::as_const(m_pictures))
        pressed += picture->asset().art == Art::PressedKey && picture->isVisible();
    if (pressed > (m_held ? 1 : 0))
        fail(QStringLiteral("%1 pressed pictures shown").arg(pressed));
}

} // namespace stopwise::soak
